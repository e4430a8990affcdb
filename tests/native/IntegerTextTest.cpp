// The integer-text rule, as a table of texts and what they must read as.
#include "platform/IntegerText.h"
#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using glimmerbox::EConvertError;
using glimmerbox::StrToInt;
using glimmerbox::TryStrToInt;

struct Case {
    std::string text;
    std::optional<int32_t> value; // nothing: the text must be refused
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class IntegerTextTest : public testing::TestWithParam<Case> {};

TEST_P(IntegerTextTest, ReadsOrRefusesTheText) {
    const Case& c = GetParam();
    EXPECT_EQ(TryStrToInt(c.text), c.value);
    if (c.value) {
        EXPECT_EQ(StrToInt(c.text), *c.value);
    } else {
        try {
            StrToInt(c.text);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), "'" + c.text + "' is not a valid integer value");
        }
    }
}

const Case kDecimal[] = {
    {"0", 0},
    {"7", 7},
    {"-7", -7},
    {"+7", 7},
    {"000123", 123},
    {"-0", 0},
    {"2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"+0002147483647", 2147483647},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999999999999999", std::nullopt},
    {"4294967296", std::nullopt},
    {"   250", 250},
    {" -12", -12},
};

const Case kHexadecimal[] = {
    {"$FF", 255},
    {"$ff", 255},
    {"xFF", 255},
    {"XfF", 255},
    {"0x1f", 31},
    {"0X1F", 31},
    {"$FFFFFFFF", -1},
    {"$80000000", INT32_MIN},
    {"$7FFFFFFF", INT32_MAX},
    {"-$1", -1},
    {"-$80000000", INT32_MIN},
    {"-$FFFFFFFF", 1},
    {"+$10", 16},
    {"$000000000000FF", 255},     // leading zeros are not significant
    {"$100000000", std::nullopt}, // nine significant digits
    {"0x0", 0},
    {"  $64", 100},
};

const Case kRefused[] = {
    {"", std::nullopt},
    {" ", std::nullopt},
    {"   ", std::nullopt},
    {"+", std::nullopt},
    {"-", std::nullopt},
    {"$", std::nullopt},
    {"x", std::nullopt},
    {"0x", std::nullopt},
    {"-0x", std::nullopt},
    {"250 ", std::nullopt}, // nothing after the digits, not even a blank
    {"- 5", std::nullopt},  // no blank between sign and digits
    {"\t5", std::nullopt},  // only blanks are skipped
    {"5\t", std::nullopt},
    {"+-5", std::nullopt},
    {"--5", std::nullopt},
    {"0a0", std::nullopt},
    {"12abc", std::nullopt},
    {"$G", std::nullopt},
    {"$ 1", std::nullopt},
    {"0x$1", std::nullopt},
    {"00x1", std::nullopt},
    {"1.5", std::nullopt},
    {"1e3", std::nullopt},
    {"5 0", std::nullopt},
    {"true", std::nullopt},
    {"\xA0"
     "5",
     std::nullopt}, // a non-breaking space is not a blank
    {std::string("5\0", 2), std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Decimal, IntegerTextTest, testing::ValuesIn(kDecimal));
INSTANTIATE_TEST_SUITE_P(Hexadecimal, IntegerTextTest, testing::ValuesIn(kHexadecimal));
INSTANTIATE_TEST_SUITE_P(Refused, IntegerTextTest, testing::ValuesIn(kRefused));

TEST(IntegerTextMessage, QuotesTheWholeTextAsGiven) {
    EXPECT_EQ(glimmerbox::InvalidIntegerMessage("  5 0"), "'  5 0' is not a valid integer value");
    EXPECT_EQ(glimmerbox::InvalidIntegerMessage(""), "'' is not a valid integer value");
}

TEST(IntegerTextMessage, EConvertErrorIsAnException) {
    try {
        StrToInt("abc");
        FAIL();
    } catch (const glimmerbox::Exception& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
    }
}

} // namespace
