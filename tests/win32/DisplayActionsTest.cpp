// The five display actions through the stand-in host, with the real DLL of
// each edition: error texts, the integer rule, names and replacement.
#include "DisplayFixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace display_tests {
namespace {

using standin::RequestAnswer;
using testing_support::PixelOfColour;

class DisplayActionsTest : public DisplayFixture {};

TEST_P(DisplayActionsTest, TooOldHostChangesNothingButLastError) {
    ASSERT_TRUE(Exec(kCreate, "Rect", "[V]"));
    const HWND form = Form(rect);
    host.ClearRecords();

    host.SetAnswer(6, RequestAnswer{RequestAnswer::Mode::NullText, "", true});
    EXPECT_FALSE(Exec(kCreate, "Rect", "[W]"));
    EXPECT_EQ(LastError(), "This function requires NeoBook 4.0.9 or higher.");

    host.SetAnswer(6, RequestAnswer{});
    host.RegisterInterfaceAccess(false);
    EXPECT_FALSE(Exec(kCreate, "Rect", "[W]"));
    EXPECT_EQ(LastError(), "This function requires NeoBook 4.0.9 or higher.");

    EXPECT_TRUE(::IsWindow(form)); // the display was not removed
    EXPECT_EQ(Var("[V]"), "<unset>");
    EXPECT_TRUE(Exec(kSetText, "Rect", "STILL HERE"));
}

TEST_P(DisplayActionsTest, CreateErrorsAreWrittenIntoLastError) {
    struct Case {
        const char* objectName;
        RequestAnswer answer;
        const char* error;
    };
    const Case cases[] = {
        {"Rect", {RequestAnswer::Mode::Text, "0", true}, "An object named Rect does not exist."},
        {"", {RequestAnswer::Mode::Text, "0", true}, "An object named  does not exist."},
        {"Rect", {RequestAnswer::Mode::Text, "12x", true}, "'12x' is not a valid integer value"},
        {"Rect", {RequestAnswer::Mode::Text, " ", true}, "' ' is not a valid integer value"},
        {"Rect", {RequestAnswer::Mode::NullText, "", false}, "'' is not a valid integer value"},
        {"Rect",
         {RequestAnswer::Mode::Text, "123456", true},
         "Cannot attach a display to the object named Rect: its window handle 123456 names no "
         "window."},
        {"Rect",
         {RequestAnswer::Mode::Text, "-1", true},
         "Cannot attach a display to the object named Rect: its window handle 4294967295 names no "
         "window."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        host.SetAnswer(7, RequestAnswer{});
        ASSERT_TRUE(Exec(kCreate, "Rect", "[Old]"));
        host.SetVariableValue("[Old]", "in use");

        host.SetAnswer(7, c.answer);
        EXPECT_FALSE(Exec(kCreate, c.objectName, "[New]"));
        EXPECT_EQ(LastError(), c.error);
        EXPECT_EQ(Form(rect) == nullptr, std::string(c.objectName) == "Rect")
            << "the display of that name is removed before the window is asked for";
        if (std::string(c.objectName) == "Rect") {
            EXPECT_EQ(Var("[Old]"), "");
        }
        EXPECT_EQ(Var("[New]"), "<unset>");
        host.Message(2);
    }
    EXPECT_EQ(host.LiveBlocks(), 0);
}

TEST_P(DisplayActionsTest, RefusedGlobalBlockIsReportedWithItsOwnMessage) {
    host.FailGlobalAllocs(1); // the copy of the object name handed to request 7
    EXPECT_FALSE(Exec(kCreate, "Rect", "[V]"));
    EXPECT_NE(LastError().find("memory"), std::string::npos) << LastError();
    EXPECT_EQ(Form(rect), nullptr);
    EXPECT_TRUE(Exec(kCreate, "Rect", "[V]"));
    host.Message(2);
    EXPECT_EQ(host.LiveBlocks(), 0);
}

TEST_P(DisplayActionsTest, WindowHandleTextFollowsTheIntegerRule) {
    const auto handle = static_cast<unsigned>(reinterpret_cast<uintptr_t>(rect));
    char texts[3][32];
    std::snprintf(texts[0], sizeof texts[0], "$%X", handle);
    std::snprintf(texts[1], sizeof texts[1], "0x%x", handle);
    std::snprintf(texts[2], sizeof texts[2], "  +%u", handle);
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        host.SetAnswer(7, RequestAnswer{RequestAnswer::Mode::Text, text, true});
        EXPECT_TRUE(Exec(kCreate, "Rect", ""));
        EXPECT_NE(Form(rect), nullptr);
    }
}

TEST_P(DisplayActionsTest, DisplayActionsWithoutADisplayReportTheName) {
    host.SetVariableValue("[GlimmerboxLastError]", "");
    for (ActionId id : {kSetText, kFontColor, kScroll, kScrollDelay}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(Exec(id, "Nowhere", "1"));
        EXPECT_EQ(DisplayError(), "There is no control attached to an object named Nowhere.");
        EXPECT_FALSE(Exec(id, "", "1"));
        EXPECT_EQ(DisplayError(), "There is no control attached to an object named .");
    }
    EXPECT_EQ(Var("[LastError]"), "<unset>");
}

TEST_P(DisplayActionsTest, SuccessWritesNoErrorVariable) {
    ASSERT_TRUE(Exec(kCreate, "Rect", "[V]"));
    EXPECT_FALSE(Exec(kSetText, "Other", "x"));
    host.ClearRecords();
    EXPECT_TRUE(Exec(kSetText, "Rect", "HELLO"));
    EXPECT_TRUE(Exec(kFontColor, "Rect", "255000000"));
    EXPECT_TRUE(Exec(kScroll, "Rect", "1"));
    EXPECT_TRUE(Exec(kScrollDelay, "Rect", "50"));
    EXPECT_TRUE(Exec(kCreate, "Rect", "[V]")); // replaces: empties [V], nothing else
    ASSERT_EQ(host.setVariableCalls.size(), 1u);
    EXPECT_EQ(host.setVariableCalls[0].name, "[V]");
    EXPECT_EQ(DisplayError(), "There is no control attached to an object named Other.");
}

TEST_P(DisplayActionsTest, ReplacementByANameDifferingInCaseEmptiesTheOldVariable) {
    ASSERT_TRUE(Exec(kCreate, "Rect", "[First]"));
    const HWND first = Form(rect);
    host.SetVariableValue("[First]", "display 1");
    host.ClearRecords();

    ASSERT_TRUE(Exec(kCreate, "RECT", "[Second]"));
    EXPECT_FALSE(::IsWindow(first));
    ASSERT_EQ(host.setVariableCalls.size(), 1u);
    EXPECT_EQ(host.setVariableCalls[0].name, "[First]");
    EXPECT_EQ(host.setVariableCalls[0].value, "");
    EXPECT_EQ(Var("[First]"), "");

    // Exactly one display remains in the object, and every spelling finds it.
    EXPECT_EQ(CountForms(rect), 1);
    EXPECT_TRUE(Exec(kSetText, "rect", "found"));

    // A display created without a variable is replaced without any call.
    ASSERT_TRUE(Exec(kCreate, "Rect", ""));
    host.ClearRecords();
    ASSERT_TRUE(Exec(kCreate, "Rect", "[Third]"));
    EXPECT_TRUE(host.setVariableCalls.empty());
}

TEST_P(DisplayActionsTest, NamesMatchAsWholeTextsFoldingOnlyAsciiLetters) {
    struct Case {
        const char* created;
        const char* asked;
        bool found;
    };
    const Case cases[] = {
        {"Rect", "rECT", true},
        {"Rect10", "Rect1", false},
        {"Rect1", "Rect10", false},
        {"Obj[", "obj{", false},
        {"x@", "X`", false},
        {"\xE9t\xE9", "\xC9t\xC9", false},
        {"\xE9t\xE9", "\xE9T\xE9", true},
        {"a b", "A B", true},
        {"Rect", "Rect ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.created) + " / " + c.asked);
        host.AddObject(c.created, 300, 10, 100, 20);
        ASSERT_TRUE(Exec(kCreate, c.created, ""));
        EXPECT_EQ(Exec(kSetText, c.asked, "T"), c.found);
        if (!c.found) {
            EXPECT_EQ(DisplayError(),
                      std::string("There is no control attached to an object named ") + c.asked +
                          ".");
        }
        host.Message(2);
        host.DestroyObject(c.created);
    }
}

TEST_P(DisplayActionsTest, MessageTwoDestroysEveryDisplayAndCallsNoHostFunction) {
    const HWND objects[] = {rect, host.AddObject("B", 10, 50, 100, 20),
                            host.AddObject("C", 10, 90, 100, 20)};
    ASSERT_TRUE(Exec(kCreate, "Rect", "[A]"));
    ASSERT_TRUE(Exec(kCreate, "B", "[B]"));
    ASSERT_TRUE(Exec(kCreate, "C", "[C]"));
    ASSERT_TRUE(Exec(kScroll, "B", "1"));
    HWND forms[3];
    for (int i = 0; i < 3; ++i)
        forms[i] = Form(objects[i]);
    host.ClearRecords();

    host.Message(2);
    for (HWND form : forms)
        EXPECT_FALSE(::IsWindow(form));
    EXPECT_TRUE(host.setVariableCalls.empty());
    EXPECT_TRUE(host.interfaceCalls.empty());
    host.Message(2); // twice in a row: nothing
    standin::StandInHost::PumpMessages(100);

    for (const char* name : {"Rect", "B", "C"})
        EXPECT_FALSE(Exec(kSetText, name, "gone"));
    EXPECT_TRUE(Exec(kCreate, "B", "[B2]")); // a new list
    EXPECT_NE(Form(objects[1]), nullptr);
}

TEST_P(DisplayActionsTest, FontColourFollowsTheIntegerRule) {
    ASSERT_TRUE(Exec(kCreate, "Rect", ""));
    struct Case {
        const char* value;
        COLORREF colour;   // the lit dots afterwards
        const char* error; // null: success
    };
    const COLORREF before = RGB(1, 2, 3);
    const COLORREF yellow = RGB(255, 255, 0);
    const Case cases[] = {
        {"000000255", RGB(0, 0, 255), nullptr},
        {"999000000", RGB(255, 0, 0), nullptr},
        {"-12000000", RGB(0, 0, 0), nullptr},
        {"$FF$FF$FF", RGB(255, 255, 255), nullptr},
        {"$10x200X3", RGB(16, 32, 3), nullptr},
        {" 12 34 56", RGB(12, 34, 56), nullptr},
        {"", yellow, nullptr},
        {"255", yellow, nullptr},
        {"2552550001", yellow, nullptr},
        {"0a0000000", before, "'0a0' is not a valid integer value"},
        {"255 255 0", before, "'5 0' is not a valid integer value"},
        {"1\t1001001", before, "'1\t1' is not a valid integer value"},
        {"001002+-3", before, "'+-3' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        ASSERT_TRUE(Exec(kFontColor, "Rect", "001002003"));
        host.SetVariableValue("[GlimmerboxLastError]", "");
        EXPECT_EQ(Exec(kFontColor, "Rect", c.value), c.error == nullptr);
        EXPECT_EQ(DisplayError(), c.error == nullptr ? "" : c.error);
        EXPECT_EQ(LitPixel(), PixelOfColour(c.colour));
    }
}

TEST_P(DisplayActionsTest, ScrollDelayFollowsTheIntegerRule) {
    ASSERT_TRUE(Exec(kCreate, "Rect", ""));
    ASSERT_TRUE(Exec(kScroll, "Rect", "1"));
    struct Case {
        const char* value;
        int interval; // -1: the timer is stopped; 0: no change
        const char* error;
    };
    const Case cases[] = {
        {"", 100, nullptr},
        {"$64", 100, nullptr},
        {"70000", 4464, nullptr},
        {"65536", -1, nullptr},
        {" 250", 250, nullptr},
        {"-1", 65535, nullptr},
        {"0", -1, nullptr},
        {"7", 0, nullptr},
        {"250 ", 0, "'250 ' is not a valid integer value"},
        {" ", 0, "' ' is not a valid integer value"},
        {"4294967296", 0, "'4294967296' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        ASSERT_TRUE(Exec(kScrollDelay, "Rect", "7"));
        host.ClearRecords();
        host.SetVariableValue("[GlimmerboxLastError]", "");
        EXPECT_EQ(Exec(kScrollDelay, "Rect", c.value), c.error == nullptr);
        EXPECT_EQ(DisplayError(), c.error == nullptr ? "" : c.error);
        if (c.interval > 0) {
            ASSERT_EQ(host.timerCalls.size(), 1u);
            EXPECT_EQ(host.timerCalls[0].window, Led(rect));
            EXPECT_EQ(host.timerCalls[0].interval, static_cast<UINT>(c.interval));
        } else {
            EXPECT_TRUE(host.timerCalls.empty());
        }
        EXPECT_EQ(host.killTimerCalls.size(), c.interval < 0 ? 1u : 0u);
    }
}

TEST_P(DisplayActionsTest, OnlyExactlyOneSwitchesScrollingOn) {
    ASSERT_TRUE(Exec(kCreate, "Rect", ""));
    struct Case {
        const char* value;
        bool on;
    };
    const Case cases[] = {{"1", true},     {"0", false},  {"01", false}, {"on", false},
                          {"true", false}, {" 1", false}, {"1 ", false}, {"", false},
                          {"+1", false},   {"1\t", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        host.ClearRecords();
        EXPECT_TRUE(Exec(kScroll, "Rect", c.value));
        EXPECT_EQ(host.timerCalls.size(), c.on ? 1u : 0u);
        ASSERT_TRUE(Exec(kScroll, "Rect", "0"));
    }
    ASSERT_TRUE(Exec(kScroll, "Rect", "1"));
    host.ClearRecords();
    EXPECT_TRUE(Exec(kScroll, "Rect", "1")); // already scrolling: nothing changes
    EXPECT_TRUE(host.timerCalls.empty());
    EXPECT_TRUE(host.killTimerCalls.empty());
}

TEST_P(DisplayActionsTest, RefusedTimerIsReportedAndALaterDelayStartsIt) {
    ASSERT_TRUE(Exec(kCreate, "Rect", ""));
    host.FailTimers(1);
    EXPECT_FALSE(Exec(kScroll, "Rect", "1"));
    EXPECT_EQ(DisplayError(), "Not enough timers available");
    ASSERT_EQ(host.timerCalls.size(), 1u);
    EXPECT_FALSE(host.timerCalls[0].granted);

    host.FailTimers(1);
    EXPECT_FALSE(Exec(kScrollDelay, "Rect", "30")); // scrolling kept its new value
    EXPECT_EQ(DisplayError(), "Not enough timers available");

    host.ClearRecords();
    EXPECT_TRUE(Exec(kScrollDelay, "Rect", "40"));
    ASSERT_EQ(host.timerCalls.size(), 1u);
    EXPECT_TRUE(host.timerCalls[0].granted);
    EXPECT_EQ(host.timerCalls[0].interval, 40u);
}

TEST_P(DisplayActionsTest, RefusedWindowCreationListsNothing) {
    host.FailWindowCreations(1);
    EXPECT_FALSE(Exec(kCreate, "Rect", "[V]"));
    EXPECT_NE(LastError().find("Cannot create the display window"), std::string::npos)
        << LastError();
    EXPECT_EQ(::GetWindow(rect, GW_CHILD), nullptr);
    EXPECT_FALSE(Exec(kSetText, "Rect", "x"));
    EXPECT_TRUE(Exec(kCreate, "Rect", "[V]"));
}

INSTANTIATE_TEST_SUITE_P(Editions, DisplayActionsTest, testing::ValuesIn(kBothEditions),
                         EditionName);

} // namespace
} // namespace display_tests
