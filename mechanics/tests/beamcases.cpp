// Each expected value is a handbook closed form with the case's numbers; none is taken from the
// solver.

#include "beamcases.h"

#include "mechanics/extremes.h"

#include <cmath>
#include <cstddef>

namespace beamcases {

using namespace mechanics;
using Read = std::function<double(const BeamSolution &)>;

namespace {

Read V(double x)
{
    return [x](const BeamSolution &s) { return s.shear(x); };
}
Read leftV(double x)
{
    return [x](const BeamSolution &s) { return s.shear.leftOf(x); };
}
Read rightV(double x)
{
    return [x](const BeamSolution &s) { return s.shear.rightOf(x); };
}
Read M(double x)
{
    return [x](const BeamSolution &s) { return s.moment(x); };
}
Read leftM(double x)
{
    return [x](const BeamSolution &s) { return s.moment.leftOf(x); };
}
Read rightM(double x)
{
    return [x](const BeamSolution &s) { return s.moment.rightOf(x); };
}
Read theta(double x)
{
    return [x](const BeamSolution &s) { return (*s.slope)(x); };
}
Read delta(double x)
{
    return [x](const BeamSolution &s) { return (*s.deflection)(x); };
}
Read R(std::size_t i)
{
    return [i](const BeamSolution &s) { return s.reactions.at(i).force; };
}
Read Mr(std::size_t i)
{
    return [i](const BeamSolution &s) { return s.reactions.at(i).moment; };
}
Read largestM()
{
    return [](const BeamSolution &s) { return extremes(s.moment).largest.value; };
}
Read largestMAt(std::size_t i)
{
    return [i](const BeamSolution &s) { return extremes(s.moment).largest.at.at(i).x; };
}
Read largestMCount()
{
    return [](const BeamSolution &s) { return static_cast<double>(extremes(s.moment).largest.at.size()); };
}
Read largestDelta()
{
    return [](const BeamSolution &s) { return extremes(*s.deflection).largest.value; };
}
Read largestDeltaAt(std::size_t i)
{
    return [i](const BeamSolution &s) { return extremes(*s.deflection).largest.at.at(i).x; };
}
Read smallestDelta()
{
    return [](const BeamSolution &s) { return extremes(*s.deflection).smallest.value; };
}
Read smallestDeltaAt(std::size_t i)
{
    return [i](const BeamSolution &s) { return extremes(*s.deflection).smallest.at.at(i).x; };
}

Support pin(double x)
{
    return {x, SupportKind::Pinned};
}
Support roller(double x)
{
    return {x, SupportKind::Roller};
}
Support fixed(double x)
{
    return {x, SupportKind::Fixed};
}

}  // namespace

std::vector<HandbookCase> handbookCases()
{
    std::vector<HandbookCase> cases;
    const double r3 = std::sqrt(3.0);
    {
        const double L = 7.5, a = 2.5, b = 5, P = 12, EI = 3000;
        cases.push_back(
            {"simply_supported_point_load",
             {L, EI, {pin(0), roller(L)}, {{a, P}}, {}, {}},
             {{"RA = P.b/L", R(0), P * b / L},
              {"RB = P.a/L", R(1), P * a / L},
              {"V left of the load", leftV(a), P * b / L},
              {"V right of the load", rightV(a), -P * a / L},
              {"M under the load = P.a.b/L", M(a), P * a * b / L},
              {"delta under the load = P.a2.b2/(3EIL)", delta(a), P * a * a * b * b / (3 * EI * L)},
              {"theta at A = P.a.b.(L+b)/(6EIL)", theta(0), P * a * b * (L + b) / (6 * EI * L)},
              {"max delta = P.a.(L2-a2)^1.5/(9 sqrt3 EI L)", largestDelta(),
               P * a * std::pow(L * L - a * a, 1.5) / (9 * r3 * EI * L)},
              {"max delta at L - sqrt((L2-a2)/3)", largestDeltaAt(0), L - std::sqrt((L * L - a * a) / 3)}}});
    }
    {
        const double L = 8, w = 3, EI = 2500;
        cases.push_back({"simply_supported_uniform_load",
                         {L, EI, {pin(0), roller(L)}, {}, {}, {{0, L, w, w}}},
                         {{"RA = wL/2", R(0), w * L / 2},
                          {"max M = wL2/8", largestM(), w * L * L / 8},
                          {"max M at L/2", largestMAt(0), L / 2},
                          {"delta at L/2 = 5wL4/(384EI)", delta(L / 2), 5 * w * std::pow(L, 4) / (384 * EI)},
                          {"max delta at L/2", largestDeltaAt(0), L / 2},
                          {"theta at A = wL3/(24EI)", theta(0), w * std::pow(L, 3) / (24 * EI)},
                          {"theta at B = -wL3/(24EI)", theta(L), -w * std::pow(L, 3) / (24 * EI)}}});
    }
    {
        const double L = 3.2, P = 7, EI = 900;
        cases.push_back({"cantilever_tip_force",
                         {L, EI, {fixed(0)}, {{L, P}}, {}, {}},
                         {{"R = P", R(0), P},
                          {"reaction moment = -PL", Mr(0), -P * L},
                          {"M at the support = -PL", M(0), -P * L},
                          {"tip delta = PL3/(3EI)", delta(L), P * std::pow(L, 3) / (3 * EI)},
                          {"tip theta = PL2/(2EI)", theta(L), P * L * L / (2 * EI)}}});
    }
    {
        const double L = 3.2, w = 4, EI = 900;
        cases.push_back({"cantilever_uniform_load",
                         {L, EI, {fixed(0)}, {}, {}, {{0, L, w, w}}},
                         {{"R = wL", R(0), w * L},
                          {"reaction moment = -wL2/2", Mr(0), -w * L * L / 2},
                          {"tip delta = wL4/(8EI)", delta(L), w * std::pow(L, 4) / (8 * EI)},
                          {"tip theta = wL3/(6EI)", theta(L), w * std::pow(L, 3) / (6 * EI)}}});
    }
    {
        const double L = 3.2, P = 7, EI = 900;
        cases.push_back({"cantilever_fixed_on_the_right",
                         {L, EI, {fixed(L)}, {{0, P}}, {}, {}},
                         {{"reaction moment = +PL", Mr(0), P * L},
                          {"M at the support = -PL", M(L), -P * L},
                          {"tip delta = PL3/(3EI)", delta(0), P * std::pow(L, 3) / (3 * EI)},
                          {"tip theta = -PL2/(2EI)", theta(0), -P * L * L / (2 * EI)}}});
    }
    {
        const double L = 2.5, C = 4, EI = 600;
        cases.push_back({"cantilever_tip_couple",
                         {L, EI, {fixed(0)}, {}, {{L, C}}, {}},
                         {{"R = 0", R(0), 0},
                          {"reaction moment = -C", Mr(0), -C},
                          {"M = -C along the member", M(L / 3), -C},
                          {"tip delta = CL2/(2EI)", delta(L), C * L * L / (2 * EI)}}});
    }
    {
        const double L = 8, w = 3, EI = 2000;
        cases.push_back({"propped_cantilever_uniform_load",
                         {L, EI, {fixed(0), roller(L)}, {}, {}, {{0, L, w, w}}},
                         {{"prop reaction = 3wL/8", R(1), 3 * w * L / 8},
                          {"fixed reaction = 5wL/8", R(0), 5 * w * L / 8},
                          {"fixed-end moment = -wL2/8", Mr(0), -w * L * L / 8},
                          {"max sagging M = 9wL2/128", largestM(), 9 * w * L * L / 128},
                          {"at 3L/8 from the prop", largestMAt(0), L - 3 * L / 8}}});
    }
    {
        const double L = 6, w = 5, EI = 1200;
        cases.push_back({"fixed_fixed_uniform_load",
                         {L, EI, {fixed(0), fixed(L)}, {}, {}, {{0, L, w, w}}},
                         {{"R = wL/2", R(0), w * L / 2},
                          {"left reaction moment = -wL2/12", Mr(0), -w * L * L / 12},
                          {"right reaction moment = +wL2/12", Mr(1), w * L * L / 12},
                          {"M at the right end = -wL2/12", M(L), -w * L * L / 12},
                          {"M at mid-span = wL2/24", M(L / 2), w * L * L / 24},
                          {"delta at mid-span = wL4/(384EI)", delta(L / 2), w * std::pow(L, 4) / (384 * EI)}}});
    }
    {
        const double L = 6, P = 9, EI = 1200;
        cases.push_back({"fixed_fixed_central_force",
                         {L, EI, {fixed(0), fixed(L)}, {{L / 2, P}}, {}, {}},
                         {{"left reaction moment = -PL/8", Mr(0), -P * L / 8},
                          {"M at mid-span = PL/8", M(L / 2), P * L / 8},
                          {"delta at mid-span = PL3/(192EI)", delta(L / 2), P * std::pow(L, 3) / (192 * EI)}}});
    }
    {
        const double L = 9, w = 4, EI = 5000;
        cases.push_back({"triangular_load_rising_to_the_right",
                         {L, EI, {pin(0), roller(L)}, {}, {}, {{0, L, 0, w}}},
                         {{"RA = wL/6", R(0), w * L / 6},
                          {"RB = wL/3", R(1), w * L / 3},
                          {"max M = wL2/(9 sqrt3)", largestM(), w * L * L / (9 * r3)},
                          {"at L/sqrt3", largestMAt(0), L / r3},
                          {"theta at A = 7wL3/(360EI)", theta(0), 7 * w * std::pow(L, 3) / (360 * EI)},
                          {"theta at B = -8wL3/(360EI)", theta(L), -8 * w * std::pow(L, 3) / (360 * EI)}}});
    }
    {
        const double L = 5, a = 2, b = 3, C = 6, EI = 800;
        cases.push_back({"couple_on_a_simply_supported_span",
                         {L, EI, {pin(0), roller(L)}, {}, {{a, C}}, {}},
                         {{"RA = -C/L", R(0), -C / L},
                          {"RB = +C/L", R(1), C / L},
                          {"M left of the couple = -C.a/L", leftM(a), -C * a / L},
                          {"M right of the couple = +C.b/L", rightM(a), C * b / L},
                          {"V = -C/L throughout", V(4), -C / L}}});
    }
    {
        const double L = 4, C = 6, EI = 800;
        cases.push_back({"couple_at_mid_span",
                         {L, EI, {pin(0), roller(L)}, {}, {{L / 2, C}}, {}},
                         {{"M left = -C/2", leftM(L / 2), -C / 2},
                          {"M right = +C/2", rightM(L / 2), C / 2},
                          {"delta at mid-span = 0 (antisymmetry)", delta(L / 2), 0},
                          {"theta at A = -CL/(24EI)", theta(0), -C * L / (24 * EI)}}});
    }
    {
        const double l = 6, c = 2, L = l + c, P = 5, EI = 1500;
        cases.push_back({"overhang_with_a_tip_force",
                         {L, EI, {pin(0), roller(l)}, {{L, P}}, {}, {}},
                         {{"RA = -P.c/l", R(0), -P * c / l},
                          {"RB = P.(l+c)/l", R(1), P * (l + c) / l},
                          {"M over the support = -P.c", M(l), -P * c},
                          {"tip delta = P.c2.(l+c)/(3EI)", delta(L), P * c * c * (l + c) / (3 * EI)},
                          {"uplift in the span = P.c.l2/(9 sqrt3 EI)", smallestDelta(), -P * c * l * l / (9 * r3 * EI)},
                          {"at l/sqrt3", smallestDeltaAt(0), l / r3}}});
    }
    {
        const double l = 5, w = 2, EI = 1000;
        cases.push_back({"two_equal_continuous_spans_uniform_load",
                         {2 * l, EI, {pin(0), roller(l), roller(2 * l)}, {}, {}, {{0, 2 * l, w, w}}},
                         {{"end reaction = 3wl/8", R(0), 3 * w * l / 8},
                          {"middle reaction = 5wl/4", R(1), 5 * w * l / 4},
                          {"M over the middle support = -wl2/8", M(l), -w * l * l / 8},
                          {"V left of the middle support = -5wl/8", leftV(l), -5 * w * l / 8},
                          {"V right of the middle support = +5wl/8", rightV(l), 5 * w * l / 8},
                          {"max span M = 9wl2/128", largestM(), 9 * w * l * l / 128},
                          {"attained twice", largestMCount(), 2},
                          {"at 3l/8", largestMAt(0), 3 * l / 8},
                          {"and at 2l - 3l/8", largestMAt(1), 2 * l - 3 * l / 8}}});
    }
    {
        const double L = 10, a = 2, c = 3, w = 2;
        const double RA = w * c * (L - a - c / 2) / L;
        cases.push_back({"partial_uniform_load",
                         {L, std::nullopt, {pin(0), roller(L)}, {}, {}, {{a, a + c, w, w}}},
                         {{"RA = w.c.(L-a-c/2)/L", R(0), RA},
                          {"RB = w.c - RA", R(1), w * c - RA},
                          {"max M = RA.(a + RA/(2w))", largestM(), RA * (a + RA / (2 * w))},
                          {"at a + RA/w", largestMAt(0), a + RA / w}}});
    }
    return cases;
}

std::vector<HandbookCase> propertyCases()
{
    std::vector<HandbookCase> cases = handbookCases();
    const Support fixedLeft{0, SupportKind::Fixed};
    cases.push_back({"three_spans_fixed_left_overhang_right",
                     {12,
                      2.5e4,
                      {fixedLeft, {4, SupportKind::Roller}, {9, SupportKind::Pinned}},
                      {{2, 10}, {11, -3}, {12, 1.5}},
                      {{6, 5}, {4, -2}},
                      {{3, 12, 1, 4}, {5, 8, 0, 2}}},
                     {}});
    cases.push_back({"fixed_in_the_middle_both_ends_free",
                     {6, 800, {{3, SupportKind::Fixed}}, {{0, 4}}, {{5, 1}}, {{0, 6, 2, 2}}},
                     {}});
    cases.push_back({"fixed_fixed_partial_triangle_and_couple",
                     {7, 3000, {fixedLeft, {7, SupportKind::Fixed}}, {}, {{2.5, -8}}, {{1, 4.5, 6, 0}}},
                     {}});
    cases.push_back(
        {"double_overhang",
         {9, 1200, {{1.5, SupportKind::Pinned}, {7.5, SupportKind::Roller}}, {{0, 3}, {9, 3}}, {}, {{0, 9, 1.2, 1.2}}},
         {}});
    // millimetres and newtons: a 30 m member with EI = 2.1e5 N/mm² · 4e9 mm⁴
    cases.push_back({"long_member_in_millimetres",
                     {30000,
                      8.4e14,
                      {{0, SupportKind::Pinned}, {12000, SupportKind::Roller}, {30000, SupportKind::Roller}},
                      {{20000, 5e4}},
                      {},
                      {{0, 30000, 12, 30}}},
                     {}});
    return cases;
}

}  // namespace beamcases
