#pragma once

// The parts of a calculation sheet that any member has instead of a case's formulas: its tables
// in words, and its rows as the solver gives them (each reaction, the extremes with where they
// are, the end slopes).

#include "shell/sheet/casetext.h"
#include "shell/sheet/pagelayout.h"

#include <vector>

namespace sheet {

// The text takes the member: its sketch, rows and diagrams are then the solved member's.
void addMember(CaseText &text, const shell::MemberDescription &member);
// "The member": each table with rows, one line each ("Supports: 1 pinned at x = 0 mm; 2 roller at
// x = 3000 mm"); nothing for a text without a member.
std::vector<Block> memberTables(const QPaintDevice *device, const PageGeometry &g, const CaseText &text);
// "Results": caption and meaning, where an extreme is, value and unit of every row.
std::vector<Block> memberResults(const QPaintDevice *device, const PageGeometry &g, const CaseText &text);
// "Influence line": that of M at the point of interest; "Envelopes": over the combinations and
// under the moving loads, where the member has them. Nothing for a text without a member.
std::vector<Block> memberStudyDiagrams(const QPaintDevice *device, const PageGeometry &g, const CaseText &text);

}  // namespace sheet
