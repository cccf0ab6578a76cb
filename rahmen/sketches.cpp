// Drawings of the portal frame cases: the frame A-B-C-D (A, D the feet; B, C the corners),
// its load in place, the dimension letters and the members' second moments I1 (columns) and
// I2 (beam). Symbolic, not to scale: every case uses the same frame of span 100 and height 70.

#include "rahmen/catalogue_parts.h"

namespace rahmen {

using shell::Point;
using shell::Side;
using shell::Sketch;

namespace {

constexpr double Span = 100;
constexpr double Height = 70;
const Point A{0, Height};
const Point B{0, 0};
const Point C{Span, 0};
const Point D{Span, Height};

// The bare frame with its feet, the member sections, the column height h beside the right
// column and the span l below the feet.
Sketch frame(Feet feet)
{
    Sketch s;
    s.member(A, B).member(B, C).member(C, D);
    if (feet == Feet::Pinned)
        s.pin(A, "A").pin(D, "D");
    else
        s.fixed(A, Side::Below, "A").fixed(D, Side::Below, "D");
    s.label({-7, -5}, "B").label({Span + 7, -5}, "C");
    s.label({6, Height * 0.7}, "I1").label({Span - 6, Height * 0.7}, "I1").label({Span / 2, 15}, "I2");
    s.dimension(C, D, 14, "h");
    s.dimension(D, A, 22, "l");
    return s;
}

}  // namespace

Sketch uniformLoadOnBeam(Feet feet)
{
    Sketch s = frame(feet);
    s.distributed(B, C, 10, 10, Side::Above, "w");
    return s;
}

Sketch horizontalLoadAtB(Feet feet)
{
    Sketch s = frame(feet);
    s.pointLoad(B, Side::Left, "P");
    return s;
}

Sketch pointLoadOnBeam(Feet feet)
{
    const Point load{Span * 0.3, 0};
    Sketch s = frame(feet);
    s.pointLoad(load, Side::Above, "P");
    s.dimension(load, B, 6, "a").dimension(C, load, 6, "b");
    return s;
}

Sketch uniformLoadOnColumn(Feet feet)
{
    Sketch s = frame(feet);
    s.distributed(B, A, 10, 10, Side::Left, "w");
    return s;
}

Sketch bracketLoad(Feet feet)
{
    // E sits at a above A; the bracket reaches the lever c into the bay, P hangs at its tip.
    const Point E{0, Height * 0.45};
    const Point tip{Span * 0.22, E.y};
    Sketch s = frame(feet);
    s.member(E, tip).label({-5, E.y - 4}, "E");
    s.pointLoad(tip, Side::Above, "P");
    s.dimension(tip, E, 6, "c");
    s.dimension(A, E, 12, "a");
    if (feet == Feet::Fixed)
        s.dimension(E, B, 12, "b");
    return s;
}

}  // namespace rahmen
