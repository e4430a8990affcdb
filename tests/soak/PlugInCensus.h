// Counts what a loaded plug-in holds of the system's objects, from outside:
// its windows (found by enumeration), the GDI objects it created and has not
// deleted (accounted through hooks in its import table, since Wine's
// GetGuiResources answers 0 for every process) and its C heap blocks.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace census {

// The display window class the plug-in registers.
inline constexpr wchar_t kDisplayClassName[] = L"GlimmerboxLedForm";

struct WindowCount {
    int displays = 0; // windows of the display class
    int all = 0;      // every window whose class or instance is the plug-in's
};

// Walks the host window's descendants and the thread's top-level windows.
WindowCount CountPlugInWindows(HMODULE plugIn, HWND hostWindow);

// Display windows that are children of one object window.
int DisplaysIn(HWND objectWindow);

// The process's GDI and USER objects as the system reports them.
struct GuiResources {
    DWORD gdi = 0;
    DWORD user = 0;
    bool Reported() const { return gdi != 0 || user != 0; }
};
GuiResources ProcessGuiResources();

// Hooks the plug-in's GDI imports that create and delete objects (and
// GetDC/ReleaseDC) and keeps the set of handles it holds. One at a time.
class GdiAccounting {
public:
    explicit GdiAccounting(HMODULE plugIn);
    ~GdiAccounting();
    GdiAccounting(const GdiAccounting&) = delete;
    GdiAccounting& operator=(const GdiAccounting&) = delete;

    // Handles the plug-in created and has not deleted that the system still
    // knows (GetObjectType answers a type).
    size_t Live() const;
    // Every creation and deletion seen so far.
    size_t Created() const;
    size_t Deleted() const;
    // "n bitmap, m DC, ..." for the live handles.
    std::string Describe() const;
};

// Hooks the plug-in's C heap imports (malloc, calloc, realloc, _strdup,
// free), through which all its C++ allocations go, and keeps the blocks it
// holds. One at a time.
class CHeapAccounting {
public:
    explicit CHeapAccounting(HMODULE plugIn);
    ~CHeapAccounting();
    CHeapAccounting(const CHeapAccounting&) = delete;
    CHeapAccounting& operator=(const CHeapAccounting&) = delete;

    size_t LiveBlocks() const;
    size_t LiveBytes() const;
    size_t Allocations() const; // every block handed out so far
};

} // namespace census
