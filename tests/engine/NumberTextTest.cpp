#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "engine/NumberText.h"

using namespace kestrel;

namespace {

struct NumericCase {
    const char* text;
    bool numeric;
    std::optional<double> asDouble;
    std::optional<float> asSingle;
    double leading;
};

constexpr auto none = std::nullopt;

// One table for the numeric test and the three text-to-number conversions.
const NumericCase kNumericCases[] = {
    {"12.5", true, 12.5, 12.5f, 12.5},
    {"  12.5  ", true, 12.5, 12.5f, 12.5},
    {"\t7\t", true, 7, 7.f, 7},
    {"-5.0", true, -5, -5.f, -5},
    {"+3", true, 3, 3.f, 3},
    {"-.5", true, -0.5, -0.5f, -0.5},
    {"5.", true, 5, 5.f, 5},
    {".5", true, 0.5, 0.5f, 0.5},
    {"1e5", true, 1e5, 1e5f, 1e5},
    {"1E+05", true, 1e5, 1e5f, 1e5},
    {"2.5e-3", true, 2.5e-3, 2.5e-3f, 2.5e-3},
    {"1e39", true, 1e39, none, 1e39},      // fits a double, not a single
    {"-1e39", true, -1e39, none, -1e39},
    {"3.4e38", true, 3.4e38, 3.4e38f, 3.4e38},
    {"1e400", true, none, none, HUGE_VAL}, // fits neither
    {"1e-50", true, 1e-50, 0.f, 1e-50},    // underflow is zero, not an error
    {"", false, none, none, 0},
    {"   ", false, none, none, 0},
    {".", false, none, none, 0},
    {"-", false, none, none, 0},
    {"+.", false, none, none, 0},
    {"12.5abc", false, none, none, 12.5},
    {"abc", false, none, none, 0},
    {"1e", false, none, none, 1},
    {"1e+", false, none, none, 1},
    {"e5", false, none, none, 0},
    {"--5", false, none, none, 0},
    {"1.2.3", false, none, none, 1.2},
    {"1,5", false, none, none, 1},
    {"1 2", false, none, none, 1},
    {"0x10", false, none, none, 0},
    {"inf", false, none, none, 0},
    {"nan", false, none, none, 0},
    {"  -38.5 GHz", false, none, none, -38.5},
};

class NumericConversions : public ::testing::TestWithParam<NumericCase> {};

TEST_P(NumericConversions, AgreeWithTable) {
    const NumericCase& c = GetParam();
    EXPECT_EQ(isNumeric(c.text), c.numeric);
    EXPECT_EQ(toDoubleStrict(c.text), c.asDouble);
    EXPECT_EQ(toSingleStrict(c.text), c.asSingle);
    EXPECT_EQ(leadingNumber(c.text), c.leading);
}

INSTANTIATE_TEST_SUITE_P(Table, NumericConversions, ::testing::ValuesIn(kNumericCases));

TEST(NumericConversions, SingleIsRoundedStraightFromTheText) {
    // Nearest float to the decimal text, not a double rounded twice.
    EXPECT_EQ(toSingleStrict("16.5"), 16.5f);
    EXPECT_EQ(toSingleStrict("0.1"), 0.1f);
    EXPECT_EQ(toSingleStrict("3.4028235e38"), FLT_MAX);
}

TEST(NumericConversions, DoubleToSingleSaturatesLikeIEEE) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(toSingle(0.4), 0.4f);
    EXPECT_EQ(toSingle(double(FLT_MAX)), FLT_MAX);
    EXPECT_EQ(toSingle(double(FLT_MAX) + std::ldexp(1.0, 102)), FLT_MAX); // rounds down
    EXPECT_EQ(toSingle(double(FLT_MAX) + std::ldexp(1.0, 103)), inf);     // tie goes to even
    EXPECT_EQ(toSingle(1e39), inf);
    EXPECT_EQ(toSingle(-1e39), -inf);
    EXPECT_TRUE(std::isnan(toSingle(std::nan(""))));
}

struct IntCase {
    const char* text;
    std::optional<std::int16_t> value;
};

const IntCase kIntCases[] = {
    {"10", 10},      {"0", 0},           {"-3", -3},      {"2.5", 2},
    {"3.5", 4},      {"-2.5", -2},       {"-3.5", -4},    {"0.5", 0},
    {"2.4999", 2},   {"100", 100},       {"32767", 32767}, {"32767.5", std::nullopt},
    {"-32768.5", -32768}, {"40000", std::nullopt}, {"", std::nullopt}, {"ten", std::nullopt},
};

class IntegerConversion : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntegerConversion, RoundsHalvesToEven) {
    EXPECT_EQ(toInt16HalfEven(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, IntegerConversion, ::testing::ValuesIn(kIntCases));

struct TextCase {
    float value;
    const char* shortText;
    const char* fixed2;
};

const TextCase kTextCases[] = {
    {12.5f, "12.5", "12.50"},
    {7.f, "7", "7.00"},
    {36.5f, "36.5", "36.50"},
    {40.5f, "40.5", "40.50"},
    {0.5f, "0.5", "0.50"},
    {-5.f, "-5", "-5.00"},
    {0.f, "0", "0.00"},
    {-0.f, "0", "0.00"},
    {0.4f, "0.4", "0.40"},
    {16.5f, "16.5", "16.50"},
    {40.125f, "40.125", "40.13"},   // half away from zero on the decimal text
    {-40.125f, "-40.125", "-40.13"},
    {1234.567f, "1234.567", "1234.57"},
    {12345.678f, "12345.68", "12345.68"},
    {9999999.f, "9999999", "9999999.00"},
    {10000000.f, "1E+07", "10000000.00"},
    {12345678.f, "1.234568E+07", "12345680.00"},
    {0.0001f, "0.0001", "0.00"},
    {0.00001f, "1E-05", "0.00"},
    {-0.004f, "-0.004", "0.00"},    // rounds to zero: no sign
    {-0.005f, "-0.005", "-0.01"},
    {0.995f, "0.995", "1.00"},
    {99.995f, "99.995", "100.00"},
    {3.4e38f, "3.4E+38", "340000000000000000000000000000000000000.00"},
};

class NumberTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTexts, ShortTextAndFixed2) {
    const TextCase& c = GetParam();
    EXPECT_EQ(shortText(c.value), c.shortText);
    EXPECT_EQ(formatFixed2(shortText(c.value)), c.fixed2);
}

INSTANTIATE_TEST_SUITE_P(Table, NumberTexts, ::testing::ValuesIn(kTextCases));

TEST(NumberTexts, Fixed2KeepsEmptyAndFormattedTexts) {
    EXPECT_EQ(formatFixed2(""), "");
    EXPECT_EQ(formatFixed2("40.50"), "40.50");
    EXPECT_EQ(formatFixed2("abc"), "abc");
}

std::string ones(std::size_t zeros) { return "1" + std::string(zeros, '0') + ".00"; }

struct Fixed2Case {
    const char* text;
    std::string fixed2; // empty: beyond the double range, nothing to show
};

// Any decimal text: exponents of every size, leading zeros, the double range.
const Fixed2Case kFixed2Cases[] = {
    {"  7  ", "7.00"},
    {"000000123.456", "123.46"},
    {"0.00000000000000000000000001e26", "1.00"},
    {"1000e-3", "1.00"},
    {"123456e-5", "1.23"},
    {"1.0e+2", "100.00"},
    {"99.995e0", "100.00"},
    {"9.99e-1", "1.00"},
    {"5e-3", "0.01"},
    {"4.99e-3", "0.00"},
    {"-5e-3", "-0.01"},
    {"-4e-3", "0.00"}, // never a negative zero
    {"1e-400", "0.00"}, // below the smallest double: zero, not an error
    {"1e-99999999999999999999", "0.00"},
    {"-1e-99999999999999999999", "0.00"},
    {"-12e-9223372036854775808", "0.00"},
    {"0e99999999999999999999", "0.00"},
    {"0.0e9223372036854775807", "0.00"},
    {"1e308", ones(308)},
    {"-1e308", "-" + ones(308)},
    {"1.7976931348623157e308", "17976931348623157" + std::string(292, '0') + ".00"},
    {"1e309", ""},
    {"-1e309", ""},
    {"1E+400", ""},
    {"1e99999999999999999999", ""},
    {"12e9223372036854775807", ""},
    {"12e9223372036854775808", ""},
    {"-12e+99999999999999999999999999999", ""},
};

class Fixed2Texts : public ::testing::TestWithParam<Fixed2Case> {};

TEST_P(Fixed2Texts, AgreeWithTable) {
    EXPECT_EQ(formatFixed2(GetParam().text), GetParam().fixed2) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, Fixed2Texts, ::testing::ValuesIn(kFixed2Cases));

TEST(NumberTexts, Fixed2OfANonFiniteDoubleIsEmpty) {
    EXPECT_EQ(formatFixed2(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(formatFixed2(-std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(formatFixed2(std::nan("")), "");
    // Its 15-digit text would round beyond the range; the value itself fits.
    EXPECT_EQ(formatFixed2(DBL_MAX), "17976931348623157" + std::string(292, '0') + ".00");
    EXPECT_EQ(formatFixed2(-DBL_MAX), "-17976931348623157" + std::string(292, '0') + ".00");
}

TEST(NumberTexts, GeneralTextOfDouble) {
    EXPECT_EQ(generalText(61.0), "61");
    EXPECT_EQ(generalText(35.0), "35");
    EXPECT_EQ(generalText(0.1 + 0.2), "0.3");
    EXPECT_EQ(generalText(123456789012345.0), "123456789012345");
    EXPECT_EQ(generalText(1e15), "1E+15");
    EXPECT_EQ(generalText(-2.5), "-2.5");
    EXPECT_EQ(formatFixed2(32.5), "32.50");
    EXPECT_EQ(formatFixed2(-10.0), "-10.00");
    EXPECT_EQ(formatFixed2(-1e-6), "0.00");
    EXPECT_EQ(formatFixed2(-0.0), "0.00");
    EXPECT_EQ(formatFixed2(-0.00499), "0.00");
}

} // namespace
