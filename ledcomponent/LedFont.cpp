#include "LedFont.h"

#include "LedGlyphs.h"

#include <memory>

namespace glimmerbox::led {
namespace {

// clang-format off
constexpr char16_t kCodePage1251[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// Bytes 0xA0-0xFF of code page 1252 are Latin-1 itself.
constexpr char16_t kCodePage1252High[32] = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x0000, 0x017D, 0x0000,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178,
};
// clang-format on

constexpr char32_t kNoBreakSpace = 0x00A0;
constexpr char32_t kSoftHyphen = 0x00AD;

bool IsControl(uint8_t byte) {
    return byte < 0x20 || byte == 0x7F;
}

Glyph GlyphForByte(uint32_t codePage, uint8_t byte) {
    if (IsControl(byte))
        return Glyph{};
    char32_t character = CodePageCharacter(codePage, byte);
    if (character == kNoBreakSpace)
        character = U' ';
    else if (character == kSoftHyphen)
        character = U'-';
    if (character == 0)
        return PlaceholderGlyph();
    return GlyphForCharacter(character).value_or(PlaceholderGlyph());
}

} // namespace

Glyph PlaceholderGlyph() {
    return Glyph{{0b11111, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b11111}};
}

char32_t CodePageCharacter(uint32_t codePage, uint8_t byte) {
    if (byte < 0x80)
        return byte;
    switch (codePage) {
    case 1251:
        return kCodePage1251[byte - 0x80];
    case 1252:
        return byte < 0xA0 ? kCodePage1252High[byte - 0x80] : byte;
    default:
        return 0;
    }
}

LedFont::LedFont(uint32_t codePage) : codePage_(codePage) {
    for (int byte = 0; byte < 256; ++byte)
        glyphs_[static_cast<size_t>(byte)] = GlyphForByte(codePage, static_cast<uint8_t>(byte));
}

const LedFont& LedFont::ForCodePage(uint32_t codePage) {
    // The fonts are built on first use and never freed: they are plain data,
    // and a display may draw until the very end of the process.
    static const LedFont* const cyrillic = new LedFont(1251);
    static const LedFont* const western = new LedFont(1252);
    static const LedFont* const other = new LedFont(0);
    switch (codePage) {
    case 1251:
        return *cyrillic;
    case 1252:
        return *western;
    default:
        return *other;
    }
}

} // namespace glimmerbox::led
