// Beams in a whole window without a display: results that cannot be computed, the legend
// lines, and the rows in another length unit (the inputs in every unit are the registry's).

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
        for (size_t r = 0; r < static_cast<size_t>(w.model.resultCount()); ++r)
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

// The same beam in centimetres: the results are the same quantities in the new units, also
// after Reset (RA = w l / 2 = 5000 N).
TEST(beamsWindow, CentimetresShowTheSameBeam)
{
    Window w(0);
    w.model.chooseUnit(shell::LengthUnit::Centimetre);
    EXPECT_EQ(w.model.rows()[0].text, "7.000e+01");  // RA
    EXPECT_EQ(w.model.rows()[2].text, "1.400e+02");  // Mx1: 1400 N･mm
    EXPECT_EQ(w.model.rows()[5].text, "1.765e-03");  // σmax: 0.01765 mm
    EXPECT_EQ(w.model.rows()[2].unit, "N･cm");
    EXPECT_EQ(w.model.notes(), (std::vector<std::string>{lineP, "E : 弾性係数 N/cm^2", "I : 断面2次モーメント cm^4"}));

    Window uniform(1);
    uniform.model.chooseUnit(shell::LengthUnit::Centimetre);
    uniform.model.setText(0, "3");
    uniform.model.reset();
    EXPECT_EQ(uniform.model.rows()[0].text, "5.000e+03");
}

}  // namespace
}  // namespace beams::testing
