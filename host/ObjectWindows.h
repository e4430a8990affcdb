// The host's windows: the page (host window) and its rectangle objects, each
// a child window filled with its colour.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

HWND CreateHostWindow();
HWND CreateObjectWindow(HWND page, const std::string& name, int x, int y, int width, int height,
                        COLORREF fill);

} // namespace standin
