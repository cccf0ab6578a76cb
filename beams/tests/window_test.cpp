// Beams in a whole window without a display: entry checks with the field number, results
// that cannot be computed, the legend lines, the length unit change and Reset.

#include "beams/tests/beamstest.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

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

// The span must be positive, every position on the member, E and I above zero; a load may take
// any sign.
TEST(beamsWindow, EntryCheckNamesTheFieldAndKeepsTheResults)
{
    struct Entry {
        int caseIndex, field;
        const char *text;
        bool rejected;
    };
    // clang-format off
    for (const Entry &e : {Entry{0, 2, "0", true}, {0, 2, "", true}, {0, 2, "50", false}, {0, 1, "-1", true}, {0, 2, "49.9", true},
                           {0, 1, "0", false}, {0, 4, "-1", true}, {0, 0, "-1", false}, {0, 5, "0", true},
                           {10, 1, "-1", true}, {9, 1, "-1", true}}) {
        // clang-format on
        Window w(e.caseIndex);
        const std::vector<std::string> before = w.texts();
        w.model.setText(e.field, e.text);
        EXPECT_EQ(w.model.lastRejected(), e.rejected) << e.caseIndex << " #" << e.field + 1 << " '" << e.text << "'";
        if (e.rejected) {
            EXPECT_EQ(w.model.statusText().rfind(entryError + std::to_string(e.field + 1) + " : ", 0), 0u)
                << w.model.statusText();
            EXPECT_EQ(w.texts(), before) << "a rejected input leaves the results as they were";
            EXPECT_EQ(w.platform.beeps, 1);
        }
    }
}

TEST(beamsWindow, RejectionFromAStepFieldCarriesTheStepFieldNumber)
{
    Window w(0);
    w.model.setText(2, "0");  // l
    EXPECT_EQ(w.model.statusText(), entryError + "3 : l must be greater than 0");
    w.model.setText(7 + 3, "2");  // step of x1
    EXPECT_EQ(w.model.statusText(), entryError + "11 : l must be greater than 0");
    EXPECT_EQ(w.model.markedField(), 2);
    w.model.setText(2, "100");
    EXPECT_FALSE(w.model.statusVisible());
}

// An E or I so small that the deflection overflows leaves only the deflection row empty; w = 0
// leaves "Beam (4)" with X0 where any load would put it and no moment, every row shown.
TEST(beamsWindow, ResultsThatCannotBeComputedEmptyOnlyTheirRows)
{
    struct Zero {
        int caseIndex;
        int field;
        const char *text;
        std::set<size_t> emptyRows;
    };
    for (const Zero &z : {Zero{1, 3, "1e-305", {5}}, Zero{15, 4, "1e-305", {7}}, Zero{3, 0, "0", {}}}) {
        Window w(z.caseIndex);
        w.model.setText(z.field, z.text);
        ASSERT_FALSE(w.model.lastRejected());
        const std::vector<std::string> texts = w.texts();
        for (size_t r = 0; r < static_cast<size_t>(w.model.ResultCount); ++r)
            EXPECT_EQ(texts[r].empty(), z.emptyRows.count(r) == 1) << "case " << z.caseIndex << " row " << r;
    }
}

const std::string lineP = "P : 荷重 N", lineE = "E : 弾性係数 N/mm^2", lineI = "I : 断面2次モーメント mm^4";

TEST(beamsWindow, LegendLinesNameTheLoadAndStiffnessSymbols)
{
    EXPECT_EQ(Window(0).model.notes(), (std::vector<std::string>{lineP, lineE, lineI}));
    EXPECT_EQ(Window(5).model.notes(), (std::vector<std::string>{"w1 : 荷重 N/mm", "w2 : 荷重 N/mm", lineE, lineI}));
    EXPECT_TRUE(Window(11).model.notes().empty());
}

// The same beam in centimetres: lengths a tenth, the load as it was, E a hundred times, I a
// ten-thousandth; the results are the same quantities in the new units.
TEST(beamsWindow, CentimetresShowTheSameBeam)
{
    Window w(0);
    w.model.chooseUnit(1);
    EXPECT_EQ(w.model.text(0, 5), "10000000");       // E
    EXPECT_EQ(w.model.text(0, 7 + 5), "100000");     // its step
    EXPECT_EQ(w.model.text(0, 0), "100");            // P
    EXPECT_EQ(w.model.text(0, 2), "10");             // l
    EXPECT_EQ(w.model.text(0, 7 + 2), "0.1");        // its step
    EXPECT_EQ(w.model.text(0, 6), "0.0833");         // I
    EXPECT_EQ(w.model.rows()[0].text, "7.000e+01");  // RA
    EXPECT_EQ(w.model.rows()[2].text, "1.400e+02");  // Mx1: 1400 N･mm
    EXPECT_EQ(w.model.rows()[5].text, "1.765e-03");  // σmax: 0.01765 mm
    EXPECT_EQ(w.model.rows()[2].unit, "N･cm");
    EXPECT_EQ(w.model.notes(), (std::vector<std::string>{lineP, "E : 弾性係数 N/cm^2", "I : 断面2次モーメント cm^4"}));
}

TEST(beamsWindow, ResetInCentimetresWritesTheDefaultsInThatUnit)
{
    Window w(5);  // w1, w2, l, x, E, I
    w.model.chooseUnit(1);
    for (int k = 0; k < 6; ++k)
        w.model.setText(k, "7");
    w.model.reset();
    const std::vector<std::string> values{"1000", "1000", "10", "3", "10000000", "0.0833"};
    const std::vector<std::string> steps{"10", "10", "0.1", "0.1", "100000", "0.001"};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(w.model.text(5, k), values[static_cast<size_t>(k)]) << k;
        EXPECT_EQ(w.model.text(5, 6 + k), steps[static_cast<size_t>(k)]) << k;
    }

    Window uniform(1);
    uniform.model.chooseUnit(1);
    uniform.model.setText(0, "3");
    uniform.model.reset();
    EXPECT_EQ(uniform.model.text(1, 0), "1000");  // 100 N/mm
    EXPECT_EQ(uniform.model.rows()[0].text, "5.000e+03");
}

}  // namespace
}  // namespace beams::testing
