#pragma once

// The diagrams of a case on the command line: CSV tables for --diagram and the JSON fields
// "extremes" and "diagram".
//
//     $ structcalc Beams 1 --diagram --points 4
//     x,V,M,theta,delta
//     0,70,0,0.0105...,0
//     25,70,1750,...
//     30,70,2100,...          (left of the load)
//     30,-30,2100,...         (right of the load)
//     ...
//
// Beams and cantilevers `x,V,M,theta,delta` (a case with two members puts a `member` column
// first), the envelopes of a moving load `x,Vmax,Vmin,Mmax,Mmin`; frames `member,s,x,y,M` with the members AB (left
// column, bottom to top), BC (beam, left to right) and CD (right column, top to bottom); column curves
// `lambda,euler,empirical`, empty where a line does not apply. Numbers in the shortest form that reads back as the same
// double.

#include "shell/core/diagrams.h"

#include <iosfwd>

namespace structcalc {

// False where the diagrams hold nothing to print as a table (a section, or no model at all).
bool hasDiagramTable(const shell::CaseDiagrams &diagrams);

void printDiagramCsv(std::ostream &out, const shell::CaseDiagrams &diagrams, int intervals);

// `, "extremes": [...]` for a member or a frame; nothing for other diagrams. An envelope's
// extremes carry `"train": {"lead", "direction", "axles", "covered"}`, where the load stands.
void printJsonExtremes(std::ostream &out, const shell::CaseDiagrams &diagrams);
// `, "diagram": [...]`: per member its sampled arrays, or the column curve's.
void printJsonDiagram(std::ostream &out, const shell::CaseDiagrams &diagrams, int intervals);

}  // namespace structcalc
