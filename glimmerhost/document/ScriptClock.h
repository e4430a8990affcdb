// Plays a script against a clock: each step is due once the waits before it
// have passed. Pure logic; the application drives it with real time.
#pragma once

#include "Document.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace glimmerhost {

class ScriptClock {
public:
    explicit ScriptClock(const std::vector<Step>& script);

    // The steps due at `elapsed` milliseconds that were not taken before, in
    // script order.
    std::vector<std::size_t> TakeDue(int64_t elapsed);

    // When the next step not yet taken is due; nothing once all are taken.
    std::optional<int64_t> NextDue() const;

    bool Finished() const { return next_ == startTimes_.size(); }

    // The time the whole script takes: the sum of its waits.
    int64_t Length() const { return length_; }

    int64_t StartTime(std::size_t step) const { return startTimes_.at(step); }

private:
    std::vector<int64_t> startTimes_;
    int64_t length_ = 0;
    std::size_t next_ = 0;
};

} // namespace glimmerhost
