#include "ScriptClock.h"

namespace glimmerhost {

ScriptClock::ScriptClock(const std::vector<Step>& script) {
    for (const auto& step : script) {
        startTimes_.push_back(length_);
        if (const auto* wait = std::get_if<WaitStep>(&step))
            length_ += wait->milliseconds;
    }
}

std::vector<std::size_t> ScriptClock::TakeDue(int64_t elapsed) {
    std::vector<std::size_t> due;
    while (next_ < startTimes_.size() && startTimes_[next_] <= elapsed)
        due.push_back(next_++);
    return due;
}

std::optional<int64_t> ScriptClock::NextDue() const {
    if (Finished())
        return std::nullopt;
    return startTimes_[next_];
}

} // namespace glimmerhost
