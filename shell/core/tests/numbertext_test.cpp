// Reading typed numbers and writing numbers back into fields.

#include "numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using namespace shell;

struct ReadCase {
    const char *text;
    double expected;
};

TEST(numbertext, readsTheLeadingNumber)
{
    const ReadCase table[] = {
        {"", 0},
        {"abc", 0},
        {"abc12", 0},
        {"12abc", 12},
        {"250", 250},
        {"00012", 12},
        {"-3.5", -3.5},
        {"+7", 7},
        {".5", 0.5},
        {"-.25", -0.25},
        {"5.", 5},
        {"-", 0},
        {".", 0},
        {"+-5", 0},
        {"--5", 0},
        // one decimal point only: the second ends the number
        {"1.2.3", 1.2},
        {"1..2", 1},
        {"1,5", 1},
        // exponents: E or D in either case, with or without a sign
        {"1.5E3", 1500},
        {"1.5e+3", 1500},
        {"25e-2", 0.25},
        {"1D3", 1000},
        {"1d-2", 0.01},
        {"2E0", 2},
        // an exponent letter without digits belongs to the junk after the number
        {"7e", 7},
        {"7E+", 7},
        {"7d-x", 7},
        {"1e2.5", 100},
        {"1e2e3", 100},
    };
    for (const ReadCase &c : table) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readNumber(c.text), c.expected);
    }
}

TEST(numbertext, skipsBlanksTabsAndLineFeedsWhereverTheyStand)
{
    const ReadCase table[] = {
        {"1 2", 12},
        {"  42  ", 42},
        {"\t-\t3 . 5 e 2 x", -350},
        {"1\n0\n0", 100},
        {"- 5", -5},
        {"1 e 3", 1000},
        {"& H 1 F", 31},
        {" \t\n", 0},
    };
    for (const ReadCase &c : table) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readNumber(c.text), c.expected);
    }
}

TEST(numbertext, readsHexadecimalAndOctalIntegers)
{
    const ReadCase table[] = {
        {"&H1F", 31},
        {"&h1f", 31},
        {"&HFF", 255},
        {"&H10zz", 16},
        {"&H", 0},
        {"&HG", 0},
        {"&O17", 15},
        {"&o777", 511},
        {"&O19", 1},  // 9 is no octal digit
        {"&O8", 0},
        {"&X12", 0},
        {"&", 0},
    };
    for (const ReadCase &c : table) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readNumber(c.text), c.expected);
    }
}

TEST(numbertext, numbersBeyondTheDoubleRangeReadAsInfinityOrZero)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(readNumber("1e999"), inf);
    EXPECT_EQ(readNumber("-1e999"), -inf);
    EXPECT_EQ(readNumber("9e308"), inf);
    EXPECT_EQ(readNumber("0.5e309"), inf);
    EXPECT_EQ(readNumber("1D400"), inf);
    // Typed out in full, without an exponent: still far beyond the largest double.
    EXPECT_EQ(readNumber("1" + std::string(400, '0')), inf);
    EXPECT_EQ(readNumber("-" + std::string(350, '9') + ".5"), -inf);

    EXPECT_EQ(readNumber("1e-999"), 0);
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(readNumber("0e999"), 0);
    // The largest double itself still reads as a finite number.
    EXPECT_EQ(readNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(numbertext, holdsNumberTellsNumbersFromOtherTexts)
{
    for (const char *text : {"0", "12abc", " -3", ".5", "-.5", "&H1F", "&O7", "1 2"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(holdsNumber(text));
    }
    for (const char *text : {"", "abc", "-", ".", "+.", "&H", "&O9", "e5", "  "}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(holdsNumber(text));
    }
}

struct TextCase {
    double value;
    const char *expected;
};

TEST(numbertext, generalTextKeepsFifteenSignificantDigitsWithoutTrailingZeros)
{
    const TextCase table[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-1.5, "-1.5"},
        {123.456, "123.456"},
        {250, "250"},
        {100000, "100000"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {2500.0 / 3.0, "833.333333333333"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {-2.0 / 3.0, "-0.666666666666667"},
        {123456789.123456789, "123456789.123457"},
        {1.0000000000000002, "1"},
        {999999999999999, "999999999999999"},
        {100000000000000, "100000000000000"},
        // a sixteenth digit exactly halfway rounds away from zero
        {100000000000000.5, "100000000000001"},
        {-100000000000000.5, "-100000000000001"},
        {100000000000002.5, "100000000000003"},
    };
    for (const TextCase &c : table) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(generalText(c.value), c.expected);
    }
}

TEST(numbertext, generalTextTurnsScientificForExtremeMagnitudes)
{
    const TextCase table[] = {
        {0.0001, "0.0001"},
        {0.00012, "0.00012"},
        {-0.0001, "-0.0001"},
        {0.00001, "1E-05"},
        {0.000012345, "1.2345E-05"},
        {-0.00001, "-1E-05"},
        {1e15, "1E+15"},
        {1.5e16, "1.5E+16"},
        {-1.5e16, "-1.5E+16"},
        {1e100, "1E+100"},
        {1e-300, "1E-300"},
        {1.23456789012345678e17, "1.23456789012346E+17"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        // rounding to fifteen digits can carry into the next power of ten
        {999999999999999.9, "1E+15"},
        {0.0000999999999999999999, "0.0001"},
    };
    for (const TextCase &c : table) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(generalText(c.value), c.expected);
    }
}

TEST(numbertext, generalTextOfValuesThatCannotBeShownIsEmpty)
{
    EXPECT_EQ(generalText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(generalText(-std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(generalText(std::numeric_limits<double>::quiet_NaN()), "");
}

TEST(numbertext, generalTextReadsBackToTheSameFifteenDigits)
{
    const double values[] = {833.3333333333334, 1e-5, 0.0001, 1.5e16, -2812.5, 6.02214076e23, 1e15, 3.141592,
                             -0.000123456789012345, 98765.4321};
    for (double v : values) {
        SCOPED_TRACE(generalText(v));
        const std::string once = generalText(v);
        EXPECT_EQ(generalText(readNumber(once)), once);
        EXPECT_NEAR(readNumber(once), v, std::fabs(v) * 1e-14);
    }
}

struct ScientificCase {
    double value;
    int decimals;
    const char *expected;
};

TEST(numbertext, scientificFormatsRoundHalfwayValuesAwayFromZero)
{
    const ScientificCase table[] = {
        {1690.5, 3, "1.691e+03"},
        {3612.5, 3, "3.613e+03"},
        {-2812.5, 3, "-2.813e+03"},
        {2812.4, 3, "2.812e+03"},
        {833.3333333333334, 3, "8.333e+02"},
        {100, 3, "1.000e+02"},
        {1, 3, "1.000e+00"},
        {-1, 3, "-1.000e+00"},
        {0.001234, 3, "1.234e-03"},
        {1.5e16, 3, "1.500e+16"},
        {1e100, 3, "1.000e+100"},
        {1e-100, 3, "1.000e-100"},
        // a halfway value carries through every nine into the exponent
        {9.9995, 3, "1.000e+01"},
        {-99995, 3, "-1.000e+05"},
        {9.99949, 3, "9.999e+00"},
        // the fifteen-digit text is what is rounded: 2.675 shows as 2.675, not 2.67499...
        {2.675, 2, "2.68e+00"},
        {12250, 2, "1.23e+04"},
        {123456789, 4, "1.2346e+08"},
        {0, 3, "0.000e+00"},
        {-0.0, 3, "0.000e+00"},
        {0, 4, "0.0000e+00"},
        {0, 2, "0.00e+00"},
    };
    for (const ScientificCase &c : table) {
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
        {1e11, "1.0000e+11", "1.00e+11"},
        {10000, "10000", "10000"},
        {10001, "10001", "1.00e+04"},
        {20000, "20000", "2.00e+04"},
        {123.456, "123.456", "123.456"},
        // negative numbers never cross the thresholds
        {-5e8, "-500000000", "-500000000"},
        {0, "0", "0"},
    };
    for (const auto &c : table) {
        SCOPED_TRACE(c.asValue);
        EXPECT_EQ(FormatLargeValue(c.value), c.asValue);
        EXPECT_EQ(FormatLargeStep(c.value), c.asStep);
    }
}

TEST(numbertext, stressToUnitScalesBySystem)
{
    EXPECT_EQ(StressToUnit(205000, 0), 205000);
    EXPECT_EQ(StressToUnit(205000, 1), 20500000);
    EXPECT_EQ(StressToUnit(205000, 2), 205000000000.0);
    EXPECT_EQ(StressToUnit(-3, 2), -3000000);
    EXPECT_EQ(UnitScale(0), 1);
    EXPECT_EQ(UnitScale(1), 100);
    EXPECT_EQ(UnitScale(2), 1000000);
    // mm -> m -> mm of a modulus brings back the same text
    EXPECT_EQ(generalText(readNumber(FormatLargeValue(100000 * (UnitScale(2) / UnitScale(0)))) *
                          (UnitScale(0) / UnitScale(2))),
              "100000");
}

TEST(numbertext, log10OrZeroPlotsOnlyPositiveValues)
{
    EXPECT_DOUBLE_EQ(Log10OrZero(0.01), -2);
    EXPECT_DOUBLE_EQ(Log10OrZero(1000), 3);
    EXPECT_DOUBLE_EQ(Log10OrZero(1), 0);
    EXPECT_EQ(Log10OrZero(0), 0);
    EXPECT_EQ(Log10OrZero(-5), 0);
    EXPECT_EQ(Log10OrZero(-1000), 0);
    // shown as text the tiny rounding of ln/ln disappears
    EXPECT_EQ(generalText(Log10OrZero(1000)), "3");
    EXPECT_EQ(generalText(Log10OrZero(0.01)), "-2");
}

TEST(numbertext, symbolPartIsTheCaptionFromTheFirstParenthesis)
{
    EXPECT_EQ(SymbolPart("反力 (RA)"), "(RA)");
    EXPECT_EQ(SymbolPart("断面2次モーメント (I)"), "(I)");
    EXPECT_EQ(SymbolPart("座屈荷重 (Pk) (Euler)"), "(Pk) (Euler)");
    EXPECT_EQ(SymbolPart("(σk)"), "(σk)");
    EXPECT_EQ(SymbolPart("no symbol"), "");
    EXPECT_EQ(SymbolOf("反力 (RA)"), "RA");
    EXPECT_EQ(SymbolOf("座屈応力度 (σk)"), "σk");
    EXPECT_EQ(SymbolOf("open (x"), "x");
    EXPECT_EQ(SymbolOf("none"), "");
}

} // namespace
