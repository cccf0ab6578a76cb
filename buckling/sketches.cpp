// The case pictures: a vertical column with its end conditions, the axial load P on its head,
// the length l, and the buckled shape (the mode of the first buckling load) dashed.

#include "buckling/catalogue_parts.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace buckling {

using shell::Point;
using shell::Side;
using shell::Sketch;
using shell::SupportKind;

namespace {

constexpr double Length = 100;  // drawing units; the painter scales the picture
constexpr double Sway = 18;     // largest sideways displacement of the buckled shape
constexpr double Pi = 3.141592653589793;
// Smallest root of tan μ = μ: the fixed-pinned column buckles at μ = k l.
constexpr double FixedPinnedRoot = 4.493409457909064;

const Point Head{0, 0};
const Point Foot{0, Length};

// The buckled shape w(s), s = 0 at the foot and 1 at the head, scaled to the sway.
std::vector<Point> bucklingMode(const std::function<double(double)> &w)
{
    constexpr int Steps = 24;
    std::vector<double> values;
    for (int i = 0; i <= Steps; ++i)
        values.push_back(w(static_cast<double>(i) / Steps));
    double largest = 0;
    for (double v : values)
        largest = std::max(largest, std::fabs(v));
    std::vector<Point> points;
    for (int i = 0; i <= Steps; ++i)
        points.push_back({Sway * values[i] / largest, Length * (1 - static_cast<double>(i) / Steps)});
    return points;
}

double halfSine(double s)
{
    return std::sin(Pi * s);
}

// The column, its load and its length, common to every picture.
Sketch loadedColumn()
{
    Sketch s;
    s.member(Foot, Head);
    s.pointLoad(Head, Side::Above, "P");
    s.dimension(Foot, Head, 30, "l");  // on the left, away from the buckled shape
    return s;
}

// A head held sideways but free to move along the axis: guide rollers on both sides.
void guidedPinnedHead(Sketch &s)
{
    s.support(Head, SupportKind::Roller, Side::Left);
    s.support(Head, SupportKind::Roller, Side::Right);
}

// A head clamped against rotation and held sideways, sliding along the axis.
void guidedFixedHead(Sketch &s)
{
    s.fixed(Head, Side::Left);
    s.fixed(Head, Side::Right);
}

}  // namespace

Sketch eulerColumnSketch(ColumnEnds ends, const std::string &endConstant)
{
    Sketch s = loadedColumn();
    switch (ends) {
    case ColumnEnds::FixedFree:  // flagpole: a quarter wave, the head sways
        s.fixed(Foot, Side::Below);
        s.freeEnd(Head);
        s.deflected(bucklingMode([](double x) { return 1 - std::cos(Pi * x / 2); }));
        break;
    case ColumnEnds::PinnedPinned:  // a half wave
        s.pin(Foot);
        guidedPinnedHead(s);
        s.deflected(bucklingMode(halfSine));
        break;
    case ColumnEnds::FixedPinned:  // w = sin μs − μ cos μs − μs + μ, zero slope at the foot
        s.fixed(Foot, Side::Below);
        guidedPinnedHead(s);
        s.deflected(bucklingMode([](double x) {
            const double mu = FixedPinnedRoot;
            return std::sin(mu * x) - mu * std::cos(mu * x) - mu * x + mu;
        }));
        break;
    case ColumnEnds::FixedFixed:  // a full cosine wave, zero slope at both ends
        s.fixed(Foot, Side::Below);
        guidedFixedHead(s);
        s.deflected(bucklingMode([](double x) { return 1 - std::cos(2 * Pi * x); }));
        break;
    }
    s.label({Sway + 14, Length / 2}, endConstant);
    return s;
}

Sketch empiricalColumnSketch(const std::string &material)
{
    Sketch s = loadedColumn();
    s.pin(Foot);
    guidedPinnedHead(s);
    s.deflected(bucklingMode(halfSine));
    s.label({Sway + 40, Length / 2}, material);  // a wider picture: room for a longer word
    return s;
}

}  // namespace buckling
