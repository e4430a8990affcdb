#include "Log.h"

#include <windows.h>

namespace glimmerhost {
namespace {

void WriteLine(DWORD stream, const std::string& line) {
    HANDLE handle = ::GetStdHandle(stream);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return;
    const std::string bytes = line + "\n";
    DWORD written = 0;
    ::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

} // namespace

Log::Log() {
    // A Windows console shows the UTF-8 bytes as text; elsewhere this does nothing.
    ::SetConsoleOutputCP(CP_UTF8);
    sinks_.push_back([](const std::string& line) { WriteLine(STD_OUTPUT_HANDLE, line); });
}

void Log::Line(const std::string& line) {
    lines_.push_back(line);
    for (const auto& sink : sinks_)
        sink(line);
}

void ErrorLine(const std::string& line) {
    WriteLine(STD_ERROR_HANDLE, line);
}

} // namespace glimmerhost
