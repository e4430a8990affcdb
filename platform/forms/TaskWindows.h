// Disables the calling thread's other top-level windows while a modal form
// runs, and enables exactly those again when it ends.
#pragma once

#include <windows.h>

#include <vector>

namespace glimmerbox::forms {

class DisabledTaskWindows {
public:
    // Disables every visible, enabled top-level window of the thread except
    // `modal`, and `owner` (when given) even if it is hidden.
    DisabledTaskWindows(HWND modal, HWND owner);
    ~DisabledTaskWindows() { Restore(); }
    DisabledTaskWindows(const DisabledTaskWindows&) = delete;
    DisabledTaskWindows& operator=(const DisabledTaskWindows&) = delete;

    // Enables the windows again (once); those destroyed meanwhile are skipped.
    void Restore() noexcept;

private:
    std::vector<HWND> disabled_;
};

} // namespace glimmerbox::forms
