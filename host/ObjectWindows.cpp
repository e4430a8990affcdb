#include "ObjectWindows.h"

#include "StandInHost.h"

namespace standin {
namespace {

constexpr wchar_t kHostWindowClass[] = L"GlimmerHostPage";
constexpr wchar_t kObjectWindowClass[] = L"GlimmerHostRectangle";

LRESULT CALLBACK ObjectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        ::GetClientRect(window, &client);
        const auto fill = static_cast<COLORREF>(::GetWindowLongPtrW(window, 0));
        HBRUSH brush = ::CreateSolidBrush(fill);
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        ::DeleteObject(brush);
        return 1;
    }
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

HINSTANCE ThisModule() {
    return ::GetModuleHandleW(nullptr);
}

void RegisterClasses() {
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXW page{};
    page.cbSize = sizeof(page);
    page.lpfnWndProc = &::DefWindowProcW;
    page.hInstance = ThisModule();
    page.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    page.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    page.lpszClassName = kHostWindowClass;
    ::RegisterClassExW(&page);

    WNDCLASSEXW object{};
    object.cbSize = sizeof(object);
    object.lpfnWndProc = &ObjectWindowProc;
    object.cbWndExtra = sizeof(LONG_PTR);
    object.hInstance = ThisModule();
    object.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    object.lpszClassName = kObjectWindowClass;
    ::RegisterClassExW(&object);
    registered = true;
}

} // namespace

HWND CreateHostWindow() {
    RegisterClasses();
    return ::CreateWindowExW(0, kHostWindowClass, L"Glimmerbox stand-in host",
                             WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                             640, 480, nullptr, nullptr, ThisModule(), nullptr);
}

HWND CreateObjectWindow(HWND page, const std::string& name, int x, int y, int width, int height,
                        COLORREF fill) {
    RegisterClasses();
    HWND window = ::CreateWindowExW(0, kObjectWindowClass, Widen(name).c_str(),
                                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, x, y,
                                    width, height, page, nullptr, ThisModule(), nullptr);
    if (window != nullptr)
        ::SetWindowLongPtrW(window, 0, static_cast<LONG_PTR>(fill));
    return window;
}

} // namespace standin
