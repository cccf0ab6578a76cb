// Any member in the window: the tables (the study's too) read cell by cell with a reason for the
// cell that does not describe a member, the gestures of the editor (insert, delete, move, step), the member
// solved into rows that follow its supports, units and files that keep the same member.

#include "member/member.h"
#include "shell/core/numbertext.h"
#include "shell/core/savedcalculation.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace shell;
using shell::testing::RecordingPlatform;

// Two equal spans of 5000 mm under w = 10 N/mm alone: R = 0.375 wl, 1.25 wl, 0.375 wl.
MemberTables twoSpans()
{
    MemberTables t;
    t.tables[SupportTable] = {{"0", "pinned", "", "", ""}, {"5000", "roller", "", "", ""}, {"10000", "r", "", "", ""}};
    t.tables[DistributedLoadTable] = {{"0", "10000", "10", "10"}};
    return t;
}

struct Window {
    RecordingPlatform platform;
    ShellModel model{member::program(), platform};
    Window()
    {
        model.start();
        model.setText(0, "10000");
    }
    double row(const std::string &symbol) const
    {
        for (int r = 0; r < model.resultCount(); ++r)
            if (SymbolOf(model.rows()[static_cast<std::size_t>(r)].caption) == symbol)
                return model.rows()[static_cast<std::size_t>(r)].value;
        ADD_FAILURE() << "no row " << symbol;
        return NAN;
    }
    std::vector<std::string> captions() const
    {
        std::vector<std::string> c;
        for (int r = 0; r < model.resultCount(); ++r)
            c.push_back(model.rows()[static_cast<std::size_t>(r)].caption);
        return c;
    }
};

TEST(MemberTables, EveryCellThatDoesNotDescribeAMemberIsRefusedWithItsCellAndReason)
{
    struct Hostile {
        MemberCell cell;
        std::string text;
        std::string reason;
    };
    const std::vector<Hostile> cases = {
        {{SupportTable, 1, 0}, "12000", "support 2 at x = 12000 lies outside the member [0, 10000]"},
        {{SupportTable, 0, 0}, "-1", "lies outside the member"},
        {{SupportTable, 2, 1}, "hinge", "the kind of support 3 must be pinned, roller, fixed or spring"},
        {{SupportTable, 2, 1}, "", "the kind of support 3 must be"},
        {{SupportTable, 0, 2}, "-5", "k of support 1 must be zero or above, not -5"},
        {{SupportTable, 0, 3}, "-1", "kθ of support 1 must be zero or above"},
        {{SupportTable, 0, 4}, "1e999", "δs of support 1 is too large a number"},
        {{DistributedLoadTable, 0, 1}, "0", "the distributed load 1 must end after it starts (from 0, to 0)"},
        {{DistributedLoadTable, 0, 2}, "1e-320", "w1 of distributed load 1 is too small a number"},
        {{SegmentTable, 0, 1}, "-2", "lies outside the member"},
        {{SegmentTable, 0, 2}, "0", "E of segment 1"},
        {{SegmentTable, 0, 3}, "-3", "I of segment 1"},
        {{PointLoadTable, 0, 0}, "10001", "point load 1 at x = 10001 lies outside"},
        {{CoupleTable, 0, 1}, "1e999", "C of couple 1 is too large a number"},
        {{HingeTable, 0, 0}, "-0.5", "hinge 1 at x = -0.5 lies outside"},
        // The study: load cases, combinations, the moving load and the checks.
        {{DistributedLoadTable, 1, 4},
         "S",
         "the case of distributed load 2 is S, which the Load cases table does not name"},
        {{DistributedLoadTable, 1, 4}, "Q Q", "the case of distributed load 2 must be a letter"},
        {{LoadCaseTable, 1, 0}, "G", "two load cases are named G"},
        {{LoadCaseTable, 1, 1}, "imposed", "the kind of load case 2 must be permanent or variable"},
        {{CombinationTable, 0, 1}, "1.35 G + 1.5 W", "combination 1 names load case W"},
        {{CombinationTable, 0, 1}, "1.35 G +", "the factors of combination 1"},
        {{CombinationTable, 0, 0}, " ", "the name of combination 1 is empty"},
        {{CombinationTable, 0, 2}, "maybe", "the pattern of combination 1 must be no or yes"},
        {{CombinationTable, 0, 3}, "fatigue", "the use of combination 1 must be both, strength or deflection"},
        {{MovingLoadTable, 1, 0}, "-1", "a of axle 2 must be zero or above"},
        {{CheckTable, 0, 2}, "0", "n of check 1"},
    };
    for (const Hostile &h : cases) {
        MemberTables t = twoSpans();
        t.tables[SegmentTable] = {{"0", "4000", "", ""}};
        t.tables[PointLoadTable] = {{"1000", "5"}};
        t.tables[CoupleTable] = {{"2000", "7"}};
        t.tables[HingeTable] = {{"7000"}};
        t.tables[DistributedLoadTable] = {{"0", "10000", "10", "10", "G"}, {"0", "10000", "3", "3", "Q"}};
        t.tables[LoadCaseTable] = {{"G", "permanent", ""}, {"Q", "variable", "imposed"}};
        t.tables[CombinationTable] = {{"ULS", "G + Q", "yes", "both"}};
        t.tables[MovingLoadTable] = {{"0", "100"}, {"1000", "100"}};
        t.tables[CheckTable] = {{"1e5", "156", "300"}};
        t.tables[static_cast<std::size_t>(h.cell.table)][static_cast<std::size_t>(h.cell.row)]
                [static_cast<std::size_t>(h.cell.column)] = h.text;
        const MemberTablesRead read = readMemberTables(t, 10000, 205000, 2e8);
        EXPECT_FALSE(read.member) << h.text;
        EXPECT_EQ(read.cell, h.cell) << h.text << ": " << read.reason;
        EXPECT_NE(read.reason.find(h.reason), std::string::npos) << read.reason;
    }
    MemberTables t = twoSpans();
    t.tables[CheckTable] = {{"", "", "300"}, {"", "", "250"}};
    EXPECT_EQ(readMemberTables(t, 10000, 205000, 2e8).reason, "the checks are one row");
    // Kinds read by the start of their word, in any case; empty E and I are the member's.
    t = twoSpans();
    t.tables[SupportTable][0][1] = " FIX ";
    t.tables[SupportTable][1][1] = "s";
    t.tables[SupportTable][1][2] = "500";
    t.tables[SegmentTable] = {{"0", "4000", "", "1e8"}};
    const MemberTablesRead read = readMemberTables(t, 10000, 205000, 2e8);
    ASSERT_TRUE(read.member) << read.reason;
    EXPECT_EQ(read.member->supports[0].kind, mechanics::SupportKind::Fixed);
    EXPECT_EQ(read.member->supports[1].kind, mechanics::SupportKind::Spring);
    EXPECT_EQ(read.member->supports[1].stiffness, 500);
    EXPECT_FALSE(read.member->segments[0].E);
    EXPECT_EQ(read.member->segments[0].I, 1e8);
    // The tables written from a description read back as the same member.
    const MemberTablesRead again = readMemberTables(memberTablesOf(*read.member), 10000, 205000, 2e8);
    ASSERT_TRUE(again.member);
    EXPECT_EQ(memberDescriptionJson(*again.member), memberDescriptionJson(*read.member));
}

TEST(MemberWindow, TheRowsAreTheSolvedMembersAndFollowItsSupports)
{
    Window w;
    w.model.setMemberTables(twoSpans());
    const double wl = 10.0 * 5000;
    EXPECT_NEAR(w.row("R1"), 0.375 * wl, 1e-9 * wl);
    EXPECT_NEAR(w.row("R2"), 1.25 * wl, 1e-9 * wl);
    EXPECT_NEAR(w.row("Mmin"), -10.0 * 5000 * 5000 / 8, 1e-9 * wl * 5000);
    EXPECT_EQ(w.captions().size(), 3u + 6u + 2u);

    // A fourth support and a fixed end: one more reaction and a reaction moment.
    const int added = w.model.insertMemberRow(SupportTable, 0);
    EXPECT_EQ(added, 1);
    w.model.setMemberCell({SupportTable, 1, 0}, "2500");
    w.model.setMemberCell({SupportTable, 0, 1}, "fixed");
    EXPECT_FALSE(w.model.lastRejected()) << w.model.statusText();
    const std::vector<std::string> captions = w.captions();
    EXPECT_EQ(captions[0], "反力 (R1)");
    EXPECT_EQ(captions[1], "反力モーメント (MR1)");
    EXPECT_EQ(captions[2], "反力 (R2)");
    EXPECT_EQ(captions.size(), 4u + 1u + 6u + 2u);
    EXPECT_EQ(w.model.rows()[0].unit, "N");
    EXPECT_EQ(w.model.rows()[1].unit, "N･mm");
    // A point load and a couple typed in their tables reach the reactions.
    w.model.insertMemberRow(PointLoadTable, -1);
    EXPECT_EQ(w.model.memberTables().tables[PointLoadTable][0][0], "5000");  // mid-length
    w.model.setMemberCell({PointLoadTable, 0, 1}, "3000");
    w.model.insertMemberRow(CoupleTable, -1);
    double sum = 0;
    for (const std::string symbol : {"R1", "R2", "R3", "R4"})
        sum += w.row(symbol);
    EXPECT_NEAR(sum, 10.0 * 10000 + 3000, 1e-6);
    // The extremes say where they are.
    EXPECT_EQ(w.model.rows()[static_cast<std::size_t>(captions.size() - 2)].largestText, "");
    bool placed = false;
    for (const ResultRow &row : w.model.rows())
        placed = placed || (row.visible && row.lineBelow && row.largestText.rfind("at x = ", 0) == 0);
    EXPECT_TRUE(placed);
}

TEST(MemberWindow, GesturesOfTheEditorMoveStepAndRemoveRows)
{
    Window w;
    w.model.setMemberTables(twoSpans());
    EXPECT_EQ(w.model.moveMemberRow(SupportTable, 0, 1), 1);
    EXPECT_EQ(w.model.memberTables().tables[SupportTable][1][1], "pinned");
    EXPECT_EQ(w.model.moveMemberRow(SupportTable, 2, 1), 2);  // the last row stays the last

    w.model.stepMemberCell({SupportTable, 1, 0}, 3);  // 0 by 3 × roundStep(10000 / 100) = 300
    EXPECT_EQ(w.model.memberTables().tables[SupportTable][1][0], "300");
    w.model.stepMemberCell({SupportTable, 1, 0}, -10);  // never off the member
    EXPECT_EQ(w.model.memberTables().tables[SupportTable][1][0], "0");
    w.model.stepMemberCell({SupportTable, 1, 1}, 1);
    EXPECT_EQ(w.model.memberTables().tables[SupportTable][1][1], "roller");
    w.model.stepMemberCell({SupportTable, 1, 1}, -2);
    EXPECT_EQ(w.model.memberTables().tables[SupportTable][1][1], "spring");
    w.model.stepMemberCell({DistributedLoadTable, 0, 2}, 1);  // 10 by a tenth of itself
    EXPECT_EQ(w.model.memberTables().tables[DistributedLoadTable][0][2], "11");
    w.model.stepMemberCell({SupportTable, 0, 2}, 2);  // an empty k from zero by ones
    EXPECT_EQ(w.model.memberTables().tables[SupportTable][0][2], "2");

    // Two supports removed leave a spring without stiffness and a roller: a mechanism, the
    // supports' table marked as a whole; a support added back is accepted again.
    w.model.removeMemberRow(SupportTable, 1);
    w.model.removeMemberRow(SupportTable, 0);
    ASSERT_TRUE(w.model.lastRejected());
    EXPECT_TRUE(w.model.statusVisible());
    EXPECT_EQ(w.model.markedCell(), (MemberCell{SupportTable, -1, -1}));
    EXPECT_EQ(w.model.statusText().rfind("Please check Supports : ", 0), 0u) << w.model.statusText();
    const int beeps = w.platform.beeps;
    w.model.insertMemberRow(SupportTable, -1);
    w.model.setMemberCell({SupportTable, 0, 0}, "0");
    w.model.setMemberCell({SupportTable, 0, 1}, "fixed");
    EXPECT_FALSE(w.model.lastRejected()) << w.model.statusText();
    EXPECT_EQ(w.model.markedCell(), MemberCell());
    // A cantilever has fewer rows than the member before it: those it no longer has are hidden.
    w.model.removeMemberRow(SupportTable, 1);
    ASSERT_FALSE(w.model.lastRejected()) << w.model.statusText();
    EXPECT_EQ(w.model.resultCount(), 2 + 8);
    int shown = 0;
    for (const ResultRow &row : w.model.rows())
        shown += row.visible ? 1 : 0;
    EXPECT_EQ(shown, w.model.resultCount());
    EXPECT_LT(static_cast<std::size_t>(shown), w.model.rows().size());
    EXPECT_GE(w.platform.beeps, beeps);

    // A refused cell is marked with its reason, and the rows keep the last accepted member.
    const double r1 = w.row("R1");
    w.model.setMemberCell({DistributedLoadTable, 0, 1}, "20000");
    EXPECT_EQ(w.model.markedCell(), (MemberCell{DistributedLoadTable, 0, 1}));
    EXPECT_EQ(w.row("R1"), r1);
    // Gestures on cells that are not there change nothing.
    const MemberTables before = w.model.memberTables();
    w.model.setMemberCell({SupportTable, 9, 0}, "1");
    w.model.removeMemberRow(HingeTable, 0);
    w.model.stepMemberCell({MemberTableCount, 0, 0}, 1);
    EXPECT_EQ(w.model.memberTables(), before);
}

TEST(MemberWindow, UnitsConvertTheCellsSoThatTheMemberStaysTheSame)
{
    Window w;
    w.model.setMemberTables(twoSpans());
    w.model.setMemberCell({SupportTable, 1, 2}, "500");  // k of a roller: kept, not used
    w.model.setMemberCell({SupportTable, 1, 4}, "5");    // settlement 5 mm
    const double r2 = w.row("R2"), mmin = w.row("Mmin");
    w.model.chooseUnits({LengthUnit::Metre, ForceUnit::Kilonewton});
    ASSERT_FALSE(w.model.lastRejected()) << w.model.statusText();
    const MemberTables &t = w.model.memberTables();
    EXPECT_EQ(t.tables[SupportTable][1][0], "5");
    EXPECT_EQ(t.tables[SupportTable][1][2], "500");  // N/mm = kN/m
    EXPECT_EQ(t.tables[SupportTable][1][4], "0.005");
    EXPECT_EQ(t.tables[DistributedLoadTable][0][2], "10");
    EXPECT_NEAR(w.row("R2"), r2 / 1000, 1e-9 * std::abs(r2));
    EXPECT_NEAR(w.row("Mmin"), mmin / 1e6, 1e-9 * std::abs(mmin));
    w.model.chooseUnits(CatalogueUnits);
    EXPECT_EQ(w.model.memberTables().tables[SupportTable][1][4], "5");
    EXPECT_DOUBLE_EQ(w.row("R2"), r2);
}

TEST(MemberWindow, AFileKeepsTheMemberAndRefusesTablesTheWindowCannotHold)
{
    Window w;
    w.model.setMemberTables(twoSpans());
    w.model.setMemberCell({SupportTable, 1, 1}, "spring");
    w.model.setMemberCell({SupportTable, 1, 2}, "5000");
    w.model.tickRow(0, false);
    const SavedCalculation saved = w.model.save();
    ASSERT_TRUE(saved.member);
    const SavedCalculationRead read = readSavedCalculation(writeSavedCalculation(saved));
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.calculation, saved);

    Window other;
    EXPECT_EQ(other.model.open(read.calculation), "");
    EXPECT_EQ(other.model.memberTables(), w.model.memberTables());
    EXPECT_EQ(other.captions(), w.captions());
    EXPECT_FALSE(other.model.rows()[0].ticked);
    EXPECT_DOUBLE_EQ(other.row("R2"), w.row("R2"));

    SavedCalculation hostile = saved;
    hostile.member->tables[SupportTable][0].push_back("extra");
    EXPECT_NE(other.model.open(hostile).find("has 6 cells, not 5"), std::string::npos);
    hostile = saved;
    hostile.member->tables[PointLoadTable] = {{"0", "1e999"}};
    EXPECT_NE(other.model.open(hostile).find("P of point load 1 is too large a number"), std::string::npos);
    hostile = saved;
    hostile.member.reset();
    EXPECT_EQ(other.model.open(hostile), "it holds no member");
    EXPECT_EQ(other.model.memberTables(), w.model.memberTables());
    std::string text = writeSavedCalculation(saved);
    text.replace(text.find("\"pinned\""), 8, "17");
    EXPECT_NE(readSavedCalculation(text).error.find("member.supports[0][1]"), std::string::npos);
}

TEST(MemberWindow, CopyCalculationHoldsEveryCellOfTheTables)
{
    Window w;
    w.model.setMemberTables(twoSpans());
    w.model.setMemberCell({SupportTable, 2, 2}, "");
    const std::string text = w.model.calculationText();
    for (const char *line :
         {"\r\nsupport 2\tx\t5000\tmm\r\n", "\r\nsupport 3\tkind\tr\t\r\n", "\r\nsupport 3\tk\t\tN/mm\r\n",
          "\r\ndistributed load 1\tw2\t10\tN/mm\r\n", "\r\n反力\tR2\t"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(MemberWindow, TheDiagramsAreTheMembersWithThePointOfInterest)
{
    Window w;
    w.model.setMemberTables(twoSpans());
    const CaseDiagrams first = w.model.diagrams();
    ASSERT_EQ(first.members.size(), 1u);
    ASSERT_EQ(first.members[0].marks.size(), 1u);
    EXPECT_EQ(first.members[0].marks[0].x, 1500);
    EXPECT_EQ(first.members[0].beam.supports.size(), 3u);
    // Another load with the same inputs is another source: the view paints it again.
    w.model.setMemberCell({DistributedLoadTable, 0, 3}, "20");
    EXPECT_FALSE(w.model.diagrams().sameSource(first));
}

}  // namespace
