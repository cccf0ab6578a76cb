#pragma once

// The prose of a program's handbook around its cases: what the title page says of the program
// (its sign convention, the notation shared by the family), and the sources and assumptions
// of the coefficients that the case pages cannot derive. No painting here.

#include "shell/core/catalogue.h"

#include <string>
#include <vector>

namespace sheet {

// What the build stamps on the title page.
struct DocumentInfo {
    std::string version;  // "1.0"
    std::string date;     // "2024-05-01", the build's date (SOURCE_DATE_EPOCH where set)
};

// The sign convention of the program's results and diagrams, sentence by sentence.
std::vector<std::string> signConvention(const shell::Program &program);

// The family's one notation for the quantities the programs share, and the symbols this
// program's captions use for them where they differ.
std::string notation(const shell::Program &program);

using shell::SourceNote;

// The program's sources and assumptions (its program value's notes) and the worked empirical
// column line of every case that has one.
std::vector<SourceNote> sourceNotes(const shell::Program &program);

}  // namespace sheet
