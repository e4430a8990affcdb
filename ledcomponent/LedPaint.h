// One frame of the component: render into the off-screen surface, then copy
// it to the target in a single BitBlt.
#pragma once

#include "DibSurface.h"
#include "LedModel.h"

#include <windows.h>

namespace glimmerbox::led {

// Paints the model's whole client area at (0, 0) of `target`; does nothing
// when the surface cannot be made.
void PaintLedFrame(const LedDisplayModel& model, DibSurface& surface, HDC target);

} // namespace glimmerbox::led
