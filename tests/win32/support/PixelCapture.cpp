#include "PixelCapture.h"

#include <cstring>
#include <cwchar>

namespace testing_support {

Capture CaptureClient(HWND window) {
    Capture capture;
    RECT client{};
    ::GetClientRect(window, &client);
    capture.width = client.right;
    capture.height = client.bottom;
    if (capture.width <= 0 || capture.height <= 0)
        return capture;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = ::CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ original = ::SelectObject(dc, bitmap);
    std::memset(bits, 0xAB,
                static_cast<size_t>(capture.width) * static_cast<size_t>(capture.height) * 4);
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    ::GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    capture.pixels.assign(pixels, pixels + capture.width * capture.height);
    for (uint32_t& pixel : capture.pixels)
        pixel &= 0xFFFFFFu;
    ::SelectObject(dc, original);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return capture;
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        ::GetClassNameW(child, name, 64);
        if (std::wcscmp(name, className) == 0)
            return child;
    }
    return nullptr;
}

} // namespace testing_support
