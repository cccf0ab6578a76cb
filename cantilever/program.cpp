// The cantilever program value: titles, layout, unit captions of the result rows, the legend
// of load and stiffness symbols, and the 21 cases.

#include "cantilever/cantilever.h"

#include "cantilever/catalogue_parts.h"
#include "shell/core/numbertext.h"

namespace cantilever {

namespace {

shell::Program build()
{
    shell::Program p;
    p.name = "cantilever";
    p.id = "cantilever";
    p.desktopComment = "Reactions, moments and deflections of cantilevers, propped cantilevers and single spans";
    p.windowTitle = "Cantilever";
    p.titleLine0 = "Bending properties of Cantilever Compute tool ";
    p.titleLine1 = "Cantilever Program version 1.0    Reference :";
    p.windowWidth = 14000;
    p.windowHeight = 11000;

    shell::LayoutGroup layout;
    layout.pictureTop = 2100;
    layout.pictureLeft = 2500;
    layout.inputFrameTop = 2000;
    layout.inputFrameLeft = 5100;
    layout.resetButtonTop = 2200;
    layout.resetButtonLeft = 9600;
    p.groups = {layout};
    p.resultsFrameLeft = 2400;
    p.chartLeft = 2200;
    p.chartWidth = 9200;
    // The picture fills the room left of the input frame and ends above the results frame.
    p.pictureWidth = 2500;
    p.pictureHeight = 2600;
    p.resultsFrameHeight = shell::heightsByRows(2500, 2040, 1590, 1120, 700);

    p.cases = cantileverCases();

    // The legend takes each case's caption labels in their own order.
    p.legend = shell::beamLegend();

    p.unitChange = shell::UnitChange::Convert;
    p.startupReset = shell::StartupReset::None;
    // Where the coefficients of the formulas come from.
    p.sourceNotes = {
        shell::beamTheoryNote(),
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

    p.helpFile = "cantilever.pdf";
    p.helpMessageTitle = "Cantilever Message";
    p.errorPrefix = "Error : ";
    return p;
}

}  // namespace

const shell::Program &program()
{
    static const shell::Program value = build();
    return value;
}

}  // namespace cantilever
