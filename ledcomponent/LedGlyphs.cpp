#include "LedGlyphs.h"

#include <algorithm>
#include <span>

namespace glimmerbox::led {
namespace {

// Seven groups of five dots, '#' lit and '.' unlit, groups separated by one
// blank: the rows from top to bottom.
constexpr Glyph Pattern(const char (&art)[42]) {
    Glyph glyph;
    for (int row = 0; row < kGlyphRows; ++row) {
        uint8_t bits = 0;
        for (int column = 0; column < kGlyphColumns; ++column)
            bits = static_cast<uint8_t>((bits << 1) | (art[row * 6 + column] == '#' ? 1 : 0));
        glyph.rows[static_cast<size_t>(row)] = bits;
    }
    return glyph;
}

struct DrawnCharacter {
    char32_t character;
    Glyph glyph;
};

// clang-format off
constexpr DrawnCharacter kDrawn[] = {
    {U' ',    Pattern("..... ..... ..... ..... ..... ..... .....")},
    {U'!',    Pattern("..#.. ..#.. ..#.. ..#.. ..#.. ..... ..#..")},
    {U'"',    Pattern(".#.#. .#.#. .#.#. ..... ..... ..... .....")},
    {U'#',    Pattern(".#.#. .#.#. ##### .#.#. ##### .#.#. .#.#.")},
    {U'$',    Pattern("..#.. .#### #.#.. .###. ..#.# ####. ..#..")},
    {U'%',    Pattern("##... ##..# ...#. ..#.. .#... #..## ...##")},
    {U'&',    Pattern(".##.. #..#. #.#.. .#... #.#.# #..#. .##.#")},
    {U'\'',   Pattern("..#.. ..#.. .#... ..... ..... ..... .....")},
    {U'(',    Pattern("...#. ..#.. .#... .#... .#... ..#.. ...#.")},
    {U')',    Pattern(".#... ..#.. ...#. ...#. ...#. ..#.. .#...")},
    {U'*',    Pattern("..... ..#.. #.#.# .###. #.#.# ..#.. .....")},
    {U'+',    Pattern("..... ..#.. ..#.. ##### ..#.. ..#.. .....")},
    {U',',    Pattern("..... ..... ..... ..... .##.. ..#.. .#...")},
    {U'-',    Pattern("..... ..... ..... .###. ..... ..... .....")},
    {U'.',    Pattern("..... ..... ..... ..... ..... .##.. .##..")},
    {U'/',    Pattern("..... ....# ...#. ..#.. .#... #.... .....")},
    {U'0',    Pattern(".###. #...# #..## #.#.# ##..# #...# .###.")},
    {U'1',    Pattern("..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.")},
    {U'2',    Pattern(".###. #...# ....# ...#. ..#.. .#... #####")},
    {U'3',    Pattern("##### ...#. ..#.. ...#. ....# #...# .###.")},
    {U'4',    Pattern("...#. ..##. .#.#. #..#. ##### ...#. ...#.")},
    {U'5',    Pattern("##### #.... ####. ....# ....# #...# .###.")},
    {U'6',    Pattern("..##. .#... #.... ####. #...# #...# .###.")},
    {U'7',    Pattern("##### ....# ...#. ..#.. .#... .#... .#...")},
    {U'8',    Pattern(".###. #...# #...# .###. #...# #...# .###.")},
    {U'9',    Pattern(".###. #...# #...# .#### ....# ...#. .##..")},
    {U':',    Pattern("..... .##.. .##.. ..... .##.. .##.. .....")},
    {U';',    Pattern("..... .##.. .##.. ..... .##.. ..#.. .#...")},
    {U'<',    Pattern("...#. ..#.. .#... #.... .#... ..#.. ...#.")},
    {U'=',    Pattern("..... ..... ##### ..... ##### ..... .....")},
    {U'>',    Pattern(".#... ..#.. ...#. ....# ...#. ..#.. .#...")},
    {U'?',    Pattern(".###. #...# ....# ...#. ..#.. ..... ..#..")},
    {U'@',    Pattern(".###. #...# ....# .##.# #.#.# #.#.# .###.")},
    {U'A',    Pattern(".###. #...# #...# #...# ##### #...# #...#")},
    {U'B',    Pattern("####. #...# #...# ####. #...# #...# ####.")},
    {U'C',    Pattern(".###. #...# #.... #.... #.... #...# .###.")},
    {U'D',    Pattern("###.. #..#. #...# #...# #...# #..#. ###..")},
    {U'E',    Pattern("##### #.... #.... ####. #.... #.... #####")},
    {U'F',    Pattern("##### #.... #.... ####. #.... #.... #....")},
    {U'G',    Pattern(".###. #...# #.... #.### #...# #...# .####")},
    {U'H',    Pattern("#...# #...# #...# ##### #...# #...# #...#")},
    {U'I',    Pattern(".###. ..#.. ..#.. ..#.. ..#.. ..#.. .###.")},
    {U'J',    Pattern("..### ...#. ...#. ...#. ...#. #..#. .##..")},
    {U'K',    Pattern("#...# #..#. #.#.. ##... #.#.. #..#. #...#")},
    {U'L',    Pattern("#.... #.... #.... #.... #.... #.... #####")},
    {U'M',    Pattern("#...# ##.## #.#.# #.#.# #...# #...# #...#")},
    {U'N',    Pattern("#...# #...# ##..# #.#.# #..## #...# #...#")},
    {U'O',    Pattern(".###. #...# #...# #...# #...# #...# .###.")},
    {U'P',    Pattern("####. #...# #...# ####. #.... #.... #....")},
    {U'Q',    Pattern(".###. #...# #...# #...# #.#.# #..#. .##.#")},
    {U'R',    Pattern("####. #...# #...# ####. #.#.. #..#. #...#")},
    {U'S',    Pattern(".#### #.... #.... .###. ....# ....# ####.")},
    {U'T',    Pattern("##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..")},
    {U'U',    Pattern("#...# #...# #...# #...# #...# #...# .###.")},
    {U'V',    Pattern("#...# #...# #...# #...# #...# .#.#. ..#..")},
    {U'W',    Pattern("#...# #...# #...# #.#.# #.#.# #.#.# .#.#.")},
    {U'X',    Pattern("#...# #...# .#.#. ..#.. .#.#. #...# #...#")},
    {U'Y',    Pattern("#...# #...# #...# .#.#. ..#.. ..#.. ..#..")},
    {U'Z',    Pattern("##### ....# ...#. ..#.. .#... #.... #####")},
    {U'[',    Pattern(".###. .#... .#... .#... .#... .#... .###.")},
    {U'\\',   Pattern("..... #.... .#... ..#.. ...#. ....# .....")},
    {U']',    Pattern(".###. ...#. ...#. ...#. ...#. ...#. .###.")},
    {U'^',    Pattern("..#.. .#.#. #...# ..... ..... ..... .....")},
    {U'_',    Pattern("..... ..... ..... ..... ..... ..... #####")},
    {U'`',    Pattern(".#... ..#.. ...#. ..... ..... ..... .....")},
    {U'a',    Pattern("..... ..... .###. ....# .#### #...# .####")},
    {U'b',    Pattern("#.... #.... #.##. ##..# #...# #...# ####.")},
    {U'c',    Pattern("..... ..... .###. #.... #.... #...# .###.")},
    {U'd',    Pattern("....# ....# .##.# #..## #...# #...# .####")},
    {U'e',    Pattern("..... ..... .###. #...# ##### #.... .###.")},
    {U'f',    Pattern("..##. .#..# .#... ###.. .#... .#... .#...")},
    {U'g',    Pattern("..... .#### #...# #...# .#### ....# .###.")},
    {U'h',    Pattern("#.... #.... #.##. ##..# #...# #...# #...#")},
    {U'i',    Pattern("..#.. ..... .##.. ..#.. ..#.. ..#.. .###.")},
    {U'j',    Pattern("...#. ..... ..##. ...#. ...#. #..#. .##..")},
    {U'k',    Pattern("#.... #.... #..#. #.#.. ##... #.#.. #..#.")},
    {U'l',    Pattern(".##.. ..#.. ..#.. ..#.. ..#.. ..#.. .###.")},
    {U'm',    Pattern("..... ..... ##.#. #.#.# #.#.# #...# #...#")},
    {U'n',    Pattern("..... ..... #.##. ##..# #...# #...# #...#")},
    {U'o',    Pattern("..... ..... .###. #...# #...# #...# .###.")},
    {U'p',    Pattern("..... ..... ####. #...# ####. #.... #....")},
    {U'q',    Pattern("..... ..... .##.# #..## .#### ....# ....#")},
    {U'r',    Pattern("..... ..... #.##. ##..# #.... #.... #....")},
    {U's',    Pattern("..... ..... .###. #.... .###. ....# ####.")},
    {U't',    Pattern(".#... .#... ###.. .#... .#... .#..# ..##.")},
    {U'u',    Pattern("..... ..... #...# #...# #...# #..## .##.#")},
    {U'v',    Pattern("..... ..... #...# #...# #...# .#.#. ..#..")},
    {U'w',    Pattern("..... ..... #...# #...# #.#.# #.#.# .#.#.")},
    {U'x',    Pattern("..... ..... #...# .#.#. ..#.. .#.#. #...#")},
    {U'y',    Pattern("..... ..... #...# #...# .#### ....# .###.")},
    {U'z',    Pattern("..... ..... ##### ...#. ..#.. .#... #####")},
    {U'{',    Pattern("...#. ..#.. ..#.. .#... ..#.. ..#.. ...#.")},
    {U'|',    Pattern("..#.. ..#.. ..#.. ..#.. ..#.. ..#.. ..#..")},
    {U'}',    Pattern(".#... ..#.. ..#.. ...#. ..#.. ..#.. .#...")},
    {U'~',    Pattern("..... ..... .#... #.#.# ...#. ..... .....")},
    // Latin-1 signs and letters without a plain base letter.
    {U'\u00A1', Pattern("..#.. ..... ..#.. ..#.. ..#.. ..#.. ..#..")}, // ¡
    {U'\u00A2', Pattern("..#.. .###. #.#.. #.#.. #.#.# .###. ..#..")}, // ¢
    {U'\u00A3', Pattern("..##. .#..# .#... ###.. .#... .#..# #.##.")}, // £
    {U'\u00A4', Pattern("..... #...# .###. .#.#. .###. #...# .....")}, // ¤
    {U'\u00A5', Pattern("#...# .#.#. ##### ..#.. ##### ..#.. ..#..")}, // ¥
    {U'\u00A6', Pattern("..#.. ..#.. ..#.. ..... ..#.. ..#.. ..#..")}, // ¦
    {U'\u00A7', Pattern("..##. .#... ..#.. .#.#. ..#.. ...#. .##..")}, // §
    {U'\u00A8', Pattern(".#.#. ..... ..... ..... ..... ..... .....")}, // ¨
    {U'\u00A9', Pattern(".###. #...# #.### #.#.# #.### #...# .###.")}, // ©
    {U'\u00AA', Pattern(".##.. ...#. .###. .#.#. .###. ..... .###.")}, // ª
    {U'\u00AB', Pattern("..... ..#.# .#.#. #.#.. .#.#. ..#.# .....")}, // «
    {U'\u00AC', Pattern("..... ..... ##### ....# ....# ..... .....")}, // ¬
    {U'\u00AE', Pattern(".###. #...# ###.# ##.## ###.# ##.## .###.")}, // ®
    {U'\u00AF', Pattern("##### ..... ..... ..... ..... ..... .....")}, // ¯
    {U'\u00B0', Pattern(".##.. #..#. #..#. .##.. ..... ..... .....")}, // °
    {U'\u00B1', Pattern("..#.. ..#.. ##### ..#.. ..#.. ..... #####")}, // ±
    {U'\u00B2', Pattern("##... ..#.. .#... ###.. ..... ..... .....")}, // ²
    {U'\u00B3', Pattern("###.. .##.. ..#.. ##... ..... ..... .....")}, // ³
    {U'\u00B4', Pattern("...#. ..#.. ..... ..... ..... ..... .....")}, // ´
    {U'\u00B5', Pattern("..... ..... #...# #...# #..## ###.# #....")}, // µ
    {U'\u00B6', Pattern(".#### ###.# ###.# .##.# ..#.# ..#.# ..#.#")}, // ¶
    {U'\u00B7', Pattern("..... ..... ..... ..#.. ..... ..... .....")}, // ·
    {U'\u00B8', Pattern("..... ..... ..... ..... ..... ..#.. .##..")}, // ¸
    {U'\u00B9', Pattern(".#... ##... .#... ###.. ..... ..... .....")}, // ¹
    {U'\u00BA', Pattern(".##.. #..#. #..#. .##.. ..... .###. .....")}, // º
    {U'\u00BB', Pattern("..... #.#.. .#.#. ..#.# .#.#. #.#.. .....")}, // »
    {U'\u00BC', Pattern("#...# #..#. #.#.. ..#.# .#.## #.### ....#")}, // ¼
    {U'\u00BD', Pattern("#...# #..#. #.#.. ..### .#..# #..#. ...##")}, // ½
    {U'\u00BE', Pattern("##..# .#.#. ##... ..#.# .#.## #.### ....#")}, // ¾
    {U'\u00BF', Pattern("..#.. ..... ..#.. .#... #.... #...# .###.")}, // ¿
    {U'\u00C6', Pattern(".#### #.#.. #.#.. ##### #.#.. #.#.. #.###")}, // Æ
    {U'\u00D0', Pattern("###.. #..#. #...# ###.# #...# #..#. ###..")}, // Ð
    {U'\u00D7', Pattern("..... #...# .#.#. ..#.. .#.#. #...# .....")}, // ×
    {U'\u00D8', Pattern(".###. #..## #.#.# #.#.# #.#.# ##..# .###.")}, // Ø
    {U'\u00DE', Pattern("#.... ####. #...# #...# ####. #.... #....")}, // Þ
    {U'\u00DF', Pattern(".##.. #..#. #..#. #.##. #...# #...# #.##.")}, // ß
    {U'\u00E6', Pattern("..... ..... ##.#. ..#.# .#### #.#.. .####")}, // æ
    {U'\u00F0', Pattern(".#.#. ..#.. .#.#. ....# .#### #...# .###.")}, // ð
    {U'\u00F7', Pattern("..... ..#.. ..... ##### ..... ..#.. .....")}, // ÷
    {U'\u00F8', Pattern("..... ..... .###. #..## #.#.# ##..# .###.")}, // ø
    {U'\u00FE', Pattern("..... #.... ####. #...# ####. #.... #....")}, // þ
    {U'\u0131', Pattern("..... ..... .##.. ..#.. ..#.. ..#.. .###.")}, // dotless i
    {U'\u0152', Pattern(".#### #.#.. #.#.. #.### #.#.. #.#.. .####")}, // Œ
    {U'\u0153', Pattern("..... ..... .#.#. #.#.# #.### #.#.. .#.##")}, // œ
    {U'\u0192', Pattern("...## ..#.. .###. ..#.. ..#.. ..#.. ##...")}, // ƒ
    // Cyrillic letters that do not look like a Latin one.
    {U'\u0402', Pattern("###.. .#... .#... .###. .#..# .#..# .#.#.")}, // Ђ
    {U'\u0404', Pattern(".###. #...# #.... ###.. #.... #...# .###.")}, // Є
    {U'\u0409', Pattern(".##.. #.#.. #.#.. #.##. #.#.# #.#.# #.##.")}, // Љ
    {U'\u040A', Pattern("#.#.. #.#.. #.#.. ####. #.#.# #.#.# #.##.")}, // Њ
    {U'\u040B', Pattern("###.. .#... .#... .###. .#..# .#..# .#..#")}, // Ћ
    {U'\u040F', Pattern("#...# #...# #...# #...# #...# ##### ..#..")}, // Џ
    {U'\u0411', Pattern("##### #.... #.... ####. #...# #...# ####.")}, // Б
    {U'\u0413', Pattern("##### #.... #.... #.... #.... #.... #....")}, // Г
    {U'\u0414', Pattern("..##. .#.#. .#.#. .#.#. .#.#. ##### #...#")}, // Д
    {U'\u0416', Pattern("#.#.# #.#.# .###. ..#.. .###. #.#.# #.#.#")}, // Ж
    {U'\u0417', Pattern(".###. #...# ....# ..##. ....# #...# .###.")}, // З
    {U'\u0418', Pattern("#...# #...# #..## #.#.# ##..# #...# #...#")}, // И
    {U'\u041B', Pattern("..### .#..# .#..# .#..# .#..# .#..# #...#")}, // Л
    {U'\u041F', Pattern("##### #...# #...# #...# #...# #...# #...#")}, // П
    {U'\u0423', Pattern("#...# #...# #...# .#### ....# #...# .###.")}, // У
    {U'\u0424', Pattern("..#.. .###. #.#.# #.#.# #.#.# .###. ..#..")}, // Ф
    {U'\u0426', Pattern("#..#. #..#. #..#. #..#. #..#. ##### ....#")}, // Ц
    {U'\u0427', Pattern("#...# #...# #...# .#### ....# ....# ....#")}, // Ч
    {U'\u0428', Pattern("#.#.# #.#.# #.#.# #.#.# #.#.# #.#.# #####")}, // Ш
    {U'\u0429', Pattern("#.#.# #.#.# #.#.# #.#.# #.#.# ##### ....#")}, // Щ
    {U'\u042A', Pattern("##... .#... .#... .###. .#..# .#..# .###.")}, // Ъ
    {U'\u042B', Pattern("#...# #...# #...# ##..# #.#.# #.#.# ##..#")}, // Ы
    {U'\u042C', Pattern("#.... #.... #.... ####. #...# #...# ####.")}, // Ь
    {U'\u042D', Pattern(".###. #...# ....# ..### ....# #...# .###.")}, // Э
    {U'\u042E', Pattern("#..#. #.#.# #.#.# ###.# #.#.# #.#.# #..#.")}, // Ю
    {U'\u042F', Pattern(".#### #...# #...# .#### ..#.# .#..# #...#")}, // Я
    {U'\u0431', Pattern("....# .###. #.... ####. #...# #...# .###.")}, // б
    {U'\u0452', Pattern(".#... ###.. .#... .###. .#..# .#..# .#.#.")}, // ђ
    {U'\u045B', Pattern(".#... ###.. .#... .###. .#..# .#..# .#..#")}, // ћ
    {U'\u0490', Pattern("....# ##### #.... #.... #.... #.... #....")}, // Ґ
    // Punctuation of the Windows code pages.
    {U'\u2013', Pattern("..... ..... ..... ####. ..... ..... .....")}, // –
    {U'\u2014', Pattern("..... ..... ..... ##### ..... ..... .....")}, // —
    {U'\u2018', Pattern("...#. ..#.. ..#.. ..... ..... ..... .....")}, // ‘
    {U'\u2019', Pattern("..#.. ..#.. .#... ..... ..... ..... .....")}, // ’
    {U'\u201A', Pattern("..... ..... ..... ..... ..#.. ..#.. .#...")}, // ‚
    {U'\u201C', Pattern("..#.# .#.#. .#.#. ..... ..... ..... .....")}, // “
    {U'\u201D', Pattern(".#.#. .#.#. #.#.. ..... ..... ..... .....")}, // ”
    {U'\u201E', Pattern("..... ..... ..... ..... .#.#. .#.#. #.#..")}, // „
    {U'\u2020', Pattern("..#.. ##### ..#.. ..#.. ..#.. ..#.. .....")}, // †
    {U'\u2021', Pattern("..#.. ##### ..#.. ..#.. ##### ..#.. .....")}, // ‡
    {U'\u2022', Pattern("..... ..... .###. .###. .###. ..... .....")}, // •
    {U'\u2026', Pattern("..... ..... ..... ..... ..... ..... #.#.#")}, // …
    {U'\u2030', Pattern("##... ##..# ...#. ..#.. .#... #.... .#.#.")}, // ‰
    {U'\u2039', Pattern("..... ...#. ..#.. .#... ..#.. ...#. .....")}, // ‹
    {U'\u203A', Pattern("..... .#... ..#.. ...#. ..#.. .#... .....")}, // ›
    {U'\u20AC', Pattern("..### .#... ####. .#... ####. .#... ..###")}, // €
    {U'\u2116', Pattern("#..#. ##.#. #.##. #..#. #..#. ....# ...#.")}, // №
    {U'\u2122', Pattern("###.. .#... .#... ..... #...# ##.## #.#.#")}, // ™
};
// clang-format on

enum class Mark : uint8_t {
    Grave,
    Acute,
    Circumflex,
    Tilde,
    Diaeresis,
    Ring,
    Caron,
    Breve,
    Cedilla
};

// A character drawn from another one: the same pattern, a reduced copy of an
// upper-case letter (small capitals, as Cyrillic lower-case letters are drawn
// in a 5 x 7 cell), or a letter with a diacritical mark.
struct DerivedCharacter {
    enum class Kind : uint8_t { Same, Small, Marked };
    char32_t character;
    Kind kind;
    char32_t base;
    Mark mark = Mark::Grave;
};

using K = DerivedCharacter::Kind;

// clang-format off
constexpr DerivedCharacter kDerived[] = {
    // Latin-1 letters with marks.
    {U'\u00C0', K::Marked, U'A', Mark::Grave},     {U'\u00C1', K::Marked, U'A', Mark::Acute},
    {U'\u00C2', K::Marked, U'A', Mark::Circumflex},{U'\u00C3', K::Marked, U'A', Mark::Tilde},
    {U'\u00C4', K::Marked, U'A', Mark::Diaeresis}, {U'\u00C5', K::Marked, U'A', Mark::Ring},
    {U'\u00C7', K::Marked, U'C', Mark::Cedilla},
    {U'\u00C8', K::Marked, U'E', Mark::Grave},     {U'\u00C9', K::Marked, U'E', Mark::Acute},
    {U'\u00CA', K::Marked, U'E', Mark::Circumflex},{U'\u00CB', K::Marked, U'E', Mark::Diaeresis},
    {U'\u00CC', K::Marked, U'I', Mark::Grave},     {U'\u00CD', K::Marked, U'I', Mark::Acute},
    {U'\u00CE', K::Marked, U'I', Mark::Circumflex},{U'\u00CF', K::Marked, U'I', Mark::Diaeresis},
    {U'\u00D1', K::Marked, U'N', Mark::Tilde},
    {U'\u00D2', K::Marked, U'O', Mark::Grave},     {U'\u00D3', K::Marked, U'O', Mark::Acute},
    {U'\u00D4', K::Marked, U'O', Mark::Circumflex},{U'\u00D5', K::Marked, U'O', Mark::Tilde},
    {U'\u00D6', K::Marked, U'O', Mark::Diaeresis},
    {U'\u00D9', K::Marked, U'U', Mark::Grave},     {U'\u00DA', K::Marked, U'U', Mark::Acute},
    {U'\u00DB', K::Marked, U'U', Mark::Circumflex},{U'\u00DC', K::Marked, U'U', Mark::Diaeresis},
    {U'\u00DD', K::Marked, U'Y', Mark::Acute},
    {U'\u00E0', K::Marked, U'a', Mark::Grave},     {U'\u00E1', K::Marked, U'a', Mark::Acute},
    {U'\u00E2', K::Marked, U'a', Mark::Circumflex},{U'\u00E3', K::Marked, U'a', Mark::Tilde},
    {U'\u00E4', K::Marked, U'a', Mark::Diaeresis}, {U'\u00E5', K::Marked, U'a', Mark::Ring},
    {U'\u00E7', K::Marked, U'c', Mark::Cedilla},
    {U'\u00E8', K::Marked, U'e', Mark::Grave},     {U'\u00E9', K::Marked, U'e', Mark::Acute},
    {U'\u00EA', K::Marked, U'e', Mark::Circumflex},{U'\u00EB', K::Marked, U'e', Mark::Diaeresis},
    {U'\u00EC', K::Marked, U'\u0131', Mark::Grave},{U'\u00ED', K::Marked, U'\u0131', Mark::Acute},
    {U'\u00EE', K::Marked, U'\u0131', Mark::Circumflex},{U'\u00EF', K::Marked, U'\u0131', Mark::Diaeresis},
    {U'\u00F1', K::Marked, U'n', Mark::Tilde},
    {U'\u00F2', K::Marked, U'o', Mark::Grave},     {U'\u00F3', K::Marked, U'o', Mark::Acute},
    {U'\u00F4', K::Marked, U'o', Mark::Circumflex},{U'\u00F5', K::Marked, U'o', Mark::Tilde},
    {U'\u00F6', K::Marked, U'o', Mark::Diaeresis},
    {U'\u00F9', K::Marked, U'u', Mark::Grave},     {U'\u00FA', K::Marked, U'u', Mark::Acute},
    {U'\u00FB', K::Marked, U'u', Mark::Circumflex},{U'\u00FC', K::Marked, U'u', Mark::Diaeresis},
    {U'\u00FD', K::Marked, U'y', Mark::Acute},     {U'\u00FF', K::Marked, U'y', Mark::Diaeresis},
    {U'\u0160', K::Marked, U'S', Mark::Caron},     {U'\u0161', K::Marked, U's', Mark::Caron},
    {U'\u0178', K::Marked, U'Y', Mark::Diaeresis},
    {U'\u017D', K::Marked, U'Z', Mark::Caron},     {U'\u017E', K::Marked, U'z', Mark::Caron},
    {U'\u02C6', K::Same, U'^'},                    {U'\u02DC', K::Same, U'~'},
    // Cyrillic upper case.
    {U'\u0401', K::Marked, U'E', Mark::Diaeresis}, {U'\u0403', K::Marked, U'\u0413', Mark::Acute},
    {U'\u0405', K::Same, U'S'},                    {U'\u0406', K::Same, U'I'},
    {U'\u0407', K::Marked, U'I', Mark::Diaeresis}, {U'\u0408', K::Same, U'J'},
    {U'\u040C', K::Marked, U'K', Mark::Acute},     {U'\u040E', K::Marked, U'\u0423', Mark::Breve},
    {U'\u0410', K::Same, U'A'},                    {U'\u0412', K::Same, U'B'},
    {U'\u0415', K::Same, U'E'},                    {U'\u0419', K::Marked, U'\u0418', Mark::Breve},
    {U'\u041A', K::Same, U'K'},                    {U'\u041C', K::Same, U'M'},
    {U'\u041D', K::Same, U'H'},                    {U'\u041E', K::Same, U'O'},
    {U'\u0420', K::Same, U'P'},                    {U'\u0421', K::Same, U'C'},
    {U'\u0422', K::Same, U'T'},                    {U'\u0425', K::Same, U'X'},
    // Cyrillic lower case.
    {U'\u0430', K::Same, U'a'},                    {U'\u0432', K::Small, U'B'},
    {U'\u0433', K::Small, U'\u0413'},              {U'\u0434', K::Small, U'\u0414'},
    {U'\u0435', K::Same, U'e'},                    {U'\u0436', K::Small, U'\u0416'},
    {U'\u0437', K::Small, U'\u0417'},              {U'\u0438', K::Small, U'\u0418'},
    {U'\u0439', K::Marked, U'\u0438', Mark::Breve},{U'\u043A', K::Small, U'K'},
    {U'\u043B', K::Small, U'\u041B'},              {U'\u043C', K::Small, U'M'},
    {U'\u043D', K::Small, U'H'},                   {U'\u043E', K::Same, U'o'},
    {U'\u043F', K::Small, U'\u041F'},              {U'\u0440', K::Same, U'p'},
    {U'\u0441', K::Same, U'c'},                    {U'\u0442', K::Small, U'T'},
    {U'\u0443', K::Same, U'y'},                    {U'\u0444', K::Small, U'\u0424'},
    {U'\u0445', K::Same, U'x'},                    {U'\u0446', K::Small, U'\u0426'},
    {U'\u0447', K::Small, U'\u0427'},              {U'\u0448', K::Small, U'\u0428'},
    {U'\u0449', K::Small, U'\u0429'},              {U'\u044A', K::Small, U'\u042A'},
    {U'\u044B', K::Small, U'\u042B'},              {U'\u044C', K::Small, U'\u042C'},
    {U'\u044D', K::Small, U'\u042D'},              {U'\u044E', K::Small, U'\u042E'},
    {U'\u044F', K::Small, U'\u042F'},              {U'\u0451', K::Marked, U'e', Mark::Diaeresis},
    {U'\u0453', K::Marked, U'\u0433', Mark::Acute},{U'\u0454', K::Small, U'\u0404'},
    {U'\u0455', K::Same, U's'},                    {U'\u0456', K::Same, U'i'},
    {U'\u0457', K::Marked, U'\u0131', Mark::Diaeresis},{U'\u0458', K::Same, U'j'},
    {U'\u0459', K::Small, U'\u0409'},              {U'\u045A', K::Small, U'\u040A'},
    {U'\u045C', K::Marked, U'\u043A', Mark::Acute},{U'\u045E', K::Marked, U'y', Mark::Breve},
    {U'\u045F', K::Small, U'\u040F'},              {U'\u0491', K::Small, U'\u0490'},
};
// clang-format on

// A mark over a lower-case letter: two rows above its body (or, for the
// cedilla, below it).
constexpr std::array<uint8_t, 2> MarkRows(Mark mark) {
    switch (mark) {
    case Mark::Grave:
        return {0b01000, 0b00100};
    case Mark::Acute:
        return {0b00010, 0b00100};
    case Mark::Circumflex:
        return {0b00100, 0b01010};
    case Mark::Tilde:
        return {0b01101, 0b10010};
    case Mark::Diaeresis:
        return {0b00000, 0b01010};
    case Mark::Ring:
        return {0b01110, 0b01010};
    case Mark::Caron:
        return {0b01010, 0b00100};
    case Mark::Breve:
        return {0b10001, 0b01110};
    case Mark::Cedilla:
        return {0b00100, 0b01100};
    }
    return {0, 0};
}

// A mark over an upper-case letter: one row, since the letter keeps six.
constexpr uint8_t CapitalMarkRow(Mark mark) {
    switch (mark) {
    case Mark::Grave:
        return 0b01000;
    case Mark::Acute:
        return 0b00010;
    case Mark::Circumflex:
        return 0b00100;
    case Mark::Tilde:
        return 0b11011;
    case Mark::Diaeresis:
        return 0b01010;
    case Mark::Ring:
        return 0b01110;
    case Mark::Caron:
        return 0b00100;
    case Mark::Breve:
        return 0b01110;
    case Mark::Cedilla:
        return 0;
    }
    return 0;
}

// An upper-case letter reduced to five rows: its top, the three middle rows
// and its bottom (rows 1 and 5 are dropped).
constexpr std::array<uint8_t, 5> ReducedRows(const Glyph& glyph) {
    return {glyph.rows[0], glyph.rows[2], glyph.rows[3], glyph.rows[4], glyph.rows[6]};
}

// A lower-case letter's rows below its ascender space: rows 2 to 6.
constexpr std::array<uint8_t, 5> BodyRows(const Glyph& glyph) {
    return {glyph.rows[2], glyph.rows[3], glyph.rows[4], glyph.rows[5], glyph.rows[6]};
}

constexpr bool HasAscenderSpace(const Glyph& glyph) {
    return glyph.rows[0] == 0 && glyph.rows[1] == 0;
}

Glyph WithCedilla(const Glyph& base, bool smallLetter) {
    const auto hook = MarkRows(Mark::Cedilla);
    Glyph glyph;
    if (smallLetter) {
        // The body moves up one row; the hook takes the bottom row.
        const auto body = BodyRows(base);
        for (size_t i = 0; i < body.size(); ++i)
            glyph.rows[i + 1] = body[i];
    } else {
        const auto body = ReducedRows(base);
        for (size_t i = 0; i < body.size(); ++i)
            glyph.rows[i] = body[i];
        glyph.rows[5] = hook[0];
    }
    glyph.rows[6] = hook[1];
    return glyph;
}

Glyph WithMark(const Glyph& base, Mark mark) {
    if (mark == Mark::Cedilla)
        return WithCedilla(base, HasAscenderSpace(base));
    Glyph glyph;
    if (HasAscenderSpace(base)) {
        const auto markRows = MarkRows(mark);
        glyph = base;
        glyph.rows[0] = markRows[0];
        glyph.rows[1] = markRows[1];
    } else {
        // Capital: one row of mark above six rows of the letter (row 1 dropped).
        glyph.rows[0] = CapitalMarkRow(mark);
        glyph.rows[1] = base.rows[0];
        for (size_t i = 2; i < glyph.rows.size(); ++i)
            glyph.rows[i] = base.rows[i];
    }
    return glyph;
}

std::optional<Glyph> FindDrawn(char32_t character) {
    const auto found =
        std::find_if(std::begin(kDrawn), std::end(kDrawn),
                     [character](const DrawnCharacter& d) { return d.character == character; });
    if (found == std::end(kDrawn))
        return std::nullopt;
    return found->glyph;
}

std::optional<Glyph> Derive(const DerivedCharacter& derived, int depth);

std::optional<Glyph> Resolve(char32_t character, int depth) {
    if (depth > 4)
        return std::nullopt;
    if (auto drawn = FindDrawn(character))
        return drawn;
    const auto found =
        std::find_if(std::begin(kDerived), std::end(kDerived),
                     [character](const DerivedCharacter& d) { return d.character == character; });
    if (found == std::end(kDerived))
        return std::nullopt;
    return Derive(*found, depth + 1);
}

std::optional<Glyph> Derive(const DerivedCharacter& derived, int depth) {
    const auto base = Resolve(derived.base, depth);
    if (!base)
        return std::nullopt;
    switch (derived.kind) {
    case K::Same:
        return base;
    case K::Small: {
        Glyph glyph;
        const auto rows = ReducedRows(*base);
        for (size_t i = 0; i < rows.size(); ++i)
            glyph.rows[i + 2] = rows[i];
        return glyph;
    }
    case K::Marked:
        return WithMark(*base, derived.mark);
    }
    return std::nullopt;
}

} // namespace

std::optional<Glyph> GlyphForCharacter(char32_t character) {
    return Resolve(character, 0);
}

} // namespace glimmerbox::led
