#include "DibSurface.h"

namespace glimmerbox::led {

DibSurface::~DibSurface() {
    Release();
}

void DibSurface::Release() {
    if (dc_ != nullptr) {
        if (original_ != nullptr)
            ::SelectObject(dc_, original_);
        ::DeleteDC(dc_);
    }
    if (bitmap_ != nullptr)
        ::DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    original_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

bool DibSurface::Reserve(int width, int height) {
    if (width <= 0 || height <= 0)
        return false;
    if (dc_ != nullptr && width <= width_ && height <= height_)
        return true;
    Release();

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    dc_ = ::CreateCompatibleDC(nullptr);
    if (dc_ == nullptr)
        return false;
    void* bits = nullptr;
    bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr || bits == nullptr) {
        Release();
        return false;
    }
    original_ = ::SelectObject(dc_, bitmap_);
    bits_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

} // namespace glimmerbox::led
