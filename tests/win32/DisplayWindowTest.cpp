// The display windows of the real DLLs: placement, what they draw, scrolling
// on their timers, object windows the host destroys, and unloading.
#include "DisplayFixture.h"

#include <gtest/gtest.h>

namespace display_tests {
namespace {

using standin::StandInHost;
using testing_support::Capture;
using testing_support::CaptureClient;
using testing_support::PixelOfColour;

class DisplayWindowTest : public DisplayFixture {};

TEST_P(DisplayWindowTest, DisplayCoversTheObjectsClientAreaAboveItsOtherChildren) {
    host.ShowHostWindow(640, 480);
    HWND object = host.AddObject("Big", 20, 60, 300, 50);
    HWND sibling = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 5, 5, 50, 20, object,
                                     nullptr, nullptr, nullptr);
    ASSERT_NE(sibling, nullptr);
    RECT objectClient{};
    ::GetClientRect(object, &objectClient);

    ASSERT_TRUE(Exec(kCreate, "Big", "[V]"));
    const HWND form = Form(object);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(::GetParent(form), object);
    const LONG style = ::GetWindowLongW(form, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
    EXPECT_TRUE(::IsWindowVisible(form));
    EXPECT_EQ(::GetWindow(object, GW_CHILD), form); // top of the siblings

    RECT frame{};
    ::GetWindowRect(form, &frame);
    ::MapWindowPoints(nullptr, object, reinterpret_cast<POINT*>(&frame), 2);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);
    EXPECT_EQ(frame.right, objectClient.right);
    EXPECT_EQ(frame.bottom, objectClient.bottom);

    RECT led{}; // the component fills the form
    ::GetClientRect(Led(object), &led);
    EXPECT_EQ(led.right, objectClient.right);
    EXPECT_EQ(led.bottom, objectClient.bottom);

    // Sized once: a later resize of the object is not followed.
    ::SetWindowPos(object, nullptr, 0, 0, 400, 80, SWP_NOMOVE | SWP_NOZORDER);
    ::GetWindowRect(form, &frame);
    EXPECT_EQ(frame.right - frame.left, objectClient.right);
    EXPECT_EQ(frame.bottom - frame.top, objectClient.bottom);
}

TEST_P(DisplayWindowTest, DrawsTheCaptionInTheThreeDefaultColours) {
    ASSERT_TRUE(Exec(kCreate, "Rect", ""));
    const Capture initial = CaptureClient(Led(rect));
    ASSERT_EQ(initial.width, 239);
    ASSERT_EQ(initial.height, 27);
    const std::set<uint32_t> defaults = {PixelOfColour(RGB(0, 255, 0)),
                                         PixelOfColour(RGB(0, 51, 0)), 0u};
    EXPECT_EQ(initial.Colours(), defaults);
    EXPECT_EQ(initial.At(0, 3), PixelOfColour(RGB(0, 255, 0))); // L of "LED DISPLAY"
    EXPECT_EQ(initial.At(3, 3), PixelOfColour(RGB(0, 51, 0)));
    EXPECT_EQ(initial.At(0, 0), 0u);
    // The right part of the width shows unlit dots only.
    for (int x = 200; x < 239; ++x)
        EXPECT_NE(initial.At(x, 3), PixelOfColour(RGB(0, 255, 0))) << x;

    ASSERT_TRUE(Exec(kSetText, "Rect", ""));
    EXPECT_EQ(CaptureClient(Led(rect)).At(0, 3), PixelOfColour(RGB(0, 51, 0)));
    ASSERT_TRUE(Exec(kSetText, "Rect", "LED DISPLAY"));
    EXPECT_EQ(CaptureClient(Led(rect)), initial);
}

TEST_P(DisplayWindowTest, ScrollsOnItsTimerFreezesAndReturnsToTheLeft) {
    ASSERT_TRUE(Exec(kCreate, "Rect", ""));
    const Capture initial = CaptureClient(Led(rect));
    ASSERT_TRUE(Exec(kScrollDelay, "Rect", "10"));
    ASSERT_TRUE(Exec(kScroll, "Rect", "1"));
    const Capture atStart = CaptureClient(Led(rect));
    EXPECT_NE(atStart, initial); // starts at the right edge: nothing lit at first
    EXPECT_EQ(atStart.Colours().count(PixelOfColour(RGB(0, 255, 0))), 0u);

    StandInHost::PumpMessages(400);
    const Capture moving = CaptureClient(Led(rect));
    EXPECT_EQ(moving.Colours().count(PixelOfColour(RGB(0, 255, 0))), 1u);

    ASSERT_TRUE(Exec(kScrollDelay, "Rect", "0"));
    StandInHost::PumpMessages(30);
    const Capture frozen = CaptureClient(Led(rect));
    StandInHost::PumpMessages(200);
    EXPECT_EQ(CaptureClient(Led(rect)), frozen);

    ASSERT_TRUE(Exec(kScroll, "Rect", "0"));
    EXPECT_EQ(CaptureClient(Led(rect)), initial);
}

TEST_P(DisplayWindowTest, BytesAboveAsciiFollowTheSystemCodePage) {
    ASSERT_TRUE(Exec(kCreate, "Rect", ""));
    auto render = [&](const std::string& text) {
        EXPECT_TRUE(Exec(kSetText, "Rect", text));
        return CaptureClient(Led(rect));
    };
    const Capture latinA = render("A");
    const Capture byteC0 = render("\xC0"); // Cyrillic A on 1251, A grave on 1252
    const Capture unassigned = render(::GetACP() == 1251 ? "\x98" : "\x81");
    EXPECT_EQ(byteC0 == latinA, ::GetACP() == 1251) << "code page " << ::GetACP();
    if (::GetACP() == 1251 || ::GetACP() == 1252) {
        EXPECT_NE(byteC0, unassigned);
    }
    const Capture blank = render(" ");
    EXPECT_EQ(render(std::string("\x01\x1F\x7F", 3)), render("   ")); // control bytes show nothing
    EXPECT_EQ(render(std::string(1, '\0')), blank);
}

TEST_P(DisplayWindowTest, DisplayOfADestroyedObjectWindowAnswersQuietly) {
    ASSERT_TRUE(Exec(kCreate, "Rect", "[V]"));
    ASSERT_TRUE(Exec(kScrollDelay, "Rect", "10"));
    ASSERT_TRUE(Exec(kScroll, "Rect", "1"));
    const HWND form = Form(rect);
    host.DestroyObject("Rect");
    EXPECT_FALSE(::IsWindow(form));
    StandInHost::PumpMessages(100);

    host.SetVariableValue("[GlimmerboxLastError]", "");
    EXPECT_TRUE(Exec(kSetText, "Rect", "nobody sees this"));
    EXPECT_TRUE(Exec(kFontColor, "Rect", "255000000"));
    EXPECT_TRUE(Exec(kScroll, "Rect", "0"));
    EXPECT_TRUE(Exec(kScroll, "Rect", "1"));
    EXPECT_TRUE(Exec(kScrollDelay, "Rect", "20"));
    EXPECT_EQ(DisplayError(), "");
    StandInHost::PumpMessages(100);

    // A new object of the same name: the stale display is replaced.
    rect = host.AddObject("Rect", 10, 10, 239, 27);
    host.ClearRecords();
    ASSERT_TRUE(Exec(kCreate, "Rect", "[W]"));
    ASSERT_EQ(host.setVariableCalls.size(), 1u);
    EXPECT_EQ(host.setVariableCalls[0].name, "[V]");
    EXPECT_NE(Form(rect), nullptr);

    host.DestroyObject("Rect");
    host.Message(2);
    EXPECT_FALSE(Exec(kSetText, "Rect", "x"));
}

TEST_P(DisplayWindowTest, UnloadingDestroysScrollingDisplays) {
    const HWND other = host.AddObject("Other", 10, 60, 120, 30);
    ASSERT_TRUE(Exec(kCreate, "Rect", "[A]"));
    ASSERT_TRUE(Exec(kCreate, "Other", "[B]"));
    for (const char* name : {"Rect", "Other"}) {
        ASSERT_TRUE(Exec(kScrollDelay, name, "10"));
        ASSERT_TRUE(Exec(kScroll, name, "1"));
    }
    StandInHost::PumpMessages(100);
    const HWND forms[] = {Form(rect), Form(other)};
    const HWND leds[] = {Led(rect), Led(other)};
    host.ClearRecords();

    host.Unload();
    for (HWND window : {forms[0], forms[1], leds[0], leds[1]})
        EXPECT_FALSE(::IsWindow(window));
    EXPECT_TRUE(host.setVariableCalls.empty());
    EXPECT_TRUE(::IsWindow(rect));
    StandInHost::PumpMessages(300); // pending ticks must not reach unmapped code
    ::InvalidateRect(rect, nullptr, TRUE);
    ::UpdateWindow(rect);
}

TEST_P(DisplayWindowTest, UnloadingWithoutDisplaysAndReloadingWorks) {
    ASSERT_TRUE(Exec(kCreate, "Rect", ""));
    host.Message(2);
    host.Unload();
    StandInHost::PumpMessages(50);
}

INSTANTIATE_TEST_SUITE_P(Editions, DisplayWindowTest, testing::ValuesIn(kBothEditions),
                         EditionName);

} // namespace
} // namespace display_tests
