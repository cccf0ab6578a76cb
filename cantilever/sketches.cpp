// One symbolic picture per case: the member with its fixed ends, props or simple supports,
// the load in its shape, and the input symbols on the loads and dimension lines. The pictures
// are not to scale: every member is drawn 100 long with the loads above it and the dimension
// lines stacked below. A single-span case reports on two spans under the same load, so its
// picture shows the simply supported span above the span fixed at both ends.

#include "cantilever/catalogue_parts.h"
#include "shell/core/beamsketch.h"

#include <functional>
#include <string>

namespace cantilever::sketches {

namespace {

using shell::Point;
using shell::Side;
using shell::Sketch;
using shell::SupportKind;

constexpr double Span = shell::BeamSpan;
constexpr double SecondSpan = 62;  // level of the fixed-ended span under the simply supported one
constexpr double MomentRadius = 7;
constexpr shell::DimensionRows Rows{18, 11};

// The load of a single-span case drawn on the span at level y; only the upper copy is labelled.
using SpanLoad = std::function<void(Sketch &, double y, bool labelled)>;

std::string labelIf(bool labelled, const std::string &text)
{
    return labelled ? text : std::string();
}

// Dimension line `row` below the member at level y (row 0 nearest), drawn left to right.
void dimension(Sketch &s, double from, double to, double y, int row, const std::string &label)
{
    Rows.add(s, from, to, y, row, label);
}

// Cantilever: fixed at A on the left, free at B.
Sketch cantilever()
{
    Sketch s;
    shell::addBeam(s, 0, {SupportKind::Fixed, "A"}, {SupportKind::Free, "B"});
    return s;
}

// Propped cantilever: fixed at A on the left, simply supported at B.
Sketch propped()
{
    Sketch s;
    shell::addBeam(s, 0, {SupportKind::Fixed, "A"}, {SupportKind::Roller, "B"});
    return s;
}

// The simply supported span above and the span fixed at both ends below, both loaded alike.
Sketch twoSpans(const SpanLoad &load)
{
    Sketch s;
    shell::addBeam(s, 0, {SupportKind::Pin, "A"}, {SupportKind::Roller, "B"});
    load(s, 0, true);
    shell::addBeam(s, SecondSpan, {SupportKind::Fixed, "A"}, {SupportKind::Fixed, "B"});
    load(s, SecondSpan, false);
    return s;
}

void uniform(Sketch &s, double from, double to, double y, const std::string &label)
{
    shell::addUniformLoad(s, from, to, y, label);
}

// A triangle from `from` to `to` with its peak w at `peak` (which may be either end).
void triangle(Sketch &s, double from, double peak, double to, double y, const std::string &label)
{
    shell::addTriangularLoad(s, from, peak, to, y, label);
}

// Three equal parts of the span with the whole span beneath them.
void thirds(Sketch &s, double y)
{
    dimension(s, 0, Span / 3, y, 0, "l/3");
    dimension(s, Span / 3, 2 * Span / 3, y, 0, "l/3");
    dimension(s, 2 * Span / 3, Span, y, 0, "l/3");
    dimension(s, 0, Span, y, 1, "l");
}

void halves(Sketch &s, double y)
{
    dimension(s, 0, Span / 2, y, 0, "l/2");
    dimension(s, Span / 2, Span, y, 0, "l/2");
    dimension(s, 0, Span, y, 1, "l");
}

}  // namespace

Sketch cantileverPointLoad(const Inputs &)
{
    Sketch s = cantilever();
    s.pointLoad({65, 0}, Side::Above, "P").label({70, 6}, "C");
    dimension(s, 0, 65, 0, 0, "a");
    dimension(s, 65, Span, 0, 0, "b");
    dimension(s, 40, Span, 0, 1, "x");
    return s;
}

Sketch cantileverUniform(const Inputs &)
{
    Sketch s = cantilever();
    uniform(s, 0, Span, 0, "w");
    dimension(s, 50, Span, 0, 0, "x");
    dimension(s, 0, Span, 0, 1, "l");
    return s;
}

Sketch cantileverTriangular(const Inputs &)
{
    Sketch s = cantilever();
    triangle(s, 0, 0, Span, 0, "w");
    dimension(s, 50, Span, 0, 0, "x");
    dimension(s, 0, Span, 0, 1, "l");
    return s;
}

Sketch cantileverMoment(const Inputs &)
{
    Sketch s = cantilever();
    s.moment({65, 0}, MomentRadius, true, "M").label({71, 7}, "C");
    dimension(s, 0, 65, 0, 0, "a");
    dimension(s, 65, Span, 0, 0, "b");
    return s;
}

Sketch proppedPointLoad(const Inputs &)
{
    Sketch s = propped();
    s.pointLoad({65, 0}, Side::Above, "P").label({70, 6}, "C");
    dimension(s, 0, 65, 0, 0, "a");
    dimension(s, 0, Span, 0, 1, "l");
    return s;
}

Sketch proppedUniform(const Inputs &)
{
    Sketch s = propped();
    uniform(s, 0, Span, 0, "w");
    // The largest span moment stands 3l/8 from the prop.
    s.label({62.5, 8}, "C");
    dimension(s, 50, Span, 0, 0, "x");
    dimension(s, 0, Span, 0, 1, "l");
    return s;
}

Sketch proppedTriangular(const Inputs &)
{
    Sketch s = propped();
    triangle(s, 0, 0, Span, 0, "w");
    dimension(s, 0, Span, 0, 0, "l");
    return s;
}

Sketch proppedMoment(const Inputs &)
{
    Sketch s = propped();
    s.moment({65, 0}, MomentRadius, true, "M").label({71, 7}, "C");
    dimension(s, 0, 65, 0, 0, "a");
    dimension(s, 65, Span, 0, 0, "b");
    return s;
}

Sketch spanPointLoad(const Inputs &)
{
    Sketch s = twoSpans([](Sketch &t, double y, bool labelled) {
        t.pointLoad({65, y}, Side::Above, labelIf(labelled, "P"));
    });
    dimension(s, 0, 65, SecondSpan, 0, "a");
    dimension(s, 0, Span, SecondSpan, 1, "l");
    return s;
}

Sketch spanMidPointLoad(const Inputs &)
{
    Sketch s = twoSpans([](Sketch &t, double y, bool labelled) {
        t.pointLoad({Span / 2, y}, Side::Above, labelIf(labelled, "P"));
    });
    halves(s, SecondSpan);
    return s;
}

Sketch spanThirdPointLoads(const Inputs &)
{
    Sketch s = twoSpans([](Sketch &t, double y, bool labelled) {
        t.pointLoad({Span / 3, y}, Side::Above, labelIf(labelled, "P"));
        t.pointLoad({2 * Span / 3, y}, Side::Above, labelIf(labelled, "P"));
    });
    thirds(s, SecondSpan);
    return s;
}

Sketch spanSymmetricPointLoads(const Inputs &)
{
    Sketch s = twoSpans([](Sketch &t, double y, bool labelled) {
        t.pointLoad({25, y}, Side::Above, labelIf(labelled, "P"));
        t.pointLoad({75, y}, Side::Above, labelIf(labelled, "P"));
    });
    dimension(s, 0, 25, SecondSpan, 0, "a");
    dimension(s, 75, Span, SecondSpan, 0, "a");
    dimension(s, 0, Span, SecondSpan, 1, "l");
    return s;
}

Sketch spanUniform(const Inputs &)
{
    Sketch s = twoSpans([](Sketch &t, double y, bool labelled) { uniform(t, 0, Span, y, labelIf(labelled, "w")); });
    halves(s, SecondSpan);
    return s;
}

Sketch spanTrapezoidal(const Inputs &)
{
    Sketch s = twoSpans([](Sketch &t, double y, bool labelled) {
        triangle(t, 0, 20, 20, y, "");
        uniform(t, 20, 80, y, labelIf(labelled, "w"));
        triangle(t, 80, 80, Span, y, "");
    });
    dimension(s, 0, 20, SecondSpan, 0, "a");
    dimension(s, 80, Span, SecondSpan, 0, "a");
    dimension(s, 0, Span, SecondSpan, 1, "l");
    return s;
}

Sketch spanSymmetricTriangle(const Inputs &)
{
    Sketch s =
        twoSpans([](Sketch &t, double y, bool labelled) { triangle(t, 0, Span / 2, Span, y, labelIf(labelled, "w")); });
    halves(s, SecondSpan);
    return s;
}

Sketch spanTwoTriangles(const Inputs &)
{
    Sketch s = twoSpans([](Sketch &t, double y, bool labelled) {
        triangle(t, 0, Span / 4, Span / 2, y, labelIf(labelled, "w"));
        triangle(t, Span / 2, 3 * Span / 4, Span, y, labelIf(labelled, "w"));
    });
    halves(s, SecondSpan);
    return s;
}

Sketch spanThreeTriangles(const Inputs &)
{
    Sketch s = twoSpans([](Sketch &t, double y, bool labelled) {
        for (int third = 0; third < 3; ++third) {
            const double from = third * Span / 3;
            triangle(t, from, from + (Span / 6), from + (Span / 3), y, labelIf(labelled, "w"));
        }
    });
    thirds(s, SecondSpan);
    return s;
}

Sketch spanRisingTriangle(const Inputs &)
{
    Sketch s =
        twoSpans([](Sketch &t, double y, bool labelled) { triangle(t, 0, Span, Span, y, labelIf(labelled, "w")); });
    dimension(s, 0, 50, SecondSpan, 0, "x");
    dimension(s, 0, Span, SecondSpan, 1, "l");
    return s;
}

Sketch spanPartialUniform(const Inputs &)
{
    Sketch s = twoSpans([](Sketch &t, double y, bool labelled) { uniform(t, 30, 70, y, labelIf(labelled, "w")); });
    dimension(s, 0, 30, SecondSpan, 0, "a");
    dimension(s, 30, 70, SecondSpan, 0, "b");
    dimension(s, 70, Span, SecondSpan, 0, "c");
    dimension(s, 0, Span, SecondSpan, 1, "l");
    return s;
}

Sketch spanMoment(const Inputs &)
{
    Sketch s = twoSpans([](Sketch &t, double y, bool labelled) {
        t.moment({65, y}, MomentRadius, true, labelIf(labelled, "M"));
    });
    dimension(s, 0, 65, SecondSpan, 0, "a");
    dimension(s, 65, Span, SecondSpan, 0, "b");
    return s;
}

Sketch spanWheelLoads(const Inputs &)
{
    Sketch s;
    s.member({0, 0}, {Span, 0}).pin({0, 0}, "A").roller({Span, 0}, "B");
    // Two equal wheels a apart, free to stand anywhere on the span.
    s.pointLoad({40, 0}, Side::Above, "w").pointLoad({60, 0}, Side::Above, "w");
    dimension(s, 40, 60, 0, 0, "a");
    dimension(s, 0, Span, 0, 1, "l");
    return s;
}

}  // namespace cantilever::sketches
