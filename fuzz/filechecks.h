#pragma once

// The two readers of what users hand the programs as files, run on any bytes with their
// promises checked.
//
// A saved calculation (.structcalc.json):
//  - the reader never throws; it reads the text or says in words why not;
//  - what it reads, written again, reads back the same calculation and writes the same text;
//  - a calculation of a program of the family opens in a fresh window of that program or is
//    refused with a reason, and a refused one changes nothing the window would save; an opened
//    one is what the window then saves, and its rows show only the texts of their own values.
//
// A batch CSV (structcalc PROGRAM --batch -):
//  - the exit status is 0, 2 (a header that cannot be read: nothing on stdout; or a NUL byte:
//    the input is not text, and only the lines before it are written) or 3 (a line refused or
//    not understood); every message on stderr starts with "structcalc: ";
//  - a line longer than the bound (1 MiB) is refused with its number and the batch goes on;
//  - CSV output: every record has the header's number of fields and ends in "ok" or
//    "rejected: " and the reason (on one line); the result columns hold numbers in the result
//    format, and nothing on a refused line; no input cell goes back as a formula a spreadsheet
//    would run (=, +, -, @, a tab or a carriage return first, and not a number); JSON output:
//    one valid JSON object a line (UTF-8, whatever bytes the input held).
//
//     checkSavedCalculationText(R"({"format": "structcalc calculation", "version": 1})") -> ""
//     checkBatch(0, "case,P\n1,100\n", false) -> ""

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzing {

std::string checkSavedCalculationText(std::string_view text);

// `programIndex` into the family's list; `stretched` where the CSV ends in a line longer than
// the bound.
std::string checkBatch(int programIndex, const std::string &csv, bool json, bool stretched = false);

// The fuzz targets' inputs: the file's text as it is; for a batch, the first byte chooses the
// program (bits 0 to 2), JSON (bit 3) and a line too long to hold after the rest (bit 4), the
// rest is the CSV.
std::string savedCalculationInput(const std::uint8_t *data, std::size_t size);
std::string batchInput(const std::uint8_t *data, std::size_t size);

}  // namespace fuzzing
