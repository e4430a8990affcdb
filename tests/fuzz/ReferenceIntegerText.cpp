#include "ReferenceIntegerText.h"

#include <algorithm>

namespace reference {
namespace {

bool AllOf(std::string_view s, bool (*accept)(char)) {
    return std::all_of(s.begin(), s.end(), accept);
}

bool IsDec(char c) {
    return c >= '0' && c <= '9';
}
bool IsHex(char c) {
    return IsDec(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
    const size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view{} : digits.substr(first);
}

// Compares two digit strings without leading zeros as numbers.
int CompareDecimal(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

int64_t DecimalValue(std::string_view digits) {
    int64_t v = 0;
    for (char c : digits)
        v = v * 10 + (c - '0');
    return v;
}

uint32_t HexPattern(std::string_view digits) {
    uint64_t v = 0;
    for (char c : digits) {
        const int d = IsDec(c) ? c - '0' : (c | 0x20) - 'a' + 10;
        v = v * 16 + static_cast<uint64_t>(d);
    }
    return static_cast<uint32_t>(v);
}

std::optional<int32_t> Value(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool minus = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        minus = text[i++] == '-';
    const std::string_view body = text.substr(i);

    size_t prefix = 0;
    if (body.starts_with("0x") || body.starts_with("0X"))
        prefix = 2;
    else if (body.starts_with("$") || body.starts_with("x") || body.starts_with("X"))
        prefix = 1;

    if (prefix != 0) {
        const std::string_view digits = body.substr(prefix);
        if (digits.empty() || !AllOf(digits, IsHex))
            return std::nullopt;
        if (WithoutLeadingZeros(digits).size() > 8)
            return std::nullopt;
        uint32_t pattern = HexPattern(WithoutLeadingZeros(digits));
        if (minus)
            pattern = ~pattern + 1u;
        // Two's complement reading of the 32-bit pattern.
        return pattern >= 0x80000000u
                   ? static_cast<int32_t>(static_cast<int64_t>(pattern) - 0x100000000LL)
                   : static_cast<int32_t>(pattern);
    }

    if (body.empty() || !AllOf(body, IsDec))
        return std::nullopt;
    const std::string_view significant = WithoutLeadingZeros(body);
    if (CompareDecimal(significant, minus ? "2147483648" : "2147483647") > 0)
        return std::nullopt;
    const int64_t magnitude = DecimalValue(significant);
    return static_cast<int32_t>(minus ? -magnitude : magnitude);
}

} // namespace

Reading ReadInteger(std::string_view text) {
    Reading reading;
    reading.value = Value(text);
    if (!reading.value)
        reading.message.append("'").append(text).append("' is not a valid integer value");
    return reading;
}

} // namespace reference
