#include "ledcomponent/LedFont.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace glimmerbox::led {
namespace {

std::vector<uint8_t> Bytes(int first, int last) {
    std::vector<uint8_t> bytes;
    for (int b = first; b <= last; ++b)
        bytes.push_back(static_cast<uint8_t>(b));
    return bytes;
}

// Each byte has a real character of its own: drawn, not the placeholder,
// and no two of them look the same.
void ExpectDistinctCharacters(const LedFont& font, const std::vector<uint8_t>& bytes) {
    std::set<std::array<uint8_t, kGlyphRows>> seen;
    for (uint8_t byte : bytes) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << int{byte} << " code page "
                                        << std::dec << font.CodePage());
        EXPECT_FALSE(font[byte].Empty());
        EXPECT_NE(font[byte], PlaceholderGlyph());
        EXPECT_TRUE(seen.insert(font[byte].rows).second) << "looks like another character";
    }
}

TEST(LedFontTest, PrintableAsciiIsCompleteInEveryCodePage) {
    for (uint32_t codePage : {1251u, 1252u, 437u}) {
        const LedFont& font = LedFont::ForCodePage(codePage);
        ExpectDistinctCharacters(font, Bytes(0x21, 0x7E));
        EXPECT_TRUE(font[' '].Empty());
    }
}

TEST(LedFontTest, ControlBytesShowNothing) {
    for (uint32_t codePage : {1251u, 1252u, 1253u}) {
        const LedFont& font = LedFont::ForCodePage(codePage);
        for (uint8_t byte : Bytes(0x00, 0x1F))
            EXPECT_TRUE(font[byte].Empty()) << int{byte};
        EXPECT_TRUE(font[0x7F].Empty());
    }
}

TEST(LedFontTest, CyrillicCodePageShowsEveryRussianLetter) {
    const LedFont& font = LedFont::ForCodePage(1251);
    std::vector<uint8_t> letters = Bytes(0xC0, 0xFF); // А..я
    letters.push_back(0xA8);                          // Ё
    letters.push_back(0xB8);                          // ё
    ExpectDistinctCharacters(font, letters);

    // Letters shared with the Latin alphabet are drawn the same way, which
    // also shows the bytes map to the right letters.
    EXPECT_EQ(font[0xC0], font['A']);  // А
    EXPECT_EQ(font[0xD0], font['P']);  // Р
    EXPECT_EQ(font[0xD1], font['C']);  // С
    EXPECT_EQ(font[0xEE], font['o']);  // о
    EXPECT_NE(font[0xC8], font[0xC9]); // И Й
}

TEST(LedFontTest, WesternCodePageShowsAccentedLetters) {
    const LedFont& font = LedFont::ForCodePage(1252);
    ExpectDistinctCharacters(font, Bytes(0xC0, 0xFF));
    EXPECT_NE(font[0xC9], font['E']); // É
    EXPECT_NE(font[0xE9], font['e']); // é
    EXPECT_FALSE(font[0x80].Empty()); // €
    EXPECT_NE(font[0x80], PlaceholderGlyph());
}

TEST(LedFontTest, BytesWithoutACharacterShowThePlaceholder) {
    EXPECT_EQ(LedFont::ForCodePage(1251)[0x98], PlaceholderGlyph()); // unassigned in 1251
    EXPECT_EQ(LedFont::ForCodePage(1252)[0x81], PlaceholderGlyph()); // unassigned in 1252
    EXPECT_TRUE(LedFont::ForCodePage(1251)[0xA0].Empty());           // no-break space
    for (uint32_t codePage : {437u, 1253u, 65001u})
        for (uint8_t byte : Bytes(0x80, 0xFF))
            EXPECT_EQ(LedFont::ForCodePage(codePage)[byte], PlaceholderGlyph()) << int{byte};
    EXPECT_FALSE(PlaceholderGlyph().Empty());
}

} // namespace
} // namespace glimmerbox::led
