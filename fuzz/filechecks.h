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
//  - the exit status is 0, 2 (a header that cannot be read: nothing on stdout) or 3 (a line
//    refused or not understood); every message on stderr starts with "structcalc: ";
//  - CSV output: every record has the header's number of fields and ends in "ok" or
//    "rejected: " and the reason (on one line); the result columns hold numbers in the result
//    format, and nothing on a refused line; JSON output: one valid JSON object a line (UTF-8,
//    whatever bytes the input held).
//
//     checkSavedCalculationText(R"({"format": "structcalc calculation", "version": 1})") -> ""
//     checkBatch(0, "case,P\n1,100\n", false) -> ""

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzing {

std::string checkSavedCalculationText(std::string_view text);

// `programIndex` into the family's list.
std::string checkBatch(int programIndex, const std::string &csv, bool json);

// The fuzz targets' inputs: the file's text as it is; for a batch, the first byte chooses the
// program and JSON, the rest is the CSV.
std::string savedCalculationInput(const std::uint8_t *data, std::size_t size);
std::string batchInput(const std::uint8_t *data, std::size_t size);

}  // namespace fuzzing
