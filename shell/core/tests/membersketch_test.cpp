// The to-scale picture of a described member: every support, hinge, load and dimension at its
// scaled place, loads in proportion, and nothing that is not a number whatever the description.

#include "shell/core/membersketch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace shell;
using Kind = SketchElement::Kind;
using mechanics::SupportKind;

MemberLoad point(double x, double P)
{
    MemberLoad l;
    l.x = x;
    l.value = P;
    return l;
}

MemberLoad distributed(double from, double to, double w1, double w2)
{
    MemberLoad l;
    l.kind = MemberLoad::Kind::Distributed;
    l.from = from;
    l.to = to;
    l.w1 = w1;
    l.w2 = w2;
    return l;
}

// L = 10000 on 300 sketch units: 30 units a metre.
MemberDescription continuousBeam()
{
    MemberDescription m;
    m.length = 10000;
    m.E = 200000;
    m.I = 1e8;
    m.segments = {{0, 4000, std::nullopt, 5e7}};
    m.supports = {{0, SupportKind::Pinned},
                  {6000, SupportKind::Roller, 0, 0, 5},
                  {3000, SupportKind::Spring, 500, 1e9, 0},
                  {10000, SupportKind::Fixed}};
    m.hinges = {4500};
    m.loads = {point(3000, 10000), point(8000, 5000), point(9000, -1000), distributed(6000, 10000, 2, -2)};
    return m;
}

const SketchElement *find(const Sketch &s, Kind kind, double x, double b = -1)
{
    for (const SketchElement &e : s.elements())
        if (e.kind == kind && std::fabs(e.a.x - x) < 1e-9 && (b < 0 || std::fabs(e.b.x - b) < 1e-9))
            return &e;
    return nullptr;
}

TEST(membersketch, EveryPartStandsAtItsScaledPlace)
{
    const Sketch s = memberSketch(continuousBeam(), Units{});
    struct Expected {
        Kind kind;
        double x, b;  // sketch x of a (and of b, or -1)
        std::string label;
        double h1, h2;
        Side side;
        shell::SupportKind support;
    };
    const auto Pin = shell::SupportKind::Pin;
    const Expected expected[] = {
        {Kind::Member, 0, 120, "", 0.5, 0, Side::Above, Pin},  // I halved: a thinner line
        {Kind::Member, 120, 300, "", 0, 0, Side::Above, Pin},
        {Kind::Support, 0, -1, "1", 0, 0, Side::Below, Pin},
        {Kind::Support, 180, -1, "2", 0, 1, Side::Below, shell::SupportKind::Roller},  // settles
        {Kind::Support, 90, -1, "3", 1, 0, Side::Below, shell::SupportKind::Spring},   // turns too
        {Kind::Support, 300, -1, "4", 0, 0, Side::Right, shell::SupportKind::Fixed},
        {Kind::Hinge, 135, -1, "", 0, 0, Side::Above, Pin},
        {Kind::PointLoad, 90, -1, "10000 N", MemberSketchArrow, 0, Side::Above, Pin},
        {Kind::PointLoad, 240, -1, "5000 N", MemberSketchArrow / 2, 0, Side::Above, Pin},
        {Kind::PointLoad, 270, -1, "1000 N", MemberSketchArrow / 4, 0, Side::Below, Pin},  // the shortest
        // 2 to -2 N/mm: a triangle above to the zero at mid-length, one below after it.
        {Kind::Distributed, 180, 240, "2…-2 N/mm", MemberSketchLoadHeight, 0, Side::Above, Pin},
        {Kind::Distributed, 240, 300, "", 0, MemberSketchLoadHeight, Side::Below, Pin},
        {Kind::Dimension, 0, 90, "3000", 0, 0, Side::Above, Pin},
        {Kind::Dimension, 90, 180, "3000", 0, 0, Side::Above, Pin},
        {Kind::Dimension, 180, 300, "4000", 0, 0, Side::Above, Pin},
        {Kind::Dimension, 0, 300, "10000 mm", 0, 0, Side::Above, Pin},
    };
    for (const Expected &x : expected) {
        const SketchElement *e = find(s, x.kind, x.x, x.b);
        ASSERT_NE(e, nullptr) << static_cast<int>(x.kind) << " at " << x.x;
        EXPECT_EQ(e->label, x.label) << x.x;
        if (x.kind == Kind::Dimension)
            continue;
        EXPECT_DOUBLE_EQ(e->h1, x.h1) << x.x;
        EXPECT_DOUBLE_EQ(e->h2, x.h2) << x.x;
        if (x.kind != Kind::Member && x.kind != Kind::Hinge) {
            EXPECT_EQ(e->side, x.side) << x.x;
        }
        if (x.kind == Kind::Support) {
            EXPECT_EQ(e->support, x.support) << x.x;
        }
    }
    // The overall length stands below the chain.
    EXPECT_LT(find(s, Kind::Dimension, 0, 300)->h1, find(s, Kind::Dimension, 0, 90)->h1);
}

TEST(membersketch, HostileDescriptionsGiveFiniteSketches)
{
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    for (const double length : {0.0, -5.0, inf, nan, 1e-300, 1e308, 10.0}) {
        MemberDescription m;
        m.length = length;
        m.E = 1e308;
        m.I = 1e308;
        m.segments = {{-1e308, 1e308, 1e-308, nan}, {5, 2, 1, 1}};
        m.supports = {
            {-1e308, SupportKind::Fixed}, {nan, SupportKind::Roller}, {1e308, SupportKind::Spring, nan, inf, nan}};
        m.hinges = {nan, -inf, 5};
        m.loads = {point(inf, 1),
                   point(5, 1e308),
                   point(5, -1e308),
                   point(5, nan),
                   distributed(-1e308, 1e308, 1e308, -1e308),
                   distributed(1e308, -1e308, 1, 1),
                   distributed(0, 10, nan, 1),
                   distributed(2, 4, 1e-320, 1e308)};
        m.loads.push_back(m.loads[1]);
        m.loads.back().kind = MemberLoad::Kind::Couple;
        const Sketch s = memberSketch(m, Units{});
        ASSERT_FALSE(s.empty()) << length;
        for (const SketchElement &e : s.elements()) {
            for (const double v : {e.a.x, e.a.y, e.b.x, e.b.y, e.h1, e.h2})
                EXPECT_TRUE(std::isfinite(v)) << length << " in element " << static_cast<int>(e.kind);
            EXPECT_GE(e.a.x, 0) << length;
            EXPECT_LE(e.a.x, MemberSketchWidth) << length;
            EXPECT_EQ(e.label.find("nan"), std::string::npos);
            EXPECT_EQ(e.label.find("inf"), std::string::npos);
        }
        if (!(length > 0) || !std::isfinite(length)) {
            EXPECT_EQ(s.elements().size(), 1u) << "the bare member for a length of " << length;
        }
    }
}

TEST(membersketch, ManyLoadsAreAllDrawnAndFewAreLabelled)
{
    MemberDescription m;
    m.length = 10000;
    m.supports = {{0, SupportKind::Pinned}, {10000, SupportKind::Roller}};
    for (int i = 0; i < 1000; ++i)
        m.loads.push_back(point(i * 10.0, 1000 + i));
    const Sketch s = memberSketch(m);
    int arrows = 0, labels = 0;
    for (const SketchElement &e : s.elements()) {
        arrows += e.kind == Kind::PointLoad ? 1 : 0;
        labels += e.kind == Kind::PointLoad && !e.label.empty() ? 1 : 0;
    }
    EXPECT_EQ(arrows, 1000);
    EXPECT_EQ(labels, 1);  // only the largest, 1999
    EXPECT_EQ(find(s, Kind::PointLoad, 9990 * 0.03)->label, "1999");
}

}  // namespace
