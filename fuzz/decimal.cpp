#include "fuzz/decimal.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace fuzzing {

namespace {

// An unsigned integer of any size, 32 bits a limb, least significant first; only the few
// operations the decimal expansion needs.
class BigInteger
{
public:
    explicit BigInteger(std::uint64_t value = 0)
    {
        while (value != 0) {
            m_limbs.push_back(static_cast<std::uint32_t>(value));
            value >>= 32;
        }
    }
    bool isZero() const { return m_limbs.empty(); }

    void multiplyAdd(std::uint32_t factor, std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (std::uint32_t &limb : m_limbs) {
            const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0)
            m_limbs.push_back(static_cast<std::uint32_t>(carry));
    }
    void shiftLeft(int bits)
    {
        if (isZero())
            return;
        m_limbs.insert(m_limbs.begin(), static_cast<std::size_t>(bits / 32), 0);
        const int rest = bits % 32;
        if (rest != 0) {
            std::uint32_t carry = 0;
            for (std::uint32_t &limb : m_limbs) {
                const std::uint32_t next = limb >> (32 - rest);
                limb = (limb << rest) | carry;
                carry = next;
            }
            if (carry != 0)
                m_limbs.push_back(carry);
        }
    }
    // Divides in place and returns the remainder.
    std::uint32_t divide(std::uint32_t divisor)
    {
        std::uint64_t remainder = 0;
        for (auto limb = m_limbs.rbegin(); limb != m_limbs.rend(); ++limb) {
            const std::uint64_t current = (remainder << 32) | *limb;
            *limb = static_cast<std::uint32_t>(current / divisor);
            remainder = current % divisor;
        }
        while (!m_limbs.empty() && m_limbs.back() == 0)
            m_limbs.pop_back();
        return static_cast<std::uint32_t>(remainder);
    }
    // The decimal digits, most significant first ("" for zero).
    std::string decimalDigits() const
    {
        BigInteger n = *this;
        std::string reversed;
        while (!n.isZero()) {
            std::uint32_t chunk = n.divide(1000000000);
            for (int i = 0; i < 9; ++i) {
                reversed += static_cast<char>('0' + chunk % 10);
                chunk /= 10;
            }
        }
        while (!reversed.empty() && reversed.back() == '0')
            reversed.pop_back();
        return {reversed.rbegin(), reversed.rend()};
    }

private:
    std::vector<std::uint32_t> m_limbs;
};

// A decimal from the digits of an integer times 10^shift: leading and trailing zeros dropped.
Decimal normalised(const std::string &digits, long long shift)
{
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    std::size_t last = digits.find_last_not_of('0');
    Decimal d;
    d.digits = digits.substr(first, last - first + 1);
    d.exponent = static_cast<long long>(digits.size() - first) - 1 + shift;
    return d;
}

// |value| = mantissa × 2^exponent with an integer mantissa of at most 53 bits and the exponent
// of the value's last bit (at least -1074).
void decompose(double value, std::uint64_t &mantissa, int &exponent)
{
    int binary = 0;
    const double fraction = std::frexp(std::fabs(value), &binary);
    mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent = binary - 53;
    if (exponent < -1074) {
        mantissa >>= -1074 - exponent;
        exponent = -1074;
    }
}

// The exact midpoint of two neighbouring values given as mantissa × 2^exponent.
Decimal midpoint(std::uint64_t ma, int ea, std::uint64_t mb, int eb)
{
    const int common = std::min(ea, eb);
    const std::uint64_t sum = (ma << (ea - common)) + (mb << (eb - common));
    return exactDecimal(sum, common - 1);
}

std::string exponentText(char letter, long long exponent)
{
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2)
        digits.insert(0, 1, '0');
    return std::string{letter, exponent < 0 ? '-' : '+'} + digits;
}

}  // namespace

int compare(const Decimal &a, const Decimal &b)
{
    if (a.isZero() || b.isZero())
        return a.isZero() == b.isZero() ? 0 : a.isZero() ? -1 : 1;
    if (a.exponent != b.exponent)
        return a.exponent < b.exponent ? -1 : 1;
    const int c = a.digits.compare(b.digits);  // no trailing zeros: a prefix is the smaller
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

Decimal exactDecimal(std::uint64_t mantissa, int binaryExponent)
{
    BigInteger n(mantissa);
    if (binaryExponent >= 0) {
        n.shiftLeft(binaryExponent);
        return normalised(n.decimalDigits(), 0);
    }
    // m × 2^-k = m × 5^k × 10^-k; 5^13 is the largest power of five in 32 bits.
    int k = -binaryExponent;
    for (; k >= 13; k -= 13)
        n.multiplyAdd(1220703125, 0);
    for (; k > 0; --k)
        n.multiplyAdd(5, 0);
    return normalised(n.decimalDigits(), binaryExponent);
}

Decimal exactDecimal(double value)
{
    if (value == 0)
        return {};
    std::uint64_t mantissa = 0;
    int exponent = 0;
    decompose(value, mantissa, exponent);
    return exactDecimal(mantissa, exponent);
}

Decimal integerDecimal(const std::string &digits, int radix)
{
    BigInteger n;
    for (const char c : digits) {
        const int digit = c <= '9' ? c - '0' : c >= 'a' ? c - 'a' + 10 : c - 'A' + 10;
        n.multiplyAdd(static_cast<std::uint32_t>(radix), static_cast<std::uint32_t>(digit));
    }
    return normalised(n.decimalDigits(), 0);
}

Decimal textDecimal(const std::string &mantissa, long long exponent)
{
    std::string digits;
    long long pointShift = 0;  // digits after the point
    bool afterPoint = false;
    for (const char c : mantissa) {
        if (c == '.') {
            afterPoint = true;
        } else {
            digits += c;
            if (afterPoint)
                ++pointShift;
        }
    }
    return normalised(digits, exponent - pointShift);
}

Decimal roundHalfAway(const Decimal &value, int significant)
{
    if (value.isZero() || static_cast<int>(value.digits.size()) <= significant)
        return value;
    std::string kept = value.digits.substr(0, static_cast<std::size_t>(significant));
    long long exponent = value.exponent;
    if (value.digits[static_cast<std::size_t>(significant)] >= '5') {
        int i = significant - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
            kept[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
            ++exponent;
        }
    }
    return normalised(kept, exponent - static_cast<long long>(kept.size()) + 1);
}

bool isNearestDouble(const Decimal &value, double result)
{
    // Largest double (2^53 - 1) × 2^971; the values from the midpoint to 2^1024 on overflow.
    constexpr std::uint64_t top = (std::uint64_t{1} << 53) - 1;
    const Decimal overflow = midpoint(top, 971, std::uint64_t{1} << 52, 972);
    if (std::isinf(result))
        return compare(value, overflow) >= 0;
    if (result == 0)
        return compare(value, exactDecimal(1, -1075)) <= 0;
    std::uint64_t m = 0;
    int e = 0;
    decompose(result, m, e);
    std::uint64_t ml = 0;
    int el = 0;
    decompose(std::nextafter(result, 0.0), ml, el);
    const Decimal below = std::nextafter(result, 0.0) == 0 ? exactDecimal(1, -1075) : midpoint(ml, el, m, e);
    Decimal above = overflow;
    if (result < std::numeric_limits<double>::max()) {
        std::uint64_t mu = 0;
        int eu = 0;
        decompose(std::nextafter(result, std::numeric_limits<double>::infinity()), mu, eu);
        above = midpoint(m, e, mu, eu);
    }
    const int low = compare(value, below);
    const int high = compare(value, above);
    if (low < 0 || high > 0)
        return false;
    // A value exactly halfway goes to the neighbour whose last bit is 0.
    return (low != 0 && high != 0) || (m & 1) == 0;
}

namespace {

std::string generalFrom(double value, long long largeExponent)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";
    const Decimal d = roundHalfAway(exactDecimal(value), 15);
    std::string text = value < 0 ? "-" : "";
    const long long e = d.exponent;
    if (e >= largeExponent || e < -4) {
        text += d.digits[0];
        if (d.digits.size() > 1)
            text += "." + d.digits.substr(1);
        return text + exponentText('E', e);
    }
    if (e < 0)
        return text + "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + d.digits;
    const auto whole = static_cast<std::size_t>(e) + 1;
    if (d.digits.size() <= whole)
        return text + d.digits + std::string(whole - d.digits.size(), '0');
    return text + d.digits.substr(0, whole) + "." + d.digits.substr(whole);
}

}  // namespace

std::string generalReference(double value)
{
    return generalFrom(value, 15);
}

std::string convertedReference(double value)
{
    return generalFrom(value, 8);
}

std::string scientificReference(double value, int decimals)
{
    if (!std::isfinite(value))
        return {};
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (value == 0)
        return "0" + (decimals > 0 ? "." + std::string(width - 1, '0') : std::string()) + "e+00";
    const Decimal d = roundHalfAway(roundHalfAway(exactDecimal(value), 15), decimals + 1);
    std::string digits = d.digits + std::string(width - d.digits.size(), '0');
    std::string text = value < 0 ? "-" : "";
    text += digits[0];
    if (decimals > 0)
        text += "." + digits.substr(1);
    return text + exponentText('e', d.exponent);
}

}  // namespace fuzzing
