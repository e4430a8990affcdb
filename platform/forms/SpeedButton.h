// A flat button that shows a glyph, never takes the keyboard focus, raises
// its edge while the pointer is over it and reports a click to its parent as
// WM_COMMAND with BN_CLICKED, like a push button.
#pragma once

#include "Picture.h"

#include <windows.h>

namespace glimmerbox::forms {

// Keeps the window class registered while at least one instance lives.
class SpeedButtonClass {
public:
    explicit SpeedButtonClass(HINSTANCE instance); // throws EOutOfResources
    ~SpeedButtonClass();
    SpeedButtonClass(const SpeedButtonClass&) = delete;
    SpeedButtonClass& operator=(const SpeedButtonClass&) = delete;

private:
    HINSTANCE instance_;
};

// The button's glyph is passed as the creation parameter (a const Picture*,
// which may be null) and must outlive the window. The window text is the
// button's accessible name.
HWND CreateSpeedButton(HINSTANCE instance, HWND parent, int id, const RECT& bounds,
                       const wchar_t* name, const Picture* glyph);

} // namespace glimmerbox::forms
