// The LED component's character set: a 5 x 7 dot pattern for every byte
// value. Bytes 0-127 are ASCII; bytes 128-255 follow a Windows ANSI code page
// (Cyrillic on 1251, Western European on 1252). Bytes that name no character
// of the code page show a hollow box; control bytes show nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace glimmerbox::led {

inline constexpr int kGlyphColumns = 5;
inline constexpr int kGlyphRows = 7;

// One character: seven rows from the top, each a 5-bit mask whose bit 4 is the
// leftmost dot.
struct Glyph {
    std::array<uint8_t, kGlyphRows> rows{};

    constexpr bool Lit(int column, int row) const {
        return ((rows[static_cast<size_t>(row)] >> (kGlyphColumns - 1 - column)) & 1u) != 0;
    }
    constexpr bool Empty() const {
        for (uint8_t r : rows)
            if (r != 0)
                return false;
        return true;
    }
    friend constexpr bool operator==(const Glyph&, const Glyph&) = default;
};

// The pattern shown for a byte that names no character.
Glyph PlaceholderGlyph();

class LedFont {
public:
    const Glyph& operator[](uint8_t byte) const { return glyphs_[byte]; }
    uint32_t CodePage() const { return codePage_; }

    // The font for a code page; built once per code page and kept for the
    // lifetime of the process. Unknown code pages get the placeholder for
    // every byte above 127.
    static const LedFont& ForCodePage(uint32_t codePage);

private:
    explicit LedFont(uint32_t codePage);

    uint32_t codePage_;
    std::array<Glyph, 256> glyphs_{};
};

// The Unicode character a byte of the code page stands for, or 0 when the
// code page is not one this font knows or the byte names no character.
char32_t CodePageCharacter(uint32_t codePage, uint8_t byte);

} // namespace glimmerbox::led
