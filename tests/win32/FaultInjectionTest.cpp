// Faults injected into the real DLL of each edition through the stand-in
// host: the k-th global-heap block, window or timer refused, for every k a
// short scenario reaches, and object-window answers that are huge, negative,
// stale or garbage. After each fault: the stated error in the right variable,
// the answer false, no half-made display, no block left behind, and the
// plug-in working as before.
#include "HostFunctions.h"
#include "PlugInActionIds.h"
#include "StandInHost.h"
#include "support/TestPaths.h"
#include "tests/soak/PlugInCensus.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {

using standin::RequestAnswer;
using standin::StandInHost;

using namespace standin; // the action ids

const char* const kObjects[] = {"Rect1", "Rect2"};

class FaultInjectionTest : public testing::TestWithParam<const wchar_t*> {
protected:
    void SetUp() override { Reload(); }

    // A fresh plug-in: every sweep step starts from a newly loaded library.
    void Reload() {
        host.reset();
        host = std::make_unique<StandInHost>(testing_support::PlugInPath(GetParam()));
        for (int i = 0; i < 2; ++i)
            host->AddObject(kObjects[i], 10 + 260 * i, 10, 240, 40);
        host->RegisterPlugIn();
        host->RegisterInterfaceAccess();
    }

    bool Exec(int32_t id, const std::string& name, const std::string& value) {
        return host->ExecAction(id, name, value);
    }
    std::string Var(const std::string& name) const {
        return host->Variable(name).value_or("<unset>");
    }
    std::string LastError() const { return Var("[LastError]"); }
    std::string DisplayError() const { return Var("[GlimmerboxLastError]"); }

    // Displays shown in each object window, and every window of the plug-in:
    // a display is a form and its LED component, never one without the other.
    void ExpectDisplays(const std::map<std::string, int>& perObject) {
        int total = 0;
        for (const char* object : kObjects) {
            const auto it = perObject.find(object);
            const int expected = it == perObject.end() ? 0 : it->second;
            EXPECT_EQ(census::DisplaysIn(host->ObjectWindow(object)), expected) << object;
            total += expected;
        }
        const census::WindowCount count =
            census::CountPlugInWindows(host->Module(), host->HostWindow());
        EXPECT_EQ(count.displays, total);
        EXPECT_EQ(count.all, 2 * total);
    }

    // The plug-in still does its work: displays for both objects, driven and
    // then all destroyed; nothing left.
    void ExpectStillWorking() {
        for (const char* object : kObjects) {
            EXPECT_TRUE(Exec(kCreate, object, "")) << LastError();
            EXPECT_TRUE(Exec(kSetText, object, "STILL WORKING")) << DisplayError();
            EXPECT_TRUE(Exec(kScroll, object, "1")) << DisplayError();
            EXPECT_TRUE(Exec(kScrollDelay, object, "10")) << DisplayError();
        }
        StandInHost::PumpMessages(50);
        ExpectDisplays({{"Rect1", 1}, {"Rect2", 1}});
        host->Message(2);
        ExpectDisplays({});
        EXPECT_EQ(host->LiveBlocks(), 0);
    }

    std::unique_ptr<StandInHost> host;
};

// --- the global heap refusing a block ----------------------------------------------

TEST_P(FaultInjectionTest, EveryRefusedBlockFailsOneStepCleanly) {
    // Init takes three blocks, each create one; the display actions take none.
    constexpr int kBlocksTaken = 6;
    for (int refused = 0; refused <= kBlocksTaken; ++refused) {
        SCOPED_TRACE(testing::Message() << "refused block " << refused);
        Reload();
        host->FailGlobalAllocs(1, refused);

        char* identity[3] = {standin::HostAllocateText("old title"), nullptr,
                             standin::HostAllocateText("old hint")};
        char* const before[3] = {identity[0], identity[1], identity[2]};
        host->Entries().nbInitPlugIn(0, &identity[0], &identity[1], &identity[2]);
        // The blocks in front of the refused one are new, the others untouched.
        for (int i = 0; i < 3; ++i) {
            if (i < refused) {
                EXPECT_NE(identity[i], before[i]) << i;
            } else {
                EXPECT_EQ(identity[i], before[i]) << i;
            }
        }
        if (refused > 0) {
            EXPECT_STREQ(identity[0], "Glimmerbox [2011.01]");
        }
        for (char*& block : identity)
            standin::HostFreeText(block);

        host->SetVariableValue("[V1]", "in use");
        struct Step {
            const char* name;
            const char* variable;
        };
        const Step creates[] = {{"Rect1", "[V1]"}, {"RECT1", "[V2]"}, {"Rect2", ""}};
        std::map<std::string, int> shown;
        for (int i = 0; i < 3; ++i) {
            const bool hit = refused == 3 + i;
            EXPECT_EQ(Exec(kCreate, creates[i].name, creates[i].variable), !hit);
            const std::string object = i < 2 ? "Rect1" : "Rect2";
            shown[object] = hit ? 0 : 1;
            if (hit) {
                EXPECT_EQ(LastError(), "Not enough memory for a text of 5 bytes");
            }
        }
        // Replaced (also when its successor failed) unless it was never made.
        EXPECT_EQ(Var("[V1]"), refused == 3 ? "in use" : "");
        EXPECT_EQ(Exec(kFontColor, "rect2", "000000255"), shown["Rect2"] == 1);
        ExpectDisplays(shown);
        EXPECT_EQ(host->PendingGlobalAllocFailures(), refused < kBlocksTaken ? 0 : 1);
        EXPECT_EQ(host->LiveBlocks(), 0);
        host->FailGlobalAllocs(0);
        ExpectStillWorking();
    }
}

// --- window creation failing -----------------------------------------------------

TEST_P(FaultInjectionTest, EveryRefusedWindowLeavesNoHalfMadeDisplay) {
    // Each display is two windows: the form, then its LED component.
    const char* const creates[] = {"Rect1", "rect1", "Rect2"};
    constexpr int kWindowsTaken = 6;
    for (int refused = 0; refused <= kWindowsTaken; ++refused) {
        SCOPED_TRACE(testing::Message() << "refused window " << refused);
        Reload();
        host->FailWindowCreations(1, refused);
        std::map<std::string, int> shown;
        for (int i = 0; i < 3; ++i) {
            const bool hit = refused / 2 == i;
            EXPECT_EQ(Exec(kCreate, creates[i], "[V]"), !hit);
            shown[i < 2 ? "Rect1" : "Rect2"] = hit ? 0 : 1;
            if (hit) {
                EXPECT_EQ(LastError(),
                          refused % 2 == 0
                              ? "Cannot create the display window (system error 8)"
                              : "Cannot create the LED display window (system error 8)");
                EXPECT_FALSE(Exec(kSetText, creates[i], "x")); // nothing listed
                EXPECT_EQ(DisplayError(), "There is no control attached to an object named " +
                                              std::string(creates[i]) + ".");
            }
        }
        ExpectDisplays(shown);
        EXPECT_EQ(host->PendingWindowCreationFailures(), refused < kWindowsTaken ? 0 : 1);
        EXPECT_EQ(host->LiveBlocks(), 0);
        host->FailWindowCreations(0);
        ExpectStillWorking();
    }
}

// --- the scroll timer refused ------------------------------------------------------

TEST_P(FaultInjectionTest, EveryRefusedTimerIsReportedAndNoTimerRuns) {
    struct Step {
        int32_t id;
        const char* name;
        const char* value;
    };
    // Timers are asked for by steps 0, 1, 3 and 5 (start, re-time, start, restart).
    const Step steps[] = {
        {kScroll, "Rect1", "1"}, {kScrollDelay, "Rect1", "20"}, {kScrollDelay, "Rect2", "30"},
        {kScroll, "rect2", "1"}, {kScrollDelay, "Rect1", "0"},  {kScrollDelay, "RECT1", ""},
        {kScroll, "Rect2", "0"},
    };
    constexpr int kTimersTaken = 4;
    for (int refused = 0; refused <= kTimersTaken; ++refused) {
        SCOPED_TRACE(testing::Message() << "refused timer " << refused);
        Reload();
        ASSERT_TRUE(Exec(kCreate, "Rect1", ""));
        ASSERT_TRUE(Exec(kCreate, "Rect2", ""));
        host->FailTimers(1, refused);
        int failures = 0;
        for (const Step& step : steps) {
            host->ClearRecords();
            if (Exec(step.id, step.name, step.value))
                continue;
            ++failures;
            EXPECT_EQ(DisplayError(), "Not enough timers available");
            ASSERT_EQ(host->timerCalls.size(), 1u);
            EXPECT_FALSE(host->timerCalls[0].granted);
            // No timer of the component is left running: a stale one would
            // still be there for us to kill.
            EXPECT_FALSE(::KillTimer(host->timerCalls[0].window, host->timerCalls[0].id));
            StandInHost::PumpMessages(30);
        }
        EXPECT_EQ(failures, refused < kTimersTaken ? 1 : 0);
        EXPECT_EQ(host->PendingTimerFailures(), refused < kTimersTaken ? 0 : 1);
        ExpectDisplays({{"Rect1", 1}, {"Rect2", 1}});
        host->Message(2);
        host->FailTimers(0);
        ExpectStillWorking();
    }
}

// --- the host answering request 7 with unusable handles ---------------------------

TEST_P(FaultInjectionTest, UnusableObjectWindowAnswersFailCleanly) {
    // A handle the host once gave, for a window it has since destroyed.
    host->AddObject("Gone", 10, 60, 100, 20);
    const std::string stale =
        std::to_string(reinterpret_cast<uintptr_t>(host->ObjectWindow("Gone")));
    host->DestroyObject("Gone");

    const std::string longDigits(65536, '7');
    struct Case {
        std::string answer;
        const char* handle; // the handle it reads as; null: not an integer text
    };
    const Case cases[] = {
        {"2147483648", nullptr},
        {"-2147483649", nullptr},
        {"4294967295", nullptr},
        {"99999999999999999999", nullptr},
        {"$100000000", nullptr},
        {"0x", nullptr},
        {"-", nullptr},
        {"\xff\xfe\x01 handle", nullptr},
        {longDigits, nullptr},
        {"-2147483648", "2147483648"},
        {"$FFFFFFFF", "4294967295"},
        {"$7FFFFFFF", "2147483647"},
        {stale, stale.c_str()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.substr(0, 40));
        host->SetAnswer(7, RequestAnswer{});
        ASSERT_TRUE(Exec(kCreate, "Rect1", "[Old]"));
        host->SetVariableValue("[Old]", "in use");

        host->SetAnswer(7, RequestAnswer{RequestAnswer::Mode::Text, c.answer, true});
        EXPECT_FALSE(Exec(kCreate, "Rect1", "[New]"));
        std::string error;
        if (c.handle == nullptr) {
            error.append("'").append(c.answer).append("' is not a valid integer value");
        } else {
            error.append("Cannot attach a display to the object named Rect1: its window handle ")
                .append(c.handle)
                .append(" names no window.");
        }
        EXPECT_EQ(LastError(), error);
        EXPECT_EQ(Var("[Old]"), "");
        EXPECT_FALSE(Exec(kSetText, "Rect1", "x"));
        ExpectDisplays({});
        EXPECT_EQ(host->LiveBlocks(), 0);
    }
    host->SetAnswer(7, RequestAnswer{});
    ExpectStillWorking();
}

INSTANTIATE_TEST_SUITE_P(Editions, FaultInjectionTest,
                         testing::ValuesIn(testing_support::kEditions),
                         [](const testing::TestParamInfo<const wchar_t*>& edition) {
                             return std::wstring(edition.param) == L"en" ? std::string("en")
                                                                         : std::string("ru");
                         });

} // namespace
