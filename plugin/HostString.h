// HostString: a zero-terminated 8-bit text in a global-heap block, exchanged
// with the host through a variable that holds the block's address (null means
// no text). The heap is reached through HostHeap so that the helpers build
// and run natively in unit tests and so that tests can make it refuse a block.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace glimmerbox {

using HostString = char*;

struct HostHeap {
    void* (*allocate)(size_t bytes); // returns null when refused
    void (*release)(void* block);
};

// The heap HostStrings live in: the Windows global heap in the DLL.
HostHeap& ActiveHostHeap();

// Replaces the variable's block by a fresh block holding `text`. The new block
// is allocated before the old one is freed, so a refused allocation throws
// EOutOfMemory and leaves the variable exactly as it was.
void AssignHostString(HostString& variable, std::string_view text);

// Frees the variable's block, if any, and sets the variable to null.
void ReleaseHostString(HostString& variable) noexcept;

// The text a HostString holds; null reads as the empty text.
std::string HostStringText(const char* variable);

// A HostString variable that releases its block when it goes out of scope.
class ScopedHostString {
public:
    ScopedHostString() = default;
    ScopedHostString(const ScopedHostString&) = delete;
    ScopedHostString& operator=(const ScopedHostString&) = delete;
    ~ScopedHostString() { ReleaseHostString(variable_); }

    HostString& Variable() noexcept { return variable_; }
    bool IsNull() const noexcept { return variable_ == nullptr; }
    std::string Text() const { return HostStringText(variable_); }

private:
    HostString variable_ = nullptr;
};

} // namespace glimmerbox
