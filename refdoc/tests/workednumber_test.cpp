#include "shell/sheet/workednumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

struct Written {
    const char *name;
    double value;
    const char *text;
};

class WorkedNumber : public ::testing::TestWithParam<Written>
{
};

TEST_P(WorkedNumber, IsWrittenAsAnEngineerWritesIt)
{
    EXPECT_EQ(sheet::workedNumber(GetParam().value), GetParam().text);
}

const Written Table[] = {
    {"TrailingBinaryNoise", 0.0939999999999999, "0.094"},
    {"NegativeNoise", -700.000000000002, "\u2212700"},
    {"SmallConstant", 7e-05, "7 \u00d7 10\u207b\u2075"},
    {"LargeProduct", 83333333.3, "8.33333 \u00d7 10\u2077"},
    {"SixDigits", 1666.6666666666667, "1666.67"},
    {"SixDigitsWhole", 123456.4, "123456"},
    {"RoundsUpToAMillion", 999999.7, "10\u2076"},
    {"RoundsToThePlainLimit", 9.999999e-05, "0.0001"},
    {"NegativeSmall", -2.5e-07, "\u22122.5 \u00d7 10\u207b\u2077"},
    {"Zero", 0.0, "0"},
    {"NegativeZero", -0.0, "0"},
    {"Huge", 1e300, "10\u00b3\u2070\u2070"},
    {"NotANumber", std::numeric_limits<double>::quiet_NaN(), "\u2014"},
};

INSTANTIATE_TEST_SUITE_P(refdoc, WorkedNumber, ::testing::ValuesIn(Table),
                         [](const ::testing::TestParamInfo<Written> &entry) { return std::string(entry.param.name); });

// Read back as a number: "−2.5 × 10⁻⁷" is -2.5e-07.
double readBack(std::string text)
{
    const auto replace = [&](const std::string &from, const std::string &to) {
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from))
            text.replace(at, from.size(), to);
    };
    replace("\u2212", "-");
    replace(" \u00d7 10", "e");
    const std::size_t sign = text.rfind('-', 0) == 0 ? 1 : 0;
    const bool power = text.find('e') == std::string::npos && text.compare(sign, 2, "10") == 0 &&
                       text.size() > sign + 2 && (text[sign + 2] & 0x80) != 0;
    if (power)
        text.replace(sign, 2, "1e");  // "10⁶" is 1e6
    replace("\u207b", "-");
    const char *const digits[] = {"\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074",
                                  "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    for (int d = 0; d < 10; ++d)
        replace(digits[d], std::to_string(d));
    return std::strtod(text.c_str(), nullptr);
}

// Every text reads back to its value within half a unit of the sixth significant digit, and has
// no more than six significant digits.
TEST(refdoc, WorkedNumbersRoundTripToSixSignificantDigits)
{
    for (double v = -9.87654321e9; std::fabs(v) > 1e-9; v /= -3.3) {
        const std::string text = sheet::workedNumber(v);
        EXPECT_NEAR(readBack(text), v, std::fabs(v) * 5e-6) << text;
        int significant = 0;
        bool leading = true;
        for (const char c : text.substr(0, text.find(" \u00d7")))
            if (c >= '0' && c <= '9') {
                leading = leading && c == '0';
                significant += leading ? 0 : 1;
            }
        EXPECT_LE(significant, 6) << text;
        EXPECT_EQ(text.find('-'), std::string::npos) << text;
        EXPECT_EQ(text.find('e'), std::string::npos) << text;
    }
}

}  // namespace
