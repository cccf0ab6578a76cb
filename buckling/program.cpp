// The buckling program value: titles, the two layout groups (Euler and empirical cases), the
// unit captions of its results and the legend of E, I and n.

#include "buckling/buckling.h"
#include "buckling/catalogue_parts.h"
#include "shell/core/numbertext.h"

#include <string>

namespace buckling {

namespace {

shell::LayoutGroup eulerLayout()
{
    shell::LayoutGroup g;
    g.pictureTop = 2100;
    g.pictureLeft = 2600;
    g.inputFrameTop = 2000;
    g.inputFrameLeft = 4400;
    g.resetButtonTop = 2200;
    g.resetButtonLeft = 9000;
    g.resultsFrameGap = 0;
    g.resultsFrameHeight = 1620;  // five result rows
    return g;
}

// The empirical cases stand where the Euler cases do: the picture clear of the side band, the
// inputs next to it and the results right under the lower of the two.
shell::LayoutGroup empiricalLayout()
{
    shell::LayoutGroup g = eulerLayout();
    g.resultsFrameHeight = 1080;  // three result rows
    return g;
}

shell::Program makeProgram()
{
    shell::Program p;
    p.name = "buckling";
    p.id = "buckling";
    p.desktopComment = "Buckling loads and stresses of straight columns";
    p.windowTitle = "Buckling";
    p.titleLine0 = "Buckling  properties of Beam Compute tool ";
    p.titleLine1 = "Buckling  Program version 1.0     Reference :";
    p.windowWidth = 14000;
    p.windowHeight = 10000;
    p.groups = {eulerLayout(), empiricalLayout()};
    p.resultsFrameLeft = 2400;
    p.chartLeft = 2200;
    p.chartWidth = 9500;
    // A standing column: a tall picture (the Euler group's is narrow, 1700 between its left
    // 2600 and the input frame at 4400).
    p.pictureWidth = 1700;
    p.pictureHeight = 2600;
    p.resultsFrameHeight = [](int rows) { return rows >= 5 ? 1620 : 1080; };
    p.cases = columnCases();
    // The legend explains E and I, and the end constant n where a case lists it.
    p.legend = {{{"E"}, "弾性係数"}, {{"I"}, "断面2次モーメント"}, {{"N"}, "柱端定数"}};
    p.unitChange = shell::UnitChange::Convert;
    p.startupReset = shell::StartupReset::EveryCase;
    // The assumptions of the two column formulas; the reference document adds the empirical line of
    // every case, worked out from its coefficients.
    p.sourceNotes = {
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
    p.helpFile = "buckling.pdf";
    p.helpMessageTitle = "Message";
    p.errorPrefix = "Error: ";
    return p;
}

}  // namespace

const shell::Program &program()
{
    static const shell::Program p = makeProgram();
    return p;
}

}  // namespace buckling
