// The Rahmen program value: titles, layout, unit captions of the result rows, the input notes
// and the Reset and unit-change rules around the ten frame cases of formulas.cpp.

#include "rahmen/rahmen.h"

#include "rahmen/catalogue_parts.h"
#include "shell/core/numbertext.h"
#include "shell/core/unitcaptions.h"

#include <string>
#include <vector>

namespace rahmen {

namespace {

// UnitLabel: reactions ("V", "H") are forces in N, moments ("M") in N times the length unit.
std::string unitLabel(const std::string &caption, int /*row*/, int unitSystem)
{
    const std::string first = shell::symbolInitial(caption);
    if (first == "V" || first == "H")
        return "N";
    if (first == "M")
        return shell::unitCaption(unitSystem, shell::UnitKind::Moment);
    return {};
}

// ShowInputNotes: one line for each input that carries a load or a second moment, in input
// order, the input's caption followed by the note and its unit: "w : 荷重 N/mm",
// "I1 : 断面2次モーメント mm^4".
std::vector<std::string> inputNotes(const std::vector<std::string> &captions, int unitSystem)
{
    const std::string pointLoad = std::string(" : 荷重 ") + "N";
    const std::string secondMoment =
        " : 断面2次モーメント " + shell::unitCaption(unitSystem, shell::UnitKind::SecondMoment);
    const std::string lineLoad = " : 荷重 " + shell::unitCaption(unitSystem, shell::UnitKind::LineLoad);
    std::vector<std::string> lines;
    for (const std::string &caption : captions) {
        const std::string key = shell::upperCase(caption);
        if (key == "P")
            lines.push_back(caption + pointLoad);
        else if (key == "I" || key == "I1" || key == "I2")
            lines.push_back(caption + secondMoment);
        else if (key == "W" || key == "W1" || key == "W2")
            lines.push_back(caption + lineLoad);
    }
    return lines;
}

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
    g.frameTop = 2000;
    g.frameLeft = 4800;
    g.command2Top = 2100;
    // Reset stands beside the input frame, which the shell sizes from this position: room for
    // caption, value, scroll bar and step of every input row.
    g.command2Left = 9300;
    p.groups = {g};
    p.pictureWidth = 2100;  // up to the input frame
    p.pictureHeight = 2400;
    p.frame2Left = 2400;
    p.chartLeft = 2200;
    p.chartWidth = 9500;
    p.frame2Height = shell::heightsByRows(2550, 2160, 1710, 1710, 1710);

    p.cases = frameCases();

    p.unitLabel = unitLabel;
    std::vector<std::vector<std::string>> captions;
    for (const shell::CaseDef &c : p.cases) {
        std::vector<std::string> inputs;
        for (const shell::InputDef &input : c.inputs)
            inputs.push_back(input.caption);
        captions.push_back(inputs);
    }
    p.notes = [captions](int caseIndex, int unitSystem) {
        return inputNotes(captions[static_cast<std::size_t>(caseIndex)], unitSystem);
    };

    // A length unit change scales the loads; lengths and second moments keep their numbers.
    p.unitChange = shell::UnitChange::Convert;
    p.unitBearingCaptions = {"E", "P", "w", "M"};
    // Reset writes the stored start numbers back as they are, in every unit system (no case
    // has a modulus "E", the only input Reset would scale).
    p.resetWrite = shell::ResetWrite::General;
    p.startupReset = shell::StartupReset::EveryCase;

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
