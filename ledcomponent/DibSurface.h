// An off-screen 32-bit top-down DIB section selected into its own memory DC.
// Owns both; the destructor selects the original bitmap back before deleting
// anything, since a selected bitmap cannot be deleted.
#pragma once

#include "LedRenderer.h"

#include <windows.h>

namespace glimmerbox::led {

class DibSurface {
public:
    DibSurface() = default;
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;
    ~DibSurface();

    // Makes the surface at least width x height; false when GDI refuses.
    // Keeps the current bitmap when it is large enough.
    bool Reserve(int width, int height);

    HDC Dc() const { return dc_; }
    PixelView View() const { return PixelView{bits_, width_, height_, width_}; }

private:
    void Release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace glimmerbox::led
