// The case table (inputs, start values, steps, result captions) and the worked results of
// every case at its start values, as the window shows them.

#include "framecases.h"
#include "recordingplatform.h"
#include "shellmodel.h"

#include <gtest/gtest.h>

#include <set>

namespace rahmen::testing {
namespace {

// The four caption columns of the result rows; each case shows the first rows of one column.
const std::vector<std::vector<std::string>> ResultCaptions = {
    {"モーメント (MB)", "モーメント (MC)", "鉛直反力 (VA)", "鉛直反力 (VD)", "水平反力 (HA)", "水平反力 (HD)"},
    {"モーメント (MB)", "モーメント (MC)", "モーメント (MEA)", "モーメント (MEB)", "鉛直反力 (VA)", "鉛直反力 (VD)",
     "水平反力 (HA)", "水平反力 (HD)"},
    {"モーメント (MA)", "モーメント (MB)", "モーメント (MC)", "モーメント (MD)", "鉛直反力 (VA)", "鉛直反力 (VD)",
     "水平反力 (HA)", "水平反力 (HD)"},
    {"モーメント (MA)", "モーメント (MB)", "モーメント (MC)", "モーメント (MD)", "モーメント (MEA)",
     "モーメント (MEB)", "鉛直反力 (VA)", "鉛直反力 (VD)", "水平反力 (HA)", "水平反力 (HD)"},
};

struct CaseTable {
    int number;
    std::vector<std::string> captions;
    std::vector<double> starts;
    std::vector<double> steps;
    int column;
    int resultCount;
};

const std::vector<CaseTable> Cases = {
    {1, {"w", "h", "l", "I1", "I2"}, {1000, 100, 100, 833, 833}, {100, 1, 1, 10, 10}, 0, 6},
    {2, {"P", "h", "l", "I1", "I2"}, {1000, 100, 100, 833, 833}, {100, 1, 1, 10, 10}, 0, 6},
    {3, {"P", "h", "l", "a", "b", "I1", "I2"}, {1000, 100, 100, 30, 70, 833, 833}, {100, 1, 1, 1, 1, 10, 10}, 0, 6},
    {4, {"w", "h", "l", "I1", "I2"}, {1000, 100, 100, 833, 833}, {100, 1, 1, 10, 10}, 0, 6},
    {5, {"P", "h", "l", "a", "c", "I1", "I2"}, {1000, 100, 100, 70, 30, 833, 833}, {100, 1, 1, 1, 1, 10, 10}, 1, 8},
    {6, {"w", "h", "l", "I1", "I2"}, {1000, 100, 100, 833, 833}, {100, 1, 1, 10, 10}, 2, 8},
    {7, {"P", "h", "l", "I1", "I2"}, {1000, 100, 100, 833, 833}, {100, 1, 1, 10, 10}, 2, 8},
    {8, {"P", "h", "l", "a", "b", "I1", "I2"}, {1000, 100, 100, 30, 70, 833, 833}, {100, 1, 1, 1, 1, 10, 10}, 2, 8},
    {9, {"w", "h", "l", "I1", "I2"}, {1000, 100, 100, 833, 833}, {100, 1, 1, 10, 10}, 2, 8},
    {10, {"P", "h", "l", "a", "b", "c", "I1", "I2"}, {1000, 100, 100, 70, 30, 30, 833, 833},
     {100, 1, 1, 1, 1, 1, 10, 10}, 3, 10},
};

class CaseTableTest : public ::testing::TestWithParam<CaseTable>
{
};

TEST_P(CaseTableTest, InputsStartValuesStepsAndResultCaptions)
{
    const CaseTable &t = GetParam();
    const shell::CaseDef &c = frameCase(t.number);
    EXPECT_EQ(c.caption, "Rahmen (" + std::to_string(t.number) + ")");
    ASSERT_EQ(c.inputCount(), static_cast<int>(t.captions.size()));
    for (std::size_t k = 0; k < t.captions.size(); ++k) {
        EXPECT_EQ(c.inputs[k].caption, t.captions[k]) << k;
        EXPECT_EQ(c.inputs[k].start, t.starts[k]) << k;
        EXPECT_EQ(c.inputs[k].step, t.steps[k]) << k;
    }
    ASSERT_EQ(c.rowCount(), t.resultCount);
    const auto &column = ResultCaptions[static_cast<std::size_t>(t.column)];
    for (int r = 0; r < t.resultCount; ++r)
        EXPECT_EQ(c.rows[static_cast<std::size_t>(r)].caption, column[static_cast<std::size_t>(r)]) << r;
    EXPECT_TRUE(c.sketch);
}

INSTANTIATE_TEST_SUITE_P(Rahmen, CaseTableTest, ::testing::ValuesIn(Cases),
                         [](const auto &test) { return "Case" + std::to_string(test.param.number); });

// The results of every case at its start values (k = 1), in row order, as the window shows
// them with result formatting on.
struct Worked {
    int number;
    std::vector<std::string> texts;
};

const std::vector<Worked> WorkedValues = {
    {1, {"-5.000e+05", "-5.000e+05", "5.000e+04", "5.000e+04", "5.000e+03", "5.000e+03"}},
    {2, {"5.000e+04", "-5.000e+04", "1.000e+03", "1.000e+03", "5.000e+02", "5.000e+02"}},
    {3, {"-6.300e+03", "-6.300e+03", "7.000e+02", "3.000e+02", "6.300e+01", "6.300e+01"}},
    {4, {"2.250e+06", "-2.750e+06", "5.000e+04", "5.000e+04", "7.250e+04", "2.750e+04"}},
    {5, {"1.641e+04", "-1.359e+04", "-9.513e+03", "2.049e+04", "7.000e+02", "3.000e+02", "1.359e+02", "1.359e+02"}},
    {6, {"2.778e+05", "-5.556e+05", "-5.556e+05", "2.778e+05", "5.000e+04", "5.000e+04", "8.333e+03", "8.333e+03"}},
    {7, {"-2.857e+04", "2.143e+04", "-2.143e+04", "2.857e+04", "4.286e+02", "4.286e+02", "5.000e+02", "5.000e+02"}},
    {8, {"2.900e+03", "-7.600e+03", "-6.400e+03", "4.100e+03", "7.120e+02", "2.880e+02", "1.050e+02", "1.050e+02"}},
    {9, {"-2.341e+06", "5.754e+05", "-8.532e+05", "1.230e+06", "1.429e+04", "1.429e+04", "7.917e+04", "2.083e+04"}},
    {10,
     {"-7.000e+02", "9.350e+03", "-8.650e+03", "1.130e+04", "-1.467e+04", "1.534e+04", "8.200e+02", "1.800e+02",
      "1.995e+02", "1.995e+02"}},
};

class WorkedValueTest : public ::testing::TestWithParam<Worked>
{
};

TEST_P(WorkedValueTest, StartValuesGiveTheHandbookResults)
{
    const Worked &w = GetParam();
    shell::testing::RecordingPlatform platform;
    shell::ShellModel model(program(), platform);
    model.start();
    model.selectCase(w.number - 1);
    ASSERT_EQ(model.ResultCount, static_cast<int>(w.texts.size()));
    for (std::size_t r = 0; r < w.texts.size(); ++r)
        EXPECT_EQ(model.rows()[r].text, w.texts[r]) << model.rows()[r].caption;
    EXPECT_FALSE(model.statusVisible());
}

INSTANTIATE_TEST_SUITE_P(Rahmen, WorkedValueTest, ::testing::ValuesIn(WorkedValues),
                         [](const auto &test) { return "Case" + std::to_string(test.param.number); });

TEST(RahmenWorked, BracketMomentsReadWholeBeforeFormatting)
{
    shell::testing::RecordingPlatform platform;
    shell::ShellModel model(program(), platform);
    model.start();
    model.toggleFormat();
    model.selectCase(9);
    EXPECT_EQ(model.rows()[4].text, "-14665");
    EXPECT_EQ(model.rows()[5].text, "15335");
}

TEST(RahmenCatalogue, EveryRowHasAUnitAndTheSketchShowsTheFrame)
{
    const shell::Program &p = program();
    ASSERT_EQ(p.caseCount(), 10);
    for (int number = 1; number <= 10; ++number) {
        const shell::CaseDef &c = frameCase(number);
        std::set<std::string> seen;
        for (int r = 0; r < c.rowCount(); ++r) {
            const std::string &caption = c.rows[static_cast<std::size_t>(r)].caption;
            EXPECT_TRUE(seen.insert(caption).second) << caption;
            EXPECT_FALSE(p.unitLabel(caption, r, 0).empty()) << caption;
        }
        // The feet A and D, the letters of every input, and the corners.
        const shell::Sketch s = c.sketch(shell::startValues(c));
        std::set<std::string> labels;
        int supports = 0;
        for (const shell::SketchElement &e : s.elements()) {
            labels.insert(e.label);
            if (e.kind == shell::SketchElement::Kind::Support) {
                ++supports;
                EXPECT_EQ(e.support, number <= 5 ? shell::SupportKind::Pin : shell::SupportKind::Fixed);
            }
        }
        EXPECT_EQ(supports, 2) << number;
        for (const char *name : {"A", "B", "C", "D"})
            EXPECT_TRUE(labels.count(name)) << number << " " << name;
        for (const shell::InputDef &input : c.inputs)
            EXPECT_TRUE(labels.count(input.caption)) << number << " " << input.caption;
    }
}

} // namespace
} // namespace rahmen::testing
