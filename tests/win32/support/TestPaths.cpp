#include "TestPaths.h"

#include <windows.h>

namespace testing_support {
namespace {
std::wstring DistDir() {
    const char* dist = GLIMMERBOX_DIST_DIR;
    return std::wstring(dist, dist + std::char_traits<char>::length(dist));
}
} // namespace

std::wstring PlugInPath(const std::wstring& edition) {
    return DistDir() + L"/" + edition + L"/Glimmerbox.nbp";
}

std::wstring ArtefactDir() {
    const std::wstring dir = DistDir() + L"/../artefacts";
    ::CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

} // namespace testing_support
