// The Beams program value: titles, window layout, unit captions of the result rows, the
// legend of load symbols, and the rules for Reset and a change of length unit.

#include "beams.h"

#include "catalogue_parts.h"
#include "numbertext.h"

#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace beams {

namespace {

// Unit captions per unit system (mm, cm, m), by kind.
enum UnitKind { Length = 0, Stress = 1, SecondMoment = 2, LineLoad = 3, Moment = 4 };
const std::array<std::array<const char *, 5>, 3> unitCaptions{{
    {"mm", "N/mm^2", "mm^4", "N/mm", "N･mm"},
    {"cm", "N/cm^2", "cm^4", "N/cm", "N･cm"},
    {"m", "N/m^2", "m^4", "N/m", "N･m"},
}};

const char *unitCaption(int unitSystem, UnitKind kind)
{
    const int system = (unitSystem >= 0 && unitSystem < 3) ? unitSystem : 0;
    return unitCaptions[system][kind];
}

// Legend hints by symbol kind: load P, elastic modulus E, second moment I, line load w, moment M.
const std::array<const char *, 5> legendHints{" : 荷重 ", " : 弾性係数 ", " : 断面2次モーメント ", " : 荷重 ",
                                              " : モーメント "};

std::string upper(std::string text)
{
    for (char &ch : text)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return text;
}

// The unit of a result row follows the first letter of its symbol: reactions and shear
// forces (R, S) in N, moments (M, and the zero-shear row X0) in the moment unit, the
// deflection σmax (Σ once upper-cased) and F in the length unit.
std::string unitLabel(const std::string &caption, int /*row*/, int unitSystem)
{
    const std::string symbol = shell::SymbolOf(caption);
    if (symbol.rfind("σ", 0) == 0 || symbol.rfind("Σ", 0) == 0)
        return unitCaption(unitSystem, Length);
    if (symbol.empty())
        return {};
    switch (std::toupper(static_cast<unsigned char>(symbol[0]))) {
    case 'R':
    case 'S':
        return "N";
    case 'M':
    case 'X':
        return unitCaption(unitSystem, Moment);
    case 'F':
        return unitCaption(unitSystem, Length);
    default:
        return {};
    }
}

// Legend kind of an input caption, or -1 where the caption is no load or stiffness symbol
// (lengths, positions, and P1, P2, which the legend does not name).
int legendKind(const std::string &caption)
{
    const std::string s = upper(caption);
    if (s == "P")
        return 0;
    if (s == "E")
        return 1;
    if (s == "I")
        return 2;
    if (s == "W" || s == "W1" || s == "W2")
        return 3;
    if (s == "M")
        return 4;
    return -1;
}

// One legend line per load or stiffness symbol among the inputs, in input order:
// "P : 荷重 N", "E : 弾性係数 N/mm^2", ...
std::vector<std::string> legendLines(const std::vector<std::string> &inputCaptions, int unitSystem)
{
    std::vector<std::string> lines;
    for (const std::string &caption : inputCaptions) {
        const int kind = legendKind(caption);
        if (kind < 0)
            continue;
        const std::string unit = kind == 0 ? std::string("N") : unitCaption(unitSystem, static_cast<UnitKind>(kind));
        lines.push_back(caption + legendHints[kind] + unit);
    }
    return lines;
}

// Results frame height by the number of result rows.
int resultsFrameHeight(int rows)
{
    if (rows >= 9)
        return 2550;
    if (rows >= 7)
        return 2160;
    if (rows >= 5)
        return 1710;
    if (rows >= 3)
        return 1260;
    return 700;
}

shell::Program makeProgram()
{
    shell::Program p;
    p.name = "Beams";
    p.windowTitle = "Beams";
    p.titleLine0 = "Bending properties of Beam Compute tool ";
    p.titleLine1 = "Beams Program version 1.0       Reference :";
    p.windowWidth = 14500;
    p.windowHeight = 11000;

    shell::LayoutGroup layout;
    layout.pictureTop = 2100;
    layout.pictureLeft = 2400;
    layout.frameTop = 2000;
    layout.frameLeft = 5500;
    layout.command2Top = 2200;
    layout.command2Left = 10000;
    p.groups = {layout};
    p.frame2Left = 2400;
    p.chartLeft = 2200;
    p.chartWidth = 9200;
    // The picture fills the room left of the input frames.
    p.pictureWidth = 2900;
    p.pictureHeight = 2600;
    p.frame2Height = resultsFrameHeight;

    p.cases = beamCases();
    std::vector<std::vector<std::string>> inputCaptions;
    for (const shell::CaseDef &c : p.cases) {
        std::vector<std::string> captions;
        for (const shell::InputDef &input : c.inputs)
            captions.push_back(input.caption);
        inputCaptions.push_back(captions);
    }

    p.unitLabel = unitLabel;
    p.notes = [inputCaptions](int caseIndex, int unitSystem) {
        if (caseIndex < 0 || caseIndex >= static_cast<int>(inputCaptions.size()))
            return std::vector<std::string>{};
        return legendLines(inputCaptions[caseIndex], unitSystem);
    };

    // Loads and the elastic modulus carry the length unit; w1, w2, P1, P2 and I do not.
    p.unitChange = shell::UnitChange::Convert;
    p.unitBearingCaptions = {"E", "P", "w", "M"};
    p.stepScaledBySquareRoot = false;
    p.resetWrite = shell::ResetWrite::ScaledFormatted;
    p.startupReset = shell::StartupReset::None;

    p.helpFile = "Beams.pdf";
    p.helpMessageTitle = "Beams Message";
    p.errorPrefix = "Error : ";
    return p;
}

} // namespace

const shell::Program &program()
{
    static const shell::Program beams = makeProgram();
    return beams;
}

} // namespace beams
