// Drives a modal dialog from a second thread while the test thread is inside
// the entry point that shows it. Every wait is bounded: a dialog that does not
// appear or does not close is reported as a failure, and one that stays open
// is closed so that the test thread never hangs.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace dialog_test {

using Milliseconds = std::chrono::milliseconds;
inline constexpr Milliseconds kAppearTimeout{5000};
inline constexpr Milliseconds kStepTimeout{3000};

// Polls `condition` every few milliseconds until it holds or `timeout` passes.
bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout = kStepTimeout);

struct ControlInfo {
    HWND window;
    std::wstring className;
    std::wstring text;
    RECT rect; // in the dialog's client coordinates
};

// The dialog as the driver thread sees it.
class Dialog {
public:
    Dialog(HWND window, DWORD uiThread, std::vector<std::string>& failures)
        : window_(window), uiThread_(uiThread), failures_(failures) {}

    HWND Window() const { return window_; }
    std::wstring Title() const;
    SIZE ClientSize() const;
    // Child windows in z-order (the dialog manager's tab order).
    std::vector<ControlInfo> Controls() const;
    // The first child of this class (any when empty) with this text (any when empty).
    HWND Control(const std::wstring& className, const std::wstring& text = L"") const;
    HWND Focus() const;
    bool IsOpen() const;

    // Input, posted as the keyboard and mouse would deliver it.
    void PostKey(UINT virtualKey) const;       // to the focused control
    void PostAltChar(wchar_t character) const; // Alt+character, to the focused control
    void Click(HWND control) const;            // returns once the click has been handled
    void PressCloseBox() const;                // the caption's close button
    void SetText(HWND control, const std::wstring& text) const;

    // Bounded waits; a timeout adds a failure naming `what`.
    bool WaitFocusOn(HWND control, const char* what) const;
    bool WaitClosed(const char* what) const;
    void Fail(const std::string& message) const { failures_.push_back(message); }

private:
    HWND window_;
    DWORD uiThread_;
    std::vector<std::string>& failures_;
};

// Starts watching the calling thread for a new visible, captioned top-level
// window and runs `script` on it from a thread of its own. Call Finish() (or
// let the destructor do it) once the entry point has returned.
class DialogDriver {
public:
    using Script = std::function<void(Dialog&)>;
    explicit DialogDriver(Script script);
    ~DialogDriver() { Finish(); }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    void Finish();
    bool SawDialog() const { return sawDialog_.load(); }
    HWND DialogWindow() const { return dialog_.load(); }
    // Failures seen by the script; read after Finish().
    const std::vector<std::string>& Failures() const { return failures_; }

private:
    void Run(const std::vector<HWND>& existing, const Script& script);

    DWORD uiThread_;
    std::atomic<bool> entryReturned_{false};
    std::atomic<bool> sawDialog_{false};
    std::atomic<HWND> dialog_{nullptr};
    std::vector<std::string> failures_;
    std::thread worker_;
};

} // namespace dialog_test
