#pragma once

// The blocks a case is printed in, shared by the handbook's case pages (the start values in mm
// and N) and the calculation sheet (the inputs on display in their units): the heading, the
// picture beside the inputs, the domain, the diagrams, the constants and named intermediates,
// the result table with typeset formulas and worked lines, and the notes. Each block is
// measured on the device it is drawn on (see pagelayout.h).

#include "shell/core/catalogue.h"
#include "shell/core/diagrams.h"
#include "shell/sheet/casetext.h"
#include "shell/sheet/pagelayout.h"

#include <QColor>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QPaintDevice;

namespace sheet {

// What the pages are for, and so how they speak of the numbers: the handbook works each case
// at its start values, a sheet with the inputs of one calculation.
enum class Purpose { Handbook, Sheet };

// Sizes that a page short of room may take smaller than the handbook's.
struct CaseLook {
    Purpose purpose = Purpose::Handbook;
    double pictureWidth = 68;  // mm
    double pictureHeight = 58;
    double diagramScale = 1;   // of the handbook's diagram heights
    double diagramHeight = 0;  // mm; 0: the width times the figure's proportion times diagramScale
    double formulaPoints = 10;
};

extern const QColor Grey;
extern const QColor HeaderShade;
extern const QColor RowShade;

QString q(const std::string &text);
// The sheet's own words ("Result", "Unit") in the language of the shell's translation.
QString tx(const char *text);

Block spaced(Block block, double spaceBefore, bool keepWithNext = false);
Block subheading(const QPaintDevice *device, const PageGeometry &g, const QString &text);
// A heading with a second text set flush right on its first line and a rule below.
Block headingBlock(const QPaintDevice *device, const PageGeometry &g, const QString &text, const QString &aside);
// A rule across the text area.
Block ruleBlock(const PageGeometry &g);
// Diagrams in a grey frame as wide as the text, `height` of its width high.
Block diagramFigure(const shell::CaseDiagrams &diagrams, const PageGeometry &g, std::function<double(double)> height);

// The case's picture drawn from the text's inputs beside the table of its inputs, each with its
// value, its unit and, where the program's legend names it, its meaning.
Block pictureAndInputs(const QPaintDevice *device, const PageGeometry &g, const shell::CaseDef &definition,
                       const CaseText &text, const CaseLook &look);
// Where the case applies, in words, and whether the inputs lie inside.
Block domain(const QPaintDevice *device, const PageGeometry &g, const CaseText &text, const CaseLook &look);
// The case's diagrams for the text's inputs with their extremes, drawn by the window's own
// diagram painter; none where the inputs are refused or the case has nothing to draw.
std::vector<Block> diagrams(const shell::CaseDef &definition, int caseIndex, const CaseText &text,
                            const QPaintDevice *device, const PageGeometry &g, const CaseLook &look);
// The height of those diagrams over their width in the handbook; 0 where there are none.
double diagramProportion(const shell::CaseDef &definition, int caseIndex, const CaseText &text);
// The constants the formulas name and the named intermediate values, worked.
std::vector<Block> intermediates(const QPaintDevice *device, const PageGeometry &g, const CaseText &text,
                                 const CaseLook &look);
// Every result row: caption and meaning, the typeset formula and its worked line, value, unit.
std::vector<Block> results(const QPaintDevice *device, const PageGeometry &g, const CaseText &text,
                           const CaseLook &look);
// The notes the window shows under the results: the handbook lists them all with their
// conditions, a sheet those that hold for its inputs.
std::vector<Block> advisories(const QPaintDevice *device, const PageGeometry &g, const CaseText &text,
                              const CaseLook &look);

}  // namespace sheet
