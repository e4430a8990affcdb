#include "Options.h"

#include <charconv>

namespace glimmerhost {
namespace {

int ParseCount(const std::string& option, const std::string& text, int minimum, int maximum) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || ptr != end || error != std::errc() || value < minimum || value > maximum)
        throw UsageError(option + " needs a whole number from " + std::to_string(minimum) + " to " +
                         std::to_string(maximum) + ", not \"" + text + "\"");
    return value;
}

} // namespace

const char* UsageText() {
    return "usage: glimmerhost [options] DOCUMENT.glim\n"
           "  --edition en|ru          plug-in edition to load (default en): <dir of glimmerhost>/"
           "<edition>/Glimmerbox.nbp\n"
           "  --plugin PATH            load this plug-in file instead\n"
           "  --duration MS            run the document for MS milliseconds without a person, "
           "then exit\n"
           "  --frames DIR             also write what the page shows as DIR/frame-NNNN.bmp\n"
           "                           (frames of an earlier run there are removed first)\n"
           "  --fps N                  frames per second for --frames (default 10)\n"
           "  --screenshot-dialogs DIR capture the action-properties dialog and the About box "
           "as BMP files, then exit\n"
           "  --help                   show this text\n"
           "Without --duration, --frames or --screenshot-dialogs the window stays open:\n"
           "  F5 runs the script again, F2 (or Enter, or a double click) edits the selected "
           "action line,\n"
           "  Ctrl+S saves the document, F1 shows the plug-in's About box.\n";
}

Options ParseOptions(const std::vector<std::string>& arguments) {
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size())
                throw UsageError(argument + " needs a value");
            return arguments[++i];
        };
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--edition") {
            options.edition = value();
            if (options.edition != "en" && options.edition != "ru")
                throw UsageError("--edition is en or ru, not \"" + options.edition + "\"");
        } else if (argument == "--plugin") {
            options.plugInPath = value();
        } else if (argument == "--frames") {
            options.framesDir = value();
        } else if (argument == "--duration") {
            options.durationMs = ParseCount(argument, value(), 1, 3'600'000);
        } else if (argument == "--fps") {
            options.fps = ParseCount(argument, value(), 1, 60);
        } else if (argument == "--screenshot-dialogs") {
            options.dialogsDir = value();
        } else if (argument.starts_with("-")) {
            throw UsageError("unknown option " + argument);
        } else if (options.document.empty()) {
            options.document = argument;
        } else {
            throw UsageError("more than one document: " + options.document + ", " + argument);
        }
    }
    if (options.document.empty() && !options.help)
        throw UsageError("no document given");
    return options;
}

} // namespace glimmerhost
