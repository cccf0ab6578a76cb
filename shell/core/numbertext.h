#pragma once

// Reading and writing the numbers that live as texts in the input and result fields.

#include "shell/core/units.h"

#include <string>
#include <string_view>

namespace shell {

// The leading-number rule: blanks, tabs and line feeds are skipped wherever they stand, then
// the longest prefix that forms a number is read; "" and non-numbers read 0.
//   "12abc" -> 12,  "1 2" -> 12,  " -3.5e2x" -> -350,  "1D3" -> 1000,  "&H1F" -> 31,  "&O17" -> 15
// A number too large for a double reads as ±infinity (callers reject it).
double readNumber(std::string_view text);
// True where the leading number is not zero but nearer 0 than the smallest normal double
// (2.2e-308), so that it reads as 0 or with fewer digits than a double holds:
//   "1e-400" -> true,  "4.9e-324" -> true,  "0.000" -> false,  "2.3e-308" -> false
bool isBelowNormalRange(std::string_view text);
// True where the leading-number rule finds a number at all ("", "abc" and "-" hold none).
bool holdsNumber(std::string_view text);
// True where the text is a number and nothing else, blanks aside: "1e5", " -3.5", "&H1F";
// not "12abc", "1e" (read as 1), "" or "abc".
bool isWholeNumber(std::string_view text);

// General number text: up to 15 significant digits, no trailing zeros, scientific form
// (upper-case E, signed exponent of at least two digits) at or above 1E+15 and below 1E-04.
//   833.3333333333333 -> "833.333333333333",  0.00001 -> "1E-05",  -0.0 -> "0"
// Not-finite values give "" (a result field that cannot be computed shows empty).
std::string generalText(double value);

// One digit before the point, `decimals` after it, lower-case e, signed exponent of at least
// two digits. The fifteen digits of the general text are rounded, a value exactly halfway
// away from zero.
//   scientificText(1690.5, 3) -> "1.691e+03",  scientificText(9.9995, 3) -> "1.000e+01",
//   scientificText(0, 3) -> "0.000e+00"
std::string scientificText(double value, int decimals);

// The result format "#.000e+00".
inline std::string resultText(double value)
{
    return scientificText(value, 3);
}
// The result format of a number as a field shows it: the same text as
// resultText(readNumber(shown)), taken from the digits of the text where it holds a plain number
// of at most 15 significant digits (every general or result text), without a round trip
// through a double.
std::string resultTextOf(std::string_view shown);

// Texts the program writes into input and step fields (Reset, unit change):
// FormatLargeValue(x) is "#.0000e+00" above 100000000, else the general text;
// FormatLargeStep(x) is "#.00e+00" above 10000, else the general text.
std::string FormatLargeValue(double value);
std::string FormatLargeStep(double value);
// The text the program writes into an input or step field for a number it converted (a unit
// change, Reset in other units): one style for every field, the general text's fifteen digits
// without trailing zeros, in its scientific form (upper-case E) from 1E+08 up and below 1E-04,
// so that a value converted there and back keeps every digit the user typed.
//   1e11 -> "1E+11",  2.05e11 -> "2.05E+11",  100000 -> "100000",  8.33e-10 -> "8.33E-10",
//   123456789 -> "1.23456789E+08"
std::string convertedText(double value);

// The factor from N/mm² to the stress unit of a unit system (1, 100, 1000000).
double UnitScale(LengthUnit unitSystem);
// The round step of an axis (the chart's, a diagram's): the smallest of 1, 2, 5 × 10^n not below
// `raw`; 1 where `raw` is not a positive finite number.
//   0.3 -> 0.5,  2 -> 2,  2.1 -> 5,  7 -> 10,  0.012 -> 0.02
double roundStep(double raw);
// Decimal logarithm of positive values, 0 otherwise (the log-scale chart).
double Log10OrZero(double value);
// "反力 (RA)" -> "(RA)"; a text without "(" gives "".
std::string SymbolPart(const std::string &caption);
// "反力 (RA)" -> "RA": the text between the first "(" and the first ")" after it.
std::string SymbolOf(const std::string &caption);

}  // namespace shell
