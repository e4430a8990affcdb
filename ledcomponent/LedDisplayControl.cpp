#include "LedDisplayControl.h"

#include "DibSurface.h"
#include "LedPaint.h"
#include "platform/Exceptions.h"
#include "platform/WindowClass.h"

#include <new>
#include <string>

namespace glimmerbox::led {
namespace {

// Everything one control window keeps; lives in window extra bytes slot 0
// from WM_NCCREATE to WM_NCDESTROY.
struct ControlState {
    explicit ControlState(uint32_t codePage) : model(codePage) {}

    LedDisplayModel model;
    DibSurface surface;
    bool timerRunning = false;
    UINT timerInterval = 0;
    unsigned paintCount = 0;
};

constexpr int kStateSlot = 0;

SetTimerFunction timerFunction = nullptr;
ATOM registeredAtom = 0;

ControlState* StateOf(HWND window) {
    return reinterpret_cast<ControlState*>(::GetWindowLongPtrW(window, kStateSlot));
}

UINT_PTR StartTimer(HWND window, UINT interval) {
    if (timerFunction != nullptr)
        return timerFunction(window, kScrollTimerId, interval, nullptr);
    return ::SetTimer(window, kScrollTimerId, interval, nullptr);
}

// Brings the window's timer in line with the model.
void SyncTimer(HWND window, ControlState& state) {
    if (!state.model.TimerWanted()) {
        if (state.timerRunning)
            ::KillTimer(window, kScrollTimerId);
        state.timerRunning = false;
        return;
    }
    const UINT interval = state.model.ScrollDelay();
    if (state.timerRunning && state.timerInterval == interval)
        return;
    if (StartTimer(window, interval) == 0) {
        ::KillTimer(window, kScrollTimerId);
        state.timerRunning = false;
        throw EOutOfResources(kNoTimerMessage);
    }
    state.timerRunning = true;
    state.timerInterval = interval;
}

void RedrawNow(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void SyncClientSize(HWND window, ControlState& state) {
    RECT client{};
    ::GetClientRect(window, &client);
    state.model.SetClientSize(client.right - client.left, client.bottom - client.top);
}

void Paint(HWND window, ControlState& state, HDC target) {
    SyncClientSize(window, state);
    PaintLedFrame(state.model, state.surface, target);
    ++state.paintCount;
}

LRESULT OnNcCreate(HWND window, WPARAM wParam, LPARAM lParam) {
    auto* state = new (std::nothrow) ControlState(::GetACP());
    if (state == nullptr)
        return FALSE;
    ::SetWindowLongPtrW(window, kStateSlot, reinterpret_cast<LONG_PTR>(state));
    return ::DefWindowProcW(window, WM_NCCREATE, wParam, lParam);
}

void OnNcDestroy(HWND window) {
    ControlState* state = StateOf(window);
    ::SetWindowLongPtrW(window, kStateSlot, 0);
    delete state;
}

void OnPaint(HWND window, ControlState& state) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(window, &ps);
    if (dc != nullptr) {
        Paint(window, state, dc);
        ::EndPaint(window, &ps);
    }
}

void OnTimer(HWND window, ControlState& state, WPARAM id) {
    if (id != kScrollTimerId)
        return;
    state.model.Tick();
    RedrawNow(window);
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        return OnNcCreate(window, wParam, lParam);
    ControlState* state = StateOf(window);
    if (state == nullptr)
        return ::DefWindowProcW(window, message, wParam, lParam);

    switch (message) {
    case WM_NCDESTROY:
        OnNcDestroy(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint(window, *state);
        return 0;
    case WM_PRINTCLIENT:
        Paint(window, *state, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SIZE:
        state->model.SetClientSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_TIMER:
        OnTimer(window, *state, wParam);
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK LedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleMessage(window, message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into the system's frames.
        return message == WM_NCCREATE ? FALSE : 0;
    }
}

} // namespace

void RegisterLedDisplayClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &LedWindowProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kLedDisplayClassName;
    registeredAtom = RegisterPrivateClass(wc);
}

bool UnregisterLedDisplayClass(HINSTANCE instance) {
    if (!::UnregisterClassW(kLedDisplayClassName, instance))
        return false;
    registeredAtom = 0;
    return true;
}

void SetLedTimerFunction(SetTimerFunction function) {
    timerFunction = function;
}

LedDisplay LedDisplay::Create(HINSTANCE instance, HWND parent, DWORD style, int x, int y, int width,
                              int height) {
    RegisterLedDisplayClass(instance);
    HWND window = ::CreateWindowExW(0, kLedDisplayClassName, L"", style, x, y, width, height,
                                    parent, nullptr, instance, nullptr);
    if (window == nullptr)
        throw EOutOfResources("Cannot create the LED display window (system error " +
                              std::to_string(::GetLastError()) + ")");
    return LedDisplay(window);
}

namespace {

// The state of a handle's window, or null when the handle names no window
// of this class any more (a recycled handle must not be mistaken for ours).
ControlState* LiveState(HWND window) {
    if (window == nullptr || !::IsWindow(window))
        return nullptr;
    if (registeredAtom == 0 || ::GetClassWord(window, GCW_ATOM) != registeredAtom)
        return nullptr;
    return StateOf(window);
}

} // namespace

const LedDisplayModel* LedDisplay::Model() const {
    const ControlState* state = LiveState(window_);
    return state != nullptr ? &state->model : nullptr;
}

unsigned LedDisplay::PaintCount() const {
    const ControlState* state = LiveState(window_);
    return state != nullptr ? state->paintCount : 0;
}

template <typename Change> void LedDisplay::Apply(Change change) {
    ControlState* state = LiveState(window_);
    if (state == nullptr)
        return;
    const unsigned effect = change(state->model);
    if ((effect & kTimerChange) != 0)
        SyncTimer(window_, *state);
    if ((effect & kRedraw) != 0)
        RedrawNow(window_);
}

void LedDisplay::SetCaption(std::string_view caption) {
    Apply([caption](LedDisplayModel& m) { return m.SetCaption(caption); });
}
void LedDisplay::SetSegOnColor(LedColor color) {
    Apply([color](LedDisplayModel& m) { return m.SetSegOnColor(color); });
}
void LedDisplay::SetSegOffColor(LedColor color) {
    Apply([color](LedDisplayModel& m) { return m.SetSegOffColor(color); });
}
void LedDisplay::SetBackColor(LedColor color) {
    Apply([color](LedDisplayModel& m) { return m.SetBackColor(color); });
}
void LedDisplay::SetAlignment(LedAlignment alignment) {
    Apply([alignment](LedDisplayModel& m) { return m.SetAlignment(alignment); });
}
void LedDisplay::SetScrolling(bool scrolling) {
    Apply([scrolling](LedDisplayModel& m) { return m.SetScrolling(scrolling); });
}
void LedDisplay::SetScrollType(LedScrollType type) {
    Apply([type](LedDisplayModel& m) { return m.SetScrollType(type); });
}
void LedDisplay::SetScrollDelay(uint16_t delay) {
    Apply([delay](LedDisplayModel& m) { return m.SetScrollDelay(delay); });
}
void LedDisplay::SetBorderOuter(LedFrameStyle style) {
    Apply([style](LedDisplayModel& m) { return m.SetBorderOuter(style); });
}
void LedDisplay::SetAlign(LedAlign align) {
    Apply([align](LedDisplayModel& m) { return m.SetAlign(align); });
    Realign();
}

void LedDisplay::Realign() {
    const LedDisplayModel* model = Model();
    if (model == nullptr || model->Align() != LedAlign::Client)
        return;
    HWND parent = ::GetParent(window_);
    RECT client{};
    if (parent == nullptr || !::GetClientRect(parent, &client))
        return;
    ::SetWindowPos(window_, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace glimmerbox::led
