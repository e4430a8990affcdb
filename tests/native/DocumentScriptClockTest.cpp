// Playing a script against a clock: which steps are due when.
#include "glimmerhost/document/ScriptClock.h"

#include <gtest/gtest.h>

using namespace glimmerhost;

namespace {

using Due = std::vector<std::size_t>;

TEST(DocumentScriptClock, StepsFallDueAfterTheWaitsBeforeThem) {
    const std::vector<Step> script{ActionStep{"A", "R", "1", 1},
                                   ActionStep{"A", "R", "2", 2},
                                   WaitStep{500, 3},
                                   ActionStep{"A", "R", "3", 4},
                                   WaitStep{0, 5},
                                   ActionStep{"A", "R", "4", 6},
                                   WaitStep{250, 7}};
    ScriptClock clock(script);
    EXPECT_EQ(clock.Length(), 750);

    EXPECT_EQ(clock.TakeDue(0), (Due{0, 1, 2}));
    EXPECT_EQ(clock.TakeDue(0), Due{}); // taken once only
    EXPECT_EQ(clock.NextDue(), 500);
    EXPECT_EQ(clock.TakeDue(499), Due{});
    // A late tick takes everything due by then, in order.
    EXPECT_EQ(clock.TakeDue(900), (Due{3, 4, 5, 6}));
    EXPECT_TRUE(clock.Finished());
    EXPECT_EQ(clock.NextDue(), std::nullopt);
}

TEST(DocumentScriptClock, EmptyScriptIsFinishedAtOnce) {
    ScriptClock clock({});
    EXPECT_TRUE(clock.Finished());
    EXPECT_EQ(clock.Length(), 0);
    EXPECT_EQ(clock.TakeDue(1000), Due{});
}

} // namespace
