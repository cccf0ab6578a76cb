// Section outlines drawn to proportion from the current dimensions, with the dimension
// letters on their dimension lines and the bending axis through the centroid. Dimensions
// that make no drawable section (zero, negative, out of proportion) fall back to the start
// values, so the picture always shows a clean standard outline.

#include "profilor/catalogue_parts.h"

#include <algorithm>
#include <cmath>

namespace profilor {

using shell::Point;
using shell::Sketch;

namespace {

// The dimensions scaled so that the largest is 100, each at least `least` so that thin walls
// stay visible; the start values where any dimension is not drawable.
std::vector<double> proportioned(const std::vector<double> &in, const std::vector<double> &start, double least = 8)
{
    std::vector<double> v = in;
    const bool drawable =
        v.size() == start.size() && std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x) && x > 0; });
    if (!drawable)
        v = start;
    const double largest = *std::max_element(v.begin(), v.end());
    for (double &x : v)
        x = std::max(x * 100 / largest, least);
    return v;
}

// Centroid height of a closed polygon (shoelace formula), to place the bending axis.
double centroidY(const std::vector<Point> &p)
{
    double area = 0;
    double moment = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Point &u = p[i];
        const Point &w = p[(i + 1) % p.size()];
        const double cross = u.x * w.y - w.x * u.y;
        area += cross;
        moment += (u.y + w.y) * cross;
    }
    return area != 0 ? moment / (3 * area) : 0;
}

// A horizontal bending axis through the centroid of the outline, reaching `beyondLeft` and
// `beyondRight` past its sides; the label stands at the left end unless `labelRight`.
void horizontalAxis(Sketch &s, const std::vector<Point> &outline, double left, double right, double beyondLeft = 12,
                    double beyondRight = 12, bool labelRight = false)
{
    const double y = centroidY(outline);
    const Point west{left - beyondLeft, y};
    const Point east{right + beyondRight, y};
    if (labelRight)
        s.axis(west, east, "x");
    else
        s.axis(east, west, "x");
}

}  // namespace

Sketch rectangularBarSketch(const std::vector<double> &in)
{
    const auto v = proportioned(in, {10, 10});
    const double a = v[0], b = v[1];
    const std::vector<Point> outline{{0, 0}, {b, 0}, {b, a}, {0, a}};
    Sketch s;
    s.outline(outline);
    horizontalAxis(s, outline, 0, b);
    s.dimension({0, 0}, {b, 0}, 14, "b");
    s.dimension({b, 0}, {b, a}, 14, "a");
    return s;
}

Sketch rectangularTubeSketch(const std::vector<double> &in)
{
    auto v = proportioned(in, {10, 10, 2}, 6);
    if (2 * v[2] >= std::min(v[0], v[1]))
        v = proportioned({10, 10, 2}, {10, 10, 2}, 6);
    const double a = v[0], b = v[1], t = v[2];
    const std::vector<Point> outline{{0, 0}, {b, 0}, {b, a}, {0, a}};
    Sketch s;
    s.outline(outline);
    s.hole({{t, t}, {b - t, t}, {b - t, a - t}, {t, a - t}});
    // The tube bends about its major axis: across the larger side, upright where b is wider.
    if (b > a)
        s.axis({b / 2, -6}, {b / 2, a + 14}, "y");
    else
        horizontalAxis(s, outline, 0, b);
    s.dimension({0, 0}, {b, 0}, 14, "b");
    s.dimension({b, 0}, {b, a}, 14, "a");
    s.dimension({0, a}, {t, a}, -12, "c");
    return s;
}

Sketch circularBarSketch(const std::vector<double> &in)
{
    (void)in;  // a circle looks the same at every diameter
    Sketch s;
    s.circle({50, 50}, 50);
    s.axis({112, 50}, {-12, 50}, "x");
    s.dimension({0, 0}, {100, 0}, 14, "dia");
    return s;
}

Sketch circularTubeSketch(const std::vector<double> &in)
{
    double inner = 80;
    if (in.size() == 2 && std::isfinite(in[0]) && std::isfinite(in[1]) && in[0] > 0 && in[1] >= 0 && in[1] < in[0])
        inner = std::clamp(in[1] * 100 / in[0], 20.0, 92.0);
    Sketch s;
    s.circle({50, 50}, 50);
    s.circleHole({50, 50}, inner / 2);
    s.axis({112, 50}, {-12, 50}, "x");
    s.dimension({0, 0}, {100, 0}, 14, "OD");
    s.dimension({50 - inner / 2, 100}, {50 + inner / 2, 100}, -14, "ID");
    return s;
}

Sketch cSectionSketch(const std::vector<double> &in)
{
    auto v = proportioned(in, {10, 10, 2, 2}, 6);
    if (2 * v[2] >= v[1] || v[3] >= v[0])
        v = proportioned({10, 10, 2, 2}, {10, 10, 2, 2}, 6);
    const double a = v[0], b = v[1], t = v[2], d = v[3];
    // Web on the left along the depth b, flanges of width a and thickness c.
    const std::vector<Point> outline{{0, 0}, {a, 0}, {a, t}, {d, t}, {d, b - t}, {a, b - t}, {a, b}, {0, b}};
    Sketch s;
    s.outline(outline);
    horizontalAxis(s, outline, 0, a, 6, 12, true);
    s.dimension({0, 0}, {a, 0}, 14, "a");
    s.dimension({0, b}, {0, 0}, 14, "b");
    s.dimension({a, 0}, {a, t}, 14, "c");
    s.dimension({0, b}, {d, b}, -12, "d");
    return s;
}

Sketch tSectionSketch(const std::vector<double> &in)
{
    auto v = proportioned(in, {10, 2, 2, 8}, 6);
    if (v[1] >= v[0])
        v = proportioned({10, 2, 2, 8}, {10, 2, 2, 8}, 6);
    const double a = v[0], b = v[1], t = v[2], d = v[3];
    const double webLeft = (a - b) / 2, webRight = (a + b) / 2;
    const std::vector<Point> outline{{0, 0},           {a, 0},       {a, t}, {webRight, t}, {webRight, t + d},
                                     {webLeft, t + d}, {webLeft, t}, {0, t}};
    Sketch s;
    s.outline(outline);
    // Bending about the axis of symmetry: the centre line of the web.
    s.axis({a / 2, t + d + 6}, {a / 2, -30}, "y");
    s.dimension({0, 0}, {a, 0}, 20, "a");
    s.dimension({webLeft, t + d}, {webRight, t + d}, -12, "b");
    s.dimension({a, 0}, {a, t}, 14, "c");
    s.dimension({webLeft, t + d}, {webLeft, t}, 14, "d");
    return s;
}

Sketch lSectionSketch(const std::vector<double> &in)
{
    auto v = proportioned(in, {10, 10, 2}, 6);
    if (v[2] >= std::min(v[0], v[1]))
        v = proportioned({10, 10, 2}, {10, 10, 2}, 6);
    const double a = v[0], b = v[1], t = v[2];
    // Leg a lies along the bottom; leg b rises on the left in the bending direction.
    const std::vector<Point> outline{{0, 0}, {t, 0}, {t, b - t}, {a, b - t}, {a, b}, {0, b}};
    Sketch s;
    s.outline(outline);
    horizontalAxis(s, outline, 0, a, 28, 4);
    s.dimension({0, b}, {a, b}, -14, "a");
    s.dimension({0, b}, {0, 0}, 14, "b");
    s.dimension({0, 0}, {t, 0}, 12, "c");
    // The centroid distances to the outer face of leg a and to the tip of leg b.
    const double y = centroidY(outline);
    s.dimension({a, y}, {a, b}, 10, "e1");
    s.dimension({a, 0}, {a, y}, 10, "e2");
    return s;
}

Sketch iSectionSketch(const std::vector<double> &in)
{
    auto v = proportioned(in, {10, 10, 2, 2}, 6);
    if (2 * v[2] >= v[0] || v[3] >= v[1])
        v = proportioned({10, 10, 2, 2}, {10, 10, 2, 2}, 6);
    const double a = v[0], b = v[1], t = v[2], d = v[3];
    const double webLeft = (b - d) / 2, webRight = (b + d) / 2;
    const std::vector<Point> outline{{0, 0}, {b, 0}, {b, t},     {webRight, t},    {webRight, a - t}, {b, a - t},
                                     {b, a}, {0, a}, {0, a - t}, {webLeft, a - t}, {webLeft, t},      {0, t}};
    Sketch s;
    s.outline(outline);
    horizontalAxis(s, outline, 0, b);
    s.dimension({0, 0}, {b, 0}, 14, "b");
    s.dimension({b, 0}, {b, a}, 22, "a");
    s.dimension({b, a - t}, {b, a}, 10, "c");
    s.dimension({webLeft, a}, {webRight, a}, -12, "d");
    return s;
}

}  // namespace profilor
