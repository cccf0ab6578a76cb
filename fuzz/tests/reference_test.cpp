// The exact decimal reference against hand values and the limits of a double, then the number
// promises over inputs drawn with a fixed seed.

#include "fuzz/decimal.h"
#include "fuzz/numberchecks.h"
#include "fuzz/textchecks.h"
#include "shell/core/testing/acceptedinputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace fuzzing;

TEST(fuzzReference, exactDigitsOfDoubles)
{
    const Decimal tenth = exactDecimal(0.1);
    EXPECT_EQ(tenth.digits, "1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(tenth.exponent, -1);
    EXPECT_EQ(exactDecimal(1.5).digits, "15");
    EXPECT_EQ(exactDecimal(-1024.0).exponent, 3);
    EXPECT_TRUE(exactDecimal(0.0).isZero());
    // 2^53 + 2 and 2^-1074, the smallest double: 751 digits, the first ones well known
    EXPECT_EQ(exactDecimal(9007199254740994.0).digits, "9007199254740994");
    const Decimal smallest = exactDecimal(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(smallest.digits.size(), 751u);
    EXPECT_EQ(smallest.digits.substr(0, 17), "49406564584124654");
    EXPECT_EQ(smallest.exponent, -324);
    EXPECT_EQ(exactDecimal(std::numeric_limits<double>::max()).digits.substr(0, 17), "17976931348623157");
    EXPECT_EQ(integerDecimal("1F", 16).digits, "31");
    EXPECT_EQ(integerDecimal("777", 8).digits, "511");
    const Decimal typed = textDecimal("0012.500", -3);
    EXPECT_EQ(typed.digits, "125");
    EXPECT_EQ(typed.exponent, -2);
}

TEST(fuzzReference, roundingHalfAwayAndToTheNearestDouble)
{
    EXPECT_EQ(roundHalfAway(textDecimal("9.9995", 0), 4).digits, "1");
    EXPECT_EQ(roundHalfAway(textDecimal("9.9995", 0), 4).exponent, 1);
    EXPECT_EQ(roundHalfAway(textDecimal("2.67499", 0), 3).digits, "267");
    EXPECT_EQ(compare(textDecimal("1.5", 0), textDecimal("15", -1)), 0);
    EXPECT_EQ(compare(textDecimal("1.5", 0), textDecimal("1.51", 0)), -1);

    EXPECT_TRUE(isNearestDouble(textDecimal("0.1", 0), 0.1));
    EXPECT_FALSE(isNearestDouble(textDecimal("0.1", 0), std::nextafter(0.1, 1.0)));
    // 2^53 + 1 lies halfway: the even neighbour 2^53 is nearest, 2^53 + 2 is not
    EXPECT_TRUE(isNearestDouble(textDecimal("9007199254740993", 0), 9007199254740992.0));
    EXPECT_FALSE(isNearestDouble(textDecimal("9007199254740993", 0), 9007199254740994.0));
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(isNearestDouble(textDecimal("1.7976931348623158", 308), std::numeric_limits<double>::max()));
    EXPECT_TRUE(isNearestDouble(textDecimal("1.797693134862316", 308), infinity));
    EXPECT_FALSE(isNearestDouble(textDecimal("1.797693134862315", 308), infinity));
    EXPECT_TRUE(isNearestDouble(textDecimal("2.4703282292062327", -324), 0.0));
    EXPECT_TRUE(isNearestDouble(textDecimal("2.4703282292062328", -324), std::numeric_limits<double>::denorm_min()));
}

TEST(fuzzReference, formatsFromTheExactDigits)
{
    EXPECT_EQ(generalReference(2500.0 / 3.0), "833.333333333333");
    EXPECT_EQ(generalReference(100000000000000.5), "100000000000001");
    EXPECT_EQ(generalReference(0.00001), "1E-05");
    EXPECT_EQ(generalReference(999999999999999.9), "1E+15");
    EXPECT_EQ(generalReference(std::numeric_limits<double>::max()), "1.79769313486232E+308");
    EXPECT_EQ(scientificReference(9.9995, 3), "1.000e+01");
    EXPECT_EQ(scientificReference(2.675, 2), "2.68e+00");
    EXPECT_EQ(scientificReference(-2812.5, 3), "-2.813e+03");
    EXPECT_EQ(scientificReference(0, 0), "0e+00");
    EXPECT_EQ(convertedReference(123456789), "1.23456789E+08");
    EXPECT_EQ(convertedReference(99999999.99999999), "1E+08");
}

TEST(fuzzReference, textChecksFindNonNumbersAndForeignBytes)
{
    EXPECT_EQ(textFault("反力 (RA) \t8.333e+02 N･mm", false), "");
    EXPECT_NE(textFault("-inf", false), "");
    EXPECT_NE(textFault("NaN", false), "");
    EXPECT_NE(textFault("Infinity", false), "");
    EXPECT_EQ(textFault("influence line", false), "");
    EXPECT_NE(textFault("\xff", false), "");
    EXPECT_NE(textFault("\xc0\xaf", false), "");  // an overlong "/"
    EXPECT_NE(textFault("a\rb", false), "");
    EXPECT_EQ(textFault("a\r\n", true), "");
    EXPECT_TRUE(isScientificFormat("-1.234e+308", 3));
    EXPECT_FALSE(isScientificFormat("1.234e+3080", 3));
    EXPECT_FALSE(isScientificFormat("1.23e+08", 3));
}

// The edges of the number texts, held against the exact reference: texts read by their leading
// number in every way it may be written, values at the rounding, notation and format thresholds.
TEST(fuzzReference, numberPromisesHoldAtTheEdges)
{
    // Signs, points, exponents in E or D, blanks anywhere, &H and &O integers (above 2^53 rounded
    // once to the nearest double), numbers beyond the range of a double and halfway digits.
    std::vector<std::string> texts{"",        "abc12",  "12abc",  "00012",   "-3.5",     "+7",     "-.25",    "5.",
                                   "-",       ".",      "+-5",    "1.2.3",   "1,5",      "1 2",    "1.5e+3",  "25e-2",
                                   "1d-2",    "7e",     "7E+",    "1e2.5",   "1\n0\n0",  " \t\n",  "&h1f",    "& H 1 F",
                                   "&H10zz",  "&H",     "&o777",  "&O19",    "&O8",      "&X12",   "1e999",   "-1D400",
                                   "0.5e309", "1e-999", "1E9999", "1E-9999", "9.9E+308", "1690.5", "-2812.5", "9.9995",
                                   "-0",      "1E-05",  "0.0001", "1.5E+16", "99999.5"};
    texts.insert(texts.end(), {"\t-\t3 . 5 e 2 x", "&H1FFFFFFFFFFFFF", "&H25ECF84201C1AD398",
                               "&O4573174102003406551630", "&O7777777777777777777777", "1.7976931348623157e308",
                               "1" + std::string(400, '0'), "0." + std::string(400, '0') + "1"});
    for (const std::string &text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(checkReading(text), "");
        EXPECT_EQ(checkResultTextOf(text), "");
    }
    // Fifteen digits, a sixteenth halfway rounding away from zero, the E notation's thresholds,
    // halfway values of the result format, the thresholds of values and steps, converted inputs,
    // the limits of a double and what is no number.
    std::vector<double> values{123456789.123456789, 100000000000000.5, -100000000000000.5, 0.0000999999999999999999,
                               999999999999999.9};
    values.insert(values.end(),
                  {0,      -0.0,   0.0001, 0.00001, -0.000012345, 1e15,   -1.5e16,  1690.5,    3612.5,   -2812.5,
                   2812.4, 9.9995, -99995, 9.99949, 2.675,        7.5,    1e8,      100000001, 99999999, 10000,
                   10001,  -5e8,   1e11,   2.05e11, 123456789,    0.0833, 8.33e-10, 1e-11,     1.7e308});
    using limits = std::numeric_limits<double>;
    values.insert(values.end(), {2500.0 / 3.0, -2.0 / 3.0, limits::max(), limits::denorm_min(), limits::infinity(),
                                 limits::quiet_NaN()});
    for (const double value : values)
        for (int decimals = 0; decimals < 15; ++decimals)
            EXPECT_EQ(checkFormatting(value, decimals), "") << value;
}

// Doubles of every magnitude (bit patterns and decimal scales) and texts built of the pieces
// of numbers: every formatter and the reader keep their promises.
TEST(fuzzReference, numberPromisesHoldOverAFixedSeed)
{
    shell::testing::Draws draws(20261207);
    const char pieces[] = "0123456789.+-eEdD&HhOo x\t";
    for (int i = 0; i < 4000; ++i) {
        std::uint64_t bits = 0;
        for (int b = 0; b < 4; ++b)
            bits = (bits << 16) | static_cast<std::uint64_t>(draws.next() * 65536);
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        const double scaled = draws.between(-10, 10) * std::pow(10.0, std::floor(draws.between(-320, 309)));
        const int decimals = static_cast<int>(draws.next() * 15);
        ASSERT_EQ(checkFormatting(value, decimals), "");
        ASSERT_EQ(checkFormatting(scaled, decimals), "");

        std::string text;
        const int length = static_cast<int>(draws.next() * 30);
        for (int k = 0; k < length; ++k)
            text += pieces[static_cast<std::size_t>(draws.next() * (sizeof pieces - 1))];
        ASSERT_EQ(checkReading(text), "");
        ASSERT_EQ(checkResultTextOf(text), "");
    }
}

}  // namespace
