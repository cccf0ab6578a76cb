#include "registry/registry.h"
#include "shell/sheet/handbook.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using shell::Expr;

// Whether the formula holds the number as a constant anywhere.
bool holds(const Expr &e, double number)
{
    if (e.isNull())
        return false;
    if (e.op() == shell::Op::Constant && e.name().empty() && e.constantValue() == number)
        return true;
    for (int k = 0; k < e.operandCount(); ++k)
        if (holds(e.operand(k), number))
            return true;
    return false;
}

class Handbook : public ::testing::TestWithParam<const shell::Program *>
{
};

// Each coefficient the sources explain is one the named case's formulas hold: a changed
// catalogue cannot leave its note behind.
TEST_P(Handbook, EverySourcedCoefficientIsInItsCase)
{
    const shell::Program &program = *GetParam();
    for (const sheet::SourceNote &note : sheet::sourceNotes(program)) {
        if (note.caseCaption.empty())
            continue;
        const shell::CaseDef *found = nullptr;
        for (const shell::CaseDef &c : program.cases)
            if (c.caption == note.caseCaption)
                found = &c;
        ASSERT_NE(found, nullptr) << note.caseCaption;
        if (note.coefficient == 0)
            continue;
        bool inRows = false;
        for (const shell::RowDef &row : found->rows)
            inRows = inRows || holds(row.formula, note.coefficient);
        EXPECT_TRUE(inRows) << note.caseCaption << " " << note.coefficient;
    }
}

TEST_P(Handbook, TheTitlePageStatesASignConventionAndTheSharedNotation)
{
    EXPECT_FALSE(sheet::signConvention(*GetParam()).empty());
    EXPECT_NE(sheet::notation(*GetParam()).find("deflection \u03b4"), std::string::npos);
}

// The frames' sign convention says what the reaction rows do: every direction a reaction row's
// meaning gives (inward thrust, against the load, upward, downward) is stated on the title page.
TEST(refdoc, FrameSignConventionStatesWhatTheReactionRowsDo)
{
    const shell::Program *rahmen = registry::find("Rahmen");
    ASSERT_NE(rahmen, nullptr);
    std::string convention;
    for (const std::string &sentence : sheet::signConvention(*rahmen))
        convention += sentence + " ";
    EXPECT_EQ(convention.find("HD are positive to the right"), std::string::npos) << convention;
    for (const shell::CaseDef &c : rahmen->cases)
        for (const shell::RowDef &row : c.rows) {
            if (row.dimension != shell::Dimension::Force)
                continue;
            int directions = 0;
            for (const char *direction : {"inward", "against the load", "upward", "downward"}) {
                if (row.meaning.find(direction) == std::string::npos)
                    continue;
                ++directions;
                EXPECT_NE(convention.find(direction), std::string::npos) << c.caption << " " << row.caption;
            }
            EXPECT_EQ(directions, 1) << c.caption << " " << row.caption << ": " << row.meaning;
        }
}

std::string programName(const ::testing::TestParamInfo<const shell::Program *> &program)
{
    return program.param->name;
}

INSTANTIATE_TEST_SUITE_P(refdoc, Handbook, ::testing::ValuesIn(registry::programs()), programName);

// The empirical column lines: a in N/mm² and, converted back at 1 kgf/cm² = 0.0980665 N/mm²,
// Tetmajer's kgf/cm² (cast iron 7760); the line expanded as a − a·b λ + a·c λ².
TEST(refdoc, EmpiricalColumnLinesGiveTheirCoefficientsInBothUnits)
{
    const shell::Program *buckling = registry::find("buckling");
    ASSERT_NE(buckling, nullptr);
    int lines = 0;
    for (const sheet::SourceNote &note : sheet::sourceNotes(*buckling))
        if (note.text.find("kgf/cm\u00b2), b = ") != std::string::npos)
            ++lines;
    EXPECT_EQ(lines, 5);
    bool castIron = false;
    for (const sheet::SourceNote &note : sheet::sourceNotes(*buckling))
        castIron =
            castIron || (note.caseCaption == "Buckling (5)" &&
                         note.text.find("a = 761 N/mm\u00b2 (7760 kgf/cm\u00b2)") != std::string::npos &&
                         note.text.find("761 \u2212 11.7651 \u03bb + 0.05327 \u03bb\u00b2") != std::string::npos);
    EXPECT_TRUE(castIron);
}

// Where a program's captions write a shared quantity in a symbol of their own, the notation
// says so: Beams' deflection σmax, buckling's radius of gyration k and buckling length L.
TEST(refdoc, NotationNamesTheProgramsOwnSymbols)
{
    EXPECT_NE(sheet::notation(*registry::find("Beams")).find("(\u03c3max)"), std::string::npos);
    const std::string buckling = sheet::notation(*registry::find("buckling"));
    EXPECT_NE(buckling.find("radius of gyration (k)"), std::string::npos) << buckling;
    EXPECT_NE(buckling.find("buckling length (L)"), std::string::npos) << buckling;
    EXPECT_EQ(sheet::notation(*registry::find("Profilor")).find("keep"), std::string::npos);
}

}  // namespace
