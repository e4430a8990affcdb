#include "LedModel.h"

#include <algorithm>

namespace glimmerbox::led {

LedGeometry ComputeGeometry(int clientWidth, int clientHeight, LedFrameStyle frame) {
    LedGeometry g;
    g.clientWidth = std::max(0, clientWidth);
    g.clientHeight = std::max(0, clientHeight);
    g.frameWidth = frame == LedFrameStyle::None ? 0 : 1;
    const int contentWidth = std::max(0, g.clientWidth - 2 * g.frameWidth);
    const int contentHeight = std::max(0, g.clientHeight - 2 * g.frameWidth);

    g.pitch = std::max(1, contentHeight / kGlyphRows);
    const int gap = g.pitch <= 1 ? 0 : std::max(1, g.pitch / 6);
    g.dotSize = g.pitch - gap;
    // Centre the dots themselves: the last row has no gap below it.
    const int rowsHeight = kGlyphRows * g.pitch - gap;
    g.top = g.ContentTop() + (contentHeight - rowsHeight) / 2;
    // In 64 bits: a client area near INT_MAX wide must not overflow.
    g.visibleColumns =
        static_cast<int>((static_cast<long long>(contentWidth) + g.pitch - 1) / g.pitch);
    return g;
}

LedDisplayModel::LedDisplayModel(uint32_t codePage)
    : font_(&LedFont::ForCodePage(codePage)),
      geometry_(ComputeGeometry(kDefaultWidth, kDefaultHeight, LedFrameStyle::Status)) {}

namespace {

template <typename T> unsigned Assign(T& property, const T& value, unsigned effect) {
    if (property == value)
        return kNoEffect;
    property = value;
    return effect;
}

} // namespace

unsigned LedDisplayModel::SetCaption(std::string_view caption) {
    if (caption == caption_)
        return kNoEffect;
    caption_.assign(caption);
    return kRedraw;
}

unsigned LedDisplayModel::SetSegOnColor(LedColor color) {
    return Assign(segOnColor_, color & 0xFFFFFFu, kRedraw);
}
unsigned LedDisplayModel::SetSegOffColor(LedColor color) {
    return Assign(segOffColor_, color & 0xFFFFFFu, kRedraw);
}
unsigned LedDisplayModel::SetBackColor(LedColor color) {
    return Assign(backColor_, color & 0xFFFFFFu, kRedraw);
}
unsigned LedDisplayModel::SetAlignment(LedAlignment alignment) {
    return Assign(alignment_, alignment, kRedraw);
}
unsigned LedDisplayModel::SetAlign(LedAlign align) {
    return Assign(align_, align, kNoEffect);
}

unsigned LedDisplayModel::SetScrolling(bool scrolling) {
    return RestartScrollIf(Assign(scrolling_, scrolling, kRedraw | kTimerChange));
}

unsigned LedDisplayModel::SetScrollType(LedScrollType type) {
    return RestartScrollIf(Assign(scrollType_, type, kRedraw | kTimerChange));
}

unsigned LedDisplayModel::RestartScrollIf(unsigned effect) {
    if (effect != kNoEffect)
        scrollPosition_ = StartPosition();
    return effect;
}

unsigned LedDisplayModel::SetScrollDelay(uint16_t delay) {
    return Assign(scrollDelay_, delay, kTimerChange);
}

unsigned LedDisplayModel::SetBorderOuter(LedFrameStyle style) {
    if (style == borderOuter_)
        return kNoEffect;
    borderOuter_ = style;
    geometry_ = ComputeGeometry(geometry_.clientWidth, geometry_.clientHeight, borderOuter_);
    return kRedraw;
}

unsigned LedDisplayModel::SetClientSize(int width, int height) {
    if (width == geometry_.clientWidth && height == geometry_.clientHeight)
        return kNoEffect;
    geometry_ = ComputeGeometry(width, height, borderOuter_);
    return kRedraw;
}

bool LedDisplayModel::TimerWanted() const {
    return Moving() && scrollDelay_ != 0;
}

int64_t LedDisplayModel::StartPosition() const {
    switch (scrollType_) {
    case LedScrollType::RightToLeft:
        return geometry_.visibleColumns;
    case LedScrollType::LeftToRight:
        return -CaptionColumns();
    case LedScrollType::None:
        break;
    }
    return 0;
}

void LedDisplayModel::Tick() {
    if (!Moving())
        return;
    if (scrollType_ == LedScrollType::RightToLeft) {
        --scrollPosition_;
        if (scrollPosition_ + CaptionColumns() <= 0)
            scrollPosition_ = geometry_.visibleColumns;
    } else {
        ++scrollPosition_;
        if (scrollPosition_ >= geometry_.visibleColumns)
            scrollPosition_ = -CaptionColumns();
    }
}

int64_t LedDisplayModel::CaptionPosition() const {
    if (Moving())
        return scrollPosition_;
    switch (alignment_) {
    case LedAlignment::LeftJustify:
        return 0;
    case LedAlignment::RightJustify:
        return geometry_.visibleColumns - CaptionColumns();
    case LedAlignment::Center:
        return (geometry_.visibleColumns - CaptionColumns()) / 2;
    }
    return 0;
}

uint8_t LedDisplayModel::ColumnDots(int column) const {
    const int64_t captionColumn = column - CaptionPosition();
    if (captionColumn < 0 || captionColumn >= CaptionColumns())
        return 0;
    const int glyphColumn = static_cast<int>(captionColumn % kCellColumns);
    if (glyphColumn >= kGlyphColumns)
        return 0;
    const auto byte =
        static_cast<uint8_t>(caption_[static_cast<size_t>(captionColumn / kCellColumns)]);
    const Glyph& glyph = (*font_)[byte];
    uint8_t dots = 0;
    for (int row = 0; row < kGlyphRows; ++row)
        if (glyph.Lit(glyphColumn, row))
            dots = static_cast<uint8_t>(dots | (1u << row));
    return dots;
}

} // namespace glimmerbox::led
