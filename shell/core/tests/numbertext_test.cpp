// Reading typed numbers and writing numbers back into fields.

#include "shell/core/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace shell;

const double Inf = std::numeric_limits<double>::infinity();

TEST(numbertext, readsTheLeadingNumber)
{
    const struct {
        const char *text;
        double expected;
    } table[] = {
        {"", 0},
        {"abc12", 0},
        {"12abc", 12},
        {"00012", 12},
        {"-3.5", -3.5},
        {"+7", 7},
        {"-.25", -0.25},
        {"5.", 5},
        {"-", 0},
        {".", 0},
        {"+-5", 0},
        // one decimal point only: the second ends the number
        {"1.2.3", 1.2},
        {"1,5", 1},
        // exponents: E or D in either case; a letter without digits is junk after the number
        {"1.5e+3", 1500},
        {"25e-2", 0.25},
        {"1d-2", 0.01},
        {"7e", 7},
        {"7E+", 7},
        {"1e2.5", 100},
        // blanks, tabs and line feeds are skipped wherever they stand
        {"\t-\t3 . 5 e 2 x", -350},
        {"1\n0\n0", 100},
        {" \t\n", 0},
        // hexadecimal and octal integers
        {"&h1f", 31},
        {"& H 1 F", 31},
        {"&H10zz", 16},
        {"&H", 0},
        {"&o777", 511},
        {"&O19", 1},
        {"&O8", 0},
        {"&X12", 0},
        // above 2^53 rounded once to the nearest double, not digit by digit
        {"&H25ECF84201C1AD398", 4.372531258060878e+19},
        {"&O4573174102003406551630", 4.372531258060878e+19},
        {"&O7777777777777777777777", 7.378697629483821e+19},
        {"&H1FFFFFFFFFFFFF", 9007199254740991},
    };
    for (const auto &c : table) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readNumber(c.text), c.expected);
    }
}

TEST(numbertext, numbersBeyondTheDoubleRangeReadAsInfinityOrZero)
{
    EXPECT_EQ(readNumber("1e999"), Inf);
    EXPECT_EQ(readNumber("-1D400"), -Inf);
    EXPECT_EQ(readNumber("0.5e309"), Inf);
    // typed out in full, without an exponent
    EXPECT_EQ(readNumber("1" + std::string(400, '0')), Inf);
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(readNumber("1e-999"), 0);
    EXPECT_EQ(readNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(numbertext, generalTextKeepsFifteenSignificantDigits)
{
    const struct {
        double value;
        const char *expected;
    } table[] = {
        {0, "0"},
        {-0.0, "0"},
        {2500.0 / 3.0, "833.333333333333"},
        {-2.0 / 3.0, "-0.666666666666667"},
        {123456789.123456789, "123456789.123457"},
        // a sixteenth digit exactly halfway rounds away from zero
        {100000000000000.5, "100000000000001"},
        {-100000000000000.5, "-100000000000001"},
        // scientific below 0.0001 and from 1E+15 on; rounding may carry into the next power
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {-0.000012345, "-1.2345E-05"},
        {0.0000999999999999999999, "0.0001"},
        {1e15, "1E+15"},
        {999999999999999.9, "1E+15"},
        {-1.5e16, "-1.5E+16"},
        // values that cannot be shown leave the field empty
        {Inf, ""},
        {std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const auto &c : table) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(generalText(c.value), c.expected);
    }
}

TEST(numbertext, scientificFormatsRoundHalfwayValuesAwayFromZero)
{
    const struct {
        double value;
        int decimals;
        const char *expected;
    } table[] = {
        {1690.5, 3, "1.691e+03"},
        {3612.5, 3, "3.613e+03"},
        {-2812.5, 3, "-2.813e+03"},
        {2812.4, 3, "2.812e+03"},
        // a halfway value carries through every nine into the exponent
        {9.9995, 3, "1.000e+01"},
        {-99995, 3, "-1.000e+05"},
        {9.99949, 3, "9.999e+00"},
        // the fifteen-digit text is what is rounded: 2.675 shows as 2.675, not 2.67499...
        {2.675, 2, "2.68e+00"},
        {0, 3, "0.000e+00"},
        {-0.0, 3, "0.000e+00"},
        // no decimals: no point, zero included
        {0, 0, "0e+00"},
        {7.5, 0, "8e+00"},
    };
    for (const auto &c : table) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(scientificText(c.value, c.decimals), c.expected);
    }
    EXPECT_EQ(resultText(1690.5), "1.691e+03");
}

TEST(numbertext, formatLargeValueAndStepApplyAboveTheirThresholdsOnly)
{
    const struct {
        double value;
        const char *asValue;
        const char *asStep;
    } table[] = {
        {100000000, "100000000", "1.00e+08"},
        {100000001, "1.0000e+08", "1.00e+08"},
        {10000, "10000", "10000"},
        {10001, "10001", "1.00e+04"},
        // negative numbers never cross the thresholds
        {-5e8, "-500000000", "-500000000"},
    };
    for (const auto &c : table) {
        SCOPED_TRACE(c.asValue);
        EXPECT_EQ(FormatLargeValue(c.value), c.asValue);
        EXPECT_EQ(FormatLargeStep(c.value), c.asStep);
    }
}

// A converted number is written in one style, values and steps alike: the general digits,
// scientific from 1E+08 up and below 1E-04, every digit kept.
TEST(numbertext, convertedTextsHaveOneStyleAndKeepEveryDigit)
{
    const struct {
        double value;
        const char *text;
    } table[] = {
        {1e11, "1E+11"},
        {2.05e11, "2.05E+11"},
        {100000000, "1E+08"},
        {99999999, "99999999"},
        {123456789, "1.23456789E+08"},
        {100000, "100000"},
        {0.0833, "0.0833"},
        {8.33e-10, "8.33E-10"},
        {1e-11, "1E-11"},
        {-2e9, "-2E+09"},
        {0, "0"},
        // the largest double: its fifteen digits round beyond it (the unit change refuses it)
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    };
    for (const auto &c : table) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(convertedText(c.value), c.text);
    }
}

}  // namespace

// The result format taken from the digits of a shown text must be exactly the format of the
// number read back from it, for every text the fields hold.
TEST(numbertext, resultFormatFromShownDigitsMatchesTheNumber)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::vector<std::string> texts{"1690.5",  "-2812.5", "9.9995", "0",      "-0",      "1E-05",    "0.0001",
                                   "1.5E+16", "99999.5", "12abc",  "1 2",    "",        "-",        ".5",
                                   "5.",      "1e",      "&H1F",   "1E9999", "1E-9999", "9.9E+308", "1.7E+308"};
    for (int i = 0; i < 20000; ++i) {
        const double v = mantissa(random) * std::pow(10.0, exponent(random));
        texts.push_back(shell::generalText(v));
        texts.push_back(shell::resultText(v));
    }
    for (const std::string &t : texts)
        ASSERT_EQ(shell::resultTextOf(t), shell::resultText(shell::readNumber(t))) << "'" << t << "'";
    // Exponents beyond the range of a double: nothing written outside the format's alphabet.
    EXPECT_EQ(shell::resultTextOf("1E9999"), "");
    EXPECT_EQ(shell::resultTextOf("1E-9999"), "0.000e+00");
    EXPECT_EQ(shell::scientificText(1.7e308, 3), "1.700e+308");
}
