#include "LedRenderer.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace glimmerbox::led {
namespace {

constexpr LedColor kFrameShadow = 0x808080;
constexpr LedColor kFrameHighlight = 0xFFFFFF;
constexpr LedColor kFrameFlat = 0x404040;

struct Span {
    int begin;
    int end;
};

// The pixels of one dot, row by row: round for dots large enough to look
// round, square otherwise.
std::vector<Span> DotShape(int size) {
    std::vector<Span> spans(static_cast<size_t>(size), Span{0, size});
    if (size < 4)
        return spans;
    const double radius = size / 2.0;
    for (int row = 0; row < size; ++row) {
        const double dy = row + 0.5 - radius;
        const double half = std::sqrt(std::max(0.0, radius * radius - dy * dy));
        const int begin = static_cast<int>(std::lround(radius - half));
        spans[static_cast<size_t>(row)] = Span{begin, size - begin};
    }
    return spans;
}

void FillRect(const PixelView& view, int left, int top, int right, int bottom, uint32_t pixel) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, view.width);
    bottom = std::min(bottom, view.height);
    for (int y = top; y < bottom; ++y) {
        uint32_t* row = view.pixels + y * view.stride;
        std::fill(row + left, row + right, pixel);
    }
}

void DrawFrame(const PixelView& view, const LedGeometry& g, LedFrameStyle style) {
    if (style == LedFrameStyle::None)
        return;
    LedColor topLeft = kFrameShadow;
    LedColor bottomRight = kFrameHighlight;
    if (style == LedFrameStyle::Raised)
        std::swap(topLeft, bottomRight);
    else if (style == LedFrameStyle::Flat)
        topLeft = bottomRight = kFrameFlat;
    const int w = g.clientWidth;
    const int h = g.clientHeight;
    FillRect(view, 0, 0, w, 1, PixelOf(topLeft));
    FillRect(view, 0, 0, 1, h, PixelOf(topLeft));
    FillRect(view, 0, h - 1, w, h, PixelOf(bottomRight));
    FillRect(view, w - 1, 0, w, h, PixelOf(bottomRight));
}

} // namespace

void RenderLed(const LedDisplayModel& model, const PixelView& view) {
    const LedGeometry& g = model.Geometry();
    const int width = std::min(view.width, g.clientWidth);
    const int height = std::min(view.height, g.clientHeight);
    if (width <= 0 || height <= 0)
        return;
    const PixelView clipped{view.pixels, width, height, view.stride};

    FillRect(clipped, 0, 0, width, height, PixelOf(model.BackColor()));
    DrawFrame(clipped, g, model.BorderOuter());

    const uint32_t on = PixelOf(model.SegOnColor());
    const uint32_t off = PixelOf(model.SegOffColor());
    const std::vector<Span> shape = DotShape(g.dotSize);
    const int clipLeft = g.ContentLeft();
    const int clipRight = std::min(g.ContentRight(), width);
    const int clipTop = std::max(g.ContentTop(), 0);
    const int clipBottom = std::min(g.ContentBottom(), height);

    for (int column = 0; column < g.visibleColumns; ++column) {
        const uint8_t dots = model.ColumnDots(column);
        const int x = clipLeft + column * g.pitch;
        for (int row = 0; row < kGlyphRows; ++row) {
            const uint32_t pixel = ((dots >> row) & 1u) != 0 ? on : off;
            const int y = g.top + row * g.pitch;
            for (int dy = 0; dy < g.dotSize; ++dy) {
                const int py = y + dy;
                if (py < clipTop || py >= clipBottom)
                    continue;
                const Span& span = shape[static_cast<size_t>(dy)];
                const int begin = std::max(x + span.begin, clipLeft);
                const int end = std::min(x + span.end, clipRight);
                if (begin < end) {
                    uint32_t* line = view.pixels + py * view.stride;
                    std::fill(line + begin, line + end, pixel);
                }
            }
        }
    }
}

} // namespace glimmerbox::led
