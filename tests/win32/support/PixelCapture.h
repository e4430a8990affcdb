// Renders a window's client area through WM_PRINTCLIENT into a 32-bit
// memory bitmap and reads its pixels back (0x00RRGGBB each), without
// touching the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <set>
#include <vector>

namespace testing_support {

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    std::set<uint32_t> Colours() const { return {pixels.begin(), pixels.end()}; }
    friend bool operator==(const Capture&, const Capture&) = default;
};

// The pixel value of a colour value (red in its low byte).
constexpr uint32_t PixelOfColour(COLORREF colour) {
    return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

Capture CaptureClient(HWND window);

// The first child window of a class (by name), or null.
HWND ChildOfClass(HWND parent, const wchar_t* className);

} // namespace testing_support
