#include "ledcomponent/LedModel.h"

#include <gtest/gtest.h>

#include <climits>

#include <functional>
#include <string>

namespace glimmerbox::led {
namespace {

// The component as the plug-in lays it out: no frame, 239 x 27 pixels.
class LedModelTest : public testing::Test {
protected:
    LedModelTest() {
        model.SetBorderOuter(LedFrameStyle::None);
        model.SetClientSize(239, 27);
    }
    int Visible() const { return model.Geometry().visibleColumns; }
    void Tick(int64_t times) {
        for (int64_t i = 0; i < times; ++i)
            model.Tick();
    }

    LedDisplayModel model{1252};
};

TEST(LedModelDefaultsTest, ComponentDefaults) {
    const LedDisplayModel m(1252);
    EXPECT_EQ(m.Caption(), "");
    EXPECT_EQ(m.SegOnColor(), 65280u);
    EXPECT_EQ(m.SegOffColor(), 13056u);
    EXPECT_EQ(m.BackColor(), 0u);
    EXPECT_EQ(m.Alignment(), LedAlignment::LeftJustify);
    EXPECT_FALSE(m.Scrolling());
    EXPECT_EQ(m.ScrollType(), LedScrollType::RightToLeft);
    EXPECT_EQ(m.ScrollDelay(), 100);
    EXPECT_EQ(m.BorderOuter(), LedFrameStyle::Status);
    EXPECT_EQ(m.Align(), LedAlign::None);
    EXPECT_EQ(m.Geometry().clientWidth, 100);
    EXPECT_EQ(m.Geometry().clientHeight, 30);
    EXPECT_FALSE(m.TimerWanted());
}

TEST(LedGeometryTest, DotsScaleWithTheHeightAndAreCentredVertically) {
    struct Case {
        int width, height;
        LedFrameStyle frame;
        int pitch, dotSize, top, visibleColumns;
    };
    const Case cases[] = {
        {239, 27, LedFrameStyle::None, 3, 2, 3, 80},   // 7 rows of 3 px minus the last gap = 20 px
        {239, 70, LedFrameStyle::None, 10, 9, 0, 24},  // 69 px of dots in 70
        {100, 30, LedFrameStyle::Status, 4, 3, 1, 25}, // 1 px frame on each side
        {10, 7, LedFrameStyle::None, 1, 1, 0, 10},
        {10, 3, LedFrameStyle::None, 1, 1, -2, 10}, // too low: rows cut off above and below
        {0, 0, LedFrameStyle::None, 1, 1, -3, 0},
        // The largest client area: no arithmetic may overflow.
        {INT_MAX, INT_MAX, LedFrameStyle::None, 306783378, 255652815, 25565282, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const LedGeometry g = ComputeGeometry(c.width, c.height, c.frame);
        EXPECT_EQ(g.pitch, c.pitch);
        EXPECT_EQ(g.dotSize, c.dotSize);
        EXPECT_EQ(g.top, c.top);
        EXPECT_EQ(g.visibleColumns, c.visibleColumns);
    }
}

TEST_F(LedModelTest, CellsAreFiveDotsAndOneBlankColumn) {
    model.SetCaption("HI");
    const Glyph& h = model.Font()['H'];
    const Glyph& i = model.Font()['I'];
    auto columnOf = [](const Glyph& g, int column) {
        uint8_t dots = 0;
        for (int row = 0; row < kGlyphRows; ++row)
            if (g.Lit(column, row))
                dots = static_cast<uint8_t>(dots | (1u << row));
        return dots;
    };
    for (int column = 0; column < kGlyphColumns; ++column) {
        EXPECT_EQ(model.ColumnDots(column), columnOf(h, column));
        EXPECT_EQ(model.ColumnDots(kCellColumns + column), columnOf(i, column));
    }
    EXPECT_EQ(model.ColumnDots(5), 0);
    EXPECT_EQ(model.ColumnDots(11), 0);
    EXPECT_EQ(model.ColumnDots(12), 0); // past the caption: unlit
    EXPECT_EQ(model.CaptionPosition(), 0);
}

TEST_F(LedModelTest, ScrollingStartsAtTheRightEdgeAndMovesOneColumnPerTick) {
    model.SetCaption("HI");
    EXPECT_EQ(model.SetScrolling(true), kRedraw | kTimerChange);
    EXPECT_TRUE(model.TimerWanted());
    EXPECT_EQ(model.CaptionPosition(), Visible());
    for (int column = 0; column < Visible(); ++column)
        EXPECT_EQ(model.ColumnDots(column), 0);

    model.Tick();
    EXPECT_EQ(model.CaptionPosition(), Visible() - 1);
    EXPECT_NE(model.ColumnDots(Visible() - 1), 0); // first column of H
}

TEST_F(LedModelTest, CaptionWrapsOnceItHasLeftTheLeftEdge) {
    model.SetCaption("HI"); // 12 dot columns
    model.SetScrolling(true);
    Tick(Visible() + 11);
    EXPECT_EQ(model.CaptionPosition(), -11); // last (blank) column still in
    model.Tick();
    EXPECT_EQ(model.CaptionPosition(), Visible()); // started again from the right
    model.Tick();
    EXPECT_EQ(model.CaptionPosition(), Visible() - 1);
}

TEST_F(LedModelTest, DelayZeroFreezesMidPassAndALaterDelayMovesOn) {
    model.SetCaption("HELLO");
    model.SetScrolling(true);
    Tick(30);
    const int64_t frozen = model.CaptionPosition();

    EXPECT_EQ(model.SetScrollDelay(0), kTimerChange); // no redraw
    EXPECT_FALSE(model.TimerWanted());
    EXPECT_TRUE(model.Scrolling());
    EXPECT_EQ(model.CaptionPosition(), frozen);

    EXPECT_EQ(model.SetScrollDelay(250), kTimerChange);
    EXPECT_TRUE(model.TimerWanted());
    model.Tick();
    EXPECT_EQ(model.CaptionPosition(), frozen - 1);
}

TEST_F(LedModelTest, ScrollingOnWithDelayZeroStaysAtTheRightEdge) {
    model.SetCaption("HELLO");
    model.SetScrollDelay(0);
    model.SetScrolling(true);
    EXPECT_FALSE(model.TimerWanted());
    EXPECT_EQ(model.CaptionPosition(), Visible());
}

TEST_F(LedModelTest, ScrollingOffReturnsToTheLeftAndOnStartsAgainFromTheRight) {
    model.SetCaption("HELLO");
    model.SetScrolling(true);
    Tick(17);
    EXPECT_EQ(model.SetScrolling(false), kRedraw | kTimerChange);
    EXPECT_FALSE(model.TimerWanted());
    EXPECT_EQ(model.CaptionPosition(), 0);
    model.Tick(); // a late tick moves nothing
    EXPECT_EQ(model.CaptionPosition(), 0);

    model.SetScrolling(true);
    EXPECT_EQ(model.CaptionPosition(), Visible());
}

TEST_F(LedModelTest, NewCaptionGoesOnFromTheCurrentPosition) {
    model.SetCaption("HELLO");
    model.SetScrolling(true);
    Tick(40);
    const int64_t position = model.CaptionPosition();
    EXPECT_EQ(model.SetCaption("WORLD, AGAIN"), kRedraw);
    EXPECT_EQ(model.CaptionPosition(), position);
    EXPECT_EQ(model.Caption(), "WORLD, AGAIN");
}

TEST_F(LedModelTest, SettingTheValueAPropertyHasChangesNothing) {
    model.SetCaption("SAME");
    model.SetScrolling(true);
    Tick(5);
    const int64_t position = model.CaptionPosition();
    const std::function<unsigned()> sameValue[] = {
        [&] { return model.SetCaption("SAME"); },
        [&] { return model.SetSegOnColor(LedDisplayModel::kDefaultSegOnColor); },
        [&] { return model.SetSegOffColor(LedDisplayModel::kDefaultSegOffColor); },
        [&] { return model.SetBackColor(LedDisplayModel::kDefaultBackColor); },
        [&] { return model.SetAlignment(LedAlignment::LeftJustify); },
        [&] { return model.SetScrolling(true); },
        [&] { return model.SetScrollType(LedScrollType::RightToLeft); },
        [&] { return model.SetScrollDelay(100); },
        [&] { return model.SetBorderOuter(LedFrameStyle::None); },
        [&] { return model.SetClientSize(239, 27); },
    };
    for (size_t i = 0; i < std::size(sameValue); ++i) {
        EXPECT_EQ(sameValue[i](), kNoEffect) << "setter " << i;
        EXPECT_EQ(model.CaptionPosition(), position) << "setter " << i;
    }
    EXPECT_EQ(model.SetSegOnColor(0x0000FF), kRedraw);
}

TEST_F(LedModelTest, MillionByteCaptionScrollsByPosition) {
    const std::string caption(1'000'000, 'X');
    model.SetCaption(caption);
    model.SetScrolling(true);
    Tick(Visible() + 3);
    EXPECT_EQ(model.CaptionPosition(), -3);
    EXPECT_EQ(model.ColumnDots(0), model.ColumnDots(6)); // columns 3 of two X cells
    EXPECT_EQ(model.ColumnDots(2), 0);                   // the blank column of the first cell
}

TEST_F(LedModelTest, OtherAlignmentsAndScrollTypes) {
    model.SetCaption("AB"); // 12 columns
    model.SetAlignment(LedAlignment::RightJustify);
    EXPECT_EQ(model.CaptionPosition(), Visible() - 12);
    model.SetAlignment(LedAlignment::Center);
    EXPECT_EQ(model.CaptionPosition(), (Visible() - 12) / 2);

    model.SetScrollType(LedScrollType::LeftToRight);
    model.SetScrolling(true);
    EXPECT_EQ(model.CaptionPosition(), -12);
    Tick(12 + Visible() - 1);
    EXPECT_EQ(model.CaptionPosition(), Visible() - 1);
    model.Tick();
    EXPECT_EQ(model.CaptionPosition(), -12);

    model.SetScrollType(LedScrollType::None); // scrolling stays on, nothing moves
    EXPECT_FALSE(model.TimerWanted());
    EXPECT_EQ(model.CaptionPosition(), (Visible() - 12) / 2);
}

} // namespace
} // namespace glimmerbox::led
