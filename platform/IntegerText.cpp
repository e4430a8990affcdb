#include "IntegerText.h"

#include "Exceptions.h"

namespace glimmerbox {
namespace {

int HexDigitValue(char c) noexcept {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsDecimalDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

// Length of the hexadecimal prefix at the start of `rest`, or 0 when there is none.
size_t HexPrefixLength(std::string_view rest) noexcept {
    if (rest.empty())
        return 0;
    if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')
        return 1;
    if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X'))
        return 2;
    return 0;
}

std::optional<uint32_t> ParseHex(std::string_view digits) noexcept {
    if (digits.empty())
        return std::nullopt;
    uint32_t pattern = 0;
    int significant = 0;
    for (char c : digits) {
        const int value = HexDigitValue(c);
        if (value < 0)
            return std::nullopt;
        if (significant > 0 || value != 0)
            ++significant;
        if (significant > 8)
            return std::nullopt;
        pattern = (pattern << 4) | static_cast<uint32_t>(value);
    }
    return pattern;
}

// Magnitude of a decimal text, capped so that it can never overflow.
std::optional<uint64_t> ParseDecimal(std::string_view digits) noexcept {
    if (digits.empty())
        return std::nullopt;
    constexpr uint64_t kCap = uint64_t{1} << 32;
    uint64_t magnitude = 0;
    for (char c : digits) {
        if (!IsDecimalDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
        if (magnitude > kCap)
            magnitude = kCap;
    }
    return magnitude;
}

} // namespace

std::optional<int32_t> TryStrToInt(std::string_view text) noexcept {
    std::string_view rest = text;
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);

    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }

    if (const size_t prefix = HexPrefixLength(rest); prefix > 0) {
        const auto pattern = ParseHex(rest.substr(prefix));
        if (!pattern)
            return std::nullopt;
        const uint32_t value = negative ? 0u - *pattern : *pattern;
        return static_cast<int32_t>(value);
    }

    const auto magnitude = ParseDecimal(rest);
    if (!magnitude)
        return std::nullopt;
    const uint64_t limit = negative ? uint64_t{2147483648u} : uint64_t{2147483647u};
    if (*magnitude > limit)
        return std::nullopt;
    const int64_t value =
        negative ? -static_cast<int64_t>(*magnitude) : static_cast<int64_t>(*magnitude);
    return static_cast<int32_t>(value);
}

std::string InvalidIntegerMessage(std::string_view text) {
    std::string message = "'";
    message.append(text);
    message += "' is not a valid integer value";
    return message;
}

int32_t StrToInt(std::string_view text) {
    if (const auto value = TryStrToInt(text))
        return *value;
    throw EConvertError(InvalidIntegerMessage(text));
}

} // namespace glimmerbox
