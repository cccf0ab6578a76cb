#include "fuzz/numberchecks.h"

#include "fuzz/decimal.h"
#include "shell/core/numbertext.h"

#include <cmath>
#include <cstring>

namespace fuzzing {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigitOf(char c, int radix)
{
    if (c >= '0' && c <= '9')
        return c - '0' < radix;
    return radix == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

// The leading number of a text as the rule describes it, found by a scanner of its own.
struct Scanned {
    bool holds = false;      // a number was found
    bool whole = false;      // and nothing follows it
    bool negative = false;   // a minus sign stands before it
    fuzzing::Decimal value;  // its exact magnitude
};

Scanned scan(std::string_view text)
{
    std::string s;
    for (const char c : text)
        if (!isBlank(c))
            s += c;
    Scanned r;
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = s[1];
        const int radix = kind == 'H' || kind == 'h' ? 16 : kind == 'O' || kind == 'o' ? 8 : 0;
        if (radix == 0)
            return r;  // "&X12" reads 0
        std::size_t end = 2;
        while (end < s.size() && isDigitOf(s[end], radix))
            ++end;
        r.holds = end > 2;
        r.whole = r.holds && end == s.size();
        r.value = integerDecimal(s.substr(2, end - 2), radix);
        return r;
    }
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        r.negative = s[pos] == '-';
        ++pos;
    }
    const std::size_t start = pos;
    std::size_t digits = 0;
    for (; pos < s.size() && isDigitOf(s[pos], 10); ++pos)
        ++digits;
    if (pos < s.size() && s[pos] == '.')
        for (++pos; pos < s.size() && isDigitOf(s[pos], 10); ++pos)
            ++digits;
    if (digits == 0)
        return r;
    r.holds = true;
    const std::string mantissa = s.substr(start, pos - start);
    long long exponent = 0;
    if (pos < s.size() && (s[pos] == 'E' || s[pos] == 'e' || s[pos] == 'D' || s[pos] == 'd')) {
        std::size_t p = pos + 1;
        bool minus = false;
        if (p < s.size() && (s[p] == '+' || s[p] == '-'))
            minus = s[p++] == '-';
        const std::size_t first = p;
        for (; p < s.size() && isDigitOf(s[p], 10); ++p)
            if (exponent < 1000000000000LL)  // far beyond any double: saturate
                exponent = exponent * 10 + (s[p] - '0');
        if (p > first) {
            pos = p;
            exponent = minus ? -exponent : exponent;
        } else {
            exponent = 0;
        }
    }
    r.whole = pos == s.size();
    r.value = textDecimal(mantissa, exponent);
    return r;
}

bool sameNumber(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

std::string quoted(std::string_view text)
{
    std::string out = "'";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7f) {
            static const char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
    return out + "'";
}

std::string numberText(double value)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

std::string expectEqual(const char *what, double value, const std::string &got, const std::string &expected)
{
    if (got == expected)
        return {};
    return std::string(what) + "(" + numberText(value) + ") gives " + quoted(got) + ", the exact digits give " +
           quoted(expected);
}

}  // namespace

bool isScientificFormat(std::string_view text, int decimals)
{
    std::size_t pos = 0;
    if (pos < text.size() && text[pos] == '-')
        ++pos;
    if (pos >= text.size() || !isDigitOf(text[pos++], 10))
        return false;
    if (decimals > 0) {
        if (pos >= text.size() || text[pos++] != '.')
            return false;
        for (int i = 0; i < decimals; ++i)
            if (pos >= text.size() || !isDigitOf(text[pos++], 10))
                return false;
    }
    if (pos + 4 > text.size() || text[pos] != 'e' || (text[pos + 1] != '+' && text[pos + 1] != '-'))
        return false;
    pos += 2;
    const std::size_t exponentDigits = text.size() - pos;
    if (exponentDigits < 2 || exponentDigits > 3)  // a double's exponents reach 308 and -324
        return false;
    for (; pos < text.size(); ++pos)
        if (!isDigitOf(text[pos], 10))
            return false;
    return true;
}

std::string checkReading(std::string_view text)
{
    const double x = shell::readNumber(text);
    const Scanned expected = scan(text);
    const std::string t = quoted(text);
    if (std::isnan(x))
        return "readNumber(" + t + ") is NaN";
    if (shell::holdsNumber(text) != expected.holds)
        return "holdsNumber(" + t + ") is " + (expected.holds ? "false" : "true");
    if (shell::isWholeNumber(text) != expected.whole)
        return "isWholeNumber(" + t + ") is " + (expected.whole ? "false" : "true");
    if (!expected.holds && x != 0)
        return "readNumber(" + t + ") is " + numberText(x) + " for a text without a number";
    if (!isNearestDouble(expected.value, std::fabs(x)))
        return "readNumber(" + t + ") is " + numberText(x) + ", not the nearest double to the digits read";
    if (x != 0 && (x < 0) != expected.negative)
        return "readNumber(" + t + ") has the wrong sign";

    // Blanks anywhere change nothing; junk after a whole number changes nothing.
    std::string bare;
    for (const char c : text)
        if (!isBlank(c))
            bare += c;
    if (!sameNumber(shell::readNumber(bare), x))
        return "readNumber(" + t + ") differs from the text without its blanks";
    if (expected.whole && !sameNumber(shell::readNumber(std::string(text) + "x"), x))
        return "readNumber(" + t + ") changes with junk after the number";
    return {};
}

std::string checkResultTextOf(std::string_view text)
{
    const std::string shown = shell::resultTextOf(text);
    const double x = shell::readNumber(text);
    const std::string expected = shell::resultText(x);
    if (shown != expected)
        return "resultTextOf(" + quoted(text) + ") gives " + quoted(shown) + ", the number read gives " +
               quoted(expected);
    if (std::isfinite(x) ? !isScientificFormat(shown, 3) : !shown.empty())
        return "resultTextOf(" + quoted(text) + ") writes " + quoted(shown) + " outside the result format";
    return {};
}

std::string checkFormatting(double value, int decimals)
{
    std::string failure;
    const std::string general = generalReference(value);
    if (!(failure = expectEqual("generalText", value, shell::generalText(value), general)).empty())
        return failure;
    for (const int d : {decimals, 2, 3, 4}) {
        const std::string scientific = shell::scientificText(value, d);
        const std::string what = "scientificText[" + std::to_string(d) + "]";
        if (!(failure = expectEqual(what.c_str(), value, scientific, scientificReference(value, d))).empty())
            return failure;
        if (std::isfinite(value) && !isScientificFormat(scientific, d))
            return what + "(" + numberText(value) + ") writes " + quoted(scientific) + " outside its format";
    }
    const std::string result = scientificReference(value, 3);
    if (!(failure = expectEqual("resultText", value, shell::resultText(value), result)).empty())
        return failure;

    // The program's texts for inputs and steps: scientific above their thresholds; a converted
    // number in one style for values and steps, the general digits scientific from 1E+08 up.
    const std::string large = value > 100000000 ? scientificReference(value, 4) : general;
    if (!(failure = expectEqual("FormatLargeValue", value, shell::FormatLargeValue(value), large)).empty())
        return failure;
    const std::string largeStep = value > 10000 ? scientificReference(value, 2) : general;
    if (!(failure = expectEqual("FormatLargeStep", value, shell::FormatLargeStep(value), largeStep)).empty())
        return failure;
    if (!(failure = expectEqual("convertedText", value, shell::convertedText(value), convertedReference(value)))
             .empty())
        return failure;

    // The result format taken from the digits of the general and the result text.
    if (std::isfinite(value)) {
        if (!(failure = checkResultTextOf(general)).empty() || !(failure = checkResultTextOf(result)).empty())
            return failure;
    }
    return {};
}

std::string numberReaderInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    return checkReading(text);
}

std::string numberFormatterInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const int decimals = static_cast<int>(size % 15);
    std::string failure = checkResultTextOf(text);
    if (failure.empty())
        failure = checkFormatting(shell::readNumber(text), decimals);
    if (failure.empty() && size >= 8) {
        double bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        failure = checkFormatting(bits, decimals);
    }
    return failure;
}

}  // namespace fuzzing
