// Each case picture shows the column with its end conditions, the axial load and the buckled
// shape, which leaves the axis only where the end is free to sway.

#include "buckling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using Kind = shell::SketchElement::Kind;
using shell::SupportKind;

struct Ends {
    int caseIndex;
    int fixed;
    int pins;
    int rollers;
    int free;
};

// Foot fixed or pinned; head free, guided on rollers (pinned) or clamped in a sliding sleeve.
const Ends EndConditions[] = {
    {0, 1, 0, 0, 1}, {1, 0, 1, 2, 0}, {2, 1, 0, 2, 0}, {3, 3, 0, 0, 0},
    {4, 0, 1, 2, 0}, {5, 0, 1, 2, 0}, {6, 0, 1, 2, 0}, {7, 0, 1, 2, 0}, {8, 0, 1, 2, 0},
};

int count(const shell::Sketch &s, SupportKind kind)
{
    return static_cast<int>(std::count_if(s.elements().begin(), s.elements().end(), [kind](const auto &e) {
        return e.kind == Kind::Support && e.support == kind;
    }));
}

TEST(buckling, SketchShowsColumnEndsLoadAndBuckledShape)
{
    const shell::Program &p = buckling::program();
    for (const Ends &ends : EndConditions) {
        const shell::CaseDef &c = p.cases[static_cast<std::size_t>(ends.caseIndex)];
        SCOPED_TRACE(c.caption);
        const shell::Sketch s = c.sketch(shell::startValues(c));
        EXPECT_EQ(count(s, SupportKind::Fixed), ends.fixed);
        EXPECT_EQ(count(s, SupportKind::Pin), ends.pins);
        EXPECT_EQ(count(s, SupportKind::Roller), ends.rollers);
        EXPECT_EQ(count(s, SupportKind::Free), ends.free);

        const auto &elements = s.elements();
        const auto has = [&](auto predicate) { return std::any_of(elements.begin(), elements.end(), predicate); };
        EXPECT_TRUE(has([](const auto &e) { return e.kind == Kind::Member; }));
        EXPECT_TRUE(has([](const auto &e) {
            return e.kind == Kind::PointLoad && e.side == shell::Side::Above && e.label == "P";
        }));
        EXPECT_TRUE(has([](const auto &e) { return e.kind == Kind::Dimension && e.label == "l"; }));

        const auto shape = std::find_if(elements.begin(), elements.end(), [](const auto &e) {
            return e.kind == Kind::Deflected;
        });
        ASSERT_NE(shape, elements.end());
        ASSERT_GE(shape->points.size(), 3u);
        // Points run from the foot to the head: the foot never moves; the head sways only when free.
        EXPECT_NEAR(shape->points.front().x, 0, 1e-9);
        if (ends.free) {
            EXPECT_GT(std::fabs(shape->points.back().x), 1);
        } else {
            EXPECT_NEAR(shape->points.back().x, 0, 1e-9);
        }
    }
}

} // namespace
