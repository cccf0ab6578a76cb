#include "shell/core/numbertext.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace shell {

namespace {

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// &H / &O integers: the digits of the base up to the first other character, rounded once to
// the nearest double (a sum digit by digit would round at every step above 2^53). The digits
// are written out as binary-exact hexadecimal for strtod, which rounds correctly.
double readRadixInteger(const std::string &s, std::size_t pos, int radix)
{
    std::string bits;  // octal digits as three bits each
    std::string hex = "0x";
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix)
            break;
        if (radix == 16) {
            hex += c;
        } else {
            for (int b = 2; b >= 0; --b)
                bits += ((digit >> b) & 1) != 0 ? '1' : '0';
        }
    }
    if (radix == 8) {
        bits.insert(0, (4 - (bits.size() % 4)) % 4, '0');
        for (std::size_t i = 0; i < bits.size(); i += 4) {
            const int nibble =
                ((bits[i] - '0') << 3) | ((bits[i + 1] - '0') << 2) | ((bits[i + 2] - '0') << 1) | (bits[i + 3] - '0');
            hex += "0123456789abcdef"[nibble];
        }
    }
    if (hex.size() == 2)
        return 0;
    return std::strtod(hex.c_str(), nullptr);  // too large for a double: HUGE_VAL, read as overflow
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Rounds the decimal digit string `all` (first digit at decimal exponent `exponent`) to
// `digits` significant digits, a value exactly halfway rounded away from zero.
void roundDigitString(std::string_view all, int digits, std::string &out, int &exponent)
{
    out = std::string(all.substr(0, static_cast<std::size_t>(digits)));
    if (all[static_cast<std::size_t>(digits)] >= '5') {
        int i = digits - 1;
        while (i >= 0 && out[static_cast<std::size_t>(i)] == '9') {
            out[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++out[static_cast<std::size_t>(i)];
        } else {
            out.insert(out.begin(), '1');
            out.pop_back();
            ++exponent;
        }
    }
}

// Writes the significant digits of |value|, correctly rounded to `precision` + 1 digits, into
// `digits` (room for 48) and returns how many; `exponent` is that of the first digit.
std::size_t decimalDigits(double value, int precision, char *digits, int &exponent)
{
    char buffer[96];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, precision);
    const char *e = std::find(buffer, result.ptr, 'e');
    // The exponent as to_chars writes it: a sign, then at least two digits (not terminated).
    exponent = 0;
    for (const char *p = e + 2; p < result.ptr; ++p)
        exponent = exponent * 10 + (*p - '0');
    if (e + 1 < result.ptr && e[1] == '-')
        exponent = -exponent;
    std::size_t count = 0;
    for (const char *p = buffer; p != e && count < 48; ++p)
        if (isDigit(*p))
            digits[count++] = *p;
    return count;
}

// Rounds the `keep` digits at `d` up where the digit after them, `next`, is 5 or more (a value
// exactly halfway away from zero); a carry out of the first digit makes it 1 and raises the
// exponent.
void roundInPlace(char *d, int keep, char next, int &exponent)
{
    if (next < '5')
        return;
    int i = keep - 1;
    while (i >= 0 && d[i] == '9')
        d[i--] = '0';
    if (i >= 0) {
        ++d[i];
    } else {
        d[0] = '1';
        ++exponent;
    }
}

// The decimal digits of |value| with `digits` significant digits (at most 15) into `out`, a
// value exactly halfway rounded away from zero, and the decimal exponent of the first one.
void roundedDigits(double value, int digits, char *out, int &exponent)
{
    // Seventeen digits decide the rounding at the fifteenth unless they read exactly half way
    // ("...50"); then forty digits show whether the double is a true tie (the neighbouring
    // doubles lie far further away than the fortieth digit).
    char buffer[48];
    std::size_t count = decimalDigits(value, 16, buffer, exponent);
    if (count == 17 && buffer[15] == '5' && buffer[16] == '0')
        count = decimalDigits(value, 39, buffer, exponent);
    roundInPlace(buffer, 15, count > 15 ? buffer[15] : '0', exponent);
    // The shorter formats round the fifteen digits the general text shows, so that 9.9995
    // (a double a hair below it) formats as 1.000e+01 like the 9.9995 the user sees.
    if (digits < 15)
        roundInPlace(buffer, digits, buffer[digits], exponent);
    std::copy(buffer, buffer + digits, out);
}

// "e+02", "E-05", "e+308": the letter, the sign, at least two digits.
std::string exponentText(char letter, int exponent)
{
    std::string digits = std::to_string(exponent < 0 ? -static_cast<long>(exponent) : static_cast<long>(exponent));
    if (digits.size() < 2)
        digits.insert(0, 1, '0');
    return std::string{letter, exponent < 0 ? '-' : '+'} + digits;
}

// Where a mantissa written from `pos` ends ("12", "3.50", ".5", "7."); `anyDigit` tells whether
// it holds a digit at all.
std::size_t mantissaEnd(std::string_view s, std::size_t pos, bool &anyDigit)
{
    anyDigit = false;
    while (pos < s.size() && isDigit(s[pos])) {
        ++pos;
        anyDigit = true;
    }
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        while (pos < s.size() && isDigit(s[pos])) {
            ++pos;
            anyDigit = true;
        }
    }
    return pos;
}

// Where an exponent written at `pos` ends: E or D in either case, an optional sign and at least
// one digit ("E+05", "d3"); `pos` itself where none stands there ("1e" and "1E+" end at the 1).
std::size_t exponentEnd(std::string_view s, std::size_t pos)
{
    if (pos >= s.size() || (s[pos] != 'E' && s[pos] != 'e' && s[pos] != 'D' && s[pos] != 'd'))
        return pos;
    std::size_t p = pos + 1;
    if (p < s.size() && (s[p] == '+' || s[p] == '-'))
        ++p;
    const std::size_t firstDigit = p;
    while (p < s.size() && isDigit(s[p]))
        ++p;
    return p > firstDigit ? p : pos;
}

// Characters gathered on the stack while a few are asked for, else on the heap: the texts of
// number fields never need the heap, and a pasted page of text still reads.
class GatheredText
{
public:
    explicit GatheredText(std::size_t most) : m_onStack(most <= sizeof m_short) {}
    GatheredText(const GatheredText &) = delete;
    GatheredText &operator=(const GatheredText &) = delete;
    void add(char c)
    {
        if (m_onStack)
            m_short[m_size++] = c;
        else
            m_long += c;
    }
    void add(std::string_view text)
    {
        for (char c : text)
            add(c);
    }
    std::string_view view() const { return m_onStack ? std::string_view(m_short, m_size) : std::string_view(m_long); }

private:
    char m_short[72];
    std::size_t m_size = 0;
    bool m_onStack;
    std::string m_long;
};

// "&H1F" and "&O17": a hexadecimal or octal whole number; any other text after '&' reads as 0.
double readRadixText(std::string_view s)
{
    if (s[1] == 'H' || s[1] == 'h')
        return readRadixInteger(std::string(s), 2, 16);
    if (s[1] == 'O' || s[1] == 'o')
        return readRadixInteger(std::string(s), 2, 8);
    return 0;
}

// A number too large or too small for a double: ±infinity or 0 by its decimal magnitude,
// counted on the digits themselves so that a number typed out in full ("1" and 400 zeros)
// counts too. `belowNormal` is set where it is not zero but too small.
double outOfRangeValue(std::string_view mantissa, std::string_view exponentPart, bool *belowNormal)
{
    const long exponent = exponentPart.empty() ? 0 : std::strtol(std::string(exponentPart).c_str(), nullptr, 10);
    const std::size_t firstDigit = mantissa.find_first_not_of("0.");
    std::size_t point = mantissa.find('.');
    if (point == std::string::npos)
        point = mantissa.size();
    const double magnitude =
        firstDigit < point ? static_cast<double>(point - firstDigit - 1) : -static_cast<double>(firstDigit - point);
    const bool overflow = firstDigit != std::string::npos && magnitude + static_cast<double>(exponent) >= 0;
    if (belowNormal)
        *belowNormal = !overflow && firstDigit != std::string::npos;
    return overflow ? std::numeric_limits<double>::infinity() : 0.0;
}

// The unsigned number of a mantissa ("12.5") and the digits of its exponent ("-3", may be
// empty), read as from_chars reads "12.5e-3".
double readDecimal(std::string_view mantissa, std::string_view exponentPart, bool *belowNormal)
{
    GatheredText number(mantissa.size() + exponentPart.size() + 1);
    number.add(mantissa);
    if (!exponentPart.empty()) {
        number.add('e');
        number.add(exponentPart);
    }
    const std::string_view text = number.view();
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return outOfRangeValue(mantissa, exponentPart, belowNormal);
    if (belowNormal && value != 0 && !std::isnormal(value))
        *belowNormal = true;
    return value;
}

// The leading-number rule; `belowNormal`, where given, is set where the number is not zero but
// nearer 0 than the smallest normal double (read as 0 or with fewer digits).
double readLeadingNumber(std::string_view text, bool *belowNormal)
{
    if (belowNormal)
        *belowNormal = false;
    GatheredText withoutBlanks(text.size());
    for (char c : text)
        if (!isSkipped(c))
            withoutBlanks.add(c);
    const std::string_view s = withoutBlanks.view();
    if (s.size() >= 2 && s[0] == '&')
        return readRadixText(s);

    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaStart = pos;
    bool anyDigit = false;
    pos = mantissaEnd(s, pos, anyDigit);
    if (!anyDigit)
        return 0;
    const std::string_view mantissa = s.substr(mantissaStart, pos - mantissaStart);
    // The exponent where one follows with at least one digit (E or D, either case, in the text).
    const std::size_t end = exponentEnd(s, pos);
    const std::string_view exponentPart = end > pos ? s.substr(pos + 1, end - pos - 1) : std::string_view();
    const double value = readDecimal(mantissa, exponentPart, belowNormal);
    return negative ? -value : value;
}

}  // namespace

double readNumber(std::string_view text)
{
    return readLeadingNumber(text, nullptr);
}

bool isBelowNormalRange(std::string_view text)
{
    bool below = false;
    readLeadingNumber(text, &below);
    return below;
}

bool holdsNumber(std::string_view text)
{
    std::string s;
    for (char c : text)
        if (!isSkipped(c))
            s += c;
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h'))
        return s.size() > 2 && std::isxdigit(static_cast<unsigned char>(s[2]));
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'O' || s[1] == 'o'))
        return s.size() > 2 && s[2] >= '0' && s[2] <= '7';
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        ++pos;
    if (pos < s.size() && isDigit(s[pos]))
        return true;
    return pos + 1 < s.size() && s[pos] == '.' && isDigit(s[pos + 1]);
}

bool isWholeNumber(std::string_view text)
{
    std::string s;
    for (char c : text)
        if (!isSkipped(c))
            s += c;
    if (!holdsNumber(s))
        return false;
    std::size_t pos = 0;
    if (s[0] == '&') {
        const bool hex = s[1] == 'H' || s[1] == 'h';
        for (pos = 2; pos < s.size(); ++pos) {
            const char c = s[pos];
            const bool digit = hex ? std::isxdigit(static_cast<unsigned char>(c)) != 0 : (c >= '0' && c <= '7');
            if (!digit)
                return false;
        }
        return true;
    }
    if (s[pos] == '+' || s[pos] == '-')
        ++pos;
    bool anyDigit = false;
    pos = mantissaEnd(s, pos, anyDigit);
    return exponentEnd(s, pos) == s.size();
}

namespace {

// The general text with its scientific form from 10^largeExponent up (and below 1E-04).
std::string generalTextFrom(double value, int largeExponent)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";
    char rounded[15];
    int exponent = 0;
    roundedDigits(value, 15, rounded, exponent);
    std::size_t used = 15;
    while (used > 1 && rounded[used - 1] == '0')
        --used;
    const std::string_view digits(rounded, used);

    std::string text;
    text.reserve(24);
    if (value < 0)
        text += '-';
    if (exponent >= largeExponent || exponent < -4) {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text.append(digits.substr(1));
        }
        return text + exponentText('E', exponent);
    }
    if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text.append(digits);
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        text.append(digits);
        text.append(integerDigits - digits.size(), '0');
        return text;
    }
    text.append(digits.substr(0, integerDigits));
    text += '.';
    text.append(digits.substr(integerDigits));
    return text;
}

}  // namespace

std::string generalText(double value)
{
    return generalTextFrom(value, 15);
}

std::string scientificText(double value, int decimals)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return (decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0") + "e+00";
    // One digit, the point, the decimals, then the exponent: built in place.
    char digits[15];
    int exponent = 0;
    roundedDigits(value, decimals + 1, digits, exponent);
    char text[40];
    std::size_t n = 0;
    if (value < 0)
        text[n++] = '-';
    text[n++] = digits[0];
    if (decimals > 0) {
        text[n++] = '.';
        for (int i = 1; i <= decimals; ++i)
            text[n++] = digits[i];
    }
    text[n++] = 'e';
    text[n++] = exponent < 0 ? '-' : '+';
    const auto [end, error] = std::to_chars(text + n + 1, text + sizeof text, exponent < 0 ? -exponent : exponent);
    (void)error;
    // At least two exponent digits: a leading zero before a single one.
    if (end - (text + n + 1) == 1) {
        text[n] = '0';
        return std::string(text, static_cast<std::size_t>(end - text));
    }
    std::copy(text + n + 1, end, text + n);
    return std::string(text, static_cast<std::size_t>(end - text - 1));
}

std::string resultTextOf(std::string_view shown)
{
    constexpr int decimals = 3;
    std::size_t pos = 0;
    const bool negative = !shown.empty() && shown[0] == '-';
    if (negative)
        ++pos;
    std::string all;  // every digit of the mantissa, leading zeros included
    std::size_t integerDigits = std::string::npos;
    for (; pos < shown.size(); ++pos) {
        if (isDigit(shown[pos]))
            all += shown[pos];
        else if (shown[pos] == '.' && integerDigits == std::string::npos)
            integerDigits = all.size();
        else
            break;
    }
    if (integerDigits == std::string::npos)
        integerDigits = all.size();
    int written = 0;  // the exponent written after E
    if (pos < shown.size() && (shown[pos] == 'E' || shown[pos] == 'e')) {
        std::size_t p = pos + 1;
        const bool minus = p < shown.size() && shown[p] == '-';
        if (p < shown.size() && (shown[p] == '+' || shown[p] == '-'))
            ++p;
        const std::size_t first = p;
        while (p < shown.size() && isDigit(shown[p]) && p - first < 4)
            written = written * 10 + (shown[p++] - '0');
        if (p == first)
            pos = shown.size() + 1;  // not a plain number
        else
            pos = p;
        written = minus ? -written : written;
    }
    const std::size_t first = all.find_first_not_of('0');
    // Anything but a plain number of at most 15 significant digits goes the long way.
    if (all.empty() || pos != shown.size() || (first != std::string::npos && all.size() - first > 15))
        return resultText(readNumber(shown));
    if (first == std::string::npos)
        return scientificText(0, decimals);
    int exponent = static_cast<int>(integerDigits) - static_cast<int>(first) - 1 + written;
    // Beyond the range of a double the digits mean no number a field can hold: read as one.
    if (exponent >= 308 || exponent <= -308)
        return resultText(readNumber(shown));
    std::string digits = all.substr(first);
    digits.append(static_cast<std::size_t>(decimals) + 2, '0');
    std::string rounded;
    roundDigitString(digits, decimals + 1, rounded, exponent);
    std::string text = negative ? "-" : "";
    text += rounded[0];
    text += '.';
    text += rounded.substr(1);
    return text + exponentText('e', exponent);
}

std::string FormatLargeValue(double value)
{
    return value > 100000000 ? scientificText(value, 4) : generalText(value);
}

std::string FormatLargeStep(double value)
{
    return value > 10000 ? scientificText(value, 2) : generalText(value);
}

std::string convertedText(double value)
{
    return generalTextFrom(value, 8);
}

double UnitScale(LengthUnit unitSystem)
{
    switch (unitSystem) {
    case LengthUnit::Centimetre:
        return 100;
    case LengthUnit::Metre:
        return 1000000;
    case LengthUnit::Millimetre:
        break;
    }
    return 1;
}

double roundStep(double raw)
{
    if (!(raw > 0) || !std::isfinite(raw))
        return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    constexpr double Slack = 1e-9;
    if (fraction <= 1 + Slack)
        return magnitude;
    if (fraction <= 2 + Slack)
        return 2 * magnitude;
    if (fraction <= 5 + Slack)
        return 5 * magnitude;
    return 10 * magnitude;
}

double Log10OrZero(double value)
{
    return value > 0 ? std::log(value) / std::log(10.0) : 0;
}

std::string SymbolPart(const std::string &caption)
{
    const auto open = caption.find('(');
    return open == std::string::npos ? std::string() : caption.substr(open);
}

std::string SymbolOf(const std::string &caption)
{
    const auto open = caption.find('(');
    if (open == std::string::npos)
        return {};
    const auto close = caption.find(')', open);
    return caption.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

}  // namespace shell
