// The LED text display as a Win32 custom control: a private window class
// whose windows each keep a LedDisplayModel, paint it, and scroll it on a
// window timer of their own. LedDisplay is a non-owning handle through which
// the properties are set; it becomes inert once its window is gone.
#pragma once

#include "LedModel.h"

#include <windows.h>

#include <string_view>

namespace glimmerbox::led {

inline constexpr wchar_t kLedDisplayClassName[] = L"GlimmerboxLedDisplay";
inline constexpr UINT_PTR kScrollTimerId = 1;
inline constexpr char kNoTimerMessage[] = "Not enough timers available";

// Registers the window class for `instance` (once; later calls do nothing).
// Throws EOutOfResources when the system refuses.
void RegisterLedDisplayClass(HINSTANCE instance);
// Undoes the registration; false while windows of the class still exist.
bool UnregisterLedDisplayClass(HINSTANCE instance);

// The timer function the control uses. By default (null) the control calls
// the system's SetTimer directly, through the module's import table.
using SetTimerFunction = UINT_PTR(WINAPI*)(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc);
void SetLedTimerFunction(SetTimerFunction function);

class LedDisplay {
public:
    LedDisplay() = default;
    explicit LedDisplay(HWND window) : window_(window) {}

    // Creates a control window (hidden unless `style` has WS_VISIBLE) with
    // the component's default properties. Throws EOutOfResources on failure.
    static LedDisplay Create(HINSTANCE instance, HWND parent, DWORD style, int x, int y, int width,
                             int height);

    HWND Window() const { return window_; }
    // Forgets the window (its owner saw it destroyed).
    void Detach() { window_ = nullptr; }

    // The model behind the window, or null once the window is gone.
    const LedDisplayModel* Model() const;

    // Setters redraw at once when the look changes and start, stop or re-time
    // the scroll timer as needed. When the system grants no timer they throw
    // EOutOfResources(kNoTimerMessage); the property keeps its new value, no
    // timer runs and nothing is redrawn. Without a window they do nothing.
    void SetCaption(std::string_view caption);
    void SetSegOnColor(LedColor color);
    void SetSegOffColor(LedColor color);
    void SetBackColor(LedColor color);
    void SetAlignment(LedAlignment alignment);
    void SetScrolling(bool scrolling);
    void SetScrollType(LedScrollType type);
    void SetScrollDelay(uint16_t delay);
    void SetBorderOuter(LedFrameStyle style);
    void SetAlign(LedAlign align);

    // Places the control as its Align asks within its parent's client area
    // (the parent calls this when its size changes).
    void Realign();

    // How many frames the window has painted; for tests of "no redraw".
    unsigned PaintCount() const;

private:
    template <typename Change> void Apply(Change change);

    HWND window_ = nullptr;
};

} // namespace glimmerbox::led
