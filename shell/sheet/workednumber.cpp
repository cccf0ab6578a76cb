#include "shell/sheet/workednumber.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sheet {

namespace {

const char *const Minus = "\u2212";

std::string superscript(int n)
{
    static const char *const digits[] = {"\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074",
                                         "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    std::string text = n < 0 ? "\u207b" : "";
    for (const char ch : std::to_string(std::abs(n)))
        text += digits[ch - '0'];
    return text;
}

}  // namespace

std::string workedNumber(double value)
{
    if (std::isnan(value))
        return "\u2014";
    if (std::isinf(value))
        return value > 0 ? "\u221e" : std::string(Minus) + "\u221e";
    if (value == 0)
        return "0";  // -0 as well
    // %.6g writes plain digits exactly where they are few enough (10⁻⁴ ≤ |value| < 10⁶) and
    // drops the trailing zeros of the six significant digits.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", std::fabs(value));
    std::string digits = buffer;
    const std::size_t e = digits.find('e');
    if (e != std::string::npos) {
        const int exponent = std::atoi(digits.c_str() + e + 1);
        const std::string mantissa = digits.substr(0, e);
        digits = (mantissa == "1" ? std::string() : mantissa + " \u00d7 ") + "10" + superscript(exponent);
    }
    return value < 0 ? Minus + digits : digits;
}

bool isPowerOfTenText(const std::string &text)
{
    for (const char *const mark :
         {"\u207b", "\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074", "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"})
        if (text.find(mark) != std::string::npos)
            return true;
    return false;
}

}  // namespace sheet
