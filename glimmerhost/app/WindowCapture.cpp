#include "WindowCapture.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace glimmerhost {
namespace {

// A 32-bit top-down DIB selected into a memory DC whose origin is the
// bitmap's top-left corner.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = ::CreateCompatibleDC(nullptr);
        bitmap_ = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (dc_ == nullptr || bitmap_ == nullptr) {
            Release();
            throw std::runtime_error("cannot create a " + std::to_string(width_) + " x " +
                                     std::to_string(height_) + " bitmap to capture into");
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
        old_ = nullptr;
        bitmap_ = nullptr;
        dc_ = nullptr;
    }

    int width_;
    int height_;
    HDC dc_ = nullptr;
    HGDIOBJ bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

LONG_PTR Style(HWND window) {
    return ::GetWindowLongPtrW(window, GWL_STYLE);
}
LONG_PTR ExStyle(HWND window) {
    return ::GetWindowLongPtrW(window, GWL_EXSTYLE);
}

RECT Offset(RECT rect, POINT by) {
    ::OffsetRect(&rect, by.x, by.y);
    return rect;
}

// `rect` (screen) in the picture's coordinates.
RECT InPicture(RECT rect, POINT pictureOrigin) {
    return Offset(rect, POINT{-pictureOrigin.x, -pictureOrigin.y});
}

RECT ClientOnScreen(HWND window) {
    RECT client;
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    return Offset(client, origin);
}

// A caption's close button: a raised square with a cross (drawn with lines,
// as the symbol font may be missing).
void DrawCloseButton(HDC dc, RECT button) {
    ::DrawFrameControl(dc, &button, DFC_BUTTON, DFCS_BUTTONPUSH);
    HPEN pen = ::CreatePen(PS_SOLID, 2, ::GetSysColor(COLOR_BTNTEXT));
    const HGDIOBJ old = ::SelectObject(dc, pen);
    const int inset = (button.bottom - button.top) / 4 + 1;
    ::MoveToEx(dc, button.left + inset, button.top + inset, nullptr);
    ::LineTo(dc, button.right - inset, button.bottom - inset);
    ::MoveToEx(dc, button.right - inset, button.top + inset, nullptr);
    ::LineTo(dc, button.left + inset, button.bottom - inset);
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
}

// The frame, title bar and edges of `window`, inside `frame` (picture coordinates).
void DrawNonClient(HWND window, HDC dc, RECT frame, RECT client) {
    const LONG_PTR style = Style(window);
    const LONG_PTR exStyle = ExStyle(window);
    if (::EqualRect(&frame, &client))
        return;
    if ((style & WS_CAPTION) == WS_CAPTION) {
        RECT edge = frame;
        ::DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT | BF_MIDDLE);
        const int border = client.left - frame.left;
        RECT caption{frame.left + border, frame.top + border, frame.right - border,
                     frame.top + border + ::GetSystemMetrics(SM_CYCAPTION) - 1};
        ::DrawCaption(window, dc, &caption, DC_ACTIVE | DC_TEXT | DC_GRADIENT);
        if ((style & WS_SYSMENU) != 0) {
            const int size = caption.bottom - caption.top - 4;
            RECT close{caption.right - size - 2, caption.top + 2, caption.right - 2,
                       caption.bottom - 2};
            DrawCloseButton(dc, close);
        }
    } else if ((exStyle & WS_EX_CLIENTEDGE) != 0) {
        ::DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
    } else if ((style & WS_BORDER) != 0) {
        ::FrameRect(dc, &frame, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
}

// Paints `window` (client area and descendants) into `dc`, limited to `clip`;
// all rectangles are in picture coordinates, whose origin is `pictureOrigin` on screen.
void PaintClientTree(HWND window, HDC dc, POINT pictureOrigin, RECT clip) {
    const RECT client = InPicture(ClientOnScreen(window), pictureOrigin);
    RECT visible;
    if (!::IntersectRect(&visible, &client, &clip))
        return;
    {
        // A canvas of the window's own: Wine's controls clip to their client
        // rectangle in device coordinates, so their DC must start at their origin.
        MemoryCanvas own(client.right - client.left, client.bottom - client.top);
        // What lies under the window shows through where it paints nothing
        // (transparent labels).
        ::BitBlt(own.Dc(), visible.left - client.left, visible.top - client.top,
                 visible.right - visible.left, visible.bottom - visible.top, dc, visible.left,
                 visible.top, SRCCOPY);
        ::SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(own.Dc()), 0);
        ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(own.Dc()),
                       PRF_CLIENT | PRF_ERASEBKGND);
        ::BitBlt(dc, visible.left, visible.top, visible.right - visible.left,
                 visible.bottom - visible.top, own.Dc(), visible.left - client.left,
                 visible.top - client.top, SRCCOPY);
    }
    // Bottom of the z-order first, so that upper siblings cover lower ones.
    HWND top = ::GetWindow(window, GW_CHILD);
    for (HWND child = top ? ::GetWindow(top, GW_HWNDLAST) : nullptr; child != nullptr;
         child = ::GetWindow(child, GW_HWNDPREV)) {
        if ((Style(child) & WS_VISIBLE) == 0)
            continue;
        RECT frame;
        ::GetWindowRect(child, &frame);
        frame = InPicture(frame, pictureOrigin);
        const RECT childClient = InPicture(ClientOnScreen(child), pictureOrigin);
        RECT frameVisible;
        if (!::IntersectRect(&frameVisible, &frame, &visible))
            continue;
        const int saved = ::SaveDC(dc);
        ::IntersectClipRect(dc, visible.left, visible.top, visible.right, visible.bottom);
        DrawNonClient(child, dc, frame, childClient);
        ::RestoreDC(dc, saved);
        PaintClientTree(child, dc, pictureOrigin, visible);
    }
}

} // namespace

Image CaptureClientArea(HWND window) {
    const RECT client = ClientOnScreen(window);
    MemoryCanvas canvas(client.right - client.left, client.bottom - client.top);
    const POINT origin{client.left, client.top};
    PaintClientTree(window, canvas.Dc(), origin, InPicture(client, origin));
    return canvas.ToImage();
}

Image CaptureWholeWindow(HWND window) {
    RECT frame;
    ::GetWindowRect(window, &frame);
    MemoryCanvas canvas(frame.right - frame.left, frame.bottom - frame.top);
    const POINT origin{frame.left, frame.top};
    const RECT whole = InPicture(frame, origin);
    DrawNonClient(window, canvas.Dc(), whole, InPicture(ClientOnScreen(window), origin));
    PaintClientTree(window, canvas.Dc(), origin, whole);
    return canvas.ToImage();
}

} // namespace glimmerhost
