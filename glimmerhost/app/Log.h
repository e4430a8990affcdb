// The action log: every line goes to stdout and to the window's log pane.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace glimmerhost {

class Log {
public:
    using Sink = std::function<void(const std::string& line)>;

    // Lines go to stdout from the start; more sinks may be added later.
    Log();
    void AddSink(Sink sink) { sinks_.push_back(std::move(sink)); }

    // One UTF-8 line without its line end.
    void Line(const std::string& line);

    // All lines so far, for a log pane created after them.
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<Sink> sinks_;
    std::vector<std::string> lines_;
};

// Writes a UTF-8 line to stderr (messages about bad input and usage).
void ErrorLine(const std::string& line);

} // namespace glimmerhost
