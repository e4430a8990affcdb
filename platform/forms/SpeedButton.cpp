#include "SpeedButton.h"

#include "platform/Exceptions.h"
#include "platform/WindowClass.h"

#include <windowsx.h>

namespace glimmerbox::forms {
namespace {

constexpr wchar_t kClassName[] = L"GlimmerboxSpeedButton";
int registrations = 0;

struct ButtonState {
    const Picture* glyph = nullptr;
    bool hot = false;      // the pointer is over the button
    bool pressed = false;  // the mouse button went down here and is still inside
    bool tracking = false; // a WM_MOUSELEAVE has been asked for
};

ButtonState* StateOf(HWND window) {
    return reinterpret_cast<ButtonState*>(::GetWindowLongPtrW(window, 0));
}

void Paint(HWND window, const ButtonState& state, HDC dc) {
    RECT client{};
    ::GetClientRect(window, &client);
    HWND parent = ::GetParent(window);
    auto background = reinterpret_cast<HBRUSH>(::SendMessageW(
        parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
    ::FillRect(dc, &client, background != nullptr ? background : ::GetSysColorBrush(COLOR_BTNFACE));

    const bool down = state.pressed && state.hot;
    if (down)
        ::DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
    else if (state.hot)
        ::DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);

    if (state.glyph != nullptr) {
        const SIZE size = state.glyph->Size();
        const int offset = down ? 1 : 0;
        state.glyph->Draw(dc, (client.right - size.cx) / 2 + offset,
                          (client.bottom - size.cy) / 2 + offset);
    }
}

void SetHot(HWND window, ButtonState& state, bool hot) {
    if (state.hot != hot) {
        state.hot = hot;
        ::InvalidateRect(window, nullptr, TRUE);
    }
}

void Click(HWND window) {
    const int id = ::GetDlgCtrlID(window);
    ::SendMessageW(::GetParent(window), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(window));
}

bool Inside(HWND window, LPARAM position) {
    RECT client{};
    ::GetClientRect(window, &client);
    const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    return ::PtInRect(&client, point) != FALSE;
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ButtonState* state = StateOf(window);
    if (state == nullptr && message != WM_NCCREATE)
        return ::DefWindowProcW(window, message, wParam, lParam);

    switch (message) {
    case WM_NCCREATE: {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* fresh = new ButtonState;
        fresh->glyph = static_cast<const Picture*>(created->lpCreateParams);
        ::SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(fresh));
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    case WM_NCDESTROY:
        ::SetWindowLongPtrW(window, 0, 0);
        delete state;
        return ::DefWindowProcW(window, message, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = ::BeginPaint(window, &paint);
        Paint(window, *state, dc);
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(window, *state, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_MOUSEMOVE:
        if (!state->tracking) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
            state->tracking = ::TrackMouseEvent(&track) != FALSE;
        }
        SetHot(window, *state, Inside(window, lParam));
        return 0;
    case WM_MOUSELEAVE:
        state->tracking = false;
        if (::GetCapture() != window)
            SetHot(window, *state, false);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ::SetCapture(window);
        state->pressed = true;
        state->hot = true;
        ::InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_LBUTTONUP: {
        const bool click = state->pressed && Inside(window, lParam);
        if (::GetCapture() == window)
            ::ReleaseCapture();
        state->pressed = false;
        ::InvalidateRect(window, nullptr, TRUE);
        if (click)
            Click(window);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (state->pressed) {
            state->pressed = false;
            ::InvalidateRect(window, nullptr, TRUE);
        }
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_ACTIVATE; // activates the form but leaves the focus where it is
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK SpeedButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return HandleMessage(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

} // namespace

SpeedButtonClass::SpeedButtonClass(HINSTANCE instance) : instance_(instance) {
    if (registrations == 0) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &SpeedButtonProc;
        windowClass.cbWndExtra = sizeof(ButtonState*);
        windowClass.hInstance = instance;
        windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.lpszClassName = kClassName;
        RegisterPrivateClass(windowClass);
    }
    ++registrations;
}

SpeedButtonClass::~SpeedButtonClass() {
    if (--registrations == 0)
        ::UnregisterClassW(kClassName, instance_);
}

HWND CreateSpeedButton(HINSTANCE instance, HWND parent, int id, const RECT& bounds,
                       const wchar_t* name, const Picture* glyph) {
    return ::CreateWindowExW(0, kClassName, name, WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                             bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                             const_cast<Picture*>(glyph));
}

} // namespace glimmerbox::forms
