// The display window: TFormLed, a borderless form filled by one LED display
// component, and TNeoLedDisplay, the form with the names it was created for.
#pragma once

#include "ledcomponent/LedDisplayControl.h"

#include <windows.h>

#include <string>

namespace glimmerbox {

inline constexpr wchar_t kFormLedClassName[] = L"GlimmerboxLedForm";

class TFormLed {
public:
    // The form's layout.
    static constexpr int kClientWidth = 239;
    static constexpr int kClientHeight = 27;

    // Creates the form's window, hidden, as a child of `parent` (a window the
    // plug-in does not own), with the component laid out inside it. Throws
    // EOutOfResources when a window cannot be created.
    explicit TFormLed(HWND parent);
    // Destroys the window unless it is already gone.
    virtual ~TFormLed();
    TFormLed(const TFormLed&) = delete;
    TFormLed& operator=(const TFormLed&) = delete;

    // The form's window; null once it has been destroyed, also when its
    // parent took it along.
    HWND Handle() const { return window_; }

    // The LED component; inert once the window is gone.
    led::LedDisplay Display;

private:
    friend void RegisterDisplayClasses();
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void WindowDestroyed();

    HWND window_ = nullptr;
};

class TNeoLedDisplay : public TFormLed {
public:
    TNeoLedDisplay(HWND parent, std::string variableName, std::string objectName);

    std::string VariableName; // the host variable emptied when the display is replaced
    std::string ObjectName;   // the rectangle object the display belongs to
};

// Registers the form's and the component's window classes with the module.
void RegisterDisplayClasses();
// Unregisters them (at unloading, after every display is gone).
void UnregisterDisplayClasses();

} // namespace glimmerbox
