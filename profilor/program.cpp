// The Profilor program value: titles, layout, the unit captions of the seven result rows per
// length unit, and the rule that a unit change only relabels.

#include "profilor/profilor.h"

#include "profilor/catalogue_parts.h"

namespace profilor {

namespace {

// Unit captions of the seven result rows, per length unit (the cm caption of Z2 is written
// "cm^ 3" in this program).
const char *const UnitCaptions[3][7] = {
    {"mm^2", "mm", "mm^4", "mm^3", "mm", "mm", "mm^3"},
    {"cm^2", "cm", "cm^4", "cm^3", "cm", "cm", "cm^ 3"},
    {"m^2", "m", "m^4", "m^3", "m", "m", "m^3"},
};

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
    group.frameTop = 2000;
    group.frameLeft = 4600;
    group.command2Top = 2200;
    group.command2Left = 9050;
    p.groups = {group};
    p.frame2Left = 2400;
    p.chartLeft = 2200;
    p.chartWidth = 14000 - 2200 - 400;
    p.pictureHeight = 2600;
    // Five rows for the symmetric shapes, seven (with e2 and Z2) for the L and I sections.
    p.frame2Height = [](int rows) { return rows >= 7 ? 2240 : 1680; };
    p.cases = {rectangularBar(), rectangularTube(), circularBar(), circularTube(),
               cSection(),       tSection(),        lSection(),    iSection()};
    p.unitLabel = [](int row, shell::Units units) -> std::string {
        if (row < 0 || row > 6 || units.length < 0 || units.length > 2)
            return {};
        return UnitCaptions[units.length][row];
    };
    // The dimensions are lengths in whatever unit the user means: a unit change relabels. A
    // section has no forces, so there is no force unit to choose.
    p.unitChange = shell::UnitChange::RelabelOnly;
    p.forceUnits = false;
    p.startupReset = shell::StartupReset::CurrentCase;
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
