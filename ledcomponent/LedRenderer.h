// Draws the component into a 32-bit pixel buffer (0x00RRGGBB per pixel, the
// layout of a 32-bit top-down DIB). The cost grows with the buffer's size,
// never with the caption's length: only the visible dot columns are looked at.
#pragma once

#include "LedModel.h"

#include <cstddef>
#include <cstdint>

namespace glimmerbox::led {

struct PixelView {
    uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    ptrdiff_t stride = 0; // pixels from one row to the next
};

// The buffer's pixel value for a colour value (which has red in its low byte).
constexpr uint32_t PixelOf(LedColor color) {
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

// Renders the whole client area (the view must be at least the model's
// client size; anything beyond it is left alone).
void RenderLed(const LedDisplayModel& model, const PixelView& view);

} // namespace glimmerbox::led
