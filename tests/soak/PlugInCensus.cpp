#include "PlugInCensus.h"

#include "ImportPatch.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace census {
namespace {

bool BelongsTo(HWND window, HMODULE plugIn) {
    const auto classModule = reinterpret_cast<HMODULE>(::GetClassLongPtrW(window, GCLP_HMODULE));
    const auto instance = reinterpret_cast<HMODULE>(::GetWindowLongPtrW(window, GWLP_HINSTANCE));
    return classModule == plugIn || instance == plugIn;
}

bool IsDisplay(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return std::wstring(name) == kDisplayClassName;
}

struct Walk {
    HMODULE plugIn;
    WindowCount count;
};

void Tally(HWND window, Walk& walk) {
    if (!BelongsTo(window, walk.plugIn))
        return;
    ++walk.count.all;
    if (IsDisplay(window))
        ++walk.count.displays;
}

BOOL CALLBACK TallyChild(HWND window, LPARAM data) {
    Tally(window, *reinterpret_cast<Walk*>(data));
    return TRUE;
}

BOOL CALLBACK TallyTopLevel(HWND window, LPARAM data) {
    Tally(window, *reinterpret_cast<Walk*>(data));
    ::EnumChildWindows(window, &TallyChild, data); // all descendants
    return TRUE;
}

// --- GDI accounting -----------------------------------------------------------

struct Accounts {
    std::map<HGDIOBJ, const char*> live;
    size_t created = 0;
    size_t deleted = 0;
};
Accounts* accounts = nullptr;

void Add(HGDIOBJ handle, const char* kind) {
    if (accounts != nullptr && handle != nullptr) {
        accounts->live[handle] = kind;
        ++accounts->created;
    }
}

void Remove(HGDIOBJ handle, bool done) {
    if (accounts != nullptr && done && accounts->live.erase(handle) != 0)
        ++accounts->deleted;
}

HDC WINAPI HookCreateCompatibleDC(HDC dc) {
    HDC created = ::CreateCompatibleDC(dc);
    Add(created, "memory DC");
    return created;
}
HBITMAP WINAPI HookCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                                    HANDLE section, DWORD offset) {
    HBITMAP created = ::CreateDIBSection(dc, info, usage, bits, section, offset);
    Add(created, "DIB section");
    return created;
}
HFONT WINAPI HookCreateFontW(int height, int width, int escapement, int orientation, int weight,
                             DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                             DWORD precision, DWORD clip, DWORD quality, DWORD pitch,
                             LPCWSTR face) {
    HFONT created = ::CreateFontW(height, width, escapement, orientation, weight, italic, underline,
                                  strikeOut, charSet, precision, clip, quality, pitch, face);
    Add(created, "font");
    return created;
}
HBRUSH WINAPI HookCreateSolidBrush(COLORREF color) {
    HBRUSH created = ::CreateSolidBrush(color);
    Add(created, "brush");
    return created;
}
HANDLE WINAPI HookLoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy,
                             UINT flags) {
    HANDLE loaded = ::LoadImageW(instance, name, type, cx, cy, flags);
    if (type == IMAGE_BITMAP && (flags & LR_SHARED) == 0)
        Add(loaded, "bitmap");
    return loaded;
}
HANDLE WINAPI HookCopyImage(HANDLE image, UINT type, int cx, int cy, UINT flags) {
    HANDLE copy = ::CopyImage(image, type, cx, cy, flags);
    if (type == IMAGE_BITMAP && copy != image)
        Add(copy, "bitmap");
    if ((flags & LR_COPYDELETEORG) != 0 && copy != nullptr && copy != image)
        Remove(image, true);
    return copy;
}
HDC WINAPI HookGetDC(HWND window) {
    HDC dc = ::GetDC(window);
    Add(dc, "window DC");
    return dc;
}
int WINAPI HookReleaseDC(HWND window, HDC dc) {
    const int released = ::ReleaseDC(window, dc);
    Remove(dc, released != 0);
    return released;
}
BOOL WINAPI HookDeleteObject(HGDIOBJ object) {
    const BOOL done = ::DeleteObject(object);
    Remove(object, done != FALSE);
    return done;
}
BOOL WINAPI HookDeleteDC(HDC dc) {
    const BOOL done = ::DeleteDC(dc);
    Remove(dc, done != FALSE);
    return done;
}

// --- C heap accounting ----------------------------------------------------------

struct HeapBlocks {
    std::map<uintptr_t, size_t> live; // by address
    size_t bytes = 0;
    size_t allocations = 0;
};
HeapBlocks* heapBlocks = nullptr;

uintptr_t AddressOf(const void* block) {
    return reinterpret_cast<uintptr_t>(block);
}

void Took(uintptr_t block, size_t size) {
    if (heapBlocks == nullptr || block == 0)
        return;
    heapBlocks->live[block] = size;
    heapBlocks->bytes += size;
    ++heapBlocks->allocations;
}

void Gave(uintptr_t block) {
    if (heapBlocks == nullptr || block == 0)
        return;
    const auto it = heapBlocks->live.find(block);
    if (it == heapBlocks->live.end())
        return; // not one we saw handed out (made before the hooks)
    heapBlocks->bytes -= it->second;
    heapBlocks->live.erase(it);
}

void* __cdecl HookMalloc(size_t size) {
    void* block = std::malloc(size);
    Took(AddressOf(block), size);
    return block;
}
void* __cdecl HookCalloc(size_t count, size_t size) {
    void* block = std::calloc(count, size);
    Took(AddressOf(block), count * size);
    return block;
}
// Only the old block's address is kept, as a number, to find its record;
// GCC still takes that for a use after realloc.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuse-after-free"
void* __cdecl HookRealloc(void* old, size_t size) {
    const uintptr_t oldAddress = AddressOf(old);
    void* block = std::realloc(old, size);
    if (block != nullptr || size == 0)
        Gave(oldAddress);
    Took(AddressOf(block), size);
    return block;
}
#pragma GCC diagnostic pop
char* __cdecl HookStrdup(const char* text) {
    char* copy = ::_strdup(text);
    Took(AddressOf(copy), copy != nullptr ? std::strlen(copy) + 1 : 0);
    return copy;
}
void __cdecl HookFree(void* block) {
    Gave(AddressOf(block));
    std::free(block);
}

template <typename Fn> const void* AsAddress(Fn fn) {
    return reinterpret_cast<const void*>(fn);
}

} // namespace

WindowCount CountPlugInWindows(HMODULE plugIn, HWND hostWindow) {
    Walk walk{plugIn, {}};
    if (hostWindow != nullptr)
        ::EnumChildWindows(hostWindow, &TallyChild, reinterpret_cast<LPARAM>(&walk));
    ::EnumThreadWindows(::GetCurrentThreadId(), &TallyTopLevel, reinterpret_cast<LPARAM>(&walk));
    // The host window is a top-level window of this thread: its descendants
    // were counted twice.
    if (hostWindow != nullptr) {
        Walk again{plugIn, {}};
        ::EnumChildWindows(hostWindow, &TallyChild, reinterpret_cast<LPARAM>(&again));
        walk.count.all -= again.count.all;
        walk.count.displays -= again.count.displays;
    }
    return walk.count;
}

int DisplaysIn(HWND objectWindow) {
    int displays = 0;
    for (HWND child = ::GetWindow(objectWindow, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT))
        if (IsDisplay(child))
            ++displays;
    return displays;
}

GuiResources ProcessGuiResources() {
    return {::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
            ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS)};
}

GdiAccounting::GdiAccounting(HMODULE plugIn) {
    accounts = new Accounts;
    const struct {
        const char* dll;
        const char* function;
        const void* hook;
    } hooks[] = {
        {"GDI32.dll", "CreateCompatibleDC", AsAddress(&HookCreateCompatibleDC)},
        {"GDI32.dll", "CreateDIBSection", AsAddress(&HookCreateDIBSection)},
        {"GDI32.dll", "CreateFontW", AsAddress(&HookCreateFontW)},
        {"GDI32.dll", "CreateSolidBrush", AsAddress(&HookCreateSolidBrush)},
        {"GDI32.dll", "DeleteObject", AsAddress(&HookDeleteObject)},
        {"GDI32.dll", "DeleteDC", AsAddress(&HookDeleteDC)},
        {"USER32.dll", "LoadImageW", AsAddress(&HookLoadImageW)},
        {"USER32.dll", "CopyImage", AsAddress(&HookCopyImage)},
        {"USER32.dll", "GetDC", AsAddress(&HookGetDC)},
        {"USER32.dll", "ReleaseDC", AsAddress(&HookReleaseDC)},
    };
    for (const auto& hook : hooks)
        standin::PatchImport(plugIn, hook.dll, hook.function, hook.hook);
}

GdiAccounting::~GdiAccounting() {
    delete accounts;
    accounts = nullptr;
}

size_t GdiAccounting::Live() const {
    size_t live = 0;
    for (const auto& entry : accounts->live)
        if (::GetObjectType(entry.first) != 0)
            ++live;
    return live;
}

size_t GdiAccounting::Created() const {
    return accounts->created;
}
size_t GdiAccounting::Deleted() const {
    return accounts->deleted;
}

std::string GdiAccounting::Describe() const {
    std::map<std::string, int> kinds;
    for (const auto& entry : accounts->live)
        if (::GetObjectType(entry.first) != 0)
            ++kinds[entry.second];
    std::string text;
    for (const auto& kind : kinds)
        text += (text.empty() ? "" : ", ") + std::to_string(kind.second) + " " + kind.first;
    return text.empty() ? "none" : text;
}

CHeapAccounting::CHeapAccounting(HMODULE plugIn) {
    heapBlocks = new HeapBlocks;
    const struct {
        const char* function;
        const void* hook;
    } hooks[] = {
        {"malloc", AsAddress(&HookMalloc)},   {"calloc", AsAddress(&HookCalloc)},
        {"realloc", AsAddress(&HookRealloc)}, {"_strdup", AsAddress(&HookStrdup)},
        {"free", AsAddress(&HookFree)},
    };
    for (const auto& hook : hooks)
        standin::PatchImport(plugIn, "msvcrt.dll", hook.function, hook.hook);
}

CHeapAccounting::~CHeapAccounting() {
    delete heapBlocks;
    heapBlocks = nullptr;
}

size_t CHeapAccounting::LiveBlocks() const {
    return heapBlocks->live.size();
}
size_t CHeapAccounting::LiveBytes() const {
    return heapBlocks->bytes;
}
size_t CHeapAccounting::Allocations() const {
    return heapBlocks->allocations;
}

} // namespace census
