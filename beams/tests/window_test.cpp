// Beams in a whole window without a display: entry checks with the field number, the unit
// captions of the rows, the legend lines, the length unit change and Reset, and results
// that cannot be computed.

#include "beamstest.h"
#include "recordingplatform.h"
#include "shellmodel.h"

#include <set>

namespace beams::testing {
namespace {

struct Window {
    shell::testing::RecordingPlatform platform;
    shell::ShellModel model{program(), platform};
    explicit Window(int caseIndex = 0)
    {
        model.start();
        model.selectCase(caseIndex);
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> t;
        for (const shell::ResultRow &r : model.rows())
            t.push_back(r.text);
        return t;
    }
};

const std::string entryError = "Please check command entry  #";

// --- entry checks: the span must be positive, the distances and positions not negative ---

class EntryCheck : public ::testing::TestWithParam<int>
{};

TEST_P(EntryCheck, RejectsOnlyBadLengthsWithTheFieldNumber)
{
    const int caseIndex = GetParam();
    const shell::CaseDef &c = beamCase(caseIndex);
    const std::set<std::string> distances{"a", "b", "x", "x1", "x2"};
    for (int k = 0; k < c.inputCount(); ++k) {
        const std::string &caption = c.inputs[static_cast<size_t>(k)].caption;
        // "Beam (10)" puts its overhang length a through unchecked: a negative a is accepted.
        const bool uncheckedOverhang = caseIndex == 9 && caption == "a";
        const bool rejectsNegative = caption == "l" || (distances.count(caption) == 1 && !uncheckedOverhang);
        for (const std::string bad : {"-1", "0", ""}) {
            Window w(caseIndex);
            const std::vector<std::string> before = w.texts();
            w.model.setText(k, bad);
            const bool rejected = bad == "-1" ? rejectsNegative : caption == "l";
            EXPECT_EQ(w.model.lastRejected(), rejected) << c.caption << " " << caption << " = '" << bad << "'";
            if (rejected) {
                EXPECT_TRUE(w.model.statusVisible());
                EXPECT_EQ(w.model.statusText(), entryError + std::to_string(k + 1));
                EXPECT_EQ(w.texts(), before) << "a rejected input leaves the results as they were";
                EXPECT_EQ(w.platform.beeps, 1);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(beams, EntryCheck, ::testing::Range(0, 19));

TEST(beamsWindow, RejectionFromAStepFieldCarriesTheStepFieldNumber)
{
    Window w(0);
    w.model.setText(2, "0");  // l
    EXPECT_EQ(w.model.statusText(), entryError + "3");
    w.model.setText(7 + 3, "2");  // step of x1
    EXPECT_EQ(w.model.statusText(), entryError + "11");
    w.model.setText(2, "100");
    EXPECT_FALSE(w.model.statusVisible());
}

TEST(beamsWindow, PositionsBeyondTheSpanAreAccepted)
{
    for (int c = 0; c < 19; ++c) {
        const shell::CaseDef &def = beamCase(c);
        Window w(c);
        for (int k = 0; k < def.inputCount(); ++k) {
            const std::string &caption = def.inputs[static_cast<size_t>(k)].caption;
            if (caption == "x" || caption == "x1")
                w.model.setText(k, "250");
        }
        EXPECT_FALSE(w.model.lastRejected()) << def.caption;
    }
}

// --- results that cannot be computed empty only their own rows ---

TEST(beamsWindow, DivisionByZeroEmptiesOnlyTheRowsItTouches)
{
    struct Zero {
        int caseIndex;
        int field;
        std::set<size_t> emptyRows;
    };
    for (const Zero &z : {Zero{0, 5, {5}}, Zero{0, 6, {5}}, Zero{1, 3, {5}}, Zero{15, 4, {7}}, Zero{3, 0, {3, 4}}}) {
        Window w(z.caseIndex);
        w.model.setText(z.field, "0");
        ASSERT_FALSE(w.model.lastRejected());
        const std::vector<std::string> texts = w.texts();
        for (size_t r = 0; r < static_cast<size_t>(w.model.ResultCount); ++r)
            EXPECT_EQ(texts[r].empty(), z.emptyRows.count(r) == 1) << "case " << z.caseIndex << " row " << r;
    }
}

// --- unit captions of the rows ---

TEST(beamsWindow, RowUnitsFollowTheSymbolAndTheUnitSystem)
{
    Window w(0);
    const std::vector<std::string> mm{"N", "N", "N･mm", "N･mm", "N･mm", "mm"};
    for (size_t r = 0; r < mm.size(); ++r)
        EXPECT_EQ(w.model.rows()[r].unit, mm[r]);
    w.model.chooseUnit(2);
    EXPECT_EQ(w.model.rows()[2].unit, "N･m");
    EXPECT_EQ(w.model.rows()[5].unit, "m");

    Window partial(3);
    EXPECT_EQ(partial.model.rows()[3].unit, "N･mm");  // X0 carries the moment unit
    Window overhang(9);
    EXPECT_EQ(overhang.model.rows()[2].unit, "N");  // S.A-B
    EXPECT_EQ(overhang.model.rows()[3].unit, "N");  // S.B-C
}

// --- legend lines ---

struct Legend {
    int caseIndex;
    std::vector<std::string> lines;
};

void PrintTo(const Legend &l, std::ostream *os) { *os << beamCase(l.caseIndex).caption; }

class LegendLines : public ::testing::TestWithParam<Legend>
{};

TEST_P(LegendLines, NameEveryLoadAndStiffnessSymbol)
{
    Window w(GetParam().caseIndex);
    EXPECT_EQ(w.model.notes(), GetParam().lines);
}

// The legend lines in mm.
const std::string lineP = "P : 荷重 N", lineW = "w : 荷重 N/mm", lineE = "E : 弾性係数 N/mm^2";
const std::string lineI = "I : 断面2次モーメント mm^4", lineW1 = "w1 : 荷重 N/mm", lineW2 = "w2 : 荷重 N/mm";

INSTANTIATE_TEST_SUITE_P(
    beams, LegendLines,
    ::testing::Values(Legend{0, {lineP, lineE, lineI}}, Legend{1, {lineW, lineE, lineI}},
                      Legend{2, {lineW, lineE, lineI}}, Legend{3, {lineW}}, Legend{4, {lineW}},
                      Legend{5, {lineW1, lineW2, lineE, lineI}}, Legend{6, {lineP, lineE, lineI}},
                      Legend{7, {lineW, lineE, lineI}}, Legend{8, {lineW, lineE, lineI}}, Legend{9, {lineP}},
                      Legend{10, {lineW}}, Legend{11, {}}, Legend{12, {lineW}}, Legend{13, {lineP}},
                      Legend{14, {lineW}}, Legend{15, {lineW, lineE, lineI}}, Legend{16, {lineP}},
                      Legend{17, {lineW}}, Legend{18, {lineW1, lineW2}}));

// --- length unit change and Reset ---

TEST(beamsWindow, CentimetresConvertLoadsAndModulusButNotLengths)
{
    Window w(0);
    w.model.chooseUnit(1);
    EXPECT_EQ(w.model.text(0, 5), "10000000");  // E
    EXPECT_EQ(w.model.text(0, 7 + 5), "1.00e+05");  // its step
    EXPECT_EQ(w.model.text(0, 0), "10000");  // P
    EXPECT_EQ(w.model.text(0, 2), "100");  // l
    EXPECT_EQ(w.model.text(0, 1), "30");   // a
    EXPECT_EQ(w.model.text(0, 6), "833");  // I
    EXPECT_EQ(w.model.rows()[0].text, "7.000e+03");  // recomputed with P = 10000
    const std::vector<std::string> cm{lineP, "E : 弾性係数 N/cm^2", "I : 断面2次モーメント cm^4"};
    EXPECT_EQ(w.model.notes(), cm);
}

TEST(beamsWindow, MetresAndBackRestoreTheModulus)
{
    Window w(1);
    w.model.chooseUnit(2);
    EXPECT_EQ(w.model.text(1, 3), "1.0000e+11");
    w.model.chooseUnit(0);
    EXPECT_EQ(w.model.text(1, 3), "100000");
}

TEST(beamsWindow, ResetInCentimetresWritesTheDefaultsInThatUnit)
{
    Window w(5);  // w1, w2, l, x, E, I
    w.model.chooseUnit(1);
    for (int k = 0; k < 6; ++k)
        w.model.setText(k, "7");
    w.model.reset();
    const std::vector<std::string> values{"100", "100", "100", "30", "10000000", "833"};
    const std::vector<std::string> steps{"1", "1", "1", "1", "1.00e+05", "10"};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(w.model.text(5, k), values[static_cast<size_t>(k)]) << k;
        EXPECT_EQ(w.model.text(5, 6 + k), steps[static_cast<size_t>(k)]) << k;
    }

    Window uniform(1);
    uniform.model.chooseUnit(1);
    uniform.model.setText(0, "3");
    uniform.model.reset();
    EXPECT_EQ(uniform.model.text(1, 0), "10000");  // w × 100
    EXPECT_EQ(uniform.model.rows()[0].text, "5.000e+05");
}

// --- the window itself ---

TEST(beamsWindow, NineteenButtonsOnTwoPagesAndFramesSizedByRowCount)
{
    ASSERT_EQ(program().caseCount(), 19);
    EXPECT_TRUE(program().hasPages());
    for (int c = 0; c < 19; ++c)
        EXPECT_EQ(beamCase(c).caption, "Beam (" + std::to_string(c + 1) + ")");
    for (const auto &[caseIndex, height] : {std::pair{10, 2550}, {9, 2160}, {0, 1710}, {13, 1260}}) {
        Window w(caseIndex);
        EXPECT_EQ(w.model.frame2Rect().height, height) << caseIndex;
        EXPECT_GE(w.model.frame2Rect().top, w.model.inputFrameRect(caseIndex).bottom());
    }
}

} // namespace
} // namespace beams::testing
