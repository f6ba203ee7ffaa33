#include "model/types/ValueText.h"
#include "model/types/TypeDescription.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

TEST(StrToInt, ReadsDecimalIntegers) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("-17"), -17);
    EXPECT_EQ(StrToInt("+5"), 5);
    EXPECT_EQ(StrToInt("  42"), 42);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(StrToInt, RefusesOtherTextsWithTheConversionMessage) {
    for (const char* text : {"", "-", "12a", "1 ", "0x10", "2147483648", "-2147483649", "1.5"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(StrToFloat, ReadsDecimalNumbers) {
    EXPECT_EQ(StrToFloat("1.5"), 1.5);
    EXPECT_EQ(StrToFloat(" -2.5E3 "), -2500.0);
    EXPECT_EQ(StrToFloat("+.5"), 0.5);
    EXPECT_EQ(StrToFloat("7."), 7.0);
    EXPECT_EQ(StrToFloat("1e-400"), 0.0);
    EXPECT_EQ(StrToFloat("INF"), HUGE_VAL);
    EXPECT_EQ(StrToFloat("-inf"), -HUGE_VAL);
    EXPECT_TRUE(std::isnan(StrToFloat("NAN")));
}

TEST(StrToFloat, RefusesOtherTexts) {
    for (const char* text : {"", ".", "e5", "1e", "1,5", "0x1p3", "1e400", "--1", "1.5x"}) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

struct TGeneralCase {
    double Value;
    int Precision;
    const char* Text;
};

TEST(FloatToGeneral, FixedOrScientificByMagnitude) {
    const TGeneralCase cases[] = {
        {0.0, 15, "0"},
        {-0.0, 15, "0"},
        {1.5, 15, "1.5"},
        {0.1, 15, "0.1"},
        {-2500.0, 15, "-2500"},
        {0.00001, 15, "0.00001"},
        {0.000001, 15, "1E-6"},
        {1.5e-7, 15, "1.5E-7"},
        {123456789012345.0, 15, "123456789012345"},
        {1e15, 15, "1E15"},
        {1.0 / 3.0, 15, "0.333333333333333"},
        {2.0 / 3.0, 15, "0.666666666666667"},
        {1234567.0, 6, "1.23457E6"},
        {123456.0, 6, "123456"},
        {0.000123456789, 6, "0.000123457"},
        {999999.5, 6, "1E6"},
        {1e300, 15, "1E300"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToGeneral(c.Value, c.Precision), c.Text) << c.Value;
}

TEST(FloatToShortest, WritesTheShortestExactText) {
    EXPECT_EQ(FloatToShortest(0.1), "0.1");
    EXPECT_EQ(FloatToShortest(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(FloatToShortest(2500.0), "2500");
    EXPECT_EQ(FloatToShortest(1e20), "1E20");
    EXPECT_EQ(FloatToShortest(-0.0), "-0");
    EXPECT_EQ(FloatToShortest(5e-324), "5E-324");
    EXPECT_EQ(FloatToShortest(HUGE_VAL), "INF");
}

TEST(FloatToShortest, RoundTripsEveryDouble) {
    std::mt19937_64 random(99);
    for (int i = 0; i < 20000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (std::isnan(value))
            continue;
        const double back = StrToFloat(FloatToShortest(value));
        ASSERT_EQ(std::bit_cast<uint64_t>(back), std::bit_cast<uint64_t>(value))
            << FloatToShortest(value);
    }
    for (double value : {std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                         std::numeric_limits<double>::denorm_min(), 0.1 + 0.2, 1e15 - 0.5}) {
        EXPECT_EQ(StrToFloat(FloatToShortest(value)), value);
    }
}

TEST(TextHelpers, TrimsAndFormatsDigits) {
    EXPECT_EQ(TrimLeftControls(" \t\r\n x y "), "x y ");
    EXPECT_EQ(TrimLeftControls(""), "");
    EXPECT_EQ(HexDigits(0), "0");
    EXPECT_EQ(HexDigits(0xFFFFFFFFu), "FFFFFFFF");
    EXPECT_EQ(HexDigits(0xAu), "A");
    EXPECT_EQ(BinaryDigits(0), "0");
    EXPECT_EQ(BinaryDigits(10), "1010");
    EXPECT_EQ(BinaryDigits(0xFFFFFFFFu), std::string(32, '1'));
    EXPECT_EQ(ShortString(std::string(300, 'a')).size(), 255u);
}

TEST(DescriptionReader, ReadsFieldsUpToEachDollar) {
    TDescriptionReader reader("3$ab$$-4$rest");
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.NextInteger(), 3);
    EXPECT_EQ(reader.NextField(), "ab");
    EXPECT_EQ(reader.NextField(), "");
    EXPECT_EQ(reader.NextInteger(), -4);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.NextField(), ""); // no "$" left: empty, rest unread
    EXPECT_EQ(reader.Rest(), "rest");
    EXPECT_THROW(reader.NextInteger(), EConvertError);
}
