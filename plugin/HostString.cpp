#include "HostString.h"

#include "platform/Exceptions.h"

#include <cstring>

namespace glimmerbox {

void AssignHostString(HostString& variable, std::string_view text) {
    HostHeap& heap = ActiveHostHeap();
    auto* block = static_cast<char*>(heap.allocate(text.size() + 1));
    if (block == nullptr)
        throw EOutOfMemory("Not enough memory for a text of " + std::to_string(text.size()) +
                           " bytes");
    if (!text.empty())
        std::memcpy(block, text.data(), text.size());
    block[text.size()] = '\0';

    if (variable != nullptr)
        heap.release(variable);
    variable = block;
}

void ReleaseHostString(HostString& variable) noexcept {
    if (variable != nullptr)
        ActiveHostHeap().release(variable);
    variable = nullptr;
}

std::string HostStringText(const char* variable) {
    return variable ? std::string(variable) : std::string();
}

} // namespace glimmerbox
