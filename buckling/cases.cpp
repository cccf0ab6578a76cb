// The nine column cases as formulas: the Euler buckling load with an end-condition constant n,
// and the empirical (Tetmajer) buckling stress of a pinned column of length l.

#include "buckling/catalogue_parts.h"

#include <string>

namespace buckling {

using shell::CaseBuilder;
using shell::Dimension;
using shell::Expr;

namespace {

// π² as the column tables take it: the square of π rounded to 3.141592 (not of the full π).
constexpr double PiSquared = 9.869600294464002;

// An Euler column: its case caption, the end condition in words, and the default constant n
// with its step. Every case takes any n above zero; the title names the one it starts with.
struct EulerColumn {
    const char *caption;
    const char *title;
    ColumnEnds ends;
    double n;
    double nStep;
    const char *endConstant;  // n as the picture labels it
};

constexpr EulerColumn EulerColumns[] = {
    {"Buckling (1)", "Euler column, fixed base and free top (n = 1/4)", ColumnEnds::FixedFree, 0.25, 0.01, "n = 1/4"},
    {"Buckling (2)", "Euler column, pinned at both ends (n = 1)", ColumnEnds::PinnedPinned, 1, 0.1, "n = 1"},
    {"Buckling (3)", "Euler column, fixed base and pinned top (n = 2)", ColumnEnds::FixedPinned, 2, 0.1, "n = 2"},
    {"Buckling (4)", "Euler column, fixed at both ends (n = 4)", ColumnEnds::FixedFixed, 4, 0.1, "n = 4"},
};

// Tetmajer's column formula σk = a · (1 − b λ + c λ²) in N/mm², valid up to the slenderness
// λ0 where the elastic (Euler) hyperbola takes over.
struct Tetmajer {
    double a;
    double b;
    double c;
    double lambda0;
};

constexpr Tetmajer CastIron{761, 0.01546, 0.00007, 80};  // 776 − 12 λ + 0.053 λ²
constexpr Tetmajer WroughtIron{296, 0.00425, 0, 112};    // 303 − 1.29 λ
constexpr Tetmajer MildSteel{304, 0.00368, 0, 105};      // 310 − 1.14 λ
constexpr Tetmajer HardSteel{328, 0.00185, 0, 89};       // 335 − 0.62 λ
// Softwood, the line 29.3 − 0.194 λ: b = 0.194 / 29.3 = 0.00662 (0.00626, with its digits
// swapped, would overstate the buckling stress by up to a tenth).
constexpr Tetmajer Softwood{28.7, 0.00662, 0, 100};

struct EmpiricalColumn {
    const char *caption;
    const char *material;
    Tetmajer coefficients;
    const char *rounding = "";  // what a rounded coefficient does to σk, where one is
};

// Cast iron's c = 7 × 10⁻⁵ stands for Tetmajer's 0.53 / 7760 = 6.83 × 10⁻⁵: at λ = 80 it puts σk
// 5.4 % above the same parabola with the exact c, 5.6 % above Tetmajer's 7760 − 120 λ + 0.53 λ².
const EmpiricalColumn EmpiricalColumns[] = {
    {"Buckling (5)", "cast iron", CastIron,
     "; its rounded coefficients (c = 7 × 10⁻⁵ for Tetmajer's 0.53/7760 = 6.83 × 10⁻⁵) put σk up to 5.6 % "
     "above Tetmajer's parabola, near λ = 80"},
    {"Buckling (6)", "wrought iron", WroughtIron},
    {"Buckling (7)", "mild steel", MildSteel},
    {"Buckling (8)", "hard steel", HardSteel},
    {"Buckling (9)", "softwood", Softwood},
};

const char *const RadiusOfGyration = "radius of gyration of the section, √(I / A)";

shell::CaseDef eulerCase(const EulerColumn &column)
{
    CaseBuilder c(column.caption);
    c.title(column.title);
    c.group(EulerGroup);
    const Expr l = c.input("l", Dimension::Length, 100);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    const Expr A = c.input("A", Dimension::Area, 100);
    const Expr n = c.input("n", Dimension::None, column.n, column.nStep);
    c.requirePositive(l);
    c.requirePositive(E);
    c.requirePositive(I);
    c.requirePositive(A);
    c.requirePositive(n);
    // The legend explains the end constant only for the flagpole, whose n = 1/4 is the one a
    // reader would not guess; the other end conditions explain E and I.
    if (column.ends != ColumnEnds::FixedFree)
        c.legendOrder({"E", "I"});

    const Expr piSquared = Expr::constant("π²", PiSquared);
    const Expr Lk = shell::named("Lk", l / shell::sqrt(n));  // buckling length
    const Expr k = shell::named("k", shell::sqrt(I / A));    // radius of gyration
    const Expr lambda = shell::named("λ", l / k);            // slenderness, of l and not of Lk

    c.row("座屈荷重 (Pk)", Dimension::Force, (piSquared * (E * I)) / shell::pow(Lk, 2))
        .means("elastic (Euler) buckling load π²·E·I / Lk², π taken as 3.141592");
    c.row("座屈応力 (σk)", Dimension::Stress, (n * piSquared) * (E / shell::pow(lambda, 2)))
        .means("Euler buckling stress, the buckling load over the area (Pk / A), π taken as 3.141592");
    c.row("断面2次半径 (k)", Dimension::Length, k).means(RadiusOfGyration);
    c.row("細長比 (λ)", Dimension::None, lambda)
        .means("slenderness l / k, of the column length l (not of the buckling length Lk)");
    c.row("座屈長 (L)", Dimension::Length, Lk).means("buckling length Lk = l / √n");
    c.columnCurve({lambda, (n * piSquared) * E, std::nullopt});

    const ColumnEnds ends = column.ends;
    const std::string endConstant = column.endConstant;
    c.sketch([ends, endConstant](const std::vector<double> &) { return eulerColumnSketch(ends, endConstant); });
    return c.build();
}

shell::CaseDef empiricalCase(const EmpiricalColumn &column)
{
    const Tetmajer &t = column.coefficients;
    const std::string material = column.material;
    // Cast iron's line has a square term: a parabola in λ.
    const std::string shape = t.c != 0 ? "parabola" : "line";
    const std::string limit = std::to_string(static_cast<int>(t.lambda0));
    CaseBuilder c(column.caption);
    c.title("Empirical column " + shape + ", " + material);
    c.group(EmpiricalGroup);
    const Expr l = c.input("l", Dimension::Length, 100);  // taken as the buckling length
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    const Expr A = c.input("A", Dimension::Area, 100);
    c.requirePositive(l);
    c.requirePositive(I);
    c.requirePositive(A);

    // a is a stress (N/mm² in the table), taken in the units on display; b and c are per unit
    // of slenderness, a pure number.
    const Expr a = Expr::constant("a", t.a, Dimension::Stress);
    const Expr b = Expr::constant("b", t.b);
    const Expr cc = Expr::constant("c", t.c);
    const Expr k = shell::named("k", shell::sqrt(I / A));
    const Expr lambda = shell::named("λ", l / k);

    const Expr lambda0 = Expr::constant("λ0", t.lambda0);

    // Beyond λ0 a line runs on to small and then negative stresses, and cast iron's parabola turns
    // up again past its lowest point at λ = b / 2c ≈ 110: shown as computed, marked as outside the
    // formula's range, with the advisory.
    std::string formulaName = material;  // "wrought-iron formula"
    for (char &ch : formulaName)
        ch = ch == ' ' ? '-' : ch;
    c.row("座屈応力 (σk)", Dimension::Stress, a * ((1 - (b * lambda)) + (cc * shell::pow(lambda, 2))))
        .means("buckling stress on the empirical " + shape + " of " + material + ", valid for λ up to " + limit +
               " only" + column.rounding)
        .holdsWhile(lambda <= lambda0,
                    "the " + formulaName + " formula holds for λ up to " + limit + "; Euler applies beyond");
    c.row("断面2次半径 (k)", Dimension::Length, k).means(RadiusOfGyration);
    c.row("細長比 (λ)", Dimension::None, lambda)
        .means("slenderness l / k, the length l taken as the buckling length (pinned ends)");

    c.columnCurve({lambda, std::nullopt, shell::EmpiricalLine{t.a, t.b, t.c, t.lambda0}});
    c.advise(lambda > lambda0, "λ > " + limit + ": the empirical formula does not apply here (Euler range, cases 1-4)");

    c.sketch([material](const std::vector<double> &) { return empiricalColumnSketch(material); });
    return c.build();
}

}  // namespace

std::vector<shell::CaseDef> columnCases()
{
    std::vector<shell::CaseDef> cases;
    for (const EulerColumn &column : EulerColumns)
        cases.push_back(eulerCase(column));
    for (const EmpiricalColumn &column : EmpiricalColumns)
        cases.push_back(empiricalCase(column));
    return cases;
}

}  // namespace buckling
