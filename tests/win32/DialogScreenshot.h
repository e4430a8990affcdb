// Saves what the screen shows of a window as a PNG file, for people to look at.
#pragma once

#include <windows.h>

#include <string>

namespace dialog_test {

// Returns false when the window could not be captured or the file written.
bool SaveWindowPng(HWND window, const std::wstring& path);

} // namespace dialog_test
