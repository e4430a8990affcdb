// Captures what windows show without reading the screen: each window of a
// tree paints its client area into a bitmap of its own (WM_ERASEBKGND and
// WM_PRINTCLIENT), which is copied into the picture under its children.
// Frames, title bars and edges are drawn with the system's drawing functions,
// as the window manager would show them.
#pragma once

#include "Image.h"

#include <windows.h>

namespace glimmerhost {

// The client area of `window` with all its visible descendants.
Image CaptureClientArea(HWND window);

// The whole of a top-level window, frame and title bar included.
Image CaptureWholeWindow(HWND window);

} // namespace glimmerhost
