// glimmerhost's entry: reads the command line and the document, then hands
// over to the application. Bad input ends with a message and a non-zero exit.
#include "Application.h"
#include "Text.h"

#include <windows.h>

#include <shellapi.h>

#include <thread>

using namespace glimmerhost;

namespace {

std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; i < count; ++i)
        result.push_back(WideToUtf8(arguments[i]));
    ::LocalFree(arguments);
    return result;
}

// A run without a person must end: after `seconds` the process exits.
void StartWatchdog(int64_t seconds) {
    std::thread([seconds] {
        ::Sleep(static_cast<DWORD>(seconds * 1000));
        ErrorLine("glimmerhost: timed out after " + std::to_string(seconds) + " s");
        ::ExitProcess(ExitTimedOut);
    }).detach();
}

int RunProgram() {
    Options options;
    try {
        options = ParseOptions(Arguments());
    } catch (const UsageError& error) {
        ErrorLine(std::string("glimmerhost: ") + error.what());
        ErrorLine(UsageText());
        return ExitUsage;
    }
    if (options.help) {
        Log().Line(UsageText());
        return ExitOk;
    }
    try {
        Document document = LoadDocument(options.document);
        if (options.Headless())
            StartWatchdog(options.durationMs.value_or(0) / 1000 + 120);
        Application application(std::move(options), std::move(document));
        return application.Run();
    } catch (const DocumentError& error) {
        ErrorLine(std::string("glimmerhost: ") + error.what());
        return ExitBadInput;
    } catch (const std::exception& error) {
        ErrorLine(std::string("glimmerhost: ") + error.what());
        return ExitFailure;
    }
}

} // namespace

int main() {
    try {
        return RunProgram();
    } catch (...) {
        ErrorLine("glimmerhost: unexpected failure");
        return ExitFailure;
    }
}
