// Counts what a loaded plug-in holds of the system's objects, from outside:
// its windows (found by enumeration) and the GDI objects it created and has
// not deleted (accounted through hooks in its import table, since Wine's
// GetGuiResources answers 0 for every process).
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

} // namespace census
