// Captures what windows show without reading the screen: every window of a
// tree paints itself into one memory bitmap (WM_ERASEBKGND and
// WM_PRINTCLIENT, plus WM_PRINT for frames), parents before children.
#pragma once

#include "Image.h"

#include <windows.h>

namespace glimmerhost {

// The client area of `window` with all its visible descendants.
Image CaptureClientArea(HWND window);

// The whole of a top-level window, frame and title bar included.
Image CaptureWholeWindow(HWND window);

} // namespace glimmerhost
