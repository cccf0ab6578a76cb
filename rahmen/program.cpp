// The Rahmen program value: titles, layout, unit captions of the result rows, the legend of
// loads and second moments, and the Reset and unit-change rules around the ten frame cases.

#include "rahmen/rahmen.h"

#include "rahmen/catalogue_parts.h"
#include "shell/core/numbertext.h"

#include <string>
#include <vector>

namespace rahmen {

namespace {

shell::Program build()
{
    shell::Program p;
    p.name = "Rahmen";
    p.id = "rahmen";
    p.desktopComment = "Reactions and corner moments of single-bay portal frames";
    p.windowTitle = "Rahmen";
    p.titleLine0 = "Rahmen  properties of Beam Compute tool ";
    p.titleLine1 = "Rahmen  Program version 1.0     Reference :";
    p.windowWidth = 14000;
    p.windowHeight = 11000;

    shell::LayoutGroup g;
    g.pictureTop = 2000;
    g.pictureLeft = 2600;
    g.inputFrameTop = 2000;
    g.inputFrameLeft = 4800;
    g.resetButtonTop = 2100;
    // Reset stands beside the input frame, which the shell sizes from this position: room for
    // caption, value, scroll bar and step of every input row.
    g.resetButtonLeft = 9300;
    p.groups = {g};
    p.pictureWidth = 2100;  // up to the input frame
    p.pictureHeight = 2400;
    p.resultsFrameLeft = 2400;
    p.chartLeft = 2200;
    p.chartWidth = 9500;
    p.resultsFrameHeight = shell::heightsByRows(2550, 2160, 1710, 1710, 1710);

    p.cases = frameCases();

    // The legend explains the loads and the second moments of each case, in input order.
    p.legend = {{{"P"}, "荷重"}, {{"I", "I1", "I2"}, "断面2次モーメント"}, {{"W", "W1", "W2"}, "荷重"}};

    // A length unit change scales the loads; lengths and second moments keep their numbers.
    p.unitChange = shell::UnitChange::Convert;
    // Reset writes the stored start numbers back as they are, in every unit system (no case
    // has a modulus "E", the only input Reset would scale).
    p.startupReset = shell::StartupReset::EveryCase;

    p.sourceNotes = {
        {"", 0,
         "Single-bay portal frames with rigid corners B and C and both feet pinned or both fixed, solved by "
         "the classical portal formulas: members inextensible, so the corners share one horizontal sway and do "
         "not move vertically; E constant, so only the ratio k = (I2/I1)(h/l) of the stiffnesses enters."}};
    p.helpFile = "Rahmen.pdf";
    p.helpMessageTitle = "Message";
    p.errorPrefix = "Error: ";
    return p;
}

}  // namespace

const shell::Program &program()
{
    static const shell::Program value = build();
    return value;
}

}  // namespace rahmen
