// UTF-8 checks for document text.
#pragma once

#include <string_view>

namespace glimmerhost {

// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool IsValidUtf8(std::string_view text);

} // namespace glimmerhost
