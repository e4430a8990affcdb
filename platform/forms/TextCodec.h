// Conversions between 8-bit texts in a given code page and the UTF-16 texts
// of Unicode windows.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace glimmerbox::forms {

std::wstring WidenText(std::string_view text, UINT codePage);
std::string NarrowText(std::wstring_view text, UINT codePage);

} // namespace glimmerbox::forms
