#include "DialogDriver.h"

#include <algorithm>
#include <utility>

namespace dialog_test {
namespace {

constexpr Milliseconds kPoll{10};

struct FindContext {
    const std::vector<HWND>* existing;
    HWND found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

// A visible, captioned top-level window that did not exist before.
BOOL CALLBACK FindNewCaptionedWindow(HWND window, LPARAM context) {
    auto* find = reinterpret_cast<FindContext*>(context);
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    if (::IsWindowVisible(window) && (style & WS_CAPTION) == WS_CAPTION &&
        std::find(find->existing->begin(), find->existing->end(), window) ==
            find->existing->end()) {
        find->found = window;
        return FALSE;
    }
    return TRUE;
}

std::wstring WindowText(HWND window) {
    wchar_t buffer[512] = {};
    ::SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer),
                          SMTO_ABORTIFHUNG, 2000, nullptr);
    return buffer;
}

std::wstring ClassOf(HWND window) {
    wchar_t buffer[128] = {};
    ::GetClassNameW(window, buffer, static_cast<int>(std::size(buffer)));
    return buffer;
}

LPARAM PointParam(int x, int y) {
    return MAKELPARAM(x, y);
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

std::wstring Dialog::Title() const {
    return WindowText(window_);
}

SIZE Dialog::ClientSize() const {
    RECT client{};
    ::GetClientRect(window_, &client);
    return {client.right, client.bottom};
}

std::vector<ControlInfo> Dialog::Controls() const {
    std::vector<ControlInfo> controls;
    for (HWND child = ::GetWindow(window_, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
        controls.push_back({child, ClassOf(child), WindowText(child), rect});
    }
    return controls;
}

HWND Dialog::Control(const std::wstring& className, const std::wstring& text) const {
    for (const ControlInfo& control : Controls())
        if ((className.empty() || _wcsicmp(control.className.c_str(), className.c_str()) == 0) &&
            (text.empty() || control.text == text))
            return control.window;
    return nullptr;
}

HWND Dialog::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return ::GetGUIThreadInfo(uiThread_, &info) ? info.hwndFocus : nullptr;
}

bool Dialog::IsOpen() const {
    return ::IsWindow(window_) && ::IsWindowVisible(window_);
}

void Dialog::PostKey(UINT virtualKey) const {
    HWND target = Focus() != nullptr ? Focus() : window_;
    const UINT scan = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    ::PostMessageW(target, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scan << 16)));
    ::PostMessageW(target, WM_KEYUP, virtualKey,
                   static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

void Dialog::PostAltChar(wchar_t character) const {
    HWND target = Focus() != nullptr ? Focus() : window_;
    // Bit 29: the Alt key is down.
    ::PostMessageW(target, WM_SYSCHAR, character, static_cast<LPARAM>(1 | (1u << 29)));
}

void Dialog::Click(HWND control) const {
    RECT client{};
    ::GetClientRect(control, &client);
    const LPARAM centre = PointParam(client.right / 2, client.bottom / 2);
    // Sent, not posted: the click has been handled when this returns.
    for (auto [message, keys] : {std::pair<UINT, WPARAM>{WM_MOUSEMOVE, 0},
                                 {WM_LBUTTONDOWN, MK_LBUTTON},
                                 {WM_LBUTTONUP, 0}})
        if (!::SendMessageTimeoutW(control, message, keys, centre, SMTO_ABORTIFHUNG, 5000, nullptr))
            Fail("a click was not handled in time");
}

void Dialog::PressCloseBox() const {
    ::PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void Dialog::SetText(HWND control, const std::wstring& text) const {
    if (!::SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, 2000, nullptr))
        Fail("setting a control's text timed out");
}

bool Dialog::WaitFocusOn(HWND control, const char* what) const {
    if (WaitUntil([&] { return Focus() == control; }))
        return true;
    Fail(std::string("the focus did not reach ") + what);
    return false;
}

bool Dialog::WaitClosed(const char* what) const {
    if (WaitUntil([&] { return !IsOpen(); }))
        return true;
    Fail(std::string("the dialog did not close after ") + what);
    return false;
}

DialogDriver::DialogDriver(Script script) : uiThread_(::GetCurrentThreadId()) {
    std::vector<HWND> existing;
    ::EnumThreadWindows(uiThread_, &CollectWindow, reinterpret_cast<LPARAM>(&existing));
    worker_ = std::thread([this, existing = std::move(existing), script = std::move(script)] {
        Run(existing, script);
    });
}

void DialogDriver::Finish() {
    entryReturned_ = true;
    if (worker_.joinable())
        worker_.join();
}

void DialogDriver::Run(const std::vector<HWND>& existing, const Script& script) {
    FindContext find{&existing, nullptr};
    WaitUntil(
        [&] {
            find.found = nullptr;
            ::EnumThreadWindows(uiThread_, &FindNewCaptionedWindow,
                                reinterpret_cast<LPARAM>(&find));
            return find.found != nullptr || entryReturned_.load();
        },
        kAppearTimeout);
    if (find.found == nullptr)
        return;
    sawDialog_ = true;
    dialog_ = find.found;
    Dialog dialog(find.found, uiThread_, failures_);
    // Let the dialog paint and take the focus before the script looks at it.
    WaitUntil([&] { return dialog.Focus() != nullptr; }, Milliseconds(1000));
    std::this_thread::sleep_for(Milliseconds(100));
    script(dialog);

    // Whatever the script did, the entry point must get its thread back.
    if (WaitUntil([&] { return !dialog.IsOpen() || entryReturned_.load(); }, kStepTimeout))
        return;
    dialog.Fail("the dialog was still open after the script; closing it");
    ::PostMessageW(find.found, WM_CLOSE, 0, 0);
    if (WaitUntil([&] { return !dialog.IsOpen() || entryReturned_.load(); }, kStepTimeout))
        return;
    ::PostThreadMessageW(uiThread_, WM_QUIT, 0, 0);
}

} // namespace dialog_test
