// Closes the top-level windows of a given title that appear in this process
// while it exists, from a thread of its own: lets a test call an entry point
// that runs a modal window without a person to close it.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace testing_support {

class WindowCloser {
public:
    explicit WindowCloser(std::wstring title);
    ~WindowCloser();
    WindowCloser(const WindowCloser&) = delete;
    WindowCloser& operator=(const WindowCloser&) = delete;

    int Closed() const { return closed_.load(); }

private:
    std::wstring title_;
    std::atomic<bool> stop_{false};
    std::atomic<int> closed_{0};
    std::thread worker_;
};

} // namespace testing_support
