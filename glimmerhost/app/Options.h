// glimmerhost's command line.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace glimmerhost {

struct Options {
    std::string document; // UTF-8 path
    std::string edition = "en";
    std::string plugInPath; // overrides the edition's plug-in when set
    std::string framesDir;  // headless: write page frames here
    std::optional<int> durationMs;
    int fps = 10;
    std::string dialogsDir; // headless: capture the two dialogs here and exit
    bool help = false;

    // Runs without a person: stops by itself and never waits for input.
    bool Headless() const { return !framesDir.empty() || durationMs || !dialogsDir.empty(); }
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name (UTF-8). Throws UsageError.
Options ParseOptions(const std::vector<std::string>& arguments);

// The help text printed by --help and after a usage error.
const char* UsageText();

} // namespace glimmerhost
