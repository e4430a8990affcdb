// The LED display component without a window: its properties, the layout of
// its dot cells in the client area, and its scroll position. The window layer
// feeds it the client size and timer ticks and acts on the effects its
// setters report (redraw at once, start or stop the scroll timer).
#pragma once

#include "LedFont.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace glimmerbox::led {

// A colour value: red in the low byte, then green, then blue.
using LedColor = uint32_t;

enum class LedAlignment : uint8_t { LeftJustify, RightJustify, Center };
enum class LedScrollType : uint8_t { None, RightToLeft, LeftToRight };
enum class LedFrameStyle : uint8_t { None, Flat, Lowered, Raised, Status };
enum class LedAlign : uint8_t { None, Client };

inline constexpr int kCellColumns = kGlyphColumns + 1; // a glyph and one dot column of spacing

// Where the dots go in a client area of a given size.
struct LedGeometry {
    int clientWidth = 0;
    int clientHeight = 0;
    int frameWidth = 0;     // pixels of frame on every side
    int pitch = 1;          // pixels from one dot to the next, both ways
    int dotSize = 1;        // pixels of a dot, both ways
    int top = 0;            // y of the first dot row: the rows are centred
    int visibleColumns = 0; // dot columns that are at least partly visible

    int ContentLeft() const { return frameWidth; }
    int ContentRight() const { return clientWidth - frameWidth; }
    int ContentTop() const { return frameWidth; }
    int ContentBottom() const { return clientHeight - frameWidth; }
};

LedGeometry ComputeGeometry(int clientWidth, int clientHeight, LedFrameStyle frame);

// What a property change asks of the window.
enum LedEffect : unsigned {
    kNoEffect = 0,
    kRedraw = 1,      // paint now
    kTimerChange = 2, // the scroll timer must be started, stopped or re-timed
};

class LedDisplayModel {
public:
    static constexpr LedColor kDefaultSegOnColor = 0x00FF00;  // green 255
    static constexpr LedColor kDefaultSegOffColor = 0x003300; // green 51
    static constexpr LedColor kDefaultBackColor = 0x000000;
    static constexpr uint16_t kDefaultScrollDelay = 100;
    static constexpr int kDefaultWidth = 100;
    static constexpr int kDefaultHeight = 30;

    explicit LedDisplayModel(uint32_t codePage);

    const std::string& Caption() const { return caption_; }
    LedColor SegOnColor() const { return segOnColor_; }
    LedColor SegOffColor() const { return segOffColor_; }
    LedColor BackColor() const { return backColor_; }
    LedAlignment Alignment() const { return alignment_; }
    bool Scrolling() const { return scrolling_; }
    LedScrollType ScrollType() const { return scrollType_; }
    uint16_t ScrollDelay() const { return scrollDelay_; }
    LedFrameStyle BorderOuter() const { return borderOuter_; }
    LedAlign Align() const { return align_; }
    const LedFont& Font() const { return *font_; }

    // Each setter changes nothing and answers kNoEffect when the value is the
    // one the property already has.
    unsigned SetCaption(std::string_view caption);
    unsigned SetSegOnColor(LedColor color);
    unsigned SetSegOffColor(LedColor color);
    unsigned SetBackColor(LedColor color);
    unsigned SetAlignment(LedAlignment alignment);
    unsigned SetScrolling(bool scrolling);
    unsigned SetScrollType(LedScrollType type);
    unsigned SetScrollDelay(uint16_t delay);
    unsigned SetBorderOuter(LedFrameStyle style);
    unsigned SetAlign(LedAlign align);
    unsigned SetClientSize(int width, int height);

    // The scroll timer runs exactly when this is true, every ScrollDelay() ms.
    bool TimerWanted() const;

    // One timer tick: the caption moves one dot column on. Does nothing when
    // the caption does not move.
    void Tick();

    const LedGeometry& Geometry() const { return geometry_; }

    // The dot column (counted from the left of the content area) at which
    // the caption's first dot column stands; negative once it has moved off
    // to the left.
    int64_t CaptionPosition() const;

    // The lit dots of a visible dot column: bit r set = row r lit.
    uint8_t ColumnDots(int column) const;

private:
    bool Moving() const { return scrolling_ && scrollType_ != LedScrollType::None; }
    int64_t CaptionColumns() const { return static_cast<int64_t>(caption_.size()) * kCellColumns; }
    int64_t StartPosition() const;
    // Sends the caption back to its starting place when `effect` says a
    // setting changed; answers `effect`.
    unsigned RestartScrollIf(unsigned effect);

    const LedFont* font_;
    std::string caption_;
    LedColor segOnColor_ = kDefaultSegOnColor;
    LedColor segOffColor_ = kDefaultSegOffColor;
    LedColor backColor_ = kDefaultBackColor;
    LedAlignment alignment_ = LedAlignment::LeftJustify;
    bool scrolling_ = false;
    LedScrollType scrollType_ = LedScrollType::RightToLeft;
    uint16_t scrollDelay_ = kDefaultScrollDelay;
    LedFrameStyle borderOuter_ = LedFrameStyle::Status;
    LedAlign align_ = LedAlign::None;
    LedGeometry geometry_;
    int64_t scrollPosition_ = 0; // meaningful while Moving()
};

} // namespace glimmerbox::led
