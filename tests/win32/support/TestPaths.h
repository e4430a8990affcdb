// Where the test programs find the built plug-in and write their artefacts.
#pragma once

#include <string>

namespace testing_support {

// The built plug-in of an edition ("en", "ru").
std::wstring PlugInPath(const std::wstring& edition);

// A folder under the build tree for screenshots and other artefacts.
std::wstring ArtefactDir();

inline const wchar_t* const kEditions[] = {L"en", L"ru"};

} // namespace testing_support
