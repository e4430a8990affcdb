#include "WindowCloser.h"

namespace testing_support {

WindowCloser::WindowCloser(std::wstring title) : title_(std::move(title)) {
    worker_ = std::thread([this] {
        while (!stop_.load()) {
            HWND window = ::FindWindowW(nullptr, title_.c_str());
            if (window != nullptr && ::IsWindowVisible(window)) {
                DWORD process = 0;
                ::GetWindowThreadProcessId(window, &process);
                if (process == ::GetCurrentProcessId()) {
                    ::PostMessageW(window, WM_CLOSE, 0, 0);
                    ++closed_;
                    ::Sleep(200);
                }
            }
            ::Sleep(20);
        }
    });
}

WindowCloser::~WindowCloser() {
    stop_ = true;
    worker_.join();
}

} // namespace testing_support
