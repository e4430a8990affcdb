// Text conversions between the document (UTF-8), the window system (UTF-16)
// and the plug-in (the host's ANSI code page).
#pragma once

#include <string>

namespace glimmerhost {

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

// To the host's 8-bit texts. `lossy` (when given) tells whether some
// character has no form in the code page and was replaced.
std::string Utf8ToHost(const std::string& text, bool* lossy = nullptr);
std::string HostToUtf8(const std::string& text);

// The code page the plug-in's texts are read in (the ANSI code page).
unsigned HostCodePage();

} // namespace glimmerhost
