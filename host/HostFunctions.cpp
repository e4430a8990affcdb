#include "HostFunctions.h"

#include "ImportPatch.h"
#include "StandInHost.h"

#include <algorithm>
#include <cstring>

namespace standin {
namespace {

constexpr int32_t kRequestProbe = 6;
constexpr int32_t kRequestObjectWindow = 7;
constexpr int32_t kRequestPickObject = 8;

// What the host stores in a request's text variable, and what it answers.
struct Reply {
    bool storeText;
    std::optional<std::string> text; // nothing: leave the variable null
    bool result;
};

Reply DefaultReply(StandInHost& host, int32_t request, const std::string& textIn) {
    switch (request) {
    case kRequestProbe:
        return {true, std::string("4.0.9"), true};
    case kRequestObjectWindow: {
        const HWND window = host.ObjectWindow(textIn);
        return {true, std::to_string(reinterpret_cast<uintptr_t>(window)), true};
    }
    case kRequestPickObject:
        if (host.pickObject) {
            if (auto choice = host.pickObject(textIn))
                return {true, std::move(choice), true};
        }
        return {false, std::nullopt, false};
    default:
        return {false, std::nullopt, false};
    }
}

} // namespace

char* HostAllocateText(const std::string& text) {
    auto* block = static_cast<char*>(::GlobalAlloc(GMEM_FIXED, text.size() + 1));
    if (block == nullptr)
        return nullptr;
    std::memcpy(block, text.c_str(), text.size() + 1);
    if (StandInHost* host = StandInHost::Current())
        ++host->heapCounts.hostAllocated;
    return block;
}

void HostFreeText(char*& block) {
    if (block == nullptr)
        return;
    ::GlobalFree(block);
    block = nullptr;
    if (StandInHost* host = StandInHost::Current())
        ++host->heapCounts.hostFreed;
}

int32_t __stdcall HostAddAction(int32_t id, const char* name, const char* description,
                                const uint8_t* kinds, int32_t kindsLast, int32_t count) {
    StandInHost* host = StandInHost::Current();
    if (host == nullptr)
        return 0;
    AddActionCall call{id, name ? name : "", description ? description : "", {}, kindsLast, count};
    if (kinds != nullptr && kindsLast >= 0 && kindsLast < 256)
        call.kinds.assign(kinds, kinds + kindsLast + 1);
    host->addActionCalls.push_back(std::move(call));
    return 1;
}

int32_t __stdcall HostSetVariable(const char* name, const char* value) {
    StandInHost* host = StandInHost::Current();
    if (host == nullptr || name == nullptr)
        return 0;
    host->setVariableCalls.push_back({name, value ? value : ""});
    host->SetVariableValue(name, value ? value : "");
    return 1;
}

int32_t __stdcall HostInterfaceAccess(int32_t request, char** text) {
    StandInHost* host = StandInHost::Current();
    if (host == nullptr || text == nullptr)
        return 0;
    const int32_t code = request & 0xFF;
    std::optional<std::string> textIn;
    if (*text != nullptr)
        textIn = *text;
    host->interfaceCalls.push_back({code, textIn});

    const RequestAnswer answer = host->AnswerFor(code);
    Reply reply{};
    switch (answer.mode) {
    case RequestAnswer::Mode::Default:
        reply = DefaultReply(*host, code, textIn.value_or(""));
        break;
    case RequestAnswer::Mode::NullText:
        reply = {true, std::nullopt, answer.result};
        break;
    case RequestAnswer::Mode::Text:
        reply = {true, answer.text, answer.result};
        break;
    }
    if (reply.storeText) {
        // The block the plug-in passed belongs to the host now: free it
        // before storing the answer.
        HostFreeText(*text);
        if (reply.text)
            *text = HostAllocateText(*reply.text);
    }
    return reply.result ? 1 : 0;
}

// --- hooks in the plug-in's import table ----------------------------------------

namespace {

HGLOBAL WINAPI HookGlobalAlloc(UINT flags, SIZE_T bytes) {
    StandInHost* host = StandInHost::Current();
    if (host != nullptr && host->TakeGlobalAllocFailure()) {
        ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    HGLOBAL block = ::GlobalAlloc(flags, bytes);
    if (block != nullptr && host != nullptr)
        ++host->heapCounts.plugInAllocated;
    return block;
}

HGLOBAL WINAPI HookGlobalFree(HGLOBAL block) {
    StandInHost* host = StandInHost::Current();
    if (block != nullptr && host != nullptr)
        ++host->heapCounts.plugInFreed;
    return ::GlobalFree(block);
}

UINT_PTR WINAPI HookSetTimer(HWND window, UINT_PTR id, UINT interval, TIMERPROC callback) {
    StandInHost* host = StandInHost::Current();
    const bool refuse = host != nullptr && host->TakeTimerFailure();
    const UINT_PTR granted = refuse ? 0 : ::SetTimer(window, id, interval, callback);
    if (host != nullptr)
        host->timerCalls.push_back({window, id, interval, granted != 0});
    if (refuse)
        ::SetLastError(ERROR_NO_SYSTEM_RESOURCES);
    return granted;
}

BOOL WINAPI HookKillTimer(HWND window, UINT_PTR id) {
    if (StandInHost* host = StandInHost::Current())
        host->killTimerCalls.emplace_back(window, id);
    return ::KillTimer(window, id);
}

// Window creation, refused when the host plans a failure. One template
// serves the ANSI and the Unicode entry.
template <typename Char, HWND(WINAPI* Create)(DWORD, const Char*, const Char*, DWORD, int, int, int,
                                              int, HWND, HMENU, HINSTANCE, LPVOID)>
HWND WINAPI HookCreateWindowEx(DWORD exStyle, const Char* className, const Char* windowName,
                               DWORD style, int x, int y, int width, int height, HWND parent,
                               HMENU menu, HINSTANCE instance, LPVOID param) {
    StandInHost* host = StandInHost::Current();
    if (host != nullptr && host->TakeWindowCreationFailure()) {
        ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return Create(exStyle, className, windowName, style, x, y, width, height, parent, menu,
                  instance, param);
}

template <typename Fn> const void* AsAddress(Fn fn) {
    return reinterpret_cast<const void*>(fn);
}

} // namespace

void HookPlugInImports(HMODULE module) {
    const struct {
        const char* dll;
        const char* function;
        const void* hook;
    } hooks[] = {
        {"KERNEL32.dll", "GlobalAlloc", AsAddress(&HookGlobalAlloc)},
        {"KERNEL32.dll", "GlobalFree", AsAddress(&HookGlobalFree)},
        {"USER32.dll", "SetTimer", AsAddress(&HookSetTimer)},
        {"USER32.dll", "KillTimer", AsAddress(&HookKillTimer)},
        {"USER32.dll", "CreateWindowExW",
         AsAddress(&HookCreateWindowEx<wchar_t, &::CreateWindowExW>)},
        {"USER32.dll", "CreateWindowExA", AsAddress(&HookCreateWindowEx<char, &::CreateWindowExA>)},
    };
    for (const auto& hook : hooks)
        PatchImport(module, hook.dll, hook.function, hook.hook);
}

} // namespace standin
