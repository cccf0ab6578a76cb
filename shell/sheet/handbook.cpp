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
    if (anyRow(program, shell::Dimension::Moment))
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

std::vector<SourceNote> beamNotes()
{
    return {
        {"", 0,
         "Beams of constant E I, small deflections, shear deformation neglected (Euler\u2013Bernoulli). The "
         "coefficients below are those of the beam tables, rounded as the tables print them."},
        {"Beam (3)", 0.0642,
         "Triangular load on a simple span: Mmax = w l\u00b2/(9\u221a3) = 0.06415 w l\u00b2 at x = l/\u221a3 \u2248 "
         "0.577 l, rounded to 0.0642."},
        {"Beam (3)", 0.00652,
         "Triangular load on a simple span: \u03b4max = 0.006522 w l\u2074/(E I) at x \u2248 0.519 l, from the "
         "elastic line of the load, rounded to 0.00652."},
        {"Beam (18)", 0.0215,
         "Triangular load on a span fixed at both ends: the largest span moment is 0.02144 w l\u00b2 at "
         "x = \u221a(3/10) l \u2248 0.548 l; the program takes 0.0215."},
    };
}

std::vector<SourceNote> cantileverNotes()
{
    return {
        {"", 0,
         "Beams of constant E I, small deflections, shear deformation neglected (Euler\u2013Bernoulli). The "
         "coefficients below are those of the beam tables, rounded as the tables print them."},
        {"Cantilever (6)", 185,
         "Propped cantilever under a uniform load: \u03b4max = w l\u2074/(184.6 E I) at x \u2248 0.578 l from the "
         "fixed end (0.422 l from the prop); the tables round the divisor to 185."},
        {"Cantilever (7)", 0.0298,
         "Propped cantilever under a triangular load falling to the prop: Mmax = 0.02981 w l\u00b2 at "
         "x \u2248 0.553 l from the fixed end."},
        {"Cantilever (7)", 0.002385,
         "The same member: \u03b4max = 0.002385 w l\u2074/(E I), also at x \u2248 0.553 l from the fixed end."},
        {"Cantilever (15)", 0.7,
         "Symmetric triangular load on a span fixed at both ends: 0.7 w l\u2074/(384 E I) = 7 w l\u2074/(3840 E I) "
         "is the exact mid-span deflection."},
        {"Cantilever (18)", 0.064,
         "Triangular load on a simple span: Mmax = w l\u00b2/(9\u221a3) = 0.06415 w l\u00b2 at x = l/\u221a3; the "
         "program takes 0.064."},
        {"Cantilever (18)", 0.00652,
         "The same span: \u03b4max = 0.006522 w l\u2074/(E I) at x \u2248 0.519 l, rounded to 0.00652."},
        {"Cantilever (18)", 764,
         "The same load on a span fixed at both ends: \u03b4max = w l\u2074/(764.2 E I) at x \u2248 0.525 l (at "
         "mid-span w l\u2074/(768 E I)); the tables round the divisor to 764."},
        {"Cantilever (21)", 0.586,
         "Two wheel loads a apart: beyond a = (2 \u2212 \u221a2) l = 0.5858 l one wheel alone at mid-span gives "
         "the larger moment."},
    };
}

std::vector<SourceNote> columnNotes(const shell::Program &program)
{
    std::vector<SourceNote> notes{
        {"", 0,
         "Euler columns: an ideal straight elastic column. The buckling length is Lk = l/\u221an with the end "
         "constant n: 1/4 for a column fixed at its foot and free at its head, 1 pinned at both ends, 2 fixed and "
         "pinned (the exact value is (4.4934/\u03c0)\u00b2 = 2.046), 4 fixed at both ends. The slenderness "
         "\u03bb = l/i is taken of the length l, not of Lk. \u03c0\u00b2 is the square of \u03c0 = 3.141592, "
         "9.8696."},
        {"", 0,
         "Empirical columns: Tetmajer's straight lines (a parabola for cast iron) for the inelastic range, "
         "tabulated in kgf/cm\u00b2. The program takes a in N/mm\u00b2 (1 kgf/cm\u00b2 = 0.0980665 N/mm\u00b2); b "
         "and c are per unit of slenderness, pure numbers that no unit changes. l is taken as the buckling "
         "length."}};
    for (const shell::CaseDef &c : program.cases) {
        const std::string line = empiricalLine(c);
        if (!line.empty())
            notes.push_back({c.caption, 0, line});
    }
    return notes;
}

std::vector<SourceNote> frameNotes()
{
    return {{"", 0,
             "Single-bay portal frames with rigid corners B and C and both feet pinned or both fixed, solved by "
             "the classical portal formulas: members inextensible, so the corners share one horizontal sway and do "
             "not move vertically; E constant, so only the ratio k = (I2/I1)(h/l) of the stiffnesses enters."}};
}

std::vector<SourceNote> sectionNotes()
{
    return {{"", 0,
             "Exact section properties of the drawn shapes, without fillets or rounded corners. \u03c0 is taken "
             "as 3.141592, as the programs always have."},
            {"Rectangular bar", 0.28867, "i = a/\u221a12 = 0.288675 a; the tables print 0.28867."}};
}

}  // namespace

std::vector<SourceNote> sourceNotes(const shell::Program &program)
{
    if (program.name == "Beams")
        return beamNotes();
    if (program.name == "cantilever")
        return cantileverNotes();
    if (program.name == "buckling")
        return columnNotes(program);
    if (program.name == "Rahmen")
        return frameNotes();
    if (program.name == "Profilor")
        return sectionNotes();
    return {};
}

}  // namespace sheet
