// The host's object picker (interface request 8): a small modal list of the
// page's objects.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace glimmerhost {

// Shows the list over `owner` with `current` selected (matched ignoring
// case); answers the chosen name, nothing when the author cancels.
std::optional<std::wstring> PickObject(HWND owner, const std::vector<std::wstring>& names,
                                       const std::wstring& current);

} // namespace glimmerhost
