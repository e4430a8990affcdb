// Holds the integer-text conversion against the reference reading on every
// input: the same value, or the same refusal with the same message. Each
// input is tried twice: as raw text, and as a number the input describes,
// written in one of the rule's many spellings (blanks, sign, prefix, zeros),
// which reaches the range limits far more often than mutation alone.
#include "ReferenceIntegerText.h"
#include "platform/Exceptions.h"
#include "platform/IntegerText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void Disagree(const std::string& text, const char* what) {
    std::fprintf(stderr, "integer text disagreement (%s) on \"%s\"\n", what, text.c_str());
    std::abort();
}

void Check(const std::string& text) {
    const reference::Reading expected = reference::ReadInteger(text);
    if (glimmerbox::TryStrToInt(text) != expected.value)
        Disagree(text, "TryStrToInt value");
    try {
        const int32_t value = glimmerbox::StrToInt(text);
        if (!expected.value || value != *expected.value)
            Disagree(text, "StrToInt accepted");
    } catch (const glimmerbox::EConvertError& error) {
        if (expected.value)
            Disagree(text, "StrToInt refused");
        if (error.Message() != expected.message)
            Disagree(text, "message");
    }
    if (!expected.value && glimmerbox::InvalidIntegerMessage(text) != expected.message)
        Disagree(text, "InvalidIntegerMessage");
}

const char* const kHexDigits = "0123456789abcdef0123456789ABCDEF";

// A spelling of a 64-bit magnitude; far outside int32 on purpose at times.
std::string Spell(FuzzedDataProvider& data) {
    std::string text(data.ConsumeIntegralInRange<size_t>(0, 3), ' ');
    switch (data.ConsumeIntegralInRange(0, 2)) {
    case 1:
        text += '+';
        break;
    case 2:
        text += '-';
        break;
    default:
        break;
    }
    static const char* const kPrefixes[] = {"", "$", "x", "X", "0x", "0X"};
    const char* prefix = kPrefixes[data.ConsumeIntegralInRange<size_t>(0, 5)];
    text += prefix;
    text.append(data.ConsumeIntegralInRange<size_t>(0, 12), '0');
    uint64_t magnitude = data.ConsumeIntegral<uint64_t>();
    switch (data.ConsumeIntegralInRange(0, 3)) { // bias towards the edges
    case 0:
        magnitude = 0x7FFFFFFFull + (magnitude % 5) - 2;
        break;
    case 1:
        magnitude = 0xFFFFFFFFull + (magnitude % 5) - 2;
        break;
    case 2:
        magnitude %= 1000;
        break;
    default:
        break;
    }
    if (*prefix == '\0') {
        text += std::to_string(magnitude);
    } else {
        std::string digits;
        do {
            digits.insert(digits.begin(), kHexDigits[(magnitude & 15u) + 16u * data.ConsumeBool()]);
            magnitude >>= 4;
        } while (magnitude != 0);
        text += digits;
    }
    static const char* const kTails[] = {"", "", "", " ", "\t", "x", "0"};
    text += kTails[data.ConsumeIntegralInRange<size_t>(0, 6)];
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    Check(std::string(reinterpret_cast<const char*>(bytes), size));
    FuzzedDataProvider data(bytes, size);
    Check(Spell(data));
    return 0;
}
