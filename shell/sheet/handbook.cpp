#include "shell/sheet/handbook.h"

#include "shell/core/numbertext.h"
#include "shell/sheet/workednumber.h"

#include <algorithm>
#include <cstdio>

namespace sheet {

namespace {

bool anyRow(const shell::Program &program, shell::Dimension dimension)
{
    for (const shell::CaseDef &c : program.cases)
        for (const shell::RowDef &row : c.rows)
            if (row.dimension == dimension)
                return true;
    return false;
}

bool anyFrame(const shell::Program &program)
{
    for (const shell::CaseDef &c : program.cases)
        for (const shell::MemberModel &member : c.members)
            if (member.frame)
                return true;
    return false;
}

const char *const Members =
    "x runs from the left end of the member as the case's sketch draws it. Loads and deflections are positive "
    "downward. The shear force V = dM/dx is the sum of the upward forces left of the section; the bending moment M "
    "is positive sagging (tension at the bottom face). Support reactions are positive upward.";

// The reaction rows as the frame cases give them (each row's meaning says the same): the thrust
// of a vertical load inward, the reactions to a horizontal load against it.
const char *const Frames =
    "Loads act in the plane of the frame: horizontal loads positive to the right, vertical loads positive downward. "
    "M is positive where the inside face is in tension (drawn on that side), so a downward load on the beam gives "
    "negative corner moments. Under a load on the beam or a bracket HA, HD are the inward thrust and VA, VD act "
    "upward; under a horizontal load HA, HD act against the load, VA downward, VD upward.";

}  // namespace

std::vector<std::string> signConvention(const shell::Program &program)
{
    if (anyFrame(program))
        return {Frames};
    if (anyRow(program, shell::Dimension::Moment) || program.memberEditor)
        return {Members, "Where a result row's meaning states a sign of its own, the row follows it."};
    if (anyRow(program, shell::Dimension::Force))
        return {"Buckling loads and stresses are compressive and are given as positive numbers."};
    return {"Section properties are taken about the bending axis through the centroid of the section as drawn; "
            "distances from the centroid to the extreme fibres are positive."};
}

namespace {

// The quantities the programs share, the word their captions use for each, and the family's
// one symbol for it.
struct SharedQuantity {
    const char *word;
    const char *quantity;
    const char *symbol;
};

const SharedQuantity Shared[] = {
    {"\u5909\u4f4d", "deflection", "\u03b4"},                        // 変位
    {"\u65ad\u97622\u6b21\u534a\u5f84", "radius of gyration", "i"},  // 断面2次半径
    {"\u5ea7\u5c48\u9577", "buckling length", "Lk"},                 // 座屈長
};

}  // namespace

std::string notation(const shell::Program &program)
{
    std::string text = "Across the five programs this handbook writes the deflection \u03b4, the radius of gyration i "
                       "and the buckling length Lk.";
    for (const SharedQuantity &shared : Shared) {
        std::vector<std::string> own;
        for (const shell::CaseDef &c : program.cases)
            for (const shell::RowDef &row : c.rows) {
                const std::string symbol = shell::SymbolOf(row.caption);
                if (row.caption.find(shared.word) == std::string::npos || symbol.empty())
                    continue;
                if (symbol.rfind(shared.symbol, 0) != 0 && std::find(own.begin(), own.end(), symbol) == own.end())
                    own.push_back(symbol);
            }
        if (own.empty())
            continue;
        std::string list;
        for (std::size_t k = 0; k < own.size() && k < 4; ++k)
            list += (k == 0 ? "" : ", ") + own[k];
        text += std::string(" The result captions of ") + program.windowTitle +
                " keep the program's own symbols for the " + shared.quantity + " (" + list +
                (own.size() > 4 ? ", ..." : "") + ").";
    }
    return text;
}

namespace {

// Tetmajer's lines are tabulated in kgf/cm²; the program takes a in N/mm².
constexpr double KgfPerCm2 = 0.0980665;  // N/mm²

// The tables' coefficient in kgf/cm², to the four digits they print.
std::string fourDigits(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4g", value);
    return buffer;
}

// The empirical column line of a case that names the coefficients a (a stress), b, c and λ0.
std::string empiricalLine(const shell::CaseDef &definition)
{
    double a = 0, b = 0, c = 0, limit = 0;
    bool stress = false;
    for (const shell::RowDef &row : definition.rows)
        for (const shell::Expr &constant : row.formula.constants()) {
            if (constant.name() == "a" && constant.constantDimension() == shell::Dimension::Stress) {
                a = constant.constantValue();
                stress = true;
            } else if (constant.name() == "b") {
                b = constant.constantValue();
            } else if (constant.name() == "c") {
                c = constant.constantValue();
            }
        }
    for (const shell::Advisory &advisory : definition.advisories)
        if (!advisory.condition.isNull())
            for (const shell::Expr &constant : advisory.condition.constants())
                if (constant.name() == "\u03bb0")
                    limit = constant.constantValue();
    if (!stress)
        return {};
    std::string line = "\u03c3k = a (1 \u2212 b \u03bb + c \u03bb\u00b2) with a = " + workedNumber(a) +
                       " N/mm\u00b2 (" + fourDigits(a / KgfPerCm2) + " kgf/cm\u00b2), b = " + workedNumber(b) +
                       ", c = " + workedNumber(c) + ": \u03c3k = " + workedNumber(a) + " \u2212 " +
                       workedNumber(a * b) + " \u03bb";
    if (c != 0)
        line += " + " + workedNumber(a * c) + " \u03bb\u00b2";
    line += " N/mm\u00b2";
    if (limit > 0)
        line += ", for \u03bb up to \u03bb0 = " + workedNumber(limit) + " (beyond it the window shows a note)";
    return line + ".";
}

}  // namespace

std::vector<SourceNote> sourceNotes(const shell::Program &program)
{
    std::vector<SourceNote> notes = program.sourceNotes;
    // Every case with an empirical column line (the coefficients a, b, c and λ0) gets it worked out.
    for (const shell::CaseDef &c : program.cases) {
        const std::string line = empiricalLine(c);
        if (!line.empty())
            notes.push_back({c.caption, 0, line});
    }
    return notes;
}

}  // namespace sheet
