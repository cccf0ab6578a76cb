// Load cases, combinations, moving loads and checks of any member, as the window, a file and a
// member description hold them: names and factors read with a reason for what is refused, the
// envelope rows naming the combination that governs, the checks as utilisations, and the
// influence and envelope views.

#include "beams/beams.h"
#include "member/member.h"
#include "shell/core/memberdescription.h"
#include "shell/core/memberresults.h"
#include "shell/core/membersection.h"
#include "shell/core/numbertext.h"
#include "shell/core/savedcalculation.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace shell;

// Two equal spans l = 4000 of E·I = 205000 · 2e7, g = 2 N/mm permanent and q = 3 N/mm imposed on
// both, one combination 1.0 G + 1.0 Q with pattern loading.
MemberTables patternedSpans()
{
    MemberTables t;
    t.tables[SupportTable] = {
        {"0", "pinned", "", "", ""}, {"4000", "roller", "", "", ""}, {"8000", "roller", "", "", ""}};
    t.tables[DistributedLoadTable] = {{"0", "8000", "2", "2", "G"}, {"0", "8000", "3", "3", "Q"}};
    t.tables[LoadCaseTable] = {{"G", "permanent", ""}, {"Q", "variable", "imposed"}};
    t.tables[CombinationTable] = {{"ULS", "G + Q", "yes", "both"}};
    return t;
}

struct Window {
    shell::testing::RecordingPlatform platform;
    ShellModel model{member::program(), platform};
    Window()
    {
        model.start();
        model.setText(0, "8000");
        model.setText(2, "20000000");
    }
    const ResultRow *row(const std::string &symbol) const
    {
        for (int r = 0; r < model.resultCount(); ++r)
            if (SymbolOf(model.rows()[static_cast<std::size_t>(r)].caption) == symbol)
                return &model.rows()[static_cast<std::size_t>(r)];
        return nullptr;
    }
    double value(const std::string &symbol) const
    {
        const ResultRow *r = row(symbol);
        EXPECT_TRUE(r) << "no row " << symbol << ": " << model.statusText();
        return r ? r->value : NAN;
    }
};

TEST(MemberStudy, FactorsAreReadAsASumOfNamedCases)
{
    struct Sum {
        std::string text;
        std::vector<std::pair<std::string, double>> factors;  // empty: refused
    };
    const std::vector<Sum> sums = {
        {"1.35 G + 1.5 Q", {{"G", 1.35}, {"Q", 1.5}}},
        {"G+Q", {{"G", 1}, {"Q", 1}}},
        {" 1.2*G - 0.5 W1 ", {{"G", 1.2}, {"W1", -0.5}}},
        {"1e999 G", {}},
        {"", {}},
        {"1.35", {}},
        {"G Q", {}},
        {"1,35 G", {}},
        {"G + ", {}},
    };
    for (const Sum &s : sums) {
        std::string problem;
        const auto factors = readFactors(s.text, problem);
        EXPECT_EQ(factors, s.factors) << s.text;
        EXPECT_EQ(problem.empty(), !s.factors.empty()) << s.text << ": " << problem;
        if (!factors.empty()) {
            std::string again;
            EXPECT_EQ(readFactors(factorsText(factors), again), factors) << factorsText(factors);
        }
    }
}

TEST(MemberStudy, ADescriptionKeepsItsCasesAndRefusesNamesItDoesNotHave)
{
    const std::string good =
        R"({"length": 8000, "E": 205000, "I": 2e7, "supports": [{"x": 0, "kind": "pinned"}, {"x": 8000, "kind": "roller"}],)"
        R"( "loads": [{"kind": "distributed", "from": 0, "to": 8000, "w1": 2, "w2": 2},)"
        R"( {"kind": "point", "x": 4000, "P": 1000, "case": "Q"}],)"
        R"( "cases": [{"name": "G", "kind": "permanent"}, {"name": "Q", "kind": "variable", "meaning": "imposed"}],)"
        R"( "combinations": [{"name": "ULS", "factors": {"G": 1.35, "Q": 1.5}, "pattern": true, "use": "strength"}],)"
        R"( "checks": {"Z": 1e5, "f": 156, "n": 300}})";
    const MemberReading read = readMemberDescription(good);
    ASSERT_TRUE(read.member) << read.error;
    const MemberDescription &m = *read.member;
    EXPECT_EQ(m.loadCases().size(), 2u);
    EXPECT_EQ(m.loadCases()[0].distributed.size(), 1u);  // no case named: the first
    EXPECT_EQ(m.loadCases()[1].forces.size(), 1u);
    EXPECT_TRUE(m.loadCases()[1].variable);
    EXPECT_EQ(m.combination(m.combinations[0]).factors, (std::vector<double>{1.35, 1.5}));
    EXPECT_EQ(memberDescriptionJson(*readMemberDescription(memberDescriptionJson(m)).member), memberDescriptionJson(m));

    const auto refused = [&](const std::string &from, const std::string &to, const std::string &reason) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        const MemberReading r = readMemberDescription(text);
        EXPECT_FALSE(r.member) << to;
        EXPECT_NE(r.error.find(reason), std::string::npos) << to << ": " << r.error;
    };
    refused(R"("case": "Q")", R"("case": "S")", "load 2 belongs to load case S, which the member does not have");
    refused(R"({"G": 1.35,)", R"({"W": 1.35,)", "combination 1 names load case W");
    refused(R"("name": "Q")", R"("name": "G")", "two load cases are named G");
    refused(R"("name": "Q")", R"("name": "1Q")", "load case 2 must be named by a letter");
    refused(R"("n": 300)", R"("n": 0)", "n of the checks");
    refused(R"("pattern": true)", R"("pattern": 1)", "must be true or false");
    refused(R"("use": "strength")", R"("use": "fatigue")", "\"combinations[0].use\" must be");
    refused(R"("kind": "variable")", R"("kind": "imposed")", "\"cases[1].kind\" must be");
}

TEST(MemberStudy, PatternLoadingGivesTheTextbookWorstMomentsOfTwoSpans)
{
    Window w;
    w.model.setMemberTables(patternedSpans());
    ASSERT_FALSE(w.model.lastRejected()) << w.model.statusText();
    const double g = 2, q = 3, l = 4000;
    // Q on both spans for the support moment, on one span for the span moment.
    EXPECT_NEAR(w.value("Mcmin"), -(g + q) * l * l / 8, 1e-9 * q * l * l);
    const double RA = (3.0 / 8 * g + 7.0 / 16 * q) * l;
    EXPECT_NEAR(w.value("Mcmax"), RA * RA / (2 * (g + q)), 1e-9 * q * l * l);
    const ResultRow *largest = w.row("Mcmax");
    ASSERT_TRUE(largest);
    EXPECT_NE(largest->meaning.find("ULS (G + Q), variable loads on span "), std::string::npos) << largest->meaning;
    EXPECT_NE(w.row("Mcmin")->meaning.find("variable loads on every span"), std::string::npos);
    // The loads as typed stay the member's own rows.
    EXPECT_NEAR(w.value("Mmin"), -(g + q) * l * l / 8, 1e-9 * q * l * l);
}

TEST(MemberStudy, TheChecksAreUtilisationsWithAVerdict)
{
    Window w;
    // A simple span of 8000 under 5 N/mm: M = wl²/8 = 4e7, δ = 5wl⁴/(384 EI).
    MemberTables t;
    t.tables[SupportTable] = {{"0", "pinned", "", "", ""}, {"8000", "roller", "", "", ""}};
    t.tables[DistributedLoadTable] = {{"0", "8000", "5", "5", ""}};
    t.tables[CheckTable] = {{"250000", "200", "300"}};
    w.model.setMemberTables(t);
    ASSERT_FALSE(w.model.lastRejected()) << w.model.statusText();
    EXPECT_NEAR(w.value("σb"), 4e7 / 250000, 1e-9);
    EXPECT_NEAR(w.value("σb/fb"), 160.0 / 200, 1e-12);
    EXPECT_EQ(w.row("σb/fb")->largestText, "OK");
    const double delta = 5 * 5.0 * std::pow(8000.0, 4) / (384 * 205000 * 2e7);
    EXPECT_NEAR(w.value("δ/δa"), delta / (8000.0 / 300), 1e-9);
    EXPECT_EQ(w.row("δ/δa")->largestText, delta > 8000.0 / 300 ? "NG" : "OK");
    // A smaller section fails.
    w.model.setMemberCell({CheckTable, 0, 0}, "100000");
    EXPECT_NEAR(w.value("σb/fb"), 2.0, 1e-12);
    EXPECT_EQ(w.row("σb/fb")->largestText, "NG");
    // The stress check takes the combinations for strength, the deflection those for deflection.
    t.tables[LoadCaseTable] = {{"G", "permanent", ""}};
    t.tables[CombinationTable] = {{"ULS", "1.35 G", "no", "strength"}, {"SLS", "0.5 G", "no", "deflection"}};
    w.model.setMemberTables(t);
    EXPECT_NEAR(w.value("σb"), 1.35 * 4e7 / 250000, 1e-9);
    EXPECT_NEAR(w.value("δ/δa"), 0.5 * delta / (8000.0 / 300), 1e-9);
    EXPECT_NE(w.row("σb")->meaning.find("ULS (1.35 G)"), std::string::npos);
}

// A train of a uniform load alone covers what makes each moment worst: on two equal spans that
// is the imposed load placed span by span, so the moving-load rows equal the pattern combination's.
TEST(MemberStudy, AUniformTrainLoadCoversWhatMakesTheMomentWorst)
{
    Window w;
    MemberTables t;
    t.tables[SupportTable] = {
        {"0", "pinned", "", "", ""}, {"4000", "roller", "", "", ""}, {"8000", "roller", "", "", ""}};
    t.tables[DistributedLoadTable] = {{"0", "8000", "3", "3", "Q"}};
    t.tables[LoadCaseTable] = {{"Q", "variable", "imposed"}};
    t.tables[CombinationTable] = {{"Q", "Q", "yes", "both"}};
    t.tables[TrainTable] = {{"3", ""}};
    w.model.setMemberTables(t);
    ASSERT_FALSE(w.model.lastRejected()) << w.model.statusText();
    EXPECT_NEAR(w.value("Mtmax"), w.value("Mcmax"), 1e-6 * w.value("Mcmax"));
    EXPECT_NEAR(w.value("Mtmin"), -3.0 * 4000 * 4000 / 8, 1e-6 * 6e6);

    // One way only: read, written back, and the train's position runs that way.
    t.tables[MovingLoadTable] = {{"0", "1000"}, {"500", "2000"}};
    t.tables[TrainTable] = {{"", "left"}};
    w.model.setMemberTables(t);
    ASSERT_FALSE(w.model.lastRejected()) << w.model.statusText();
    EXPECT_NE(w.row("Mtmax")->meaning.find("leftward"), std::string::npos) << w.row("Mtmax")->meaning;
    EXPECT_EQ(w.model.acceptedMember()->train->ways, mechanics::TrainWays::Leftward);
    EXPECT_EQ(memberTablesOf(*w.model.acceptedMember()).tables[TrainTable],
              (std::vector<std::vector<std::string>>{{"", "leftward"}}));
    t.tables[TrainTable] = {{"", "sideways"}};
    EXPECT_EQ(readMemberTables(t, 8000, 205000, 2e7).cell, (MemberCell{TrainTable, 0, 1}));
    t.tables[TrainTable] = {{"1", ""}, {"2", ""}};
    EXPECT_EQ(readMemberTables(t, 8000, 205000, 2e7).reason, "the train is one row");
}

TEST(MemberSection, ANamedShapeGivesIAndZAndAMaterialGivesE)
{
    // Hand-worked sections: I and the smaller section modulus.
    struct Shape {
        std::vector<std::string> row;  // shape, a, b, c, d, material
        double I, Z;
    };
    const double pi = 3.141592;  // as the section tables take it
    const std::vector<Shape> shapes = {
        {{"rect", "100", "50", "", "", ""}, 50.0 * 1e6 / 12, 1e4 * 50 / 6},
        {{"I section", "160", "82", "7.4", "5", ""},
         (82 * 4096000.0 - 77 * std::pow(145.2, 3)) / 12,
         (82 * 4096000.0 - 77 * std::pow(145.2, 3)) / 12 / 80},
        {{"circular tube", "100", "0", "", "", ""}, pi * 1e8 / 64, pi * 1e6 / 32},
    };
    for (const Shape &s : shapes) {
        Window w;
        MemberTables t = patternedSpans();
        t.tables[SectionTable] = {s.row};
        w.model.setMemberTables(t);
        ASSERT_FALSE(w.model.lastRejected()) << s.row[0] << ": " << w.model.statusText();
        EXPECT_NEAR(w.value("I"), s.I, 1e-9 * s.I) << s.row[0];
        EXPECT_NEAR(w.value("Z"), s.Z, 1e-9 * s.Z) << s.row[0];
        EXPECT_FALSE(w.row("E")) << "no material named";
    }
    // An equal angle 100 × 100 × 10: e1 = 28.7 from the outer face of leg a, e2 = 71.3 to the
    // tip of leg b; Z is I / e2, at the farther fibre.
    Window angle;
    MemberTables t = patternedSpans();
    t.tables[SectionTable] = {{"L section", "100", "100", "10", "", ""}};
    angle.model.setMemberTables(t);
    const double e1 = (1e4 * 10 + 100 * 90) / (2.0 * (10 * 90 + 100 * 10)), e2 = 100 - e1;
    const double I = (10 * std::pow(e2, 3) + 100 * std::pow(e1, 3) - 90 * std::pow(e1 - 10, 3)) / 3;
    EXPECT_NEAR(angle.value("I"), I, 1e-9 * I);
    EXPECT_NEAR(angle.value("Z"), I / e2, 1e-9 * I / e2);

    // Aluminium on a simple span of 8000 under 5 N/mm: the deflection takes E = 70000 and the
    // section's I; in cm and kN the same member gives the same values.
    Window w;
    MemberTables simple;
    simple.tables[SupportTable] = {{"0", "pinned", "", "", ""}, {"8000", "roller", "", "", ""}};
    simple.tables[DistributedLoadTable] = {{"0", "8000", "5", "5", ""}};
    simple.tables[SectionTable] = {{"rectangular tube", "200", "100", "6", "", "alu"}};
    w.model.setMemberTables(simple);
    ASSERT_FALSE(w.model.lastRejected()) << w.model.statusText();
    const double Itube = (100 * 8e6 - 88 * std::pow(188.0, 3)) / 12;
    EXPECT_NEAR(w.value("δmax"), 5 * 5 * std::pow(8000.0, 4) / (384 * 70000 * Itube), 1e-9);
    EXPECT_EQ(w.value("E"), 70000);
    w.model.chooseUnits({LengthUnit::Centimetre, ForceUnit::Kilonewton});
    ASSERT_FALSE(w.model.lastRejected()) << w.model.statusText();
    EXPECT_NEAR(w.value("δmax"), 0.1 * 5 * 5 * std::pow(8000.0, 4) / (384 * 70000 * Itube), 1e-10);
    EXPECT_NEAR(w.value("I"), Itube * 1e-4, 1e-9 * Itube * 1e-4);
    EXPECT_NEAR(w.value("E"), 7000, 1e-9);  // kN/cm²

    // The description and the tables keep the section by name, not its I: read back, the same
    // member.
    const MemberTablesRead read = readMemberTables(simple, 8000, 205000, 1, member::program().sectionShapes);
    ASSERT_TRUE(read.member) << read.reason;
    const std::string json = memberDescriptionJson(*read.member);
    EXPECT_EQ(json.find("\"I\""), std::string::npos) << json;
    MemberReading again = readMemberDescription(json);
    ASSERT_TRUE(again.member) << again.error;
    EXPECT_EQ(applySection(*again.member, member::program().sectionShapes, CatalogueUnits), "");
    EXPECT_EQ(again.member->I, read.member->I);
    EXPECT_EQ(again.member->E, 70000);
    EXPECT_EQ(memberTablesOf(*again.member).tables[SectionTable],
              (std::vector<std::vector<std::string>>{{"rectangular tube", "200", "100", "6", "", "aluminium alloy"}}));
    for (const char *both : {R"("I": 1, )", R"("E": 1, )"}) {
        std::string twice = json;
        twice.insert(twice.find('{') + 1, both);
        EXPECT_FALSE(readMemberDescription(twice).member) << twice;
    }
}

TEST(MemberSection, TheSectionTableRefusesTheCellThatIsWrong)
{
    struct Hostile {
        std::vector<std::string> section;
        MemberCell cell;
        std::string reason;
    };
    const std::vector<Hostile> cases = {
        {{"hexagon", "", "", "", "", ""}, {SectionTable, 0, 0}, "the shape of the section must be rectangular bar"},
        {{"I section", "160", "82", "7.4", "", ""}, {SectionTable, 0, 4}, "the i section takes 4 dimensions"},
        {{"I section", "160", "82", "90", "5", ""}, {SectionTable, 0, 3}, "c must be less than a / 2"},
        {{"circular bar", "50", "20", "", "", ""}, {SectionTable, 0, 2}, "takes 1 dimension: a (dia)"},
        {{"rectangular bar", "-5", "20", "", "", ""}, {SectionTable, 0, 1}, "a must be greater than 0"},
        {{"", "160", "", "", "", ""}, {SectionTable, 0, 0}, "the section's dimensions need its shape"},
        {{"", "", "", "", "", "wood"}, {SectionTable, 0, 5}, "the material of section 1 must be steel"},
        {{"rectangular bar", "1e300", "1e300", "", "", ""}, {SectionTable, 0, 1}, "no I and Z"},
    };
    for (const Hostile &h : cases) {
        MemberTables t = patternedSpans();
        t.tables[SectionTable] = {h.section};
        const MemberTablesRead read =
            readMemberTables(t, 8000, 205000, 2e7, member::program().sectionShapes, CatalogueUnits);
        EXPECT_FALSE(read.member) << h.reason;
        EXPECT_EQ(read.cell, h.cell) << h.reason << ": " << read.reason;
        EXPECT_NE(read.reason.find(h.reason), std::string::npos) << read.reason;
    }
    // Z typed in the checks beside a named shape: one would silently win.
    MemberTables t = patternedSpans();
    t.tables[SectionTable] = {{"rect", "100", "50", "", "", ""}};
    t.tables[CheckTable] = {{"1e5", "156", "300"}};
    const MemberTablesRead twice = readMemberTables(t, 8000, 205000, 2e7, member::program().sectionShapes);
    EXPECT_EQ(twice.cell, (MemberCell{CheckTable, 0, 0}));
    t.tables[CheckTable] = {{"", "156", "300"}};
    t.tables[SectionTable].push_back(t.tables[SectionTable][0]);
    EXPECT_EQ(readMemberTables(t, 8000, 205000, 2e7, member::program().sectionShapes).reason, "the section is one row");
}

TEST(MemberStudy, TheInfluenceAndEnvelopeViewsAndTheirFile)
{
    Window w;
    MemberTables t = patternedSpans();
    t.tables[MovingLoadTable] = {{"0", "1000"}, {"1000", "1000"}};
    w.model.setMemberTables(t);
    w.model.setText(3, "2000");
    ASSERT_FALSE(w.model.lastRejected()) << w.model.statusText();
    EXPECT_TRUE(w.row("Mtmax"));
    // The study follows the moving loads, which the member's description does not hold.
    const double lighter = w.value("Mtmax");
    w.model.setMemberCell({MovingLoadTable, 1, 1}, "2000");
    EXPECT_GT(w.value("Mtmax"), lighter);
    w.model.setMemberCell({MovingLoadTable, 1, 1}, "1000");
    EXPECT_EQ(w.value("Mtmax"), lighter);
    // M at x = 2000 of two spans: the unit load there gives its moment.
    w.model.chooseView(ChartArea::Influence);
    const CaseDiagrams &line = w.model.diagrams();
    ASSERT_EQ(line.kind, CaseDiagrams::Kind::Members);
    const mechanics::Piecewise &eta = line.members[0].curves[0].values;
    mechanics::Beam unit = w.model.acceptedMember()->beam();
    unit.distributed.clear();
    unit.forces = {{1300, 1.0}};
    EXPECT_NEAR(eta(1300), (*mechanics::solveBeam(unit)).moment(2000), 1e-9);
    w.model.chooseInfluence({mechanics::InfluenceQuantity::Reaction, 1});
    EXPECT_NEAR(w.model.diagrams().members[0].curves[0].values(4000), 1.0, 1e-9);
    // The envelope: the combination's and the moving loads'.
    w.model.chooseView(ChartArea::Envelope);
    ASSERT_EQ(w.model.diagrams().members.size(), 2u);
    const Curve *moment = w.model.diagrams().members[0].curve(Quantity::Moment);
    ASSERT_TRUE(moment && moment->envelope());
    EXPECT_EQ(moment->extremes.smallest.value, w.value("Mcmin"));
    // The band holds the combination's own moment at every section.
    EXPECT_NEAR(moment->lower()(4000), w.value("Mcmin"), 1e-9 * std::abs(w.value("Mcmin")));
    const Curve *moving = w.model.diagrams().members[1].curve(Quantity::Moment);
    ASSERT_TRUE(moving && moving->envelope());
    EXPECT_NEAR(moving->extremes.largest.value, w.value("Mtmax"), 1e-9 * w.value("Mtmax"));

    // One combination alone: with pattern loading its own envelope, the same as over all where
    // it is the only one; without, its diagrams with every load whole, (g + q)·l²/8 over the
    // middle support.
    w.model.chooseEnvelopeOf("ULS");
    ASSERT_EQ(w.model.diagrams().members.size(), 1u);
    EXPECT_EQ(w.model.diagrams().members[0].curve(Quantity::Moment)->extremes.smallest.value, w.value("Mcmin"));
    MemberTables plain = t;
    plain.tables[CombinationTable].push_back({"SLS", "G + Q", "no", "deflection"});
    w.model.setMemberTables(plain);
    w.model.chooseEnvelopeOf("SLS");
    const Curve *whole = w.model.diagrams().members.at(0).curve(Quantity::Moment);
    ASSERT_TRUE(whole && !whole->envelope());
    EXPECT_NEAR(whole->values(4000), -5.0 * 4000 * 4000 / 8, 1e-6);
    EXPECT_NE(w.model.diagrams().members[0].name.find("SLS = G + Q"), std::string::npos);
    w.model.chooseEnvelopeOf("gone");
    EXPECT_EQ(w.model.diagrams().members.size(), 2u) << "a name the member lacks shows the envelope";
    w.model.chooseEnvelopeOf("SLS");

    // The file keeps the view, the quantity and the combination; another program cannot show them.
    SavedCalculation saved = w.model.save();
    const SavedCalculationRead read = readSavedCalculation(writeSavedCalculation(saved));
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.calculation.view, ChartArea::Envelope);
    EXPECT_EQ(read.calculation.influence, "R2");
    EXPECT_EQ(read.calculation.envelopeOf, "SLS");
    EXPECT_EQ(read.calculation.member, saved.member);
    std::string text = writeSavedCalculation(saved);
    text.replace(text.find("\"R2\""), 4, "\"R0\"");
    EXPECT_FALSE(readSavedCalculation(text).ok);
    shell::testing::RecordingPlatform platform;
    ShellModel beam(beams::program(), platform);
    beam.start();
    SavedCalculation other = beam.save();
    other.view = ChartArea::Influence;
    EXPECT_EQ(checkSavedCalculation(other, beams::program()), "Beams has no influence lines or envelopes to show");
    other.view = ChartArea::Results;
    other.envelopeOf = "ULS";
    EXPECT_EQ(checkSavedCalculation(other, beams::program()), "Beams has no combinations to show");
    // A load row without its case cell (as loads were before they had cases) reads with the case
    // empty; one cell fewer still is refused.
    saved.member->tables[DistributedLoadTable][0].pop_back();
    const SavedCalculationRead old = readSavedCalculation(writeSavedCalculation(saved));
    ASSERT_TRUE(old.ok) << old.error;
    EXPECT_EQ(old.calculation.member->tables[DistributedLoadTable][0].back(), "");
    saved.member->tables[DistributedLoadTable][0].pop_back();
    EXPECT_FALSE(readSavedCalculation(writeSavedCalculation(saved)).ok);
}

}  // namespace
