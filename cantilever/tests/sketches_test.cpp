// Every case has a picture: the member on its supports, and the symbols of its inputs (loads
// and lengths) on the loads and dimension lines.

#include "cantilevertest.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cantilever::tests {
namespace {

using Kind = shell::SketchElement::Kind;

TEST(Sketches, EveryCaseShowsItsMemberSupportsAndSymbols)
{
    for (int i = 0; i < program().caseCount(); ++i) {
        const shell::CaseDef &c = caseDef(i);
        ASSERT_TRUE(c.sketch) << c.caption;
        const shell::Sketch s = c.sketch(shell::startValues(c));
        const auto &elements = s.elements();
        const auto count = [&](Kind kind) {
            return std::count_if(elements.begin(), elements.end(), [kind](const auto &e) { return e.kind == kind; });
        };
        EXPECT_GE(count(Kind::Member), 1) << c.caption;
        // Cantilevers and propped cantilevers: two ends; single spans drawn twice (simple
        // supports above, fixed ends below), but for the wheel loads on one simple span.
        const long supports = (i < 8 || i == 20) ? 2 : 4;
        EXPECT_EQ(count(Kind::Support), supports) << c.caption;
        for (const shell::InputDef &input : c.inputs) {
            if (input.caption == "E" || input.caption == "I")
                continue;
            const bool shown = std::any_of(elements.begin(), elements.end(),
                                           [&](const auto &e) { return e.label == input.caption; });
            EXPECT_TRUE(shown) << c.caption << " lacks " << input.caption;
        }
    }
}

} // namespace
} // namespace cantilever::tests
