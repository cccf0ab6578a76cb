// The Profilor program value: titles, layout, and the length units, which convert the section's
// dimensions like every other program's inputs.

#include "profilor/profilor.h"

#include "profilor/catalogue_parts.h"

namespace profilor {

namespace {

shell::Program build()
{
    shell::Program p;
    p.name = "Profilor";
    p.id = "profilor";
    p.desktopComment = "Area, second moment, section moduli and radius of gyration of cross-sections";
    p.pictureObjectName = "Image4";
    p.windowTitle = "Profilor";
    p.titleLine0 = "Section Bending properties of Beam Compute tool ";
    p.titleLine1 = "Profilor Program version 1.0     Reference :";
    p.windowWidth = 14000;
    p.windowHeight = 10000;
    shell::LayoutGroup group;
    group.pictureTop = 2100;
    group.pictureLeft = 2500;
    group.inputFrameTop = 2000;
    group.inputFrameLeft = 4600;
    group.resetButtonTop = 2200;
    group.resetButtonLeft = 9050;
    p.groups = {group};
    p.resultsFrameLeft = 2400;
    p.chartLeft = 2200;
    p.chartWidth = 14000 - 2200 - 400;
    p.pictureHeight = 2600;
    // Five rows for the symmetric shapes, seven (with e2 and Z2) for the L and I sections.
    p.resultsFrameHeight = [](int rows) { return rows >= 7 ? 2240 : 1680; };
    p.cases = {rectangularBar(), rectangularTube(), circularBar(), circularTube(),
               cSection(),       tSection(),        lSection(),    iSection()};
    // A unit change converts every dimension, so the section stays the same section; the rows
    // show the units of their dimensions (cm^2, cm, cm^4, cm^3). A section has no forces, so
    // there is no force unit to choose.
    p.unitChange = shell::UnitChange::Convert;
    p.forceUnits = false;
    p.startupReset = shell::StartupReset::CurrentCase;
    p.sourceNotes = {
        {"", 0,
         "Exact section properties of the drawn shapes, without fillets or rounded corners. \u03c0 is taken "
         "as 3.141592, as the programs always have."},
        {"Rectangular bar", 0.28867, "i = a/\u221a12 = 0.288675 a; the tables print 0.28867."}};
    p.helpFile = "profilor.pdf";
    p.helpMessageTitle = "Message";
    p.errorPrefix = "Error: ";
    return p;
}

}  // namespace

const shell::Program &program()
{
    static const shell::Program p = build();
    return p;
}

}  // namespace profilor
