#include "WindowClass.h"

#include "Exceptions.h"

#include <string>

namespace glimmerbox {
namespace {

// Our class names are plain ASCII.
std::string AsciiName(const wchar_t* name) {
    std::string ascii;
    for (; *name != L'\0'; ++name)
        ascii += static_cast<char>(*name < 0x80 ? *name : L'?');
    return ascii;
}

} // namespace

ATOM RegisterPrivateClass(const WNDCLASSEXW& windowClass) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (const BOOL atom =
            ::GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing)) {
        return static_cast<ATOM>(atom);
    }
    const ATOM atom = ::RegisterClassExW(&windowClass);
    if (atom == 0) {
        const DWORD error = ::GetLastError();
        throw EOutOfResources("Cannot register the window class " +
                              AsciiName(windowClass.lpszClassName) + " (system error " +
                              std::to_string(error) + ")");
    }
    return atom;
}

} // namespace glimmerbox
