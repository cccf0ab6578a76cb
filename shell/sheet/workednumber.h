#pragma once

// Numbers as an engineer writes them in a worked line: six significant digits, trailing zeros
// dropped, a true minus sign, and powers of ten written out where the plain digits would be too
// many to read whole.
//
//     workedNumber(0.0939999999999999) == "0.094"
//     workedNumber(-700.000000000002)  == "−700"
//     workedNumber(7e-05)              == "7 × 10⁻⁵"
//     workedNumber(83333333.3)         == "8.33333 × 10⁷"

#include <string>

namespace sheet {

std::string workedNumber(double value);

// Whether the text is written with a power of ten ("7 × 10⁻⁵"): it binds like a product.
bool isPowerOfTenText(const std::string &text);

}  // namespace sheet
