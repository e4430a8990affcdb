#include "TaskWindows.h"

#include <algorithm>

namespace glimmerbox::forms {
namespace {

struct Collector {
    HWND modal;
    std::vector<HWND>* windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) noexcept {
    auto* collector = reinterpret_cast<Collector*>(context);
    if (window != collector->modal && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
        try {
            collector->windows->push_back(window);
        } catch (...) {
            return FALSE;
        }
    }
    return TRUE;
}

} // namespace

DisabledTaskWindows::DisabledTaskWindows(HWND modal, HWND owner) {
    std::vector<HWND> windows;
    Collector collector{modal, &windows};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectWindow,
                        reinterpret_cast<LPARAM>(&collector));
    if (owner != nullptr && owner != modal && ::IsWindowEnabled(owner) &&
        std::find(windows.begin(), windows.end(), owner) == windows.end())
        windows.push_back(owner);
    disabled_.reserve(windows.size());
    for (HWND window : windows) {
        ::EnableWindow(window, FALSE);
        disabled_.push_back(window);
    }
}

void DisabledTaskWindows::Restore() noexcept {
    for (HWND window : disabled_)
        if (::IsWindow(window))
            ::EnableWindow(window, TRUE);
    disabled_.clear();
}

} // namespace glimmerbox::forms
