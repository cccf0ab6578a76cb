// The cantilever program value: titles, layout, unit captions of the result rows, the legend
// of load and stiffness symbols, and the 21 cases.

#include "cantilever.h"

#include "catalogue_parts.h"
#include "numbertext.h"

#include <array>
#include <cctype>

namespace cantilever {

namespace {

// Unit captions by unit system (mm, cm, m) and kind.
enum UnitKind { Length, Stress, SecondMoment, LineLoad, Moment, UnitKinds };
const std::array<std::array<const char *, UnitKinds>, 3> UnitCaptions{{
    {"mm", "N/mm^2", "mm^4", "N/mm", "N･mm"},
    {"cm", "N/cm^2", "cm^4", "N/cm", "N･cm"},
    {"m", "N/m^2", "m^4", "N/m", "N･m"},
}};

// What each legend symbol is, by kind: load P, elastic modulus E, second moment I, line load
// w, moment M.
const std::array<const char *, UnitKinds> LegendHints{
    " : 荷重 ", " : 弾性係数 ", " : 断面2次モーメント ", " : 荷重 ", " : モーメント "};

// The legend kind of an input caption, or -1 for captions without a legend line (lengths).
int legendKind(const std::string &caption)
{
    std::string s = caption;
    for (char &ch : s)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
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

// The legend line of a symbol: the symbol as written, its meaning and its unit. A point load
// is in N in every unit system.
std::string legendLine(const std::string &caption, int kind, int unitSystem)
{
    const std::string unit = kind == 0 ? "N" : UnitCaptions.at(unitSystem).at(kind);
    return caption + LegendHints[kind] + unit;
}

// The unit of a result row by the first letter of its symbol: reactions in N, moments in the
// moment unit, deflections in the length unit.
std::string unitLabel(const std::string &caption, int /*row*/, int unitSystem)
{
    const std::string symbol = shell::SymbolOf(caption);
    if (symbol.empty())
        return {};
    switch (std::toupper(static_cast<unsigned char>(symbol.front()))) {
    case 'R':
        return "N";
    case 'M':
        return UnitCaptions.at(unitSystem)[Moment];
    case 'F':
        return UnitCaptions.at(unitSystem)[Length];
    default:
        return {};
    }
}

// Results frame height by the number of result rows.
int frame2Height(int rows)
{
    if (rows >= 9)
        return 2500;
    if (rows >= 7)
        return 2040;
    if (rows >= 5)
        return 1590;
    if (rows >= 3)
        return 1120;
    return 700;
}

shell::Program build()
{
    shell::Program p;
    p.name = "cantilever";
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
    p.frame2Height = frame2Height;

    p.cases = fixedEndCases();
    for (shell::CaseDef &c : spanCases())
        p.cases.push_back(std::move(c));

    // The caption labels of each case in their own order; the legend takes them in that order.
    std::vector<std::vector<std::string>> legendCaptions;
    for (const shell::CaseDef &c : p.cases) {
        std::vector<std::string> captions = c.legendOrder;
        if (captions.empty())
            for (const shell::InputDef &input : c.inputs)
                captions.push_back(input.caption);
        legendCaptions.push_back(captions);
    }
    p.notes = [legendCaptions](int caseIndex, int unitSystem) {
        std::vector<std::string> lines;
        for (const std::string &caption : legendCaptions.at(caseIndex)) {
            const int kind = legendKind(caption);
            if (kind >= 0)
                lines.push_back(legendLine(caption, kind, unitSystem));
        }
        return lines;
    };
    p.unitLabel = unitLabel;

    p.unitChange = shell::UnitChange::Convert;
    p.unitBearingCaptions = {"E", "P", "w", "M"};
    p.stepScaledBySquareRoot = false;
    p.resetWrite = shell::ResetWrite::ScaledFormatted;
    p.startupReset = shell::StartupReset::None;
    p.helpFile = "cantilever.pdf";
    p.helpMessageTitle = "Cantilever Message";
    p.errorPrefix = "Error : ";
    return p;
}

} // namespace

const shell::Program &program()
{
    static const shell::Program value = build();
    return value;
}

} // namespace cantilever
