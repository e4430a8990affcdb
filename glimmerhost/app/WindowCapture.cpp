#include "WindowCapture.h"

#include <algorithm>
#include <stdexcept>

namespace glimmerhost {
namespace {

// A 32-bit top-down DIB selected into a memory DC.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = ::CreateCompatibleDC(nullptr);
        bitmap_ = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (dc_ == nullptr || bitmap_ == nullptr) {
            Release();
            throw std::runtime_error("cannot create a " + std::to_string(width) + " x " +
                                     std::to_string(height) + " bitmap to capture into");
        }
        old_ = ::SelectObject(dc_, bitmap_);
    }
    ~MemoryCanvas() { Release(); }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC Dc() const { return dc_; }

    Image ToImage() const {
        ::GdiFlush();
        Image image{width_, height_, {}};
        const auto* pixels = static_cast<const uint32_t*>(bits_);
        image.pixels.assign(pixels, pixels + static_cast<std::size_t>(width_) * height_);
        for (auto& pixel : image.pixels)
            pixel &= 0x00FFFFFF;
        return image;
    }

private:
    void Release() {
        if (old_ != nullptr)
            ::SelectObject(dc_, old_);
        if (bitmap_ != nullptr)
            ::DeleteObject(bitmap_);
        if (dc_ != nullptr)
            ::DeleteDC(dc_);
        old_ = bitmap_ = nullptr;
        dc_ = nullptr;
    }

    int width_;
    int height_;
    HDC dc_ = nullptr;
    HGDIOBJ bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

// Restores the DC's origin and clipping when it goes.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
    ~SavedDc() { ::RestoreDC(dc_, saved_); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

bool HasStyle(HWND window, LONG_PTR style) {
    return (::GetWindowLongPtrW(window, GWL_STYLE) & style) != 0;
}

// Paints `window` and its descendants; `canvasOrigin` is the screen point
// that the canvas's top-left corner stands for.
void PaintTree(HWND window, HDC dc, POINT canvasOrigin, bool withFrame) {
    if (withFrame) {
        RECT frame;
        ::GetWindowRect(window, &frame);
        SavedDc saved(dc);
        ::SetViewportOrgEx(dc, frame.left - canvasOrigin.x, frame.top - canvasOrigin.y, nullptr);
        ::SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
    }
    POINT client{0, 0};
    ::ClientToScreen(window, &client);
    RECT area;
    ::GetClientRect(window, &area);
    {
        SavedDc saved(dc);
        ::SetViewportOrgEx(dc, client.x - canvasOrigin.x, client.y - canvasOrigin.y, nullptr);
        ::IntersectClipRect(dc, 0, 0, area.right, area.bottom);
        ::SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                       PRF_CLIENT | PRF_ERASEBKGND);
    }
    // Bottom of the z-order first, so that upper siblings cover lower ones.
    SavedDc saved(dc);
    ::SetViewportOrgEx(dc, client.x - canvasOrigin.x, client.y - canvasOrigin.y, nullptr);
    ::IntersectClipRect(dc, 0, 0, area.right, area.bottom);
    ::SetViewportOrgEx(dc, 0, 0, nullptr);
    HWND top = ::GetWindow(window, GW_CHILD);
    for (HWND child = top ? ::GetWindow(top, GW_HWNDLAST) : nullptr; child != nullptr;
         child = ::GetWindow(child, GW_HWNDPREV))
        if (HasStyle(child, WS_VISIBLE))
            PaintTree(child, dc, canvasOrigin, true);
}

} // namespace

Image CaptureClientArea(HWND window) {
    RECT area;
    ::GetClientRect(window, &area);
    MemoryCanvas canvas(std::max<int>(area.right, 1), std::max<int>(area.bottom, 1));
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    PaintTree(window, canvas.Dc(), origin, false);
    return canvas.ToImage();
}

Image CaptureWholeWindow(HWND window) {
    RECT frame;
    ::GetWindowRect(window, &frame);
    MemoryCanvas canvas(std::max<int>(frame.right - frame.left, 1),
                        std::max<int>(frame.bottom - frame.top, 1));
    PaintTree(window, canvas.Dc(), POINT{frame.left, frame.top}, true);
    return canvas.ToImage();
}

} // namespace glimmerhost
