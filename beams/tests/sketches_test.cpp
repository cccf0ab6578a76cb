// Every case has a picture with its supports and the input symbols on its loads and
// dimension lines.

#include "beamstest.h"

#include <set>

namespace beams::testing {
namespace {

using Kind = shell::SketchElement::Kind;

class Sketches : public ::testing::TestWithParam<int>
{};

TEST_P(Sketches, ShowSupportsAndEveryLoadAndLengthSymbol)
{
    const shell::CaseDef &c = beamCase(GetParam());
    ASSERT_TRUE(c.sketch) << c.caption;
    const shell::Sketch s = c.sketch(shell::startValues(c));
    std::set<std::string> supports, symbols;
    for (const shell::SketchElement &e : s.elements()) {
        if (e.kind == Kind::Support && !e.label.empty())
            supports.insert(e.label);
        const bool load = e.kind == Kind::PointLoad || e.kind == Kind::Distributed || e.kind == Kind::Label;
        if ((load || e.kind == Kind::Dimension) && !e.label.empty())
            symbols.insert(e.label);
    }
    EXPECT_TRUE(supports.count("A") && supports.count("B")) << c.caption;
    std::set<std::string> inputs;
    for (const shell::InputDef &input : c.inputs) {
        if (input.caption != "E" && input.caption != "I")
            inputs.insert(input.caption);
    }
    EXPECT_EQ(symbols, inputs) << c.caption;
}

INSTANTIATE_TEST_SUITE_P(beams, Sketches, ::testing::Range(0, 19));

TEST(beamsSketch, OverhangTipsAreMarkedC)
{
    for (int c : {9, 10}) {
        bool tip = false;
        const shell::Sketch s = beamCase(c).sketch(shell::startValues(beamCase(c)));
        for (const shell::SketchElement &e : s.elements())
            tip = tip || (e.kind == Kind::Support && e.label == "C");
        EXPECT_TRUE(tip) << c;
    }
}

} // namespace
} // namespace beams::testing
