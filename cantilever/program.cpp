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
    layout.frameTop = 2000;
    layout.frameLeft = 5100;
    layout.command2Top = 2200;
    layout.command2Left = 9600;
    p.groups = {layout};
    p.frame2Left = 2400;
    p.chartLeft = 2200;
    p.chartWidth = 9200;
    // The picture fills the room left of the input frame and ends above the results frame.
    p.pictureWidth = 2500;
    p.pictureHeight = 2600;
    p.frame2Height = shell::heightsByRows(2500, 2040, 1590, 1120, 700);

    p.cases = cantileverCases();

    // The legend takes each case's caption labels in their own order.
    p.legend = shell::beamLegend();

    p.unitChange = shell::UnitChange::Convert;
    p.startupReset = shell::StartupReset::None;
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
