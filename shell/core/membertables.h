#pragma once

// The tables of the member editor: the supports, hinges, loads and segments of any member as the
// user types them, cell by cell, beside the length, E and I of the member's inputs. A cell holds
// the text typed; it reads its number by the family's rules (the leading number of the text) and
// carries the dimension of its column, so that a change of units converts it like an input.
//
//   Supports          x, kind (pinned, roller, fixed, spring), k, kθ, δs (a settlement, downward)
//   Hinges            x
//   Point loads       x, P (downward)
//   Couples           x, C (clockwise)
//   Distributed loads from, to, w1, w2 (downward, varying linearly from w1 to w2)
//   Segments          from, to, E, I (empty E or I: the member's)
//   Load cases        name, kind (permanent, variable), meaning; a load's "case" cell names one
//   Combinations      name, factors ("1.35 G + 1.5 Q"), pattern (no, yes), use (both, strength,
//                     deflection)
//   Moving loads      a (behind the first axle), P (downward): the axles of a train
//   Checks            Z, f (σ = M/Z against f), n (deflection against span / n); one row
//   Section           shape, a, b, c, d (its dimensions), material: I and Z of the shape and E
//                     of the material instead of those typed; one row
//   Train             w (a uniform load that may cover any part), ways (both, rightward,
//                     leftward): the moving loads' own; one row

#include "shell/core/catalogue.h"
#include "shell/core/memberdescription.h"
#include "shell/core/units.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace shell {

enum MemberTable {
    SupportTable,
    HingeTable,
    PointLoadTable,
    CoupleTable,
    DistributedLoadTable,
    SegmentTable,
    LoadCaseTable,
    CombinationTable,
    MovingLoadTable,
    CheckTable,
    SectionTable,
    TrainTable,
    MemberTableCount
};

struct MemberColumn {
    std::string caption;  // "x", "kind", "k", "kθ", "δs", "P", "from", ...
    Dimension dimension = Dimension::None;
    std::string unitSuffix;              // written after the unit of the dimension: "/rad" for kθ
    bool kind = false;                   // holds one of `choices`, not a number
    bool optional = false;               // may stay empty (0, the member's E and I, the first load case)
    std::string meaning;                 // for the column's tooltip
    std::vector<std::string> choices{};  // a kind's words: "pinned", "roller", ...
    bool text = false;                   // holds a name or words, not a number
};

struct MemberTableDef {
    std::string title;       // "Supports", "Distributed loads"
    std::string tab;         // the title on its tab: "Supports", "Distributed"
    std::string objectName;  // "Supports": the name tests and automation find the table by
    std::string item;        // "support": what one row is, in reasons ("support 2")
    std::vector<MemberColumn> columns;
};

const std::array<MemberTableDef, MemberTableCount> &memberTableDefs();
const MemberTableDef &memberTableDef(int table);

// A cell of the tables; row or column -1 where a reason is about a whole row or table.
struct MemberCell {
    int table = -1;
    int row = -1;
    int column = -1;
    bool operator==(const MemberCell &other) const
    {
        return table == other.table && row == other.row && column == other.column;
    }
    bool operator!=(const MemberCell &other) const { return !(*this == other); }
};

// The texts of every table: tables[table][row][column].
struct MemberTables {
    std::array<std::vector<std::vector<std::string>>, MemberTableCount> tables;
    bool operator==(const MemberTables &other) const { return tables == other.tables; }
    bool operator!=(const MemberTables &other) const { return !(*this == other); }
    int rowCount(int table) const { return static_cast<int>(tables[static_cast<std::size_t>(table)].size()); }
    const std::string &text(const MemberCell &cell) const;
    bool holds(const MemberCell &cell) const;  // the cell exists
};

// The support kind a cell names: a word that starts one of "pinned", "roller", "fixed",
// "spring", in any case ("p", "Roll", "FIXED"); none for another text.
std::optional<mechanics::SupportKind> readSupportKind(const std::string &text);

// The fewest cells a row of `table` may hold: trailing cells that may stay empty may be left out
// (a load without its case); padMemberRows fills them in.
std::size_t leastMemberCells(int table);
void padMemberRows(MemberTables &tables);

// The member the inputs and the tables describe, or the first cell that does not describe one
// and why: a number too large or too small for a double, a position off the member, a load or a
// segment that ends before it starts, a stiffness below zero, an unknown support kind, a
// segment's E or I not above zero, a section the shapes do not make. A named section gives the
// member its I and the checks' Z, a named material its E (from `shapes`, in `units`).
struct MemberTablesRead {
    std::optional<MemberDescription> member;
    MemberCell cell;
    std::string reason;  // "x of support 2 lies outside the member [0, 10000]"
};
MemberTablesRead readMemberTables(const MemberTables &tables, double length, double E, double I,
                                  const std::vector<CaseDef> &shapes = {}, Units units = CatalogueUnits);

// The choice a kind cell names: the first of `choices` its word starts, in any case; -1 for none.
int readChoice(const std::string &text, const std::vector<std::string> &choices);

// The table a refusal of the solver speaks of ("two hinges stand at x = 3000": the hinges;
// "the supports do not hold the member": the supports), as a cell with row and column -1.
MemberCell tableOfRefusal(const std::string &reason);

// The tables of a described member, its numbers written as the family writes an input.
MemberTables memberTablesOf(const MemberDescription &member);

// The tables of the member a new window shows: two spans of 3000 mm on three supports, a uniform
// load and a point load, in the catalogue's units.
MemberTables startMemberTables();

// The texts of a new row of `table` on a member `length` long.
std::vector<std::string> newMemberRow(int table, double length);

// The cell's text after `clicks` steps of the step gesture (positive raises): positions by a
// hundredth of the length rounded to 1, 2 or 5 × 10^n, values by a tenth of their size rounded
// alike (1 from zero), kinds to the next or previous kind. The same text where nothing steps.
std::string steppedCellText(const MemberTables &tables, const MemberCell &cell, int clicks, double length);

// Converts every number of the tables from one unit system to another by its column's
// dimension; false, with the cell and the reason and the tables unchanged, where a number would
// leave the range of a double.
bool convertMemberTables(MemberTables &tables, Units from, Units to, MemberCell &cell, std::string &reason);

// The caption of a column's unit in a unit system: "mm", "N/mm", "N･mm/rad"; "" for a kind.
std::string memberColumnUnit(const MemberColumn &column, Units units);

}  // namespace shell
