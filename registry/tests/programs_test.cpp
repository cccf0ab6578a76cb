// The family as a whole: the registry, and every case of every program held to the rules any
// case must keep (distinct captions, a unit for every row, finite results at the start
// values, a picture that paints).

#include "registry/familynames.h"
#include "registry/registry.h"
#include "registry/tests/familycases.h"
#include "shell/core/numbertext.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/acceptedinputs.h"
#include "shell/core/testing/recordingplatform.h"
#include "shell/paint/sketchpainter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(registry, NamesEachProgramOnceAndFindsItWithoutRegardToCase)
{
    std::set<std::string> names;
    std::set<std::string> ids;
    std::vector<std::string> family;  // the windows know the names alone, in the same order
    for (const registry::Entry &entry : registry::entries()) {
        family.push_back(entry.name);
        const shell::Program &program = entry.program();
        EXPECT_EQ(program.name, entry.name);
        EXPECT_TRUE(names.insert(program.name).second) << program.name;
        EXPECT_TRUE(ids.insert(program.id).second) << program.id;
        for (const char ch : program.id)
            EXPECT_TRUE(std::islower(static_cast<unsigned char>(ch))) << program.id;
        EXPECT_FALSE(program.helpFile.empty()) << program.name;
        EXPECT_FALSE(program.desktopComment.empty()) << program.name;
        EXPECT_EQ(registry::find(program.id), &program);
        EXPECT_EQ(registry::find(program.name), &program);
    }
    EXPECT_EQ(registry::familyNames(), family);
    EXPECT_EQ(registry::find("Frames"), nullptr);
    const std::string words = registry::namesInWords();
    EXPECT_EQ(words.rfind(registry::entries().front().name, 0), 0u) << words;
    EXPECT_NE(words.find(std::string(" or ") + registry::entries().back().name), std::string::npos) << words;
}

using familycases::caseName;
using familycases::CaseRef;

class EveryCase : public ::testing::TestWithParam<CaseRef>
{
};

TEST_P(EveryCase, CaptionsAreDistinctAndSayWhatTheCaseAndEachRowIs)
{
    const shell::CaseDef &c = GetParam().definition();
    std::set<std::string> inputs;
    for (const shell::InputDef &input : c.inputs)
        EXPECT_TRUE(inputs.insert(input.caption).second) << "input " << input.caption;
    std::set<std::string> rows;
    for (const shell::RowDef &row : c.rows) {
        EXPECT_TRUE(rows.insert(row.caption).second) << "row " << row.caption;
        EXPECT_FALSE(shell::SymbolOf(row.caption).empty()) << "row without a symbol: " << row.caption;
    }
    EXPECT_GT(c.inputCount(), 0);
    // A program that describes any member has the rows of the member it solves.
    EXPECT_TRUE(c.rowCount() > 0 || GetParam().program->memberEditor);
    // Every case says in words what member it is (the heading of its page in the reference and on
    // the sheet) and every row what it is and how it is signed.
    EXPECT_FALSE(c.title.empty());
    EXPECT_LE(c.title.size(), 64u) << c.title;
    for (const shell::RowDef &row : c.rows)
        EXPECT_FALSE(row.meaning.empty()) << row.caption;
}

// A member needs a size and a section: a span, a height, E and the second moments at zero or below
// are refused with a reason that names the input, and the input is the field marked; the
// nearest negative number an input can hold (the largest negative normal double) too, while the
// least stiffness is a stiffness. Uplift
// and an empty span are real loadings: a load of either sign or none is never refused.
TEST_P(EveryCase, RefusesAMemberWithoutSizeOrStiffnessAndTakesAnyLoad)
{
    const shell::CaseDef &c = GetParam().definition();
    const std::set<std::string> sizes{"l", "h", "E", "I", "I1", "I2"};
    for (std::size_t k = 0; k < c.inputs.size(); ++k) {
        const shell::InputDef &input = c.inputs[k];
        std::vector<double> values;
        if (sizes.count(input.caption) == 1)
            values = {0.0, -std::numeric_limits<double>::min(), -input.start};
        for (const double value : values) {
            std::vector<double> inputs = shell::startValues(c);
            inputs[k] = value;
            const shell::Evaluation e = shell::evaluate(c, inputs);
            EXPECT_EQ(e.reason, input.caption + " must be greater than 0") << input.caption << " = " << value;
            EXPECT_EQ(e.field, static_cast<int>(k)) << input.caption << " = " << value;
        }
        if (!values.empty() && input.caption != "l" && input.caption != "h") {  // a short span strands its positions
            std::vector<double> inputs = shell::startValues(c);
            inputs[k] = 1e-300;
            EXPECT_FALSE(shell::evaluate(c, inputs).rejected) << input.caption << " = 1e-300";
        }
        if (!shell::testing::isLoad(input.dimension))
            continue;
        for (const double load : {0.0, -input.start, -1e-9, -1e9, 1e9}) {
            std::vector<double> inputs = shell::startValues(c);
            inputs[k] = load;
            const shell::Evaluation e = shell::evaluate(c, inputs);
            EXPECT_FALSE(e.rejected) << input.caption << " = " << load << ": " << e.reason;
        }
    }
}

std::vector<std::string> rowTexts(const shell::ShellModel &model)
{
    std::vector<std::string> texts;
    for (const shell::ResultRow &row : model.rows())
        texts.push_back(row.text);
    return texts;
}

// In the window, the first input that refuses 0 (or else -1): one beep, the status line names the field by
// its number and gives the reason, the field is marked and every row stays as it was; a step
// field changed meanwhile is named by its own number; the input put right clears the line.
TEST_P(EveryCase, ARefusedInputKeepsTheRowsAndNamesItsField)
{
    const shell::CaseDef &c = GetParam().definition();
    const int n = c.inputCount();
    int k = -1;
    std::string reason, refused;
    for (const char *text : {"0", "-1"}) {
        for (int j = 0; j < n && k < 0; ++j) {
            std::vector<double> inputs = shell::startValues(c);
            inputs[static_cast<std::size_t>(j)] = shell::readNumber(text);
            const shell::Evaluation e = shell::evaluate(c, inputs);
            if (e.rejected && e.field == j)
                std::tie(k, reason, refused) = std::tuple(j, e.reason, text);
        }
    }
    ASSERT_GE(k, 0) << "no input of the case refuses 0 or -1";
    shell::testing::RecordingPlatform platform;
    shell::ShellModel model(*GetParam().program, platform);
    model.start();
    model.selectCase(GetParam().index);
    const std::vector<std::string> before = rowTexts(model);
    const std::string start = model.text(GetParam().index, k);
    model.setText(k, refused);
    EXPECT_TRUE(model.statusVisible());
    EXPECT_EQ(model.statusText(), "Please check command entry  #" + std::to_string(k + 1) + " : " + reason);
    EXPECT_EQ(model.markedField(), k);
    EXPECT_EQ(rowTexts(model), before);
    EXPECT_EQ(platform.beeps, 1);
    model.setText(n + k, "2");
    EXPECT_EQ(model.statusText(), "Please check command entry  #" + std::to_string(n + k + 1) + " : " + reason);
    model.setText(k, start);
    EXPECT_FALSE(model.statusVisible());
    EXPECT_EQ(rowTexts(model), before);
}

// Every input and row carries a dimension; the pure numbers (slenderness, end constant) have no
// unit and every other row shows one in every unit system.
TEST_P(EveryCase, EveryRowHasAUnitInEveryUnitSystem)
{
    const shell::Program &program = *GetParam().program;
    const shell::CaseDef &c = GetParam().definition();
    for (std::size_t length = 0; length < 3; ++length) {
        for (std::size_t force = 0; force < (program.forceUnits ? 2 : 1); ++force) {
            for (int r = 0; r < c.rowCount(); ++r) {
                const shell::RowDef &row = c.rows[static_cast<std::size_t>(r)];
                const std::string unit = program.rowUnit(c, r, {shell::LengthUnits[length], shell::ForceUnits[force]});
                EXPECT_EQ(unit.empty(), row.dimension == shell::Dimension::None)
                    << row.caption << " in " << length << "/" << force;
            }
        }
    }
}

// The start values are accepted, and they and any one input at 0 where the domain takes it (no
// load, a load at a support, no overhang) leave every row a number: where a formula would divide
// 0 by 0 the quantity has a limit, and the row shows it.
TEST_P(EveryCase, StartValuesAndAnyInputAtZeroGiveFiniteRows)
{
    const shell::CaseDef &c = GetParam().definition();
    const shell::Evaluation start = shell::evaluate(c, shell::startValues(c));
    ASSERT_FALSE(start.rejected);
    ASSERT_EQ(start.values.size(), c.rows.size());
    for (std::size_t r = 0; r < c.rows.size(); ++r)
        EXPECT_TRUE(std::isfinite(start.values[r])) << c.rows[r].caption;
    for (std::size_t k = 0; k < c.inputs.size(); ++k) {
        std::vector<double> inputs = shell::startValues(c);
        inputs[k] = 0;
        const shell::Evaluation evaluation = shell::evaluate(c, inputs);
        if (evaluation.rejected)
            continue;
        for (std::size_t r = 0; r < c.rows.size(); ++r)
            EXPECT_TRUE(std::isfinite(evaluation.values[r]))
                << c.rows[r].caption << " with " << c.inputs[k].caption << " = 0: " << evaluation.rowReasons[r];
    }
}

// Every position the user types (an input named x, x1, ...) is marked on the diagrams, and every
// mark lies on its member, at the start values and at inputs the case accepts.
TEST_P(EveryCase, PositionsAreMarkedOnTheirMember)
{
    const shell::CaseDef &c = GetParam().definition();
    if (c.members.empty() || !c.members[0].beam)
        return;
    std::set<std::string> positions, marked;
    for (const shell::InputDef &input : c.inputs)
        if (input.caption.front() == 'x')
            positions.insert(input.caption);
    for (const shell::PositionMark &mark : c.marks)
        marked.insert(mark.label);
    EXPECT_EQ(marked, positions);
    auto sets = shell::testing::acceptedInputs(c, 10, 99);
    sets.push_back(shell::startValues(c));
    const std::vector<double> noRows;
    for (const std::vector<double> &inputs : sets) {
        for (const shell::PositionMark &mark : c.marks) {
            const double x = mark.x.eval({&inputs, &noRows});
            EXPECT_GE(x, 0) << mark.label;
            EXPECT_LE(x, c.members.at(static_cast<std::size_t>(mark.member)).beam(inputs).length) << mark.label;
        }
    }
}

// π is taken as 3.141592 throughout the family, not the full double: every row computed with
// it says so in its meaning.
TEST_P(EveryCase, RowsComputedWithTheRoundedPiSaySo)
{
    for (const shell::RowDef &row : GetParam().definition().rows) {
        for (const shell::Expr &constant : row.formula.constants()) {
            if (constant.name() == "π" || constant.name() == "π²") {
                EXPECT_NE(row.meaning.find("π taken as 3.141592"), std::string::npos)
                    << row.caption << ": " << row.meaning;
            }
        }
    }
}

// The picture paints without asserting and shows something, at the window's picture size and
// at a page's size, for the start values and for inputs that make no drawable member (zero
// everywhere).
TEST_P(EveryCase, PicturePaints)
{
    const shell::CaseDef &c = GetParam().definition();
    ASSERT_TRUE(c.sketch);
    for (const auto &inputs : {shell::startValues(c), std::vector<double>(c.inputs.size(), 0.0)}) {
        for (const QSize size : {QSize(140, 170), QSize(700, 500)}) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            shell::paintSketch(painter, QRectF(QPointF(0, 0), QSizeF(size)), c.sketch(inputs));
            painter.end();
            int marked = 0;
            for (int y = 0; y < size.height(); y += 2)
                for (int x = 0; x < size.width(); x += 2)
                    marked += image.pixel(x, y) != qRgb(255, 255, 255);
            EXPECT_GT(marked, 40) << size.width() << "x" << size.height();
        }
    }
}

// Every label of the picture reads clear: none covers another, none lies on a member's line
// (sampled along the line), at the window's picture size and at a page's size.
TEST_P(EveryCase, LabelsKeepClearOfMembersAndOfEachOther)
{
    const shell::CaseDef &c = GetParam().definition();
    const shell::Sketch sketch = c.sketch(shell::startValues(c));
    for (const QSize size : {QSize(190, 170), QSize(700, 500)}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        const shell::SketchPlacement placed = shell::paintSketch(painter, QRectF(QPointF(0, 0), QSizeF(size)), sketch);
        painter.end();
        ASSERT_TRUE(placed.drawn);
        const std::vector<QRectF> &labels = placed.labels;
        for (std::size_t i = 0; i < labels.size(); ++i)
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(labels[i].intersects(labels[j])) << "labels " << i << " and " << j;
        for (const shell::SketchElement &e : sketch.elements()) {
            if (e.kind != shell::SketchElement::Kind::Member)
                continue;
            const QPointF a = placed.map(e.a);
            const QPointF b = placed.map(e.b);
            for (int step = 0; step <= 400; ++step) {
                const QPointF on = a + ((b - a) * (step / 400.0));
                for (std::size_t i = 0; i < labels.size(); ++i)
                    ASSERT_FALSE(labels[i].contains(on))
                        << "label " << i << " on the member at " << on.x() << "," << on.y();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(family, EveryCase, ::testing::ValuesIn(familycases::familyCases()), caseName);

}  // namespace
