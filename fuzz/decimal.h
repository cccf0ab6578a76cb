#pragma once

// An exact decimal reference for the number texts, of its own: every double is a finite
// binary fraction m × 2^e, so its decimal digits are those of the integer m × 2^e (e ≥ 0) or
// m × 5^-e shifted by e places (e < 0), computed here with a small unsigned big integer. The
// formatters are held against these digits, rounded as they promise; the reader against the
// midpoints between neighbouring doubles.
//
//     exactDecimal(0.1)  -> {"1000000000000000055511151231257827021181583404541015625", -1}
//     generalReference(2500.0 / 3.0)       -> "833.333333333333"
//     scientificReference(9.9995, 3)       -> "1.000e+01"  (the fifteen digits 9.99950000000000)

#include <cstdint>
#include <string>

namespace fuzzing {

// A non-negative decimal: 0.d1d2d3... × 10^(exponent + 1), i.e. the first digit stands at the
// decimal exponent `exponent`. `digits` has no leading or trailing zeros; "" is zero.
struct Decimal {
    std::string digits;
    long long exponent = 0;
    bool isZero() const { return digits.empty(); }
};

// -1, 0, 1 as a is less than, equal to or greater than b.
int compare(const Decimal &a, const Decimal &b);

// Every digit of |value| (finite).
Decimal exactDecimal(double value);
// Every digit of mantissa × 2^binaryExponent.
Decimal exactDecimal(std::uint64_t mantissa, int binaryExponent);
// The integer written with `digits` in base 8 or 16 (characters 0-9, a-f, A-F).
Decimal integerDecimal(const std::string &digits, int radix);
// The number written as a decimal mantissa ("0012.50", digits and at most one point) times
// 10^exponent.
Decimal textDecimal(const std::string &mantissa, long long exponent);

// `value` rounded to `significant` digits, a value exactly halfway away from zero.
Decimal roundHalfAway(const Decimal &value, int significant);

// True where `result` (≥ 0, possibly infinite) is `value` rounded to the nearest double, a
// value exactly halfway to the even neighbour, as IEEE reading does; infinity where the value
// reaches the overflow threshold.
bool isNearestDouble(const Decimal &value, double result);

// The formatters' promises written from the exact digits: the general text (fifteen
// significant digits rounded half away from zero, no trailing zeros, E notation from 1E+15
// on and below 1E-04, "" for a value that is not finite) and the scientific text with
// `decimals` decimals (the fifteen digits rounded again).
std::string generalReference(double value);
// The same digits in the scientific form from 1E+08 up: the text of a converted input.
std::string convertedReference(double value);
std::string scientificReference(double value, int decimals);

}  // namespace fuzzing
