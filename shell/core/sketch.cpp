#include "shell/core/sketch.h"

#include "shell/core/language.h"

namespace shell {

namespace {
SketchElement element(SketchElement::Kind kind, Point a, Point b = {}, const std::string &label = {})
{
    SketchElement e;
    e.kind = kind;
    e.a = a;
    e.b = b;
    e.label = label;
    return e;
}
}  // namespace

Sketch &Sketch::member(Point a, Point b, double weight)
{
    SketchElement e = element(SketchElement::Kind::Member, a, b);
    e.h1 = weight == 1 ? 0 : weight;
    m_elements.push_back(e);
    return *this;
}

Sketch &Sketch::support(Point at, SupportKind kind, Side baseSide, const std::string &name)
{
    SketchElement e = element(SketchElement::Kind::Support, at, {}, name);
    e.support = kind;
    e.side = baseSide;
    m_elements.push_back(e);
    return *this;
}

Sketch &Sketch::spring(Point at, bool rotational, const std::string &name)
{
    support(at, SupportKind::Spring, Side::Below, name);
    m_elements.back().h1 = rotational ? 1 : 0;
    return *this;
}

Sketch &Sketch::settles()
{
    if (!m_elements.empty() && m_elements.back().kind == SketchElement::Kind::Support)
        m_elements.back().h2 = 1;
    return *this;
}

Sketch &Sketch::hinge(Point at)
{
    m_elements.push_back(element(SketchElement::Kind::Hinge, at));
    return *this;
}

Sketch &Sketch::pointLoad(Point at, Side from, const std::string &label, double length)
{
    SketchElement e = element(SketchElement::Kind::PointLoad, at, {}, label);
    e.side = from;
    e.h1 = length;
    m_elements.push_back(e);
    return *this;
}

Sketch &Sketch::distributed(Point a, Point b, double h1, double h2, Side from, const std::string &label)
{
    SketchElement e = element(SketchElement::Kind::Distributed, a, b, label);
    e.h1 = h1;
    e.h2 = h2;
    e.side = from;
    m_elements.push_back(e);
    return *this;
}

Sketch &Sketch::moment(Point at, double radius, bool clockwise, const std::string &label)
{
    SketchElement e = element(SketchElement::Kind::Moment, at, {}, label);
    e.h1 = clockwise ? radius : -radius;
    m_elements.push_back(e);
    return *this;
}

Sketch &Sketch::dimension(Point a, Point b, double offset, const std::string &label)
{
    SketchElement e = element(SketchElement::Kind::Dimension, a, b, label);
    e.h1 = offset;
    m_elements.push_back(e);
    return *this;
}

Sketch &Sketch::outline(const std::vector<Point> &points)
{
    SketchElement e = element(SketchElement::Kind::Outline, {});
    e.points = points;
    m_elements.push_back(e);
    return *this;
}

Sketch &Sketch::hole(const std::vector<Point> &points)
{
    SketchElement e = element(SketchElement::Kind::Hole, {});
    e.points = points;
    m_elements.push_back(e);
    return *this;
}

Sketch &Sketch::circle(Point centre, double radius)
{
    SketchElement e = element(SketchElement::Kind::Circle, centre);
    e.h1 = radius;
    m_elements.push_back(e);
    return *this;
}

Sketch &Sketch::circleHole(Point centre, double radius)
{
    SketchElement e = element(SketchElement::Kind::CircleHole, centre);
    e.h1 = radius;
    m_elements.push_back(e);
    return *this;
}

Sketch &Sketch::axis(Point a, Point b, const std::string &label)
{
    m_elements.push_back(element(SketchElement::Kind::Axis, a, b, label));
    return *this;
}

Sketch &Sketch::deflected(const std::vector<Point> &points)
{
    SketchElement e = element(SketchElement::Kind::Deflected, {});
    e.points = points;
    m_elements.push_back(e);
    return *this;
}

Sketch &Sketch::label(Point at, const std::string &text)
{
    // A word of the drawing ("cast iron") in the language shown; a symbol reads the same in all.
    m_elements.push_back(element(SketchElement::Kind::Label, at, {}, translated("Sketch", text)));
    return *this;
}

}  // namespace shell
