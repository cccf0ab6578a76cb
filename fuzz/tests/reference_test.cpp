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
