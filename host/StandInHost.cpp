#include "StandInHost.h"

#include "HostFunctions.h"
#include "ObjectWindows.h"

#include <stdexcept>

namespace standin {
namespace {

StandInHost* currentHost = nullptr;

constexpr int kEntryCount = 9;

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

} // namespace

StandInHost* StandInHost::Current() {
    return currentHost;
}

StandInHost::StandInHost(const std::wstring& plugInPath) {
    if (currentHost != nullptr)
        throw std::runtime_error("only one stand-in host may exist at a time");
    module_ = ::LoadLibraryW(plugInPath.c_str());
    if (module_ == nullptr)
        throw std::runtime_error("cannot load plug-in " + Narrow(plugInPath) + " (error " +
                                 std::to_string(::GetLastError()) + ")");
    void** slots = reinterpret_cast<void**>(&entries_);
    for (int ordinal = 1; ordinal <= kEntryCount; ++ordinal) {
        FARPROC entry = ::GetProcAddress(module_, MAKEINTRESOURCEA(ordinal));
        if (entry == nullptr) {
            ::FreeLibrary(module_);
            throw std::runtime_error("plug-in " + Narrow(plugInPath) + " lacks entry ordinal " +
                                     std::to_string(ordinal));
        }
        slots[ordinal - 1] = reinterpret_cast<void*>(entry);
    }
    currentHost = this;
    HookPlugInImports(module_);
    hostWindow_ = CreateHostWindow();
}

StandInHost::~StandInHost() {
    Unload();
    for (auto& object : objects_)
        ::DestroyWindow(object.second);
    if (hostWindow_ != nullptr)
        ::DestroyWindow(hostWindow_);
    currentHost = nullptr;
}

void StandInHost::Unload() {
    if (module_ == nullptr)
        return;
    ::FreeLibrary(module_);
    module_ = nullptr;
    entries_ = {};
}

PlugInIdentity StandInHost::InitPlugIn(int32_t hostValue) {
    char* title = nullptr;
    char* publisher = nullptr;
    char* hint = nullptr;
    entries_.nbInitPlugIn(hostValue, &title, &publisher, &hint);
    PlugInIdentity identity{title ? title : "", publisher ? publisher : "", hint ? hint : ""};
    // The host takes the three blocks over and frees them.
    for (char** block : {&title, &publisher, &hint})
        HostFreeText(*block);
    return identity;
}

void StandInHost::RegisterPlugIn() {
    entries_.nbRegisterPlugIn(reinterpret_cast<void*>(&HostAddAction), 0, 0,
                              reinterpret_cast<void*>(&HostSetVariable));
}

void StandInHost::RegisterInterfaceAccess(bool present) {
    entries_.nbRegisterInterfaceAccess(present ? reinterpret_cast<void*>(&HostInterfaceAccess)
                                               : nullptr);
}

bool StandInHost::ExecAction(int32_t id, const std::string& objectName, const std::string& value) {
    char* params[2] = {HostAllocateText(objectName), HostAllocateText(value)};
    const uint8_t result = entries_.nbExecAction(id, params, 1);
    HostFreeText(params[0]);
    HostFreeText(params[1]);
    return result != 0;
}

bool StandInHost::EditAction(int32_t id, std::string& objectName, std::string& value) {
    char* params[2] = {HostAllocateText(objectName), HostAllocateText(value)};
    const uint8_t result = entries_.nbEditAction(id, params, 1);
    objectName = params[0] ? params[0] : "";
    value = params[1] ? params[1] : "";
    HostFreeText(params[0]);
    HostFreeText(params[1]);
    return result != 0;
}

void StandInHost::About() {
    entries_.nbAbout();
}
void StandInHost::Message(int32_t code) {
    entries_.nbMessage(code);
}

void StandInHost::ShowHostWindow(int width, int height) {
    RECT frame{0, 0, width, height};
    ::AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    ::SetWindowPos(hostWindow_, nullptr, 40, 40, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOZORDER);
    ::ShowWindow(hostWindow_, SW_SHOW);
    ::SetForegroundWindow(hostWindow_);
    ::SetActiveWindow(hostWindow_);
    ::UpdateWindow(hostWindow_);
}

HWND StandInHost::AddObject(const std::string& name, int x, int y, int width, int height,
                            COLORREF fill) {
    DestroyObject(name);
    HWND window = CreateObjectWindow(hostWindow_, name, x, y, width, height, fill);
    if (window == nullptr)
        throw std::runtime_error("cannot create object window " + name + " (error " +
                                 std::to_string(::GetLastError()) + ")");
    objects_[name] = window;
    return window;
}

HWND StandInHost::ObjectWindow(const std::string& name) const {
    for (const auto& object : objects_)
        if (EqualIgnoringAsciiCase(object.first, name))
            return object.second;
    return nullptr;
}

void StandInHost::DestroyObject(const std::string& name) {
    for (auto it = objects_.begin(); it != objects_.end(); ++it) {
        if (EqualIgnoringAsciiCase(it->first, name)) {
            ::DestroyWindow(it->second);
            objects_.erase(it);
            return;
        }
    }
}

std::vector<std::string> StandInHost::ObjectNames() const {
    std::vector<std::string> names;
    for (const auto& object : objects_)
        names.push_back(object.first);
    return names;
}

std::optional<std::string> StandInHost::Variable(const std::string& name) const {
    const auto it = variables_.find(name);
    if (it == variables_.end())
        return std::nullopt;
    return it->second;
}

void StandInHost::SetVariableValue(const std::string& name, const std::string& value) {
    variables_[name] = value;
}

void StandInHost::SetAnswer(int32_t request, RequestAnswer answer) {
    answers_[request] = std::move(answer);
}

RequestAnswer StandInHost::AnswerFor(int32_t request) const {
    const auto it = answers_.find(request);
    return it == answers_.end() ? RequestAnswer{} : it->second;
}

void StandInHost::ClearRecords() {
    addActionCalls.clear();
    setVariableCalls.clear();
    interfaceCalls.clear();
    timerCalls.clear();
    killTimerCalls.clear();
}

long StandInHost::LiveBlocks() const {
    return heapCounts.hostAllocated + heapCounts.plugInAllocated - heapCounts.hostFreed -
           heapCounts.plugInFreed;
}

bool StandInHost::TakeFailure(FaultPlan& plan) {
    if (plan.fail <= 0)
        return false;
    if (plan.pass > 0) {
        --plan.pass;
        return false;
    }
    --plan.fail;
    return true;
}

bool StandInHost::TakeGlobalAllocFailure() {
    return TakeFailure(failGlobalAllocs_);
}
bool StandInHost::TakeTimerFailure() {
    return TakeFailure(failTimers_);
}
bool StandInHost::TakeWindowCreationFailure() {
    return TakeFailure(failWindowCreations_);
}

void StandInHost::PumpMessages(DWORD milliseconds) {
    const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
    for (;;) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline)
            return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                    QS_ALLINPUT);
    }
}

std::wstring Widen(const std::string& text, UINT codePage) {
    if (text.empty())
        return {};
    const int length =
        ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          length);
    return wide;
}

std::string Narrow(const std::wstring& text, UINT codePage) {
    if (text.empty())
        return {};
    const int length = ::WideCharToMultiByte(
        codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                          length, nullptr, nullptr);
    return narrow;
}

} // namespace standin
