#include "LedPaint.h"

namespace glimmerbox::led {

void PaintLedFrame(const LedDisplayModel& model, DibSurface& surface, HDC target) {
    const LedGeometry& g = model.Geometry();
    if (!surface.Reserve(g.clientWidth, g.clientHeight))
        return;
    ::GdiFlush(); // GDI must be done with the bitmap before its bits are written
    RenderLed(model, surface.View());
    ::BitBlt(target, 0, 0, g.clientWidth, g.clientHeight, surface.Dc(), 0, 0, SRCCOPY);
}

} // namespace glimmerbox::led
