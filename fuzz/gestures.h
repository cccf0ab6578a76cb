#pragma once

// The window model driven by a sequence of user gestures decoded from bytes, with the window's
// promises checked after every gesture. The same bytes give the same gestures on every machine:
// the fuzz target feeds libFuzzer's bytes, the ordinary test bytes of a fixed seed.
//
// The byte code: the first byte picks the program (windowModelInput only); then each gesture is
// one byte (its number modulo 16) and its arguments, a byte each unless said otherwise, each
// taken modulo its count (one more than there are, for a field or row that is not there):
//
//   0      select case            case
//   1, 14  type into a field      typed or number, field, a typed text (*) or a number (**)
//   2, 15  move a scroll bar      input, position (2 bytes, beyond the bar too), dragged or not
//   3      focus a scroll bar     input, gained or lost
//   4      Reset
//   5      length unit            mm, cm, m, none
//   6      force unit             N, kN, none
//   7      result format on/off
//   8      tick a row             row, ticked or not
//   9      log scale on/off
//   10     chart type             type
//   11     click a chart point    point
//   12     next or previous page  which
//   13     copy or resize         which (resize: width, height, 2 bytes each)
//
// (*) a length, then one byte per piece: digits, point, signs, exponent letters, &H, &O, hex
//     letters, blanks, tabs, line feeds, a comma and two non-ASCII characters; no letter that
//     spells "nan" or "inf", so such a text in the window is the window's own.
// (**) the bits of a double (8 bytes), a decimal with up to 17 digits and an exponent, a number
//     from a table of edges (the largest double, subnormals, 2^53 + 1, the format thresholds), or
//     the input's start value times a power of ten.
//
// After every gesture:
//  - the rows shown are the current case's (count, captions, units), and no text in the window
//    (rows, inputs of every case, status, notes, chart popup, clipboard) holds "nan" or "inf" or
//    anything but printable UTF-8;
//  - every row text is the display text of its value (the result format or the general text,
//    empty where the value cannot be computed);
//  - an accepted computation shows exactly what the case computes from the inputs on display in
//    the units on display, with every step a finite number and every field written in the
//    window's units; a rejected one keeps the last accepted results of the same case in the same
//    units and format, or shows empty rows; each input is labelled in the units its field is
//    written in;
//  - the chart plots each ticked row's own value (its logarithm on the log scale), or nothing
//    after a rejected selection, and a point that cannot be computed says so;
//  - scroll positions stay within their bars, a typed text stays as typed, and every number the
//    window writes into a field is a whole number that reads back finite;
//  - a unit round trip (another unit system and back, on a copy of the window) returns every
//    field: exactly where it holds no number or a number as the window writes it ("1E+11",
//    "8.33E-10"), as the window writes the same number where it holds another text of it
//    ("1e5" comes back as "100000"), and as the same number to fifteen digits where it holds
//    more digits than a field keeps; a change it refuses leaves every field as it was.

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzing {

// Runs the gestures in `data` on a new window of program `programIndex` (registry order, taken
// modulo the number of programs); "" where every check held, else the gesture and what broke.
// At most `maxGestures` gestures run.
std::string runGestures(int programIndex, const std::uint8_t *data, std::size_t size, int maxGestures = 400);

// The fuzz target's input: the first byte picks the program, the rest are gestures.
std::string windowModelInput(const std::uint8_t *data, std::size_t size);

// The number of gestures the last runGestures call ran (for the tests' counts).
int lastGestureCount();

}  // namespace fuzzing
