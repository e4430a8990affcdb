// The LED display control linked directly (no plug-in): painting, the scroll
// timer and its failure, and a control whose window is gone.
#include "StandInHost.h"
#include "ledcomponent/LedDisplayControl.h"
#include "platform/Exceptions.h"
#include "support/PixelCapture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using glimmerbox::led::LedAlign;
using glimmerbox::led::LedDisplay;
using glimmerbox::led::LedFrameStyle;
using testing_support::CaptureClient;
using testing_support::PixelOfColour;

struct TimerRequest {
    HWND window;
    UINT_PTR id;
    UINT interval;
};

std::vector<TimerRequest> timerRequests;
bool refuseTimers = false;

UINT_PTR WINAPI RecordingSetTimer(HWND window, UINT_PTR id, UINT interval, TIMERPROC proc) {
    timerRequests.push_back({window, id, interval});
    return refuseTimers ? 0 : ::SetTimer(window, id, interval, proc);
}

void Pump(DWORD milliseconds) {
    standin::StandInHost::PumpMessages(milliseconds);
}

// One visible parent for the whole suite: mapping a top-level window takes
// seconds under Wine without a window manager.
class DisplayControlTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 239, 27, nullptr,
                                   nullptr, nullptr, nullptr);
    }
    static void TearDownTestSuite() { ::DestroyWindow(parent); }

    void SetUp() override {
        ASSERT_NE(parent, nullptr);
        ::SetWindowPos(parent, nullptr, 0, 0, 239, 27, SWP_NOZORDER | SWP_NOMOVE);
        timerRequests.clear();
        refuseTimers = false;
        glimmerbox::led::SetLedTimerFunction(&RecordingSetTimer);
        display = LedDisplay::Create(::GetModuleHandleW(nullptr), parent, WS_CHILD | WS_VISIBLE, 0,
                                     0, 10, 10);
        display.SetBorderOuter(LedFrameStyle::None);
        display.SetAlign(LedAlign::Client);
        Pump(50);
    }
    void TearDown() override {
        ::DestroyWindow(display.Window());
        glimmerbox::led::SetLedTimerFunction(nullptr);
    }
    int64_t Position() const { return display.Model()->CaptionPosition(); }

    static inline HWND parent = nullptr;
    LedDisplay display;
};

TEST_F(DisplayControlTest, AlignClientFillsTheParent) {
    RECT client{};
    ::GetClientRect(display.Window(), &client);
    EXPECT_EQ(client.right, 239);
    EXPECT_EQ(client.bottom, 27);
    ::SetWindowPos(parent, nullptr, 0, 0, 300, 40, SWP_NOZORDER | SWP_NOMOVE);
    display.Realign();
    ::GetClientRect(display.Window(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 40);
}

TEST_F(DisplayControlTest, PaintsExactlyTheThreeColoursItIsGiven) {
    display.SetCaption("L");
    display.SetSegOnColor(RGB(10, 20, 30));
    display.SetSegOffColor(RGB(40, 50, 60));
    display.SetBackColor(RGB(70, 80, 90));
    const auto capture = CaptureClient(display.Window());
    ASSERT_EQ(capture.width, 239);
    const std::set<uint32_t> expected = {PixelOfColour(RGB(10, 20, 30)),
                                         PixelOfColour(RGB(40, 50, 60)),
                                         PixelOfColour(RGB(70, 80, 90))};
    EXPECT_EQ(capture.Colours(), expected);
    // 27 px high: dots of 2 px every 3 px, rows centred from y = 3.
    EXPECT_EQ(capture.At(0, 3), PixelOfColour(RGB(10, 20, 30))); // stem of L
    EXPECT_EQ(capture.At(3, 3), PixelOfColour(RGB(40, 50, 60))); // unlit
    EXPECT_EQ(capture.At(0, 0), PixelOfColour(RGB(70, 80, 90))); // above the rows
}

TEST_F(DisplayControlTest, TimerRunsExactlyWhileScrollingWithADelay) {
    display.SetCaption("HELLO");
    display.SetScrolling(true);
    ASSERT_EQ(timerRequests.size(), 1u);
    EXPECT_EQ(timerRequests[0].window, display.Window());
    EXPECT_EQ(timerRequests[0].id, glimmerbox::led::kScrollTimerId);
    EXPECT_EQ(timerRequests[0].interval, 100u);

    display.SetScrollDelay(10);
    ASSERT_EQ(timerRequests.size(), 2u);
    EXPECT_EQ(timerRequests[1].interval, 10u);
    const int64_t start = Position();
    Pump(300);
    const int64_t moved = Position();
    EXPECT_LT(moved, start - 3); // ticks arrived (a range: timers are not exact)

    display.SetScrollDelay(0); // freezes mid-pass, scrolling stays on
    Pump(30);
    const int64_t frozen = Position();
    Pump(200);
    EXPECT_EQ(Position(), frozen);
    EXPECT_TRUE(display.Model()->Scrolling());
    EXPECT_EQ(timerRequests.size(), 2u);

    display.SetScrolling(false); // back to the left edge at once
    EXPECT_EQ(Position(), 0);
    display.SetScrollDelay(20); // not scrolling: no timer
    EXPECT_EQ(timerRequests.size(), 2u);
}

TEST_F(DisplayControlTest, RefusedTimerThrowsKeepsTheValueAndDoesNotRedraw) {
    refuseTimers = true;
    const unsigned paints = display.PaintCount();
    try {
        display.SetScrolling(true);
        FAIL() << "no exception";
    } catch (const glimmerbox::EOutOfResources& e) {
        EXPECT_EQ(e.Message(), "Not enough timers available");
    }
    EXPECT_TRUE(display.Model()->Scrolling());
    EXPECT_EQ(display.PaintCount(), paints);

    refuseTimers = false;
    display.SetScrollDelay(50); // a later change starts the timer
    EXPECT_EQ(timerRequests.back().interval, 50u);
    EXPECT_TRUE(display.Model()->TimerWanted());
}

TEST_F(DisplayControlTest, EqualValuesNeitherRedrawNorTouchTheTimer) {
    display.SetCaption("SAME");
    display.SetScrolling(true);
    const size_t timers = timerRequests.size();
    const unsigned paints = display.PaintCount();
    display.SetCaption("SAME");
    display.SetScrolling(true);
    display.SetScrollDelay(100);
    display.SetSegOnColor(RGB(0, 255, 0));
    EXPECT_EQ(display.PaintCount(), paints);
    EXPECT_EQ(timerRequests.size(), timers);

    display.SetCaption("OTHER"); // a change redraws at once
    EXPECT_GT(display.PaintCount(), paints);
}

TEST_F(DisplayControlTest, HandleOfADestroyedWindowIsInert) {
    display.SetScrolling(true);
    ::DestroyWindow(display.Window());
    EXPECT_EQ(display.Model(), nullptr);
    EXPECT_NO_THROW(display.SetCaption("AFTER"));
    EXPECT_NO_THROW(display.SetScrolling(false));
    EXPECT_NO_THROW(display.SetScrollDelay(5));
    EXPECT_NO_THROW(display.Realign());
    Pump(50);
}

} // namespace
