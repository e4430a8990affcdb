// The one rule by which every number is read from a text.
//
//   [blanks] [+|-] ( decimal-digits | ($|x|X|0x|0X) hex-digits )
//
// Only the blank (not the tab) is skipped, and only before the sign. Decimal
// values must fit a signed 32-bit integer; hexadecimal values may have at most
// eight significant digits and are read as a 32-bit two's-complement pattern
// (a minus sign negates that pattern). Nothing may follow the digits.
// Any other text raises EConvertError("'<text>' is not a valid integer value").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glimmerbox {

// Returns the value, or nothing when the text breaks the rule.
std::optional<int32_t> TryStrToInt(std::string_view text) noexcept;

// Returns the value or throws EConvertError with the text in its message.
int32_t StrToInt(std::string_view text);

// The conversion's error message for a text.
std::string InvalidIntegerMessage(std::string_view text);

} // namespace glimmerbox
