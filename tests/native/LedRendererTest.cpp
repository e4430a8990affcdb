#include "ledcomponent/LedRenderer.h"

#include <gtest/gtest.h>

#include <vector>

namespace glimmerbox::led {
namespace {

class LedRendererTest : public testing::Test {
protected:
    LedRendererTest() {
        model.SetBorderOuter(LedFrameStyle::None);
        model.SetClientSize(kWidth, kHeight);
    }
    void Render() { RenderLed(model, PixelView{pixels.data(), kWidth, kHeight, kWidth}); }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * kWidth + x)]; }
    // The top-left pixel of a dot.
    uint32_t Dot(int column, int row) const {
        const LedGeometry& g = model.Geometry();
        return At(g.ContentLeft() + column * g.pitch, g.top + row * g.pitch);
    }

    static constexpr int kWidth = 239;
    static constexpr int kHeight = 27;
    LedDisplayModel model{1252};
    std::vector<uint32_t> pixels = std::vector<uint32_t>(kWidth * kHeight, 0xDEADBEEF);
};

TEST_F(LedRendererTest, LitUnlitAndBackgroundColours) {
    model.SetCaption("I");
    model.SetSegOnColor(0x0000FF); // red
    model.SetSegOffColor(0x102030);
    model.SetBackColor(0x405060);
    Render();
    const uint32_t on = 0xFF0000, off = 0x302010, back = 0x605040;

    EXPECT_EQ(Dot(2, 0), on); // the stem of I
    EXPECT_EQ(Dot(2, 3), on);
    EXPECT_EQ(Dot(0, 3), off);
    EXPECT_EQ(Dot(5, 0), off);  // spacing column
    EXPECT_EQ(Dot(50, 6), off); // no character there: unlit dots
    EXPECT_EQ(At(2, 0), back);  // above the centred rows
    EXPECT_EQ(At(2, kHeight - 1), back);
    EXPECT_EQ(At(2, 5), back); // the gap between two rows
}

TEST_F(LedRendererTest, WholeWidthIsFilledUpToAPartialCellAtTheRight) {
    Render();
    const LedGeometry& g = model.Geometry();
    const int lastColumnX = (g.visibleColumns - 1) * g.pitch;
    ASSERT_LT(lastColumnX, kWidth);
    EXPECT_EQ(At(lastColumnX, g.top), PixelOf(model.SegOffColor()));
    for (uint32_t pixel : pixels)
        EXPECT_NE(pixel, 0xDEADBEEFu);
}

TEST_F(LedRendererTest, ScrolledCaptionIsDrawnWhereItStands) {
    model.SetCaption("I");
    model.SetScrolling(true);
    for (int i = 0; i < 3; ++i)
        model.Tick();
    Render();
    const int visible = model.Geometry().visibleColumns;
    // After three ticks the first three columns of I have entered.
    EXPECT_EQ(Dot(visible - 1, 0), PixelOf(model.SegOnColor())); // column 2: the stem
    EXPECT_EQ(Dot(visible - 3, 3), PixelOf(model.SegOffColor()));
    EXPECT_EQ(Dot(0, 0), PixelOf(model.SegOffColor()));
}

TEST_F(LedRendererTest, DefaultFrameIsDrawnAroundTheDots) {
    model.SetBorderOuter(LedFrameStyle::Status);
    Render();
    EXPECT_EQ(At(0, 0), 0x808080u);
    EXPECT_EQ(At(kWidth - 1, kHeight - 1), 0xFFFFFFu);
    EXPECT_EQ(At(kWidth / 2, 1), PixelOf(model.BackColor()));
}

} // namespace
} // namespace glimmerbox::led
