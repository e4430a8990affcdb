#include "UnitFormLed.h"

#include "platform/Exceptions.h"
#include "platform/WindowClass.h"
#include "plugin/ModuleInstance.h"

#include <string>
#include <utility>

namespace glimmerbox {
namespace {

constexpr int kOwnerSlot = 0;

TFormLed* OwnerOf(HWND window) {
    return reinterpret_cast<TFormLed*>(::GetWindowLongPtrW(window, kOwnerSlot));
}

// A window we could not destroy (it belongs to another thread) must not keep
// a procedure of ours, whose code may be unmapped soon.
BOOL CALLBACK Neutralize(HWND window, LPARAM) {
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&::DefWindowProcW));
    return TRUE;
}

} // namespace

LRESULT CALLBACK TFormLed::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(window, kOwnerSlot,
                                reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_SIZE:
            if (TFormLed* owner = OwnerOf(window))
                owner->Display.Realign();
            return 0;
        case WM_NCDESTROY:
            if (TFormLed* owner = OwnerOf(window))
                owner->WindowDestroyed();
            ::SetWindowLongPtrW(window, kOwnerSlot, 0);
            break;
        default:
            break;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

void RegisterDisplayClasses() {
    const HINSTANCE instance = ModuleInstance();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TFormLed::WindowProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kFormLedClassName;
    RegisterPrivateClass(wc);
    led::RegisterLedDisplayClass(instance);
}

void UnregisterDisplayClasses() {
    const HINSTANCE instance = ModuleInstance();
    ::UnregisterClassW(kFormLedClassName, instance);
    led::UnregisterLedDisplayClass(instance);
}

TFormLed::TFormLed(HWND parent) {
    RegisterDisplayClasses();
    const HINSTANCE instance = ModuleInstance();
    window_ =
        ::CreateWindowExW(0, kFormLedClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                          0, 0, kClientWidth, kClientHeight, parent, nullptr, instance, this);
    if (window_ == nullptr)
        throw EOutOfResources("Cannot create the display window (system error " +
                              std::to_string(::GetLastError()) + ")");
    try {
        Display = led::LedDisplay::Create(instance, window_, WS_CHILD | WS_VISIBLE, 0, 0,
                                          kClientWidth, kClientHeight);
        Display.SetBorderOuter(led::LedFrameStyle::None);
        Display.SetAlign(led::LedAlign::Client);
    } catch (...) {
        ::SetWindowLongPtrW(window_, kOwnerSlot, 0);
        ::DestroyWindow(std::exchange(window_, nullptr));
        throw;
    }
}

TFormLed::~TFormLed() {
    if (window_ == nullptr)
        return;
    const HWND window = std::exchange(window_, nullptr);
    Display.Detach();
    ::SetWindowLongPtrW(window, kOwnerSlot, 0);
    if (!::DestroyWindow(window)) {
        ::EnumChildWindows(window, &Neutralize, 0);
        Neutralize(window, 0);
    }
}

void TFormLed::WindowDestroyed() {
    window_ = nullptr;
    Display.Detach();
}

TNeoLedDisplay::TNeoLedDisplay(HWND parent, std::string variableName, std::string objectName)
    : TFormLed(parent), VariableName(std::move(variableName)), ObjectName(std::move(objectName)) {}

} // namespace glimmerbox
