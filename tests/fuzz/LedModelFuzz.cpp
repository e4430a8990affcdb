// Drives the LED component's model with random captions, sizes, settings and
// ticks, and checks after every step what the display must never break:
//  - the scroll position moves one dot column per tick and stays within its
//    pass (it restarts at the edge once the caption has left the area);
//  - only dots of the font's patterns for the caption's bytes are lit, both
//    in the model's columns and in the rendered pixels;
//  - rendering writes nothing outside the client area;
//  - setting a property to the value it has changes nothing;
//  - the timer is wanted exactly while the caption should move.
// Sanitizers catch out-of-range reads and undefined arithmetic on the way.
#include "ledcomponent/LedModel.h"
#include "ledcomponent/LedRenderer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace glimmerbox::led;

#define REQUIRE(condition)                                                                         \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "LED model check failed: %s (line %d)\n", #condition, __LINE__);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

constexpr int kMaxRenderWidth = 320;
constexpr int kMaxRenderHeight = 80;

class Harness {
public:
    explicit Harness(uint32_t codePage) : model_(codePage), font_(LedFont::ForCodePage(codePage)) {}

    void Step(FuzzedDataProvider& data) {
        switch (data.ConsumeIntegralInRange(0, 12)) {
        case 0:
            SetCaption(data.ConsumeRandomLengthString(2048));
            break;
        case 1:
            SetCaption(std::string(model_.Caption()));
            break;
        case 2:
            Set(&LedDisplayModel::SetSegOnColor, data.ConsumeIntegral<uint32_t>());
            break;
        case 3:
            Set(&LedDisplayModel::SetSegOffColor, data.ConsumeIntegral<uint32_t>());
            break;
        case 4:
            Set(&LedDisplayModel::SetBackColor, data.ConsumeIntegral<uint32_t>());
            break;
        case 5:
            Set(&LedDisplayModel::SetAlignment,
                static_cast<LedAlignment>(data.ConsumeIntegralInRange(0, 2)));
            break;
        case 6:
            SetScrolling(data.ConsumeBool());
            break;
        case 7:
            SetScrollType(static_cast<LedScrollType>(data.ConsumeIntegralInRange(0, 2)));
            break;
        case 8:
            Set(&LedDisplayModel::SetScrollDelay, data.ConsumeIntegral<uint16_t>());
            break;
        case 9:
            Resize(static_cast<LedFrameStyle>(data.ConsumeIntegralInRange(0, 4)),
                   data.ConsumeIntegralInRange(-20, kMaxRenderWidth),
                   data.ConsumeIntegralInRange(-20, kMaxRenderHeight));
            break;
        case 10:
            Resize(model_.BorderOuter(), data.ConsumeIntegral<int>(), data.ConsumeIntegral<int>());
            break;
        case 11:
            Ticks(data.ConsumeIntegralInRange(1, 1500));
            break;
        case 12:
            Render();
            break;
        }
        CheckState();
    }

private:
    bool Moving() const { return model_.Scrolling() && model_.ScrollType() != LedScrollType::None; }
    int64_t CaptionColumns() const {
        return static_cast<int64_t>(model_.Caption().size()) * kCellColumns;
    }
    int Visible() const { return model_.Geometry().visibleColumns; }

    // A setter applied twice: the second call must find nothing to do. Only
    // the scroll settings may move a scrolling caption.
    template <typename Value>
    unsigned Set(unsigned (LedDisplayModel::*setter)(Value), Value value,
                 bool keepsPosition = true) {
        const int64_t before = model_.CaptionPosition();
        const bool scrolling = Moving();
        const unsigned effect = (model_.*setter)(value);
        REQUIRE((model_.*setter)(value) == kNoEffect);
        if (keepsPosition && scrolling && Moving())
            REQUIRE(model_.CaptionPosition() == before);
        return effect;
    }

    void SetCaption(const std::string& caption) {
        const bool same = caption == model_.Caption();
        const int64_t before = model_.CaptionPosition();
        const bool moving = Moving();
        REQUIRE((model_.SetCaption(caption) == kNoEffect) == same);
        REQUIRE(model_.SetCaption(caption) == kNoEffect);
        REQUIRE(model_.Caption() == caption);
        if (moving) {
            REQUIRE(model_.CaptionPosition() == before); // goes on from where the old one stood
            passClean_ = same && passClean_;
        }
    }

    void SetScrolling(bool on) {
        const bool was = model_.Scrolling();
        const unsigned effect = Set(&LedDisplayModel::SetScrolling, on, false);
        REQUIRE((effect != kNoEffect) == (was != on));
        if (was != on)
            RestartPass();
    }

    void SetScrollType(LedScrollType type) {
        const bool changed = type != model_.ScrollType();
        Set(&LedDisplayModel::SetScrollType, type, false);
        if (changed)
            RestartPass();
    }

    void RestartPass() {
        passClean_ = true;
        if (!Moving())
            return;
        if (model_.ScrollType() == LedScrollType::RightToLeft)
            REQUIRE(model_.CaptionPosition() == Visible()); // starts at the right edge
        else
            REQUIRE(model_.CaptionPosition() == -CaptionColumns());
    }

    void Resize(LedFrameStyle frame, int width, int height) {
        const int visible = Visible();
        model_.SetBorderOuter(frame);
        REQUIRE(model_.SetBorderOuter(frame) == kNoEffect);
        model_.SetClientSize(width, height);
        if (width >= 0 && height >= 0) // a window's client size is never negative
            REQUIRE(model_.SetClientSize(width, height) == kNoEffect);
        if (Visible() != visible)
            passClean_ = false;
    }

    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            const int64_t before = model_.CaptionPosition();
            model_.Tick();
            const int64_t after = model_.CaptionPosition();
            if (!Moving()) {
                REQUIRE(after == before);
                continue;
            }
            if (model_.ScrollType() == LedScrollType::RightToLeft) {
                const bool wrapped = before - 1 + CaptionColumns() <= 0;
                REQUIRE(after == (wrapped ? Visible() : before - 1));
            } else {
                const bool wrapped = before + 1 >= Visible();
                REQUIRE(after == (wrapped ? -CaptionColumns() : before + 1));
            }
            if (after == Visible() || after == -CaptionColumns())
                passClean_ = true; // a new pass from the edge
            if (passClean_)
                REQUIRE(after >= -CaptionColumns() && after <= Visible());
        }
    }

    // The dots of a visible column, worked out from the font directly.
    uint8_t ExpectedDots(int column) const {
        const int64_t offset = column - model_.CaptionPosition();
        if (offset < 0 || offset >= CaptionColumns() || offset % kCellColumns >= kGlyphColumns)
            return 0;
        const auto byte =
            static_cast<uint8_t>(model_.Caption()[static_cast<size_t>(offset / kCellColumns)]);
        uint8_t dots = 0;
        for (int row = 0; row < kGlyphRows; ++row)
            if (font_[byte].Lit(static_cast<int>(offset % kCellColumns), row))
                dots = static_cast<uint8_t>(dots | (1u << row));
        return dots;
    }

    void CheckState() const {
        const LedGeometry& g = model_.Geometry();
        REQUIRE(g.clientWidth >= 0 && g.clientHeight >= 0);
        REQUIRE(g.pitch >= 1 && g.dotSize >= 1 && g.dotSize <= g.pitch);
        REQUIRE(g.visibleColumns >= 0);
        REQUIRE(model_.TimerWanted() == (Moving() && model_.ScrollDelay() != 0));
        if (!Moving() && model_.Alignment() == LedAlignment::LeftJustify)
            REQUIRE(model_.CaptionPosition() == 0);
        if (g.visibleColumns > kMaxRenderWidth)
            return; // huge areas: the geometry above is what matters
        for (int column = 0; column < g.visibleColumns; ++column)
            REQUIRE(model_.ColumnDots(column) == ExpectedDots(column));
        for (int column : {-1, g.visibleColumns, std::numeric_limits<int>::min(),
                           std::numeric_limits<int>::max()})
            (void)model_.ColumnDots(column); // outside the area: must not read outside the caption
    }

    void Render() const {
        const LedGeometry& g = model_.Geometry();
        if (g.clientWidth > kMaxRenderWidth || g.clientHeight > kMaxRenderHeight)
            return;
        constexpr int kMargin = 3;
        constexpr uint32_t kCanary = 0xA5C3E1u;
        const int stride = g.clientWidth + 2 * kMargin;
        std::vector<uint32_t> buffer(static_cast<size_t>(stride) *
                                         static_cast<size_t>(g.clientHeight + 2 * kMargin),
                                     kCanary);
        uint32_t* origin = buffer.data() + kMargin * stride + kMargin;
        RenderLed(model_, PixelView{origin, g.clientWidth, g.clientHeight, stride});

        const auto at = [&](int x, int y) { return origin[y * stride + x]; };
        for (int y = -kMargin; y < g.clientHeight + kMargin; ++y)
            for (int x = -kMargin; x < g.clientWidth + kMargin; ++x) {
                const bool inside = x >= 0 && y >= 0 && x < g.clientWidth && y < g.clientHeight;
                if (!inside)
                    REQUIRE(at(x, y) == kCanary); // nothing drawn outside the client area
            }

        const uint32_t on = PixelOf(model_.SegOnColor());
        const bool onIsDistinct = on != PixelOf(model_.SegOffColor()) &&
                                  on != PixelOf(model_.BackColor()) && on != PixelOf(0x808080) &&
                                  on != PixelOf(0xFFFFFF) && on != PixelOf(0x404040);
        if (!onIsDistinct)
            return;
        // Every pixel in the lit colour belongs to a lit dot of the font.
        for (int y = g.ContentTop(); y < g.ContentBottom(); ++y)
            for (int x = g.ContentLeft(); x < g.ContentRight(); ++x) {
                if (at(x, y) != on)
                    continue;
                const int dx = x - g.ContentLeft();
                const int dy = y - g.top;
                REQUIRE(dy >= 0 && dx % g.pitch < g.dotSize && dy % g.pitch < g.dotSize);
                const int column = dx / g.pitch;
                const int row = dy / g.pitch;
                REQUIRE(row < kGlyphRows && ((ExpectedDots(column) >> row) & 1u) != 0);
            }
        // And every lit dot shows: its centre pixel, where it lies in the content area.
        for (int column = 0; column < g.visibleColumns; ++column)
            for (int row = 0; row < kGlyphRows; ++row) {
                if (((ExpectedDots(column) >> row) & 1u) == 0)
                    continue;
                const int x = g.ContentLeft() + column * g.pitch + g.dotSize / 2;
                const int y = g.top + row * g.pitch + g.dotSize / 2;
                if (x < g.ContentRight() && y >= g.ContentTop() && y < g.ContentBottom())
                    REQUIRE(at(x, y) == on);
            }
    }

    LedDisplayModel model_;
    const LedFont& font_;
    bool passClean_ = true; // no size or caption change since this pass began
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    static constexpr uint32_t kCodePages[] = {1252, 1251, 437};
    Harness harness(kCodePages[data.ConsumeIntegralInRange<size_t>(0, 2)]);
    for (int step = 0; step < 96 && data.remaining_bytes() > 0; ++step)
        harness.Step(data);
    return 0;
}
