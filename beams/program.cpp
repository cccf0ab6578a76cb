// The Beams program value: titles, window layout, unit captions of the result rows, the
// legend of load symbols, and the rules for Reset and a change of length unit.

#include "beams/beams.h"

#include "beams/catalogue_parts.h"
#include "shell/core/numbertext.h"

#include <string>
#include <vector>

namespace beams {

namespace {

shell::Program makeProgram()
{
    shell::Program p;
    p.name = "Beams";
    p.id = "beams";
    p.desktopComment = "Reactions, shear forces, bending moments and deflections of single-span beams";
    p.windowTitle = "Beams";
    p.titleLine0 = "Bending properties of Beam Compute tool ";
    p.titleLine1 = "Beams Program version 1.0       Reference :";
    p.windowWidth = 14500;
    p.windowHeight = 11000;

    shell::LayoutGroup layout;
    layout.pictureTop = 2100;
    layout.pictureLeft = 2400;
    layout.inputFrameTop = 2000;
    layout.inputFrameLeft = 5500;
    layout.resetButtonTop = 2200;
    layout.resetButtonLeft = 10000;
    p.groups = {layout};
    p.resultsFrameLeft = 2400;
    p.chartLeft = 2200;
    p.chartWidth = 9200;
    // The picture fills the room left of the input frames.
    p.pictureWidth = 2900;
    p.pictureHeight = 2600;
    p.resultsFrameHeight = shell::heightsByRows(2550, 2160, 1710, 1260, 700);

    p.cases = beamCases();
    p.legend = shell::beamLegend();

    // Loads and the elastic modulus carry the length unit; w1, w2, P1, P2 and I do not.
    p.unitChange = shell::UnitChange::Convert;
    p.startupReset = shell::StartupReset::None;

    // Where the coefficients of the formulas come from.
    p.sourceNotes = {
        shell::beamTheoryNote(),
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

    p.helpFile = "Beams.pdf";
    p.helpMessageTitle = "Beams Message";
    p.errorPrefix = "Error : ";
    return p;
}

}  // namespace

const shell::Program &program()
{
    static const shell::Program beams = makeProgram();
    return beams;
}

}  // namespace beams
