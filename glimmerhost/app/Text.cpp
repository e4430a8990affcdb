#include "Text.h"

#include <windows.h>

namespace glimmerhost {
namespace {

std::wstring ToWide(const std::string& text, UINT codePage) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string ToNarrow(const std::wstring& text, UINT codePage, bool* lossy) {
    if (lossy != nullptr)
        *lossy = false;
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    // CP_UTF8 takes no default character.
    BOOL* usedDefaultOut = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const int length =
        ::WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), size, narrow.data(), length, nullptr,
                          usedDefaultOut);
    if (lossy != nullptr)
        *lossy = usedDefault != FALSE;
    return narrow;
}

} // namespace

std::wstring Utf8ToWide(const std::string& text) {
    return ToWide(text, CP_UTF8);
}
std::string WideToUtf8(const std::wstring& text) {
    return ToNarrow(text, CP_UTF8, nullptr);
}

std::string Utf8ToHost(const std::string& text, bool* lossy) {
    return ToNarrow(Utf8ToWide(text), CP_ACP, lossy);
}

std::string HostToUtf8(const std::string& text) {
    return WideToUtf8(ToWide(text, CP_ACP));
}

unsigned HostCodePage() {
    return ::GetACP();
}

} // namespace glimmerhost
