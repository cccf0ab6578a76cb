#pragma once

// The promises of the number reader and the number formatters, checked for one input at a
// time. Each check returns "" where every promise holds, otherwise a line saying what broke;
// the fuzz targets stop on such a line and the tests print it.
//
//     checkReading("1 2abc")  -> ""   (reads 12, holds a number, is not wholly a number)
//     checkFormatting(9.9995, 3) -> ""   (every formatter against the exact decimal digits)

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzing {

// readNumber, holdsNumber and isWholeNumber against a scanner of their rule of their own and
// the exact value of the digits read: the nearest double, infinity from the overflow threshold
// on, never NaN; blanks anywhere and junk after a whole number change nothing.
std::string checkReading(std::string_view text);

// generalText, scientificText (`decimals` 0 to 14, and 2, 3, 4), resultText, FormatLargeValue,
// FormatLargeStep and convertedText against the exact digits of `value`;
// resultTextOf of the general and the result text.
std::string checkFormatting(double value, int decimals);

// resultTextOf(text) is resultText(readNumber(text)) and writes nothing outside the result
// format: "" (no number to show) or "-d.ddde+dd".
std::string checkResultTextOf(std::string_view text);

// True where `text` is the scientific format with `decimals` decimals: "-1.234e+05", "0.000e+00".
bool isScientificFormat(std::string_view text, int decimals);

// The inputs of the two number fuzz targets: the bytes as a typed text (and, for the
// formatters, the number it reads, the first eight bytes as a double's bits and the decimals
// from the length).
std::string numberReaderInput(const std::uint8_t *data, std::size_t size);
std::string numberFormatterInput(const std::uint8_t *data, std::size_t size);

}  // namespace fuzzing
