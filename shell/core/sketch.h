#pragma once

// The vocabulary the case pictures are drawn from.
//
// A sketch is a list of elements in its own drawing coordinates: x to the right, y downwards,
// any scale (the painter fits the whole sketch into the picture, keeping its proportions).
// The same description paints into the window, a PDF page or a PNG.
//
//     Sketch s;
//     s.member({0, 50}, {100, 50});
//     s.pin({0, 50}, "A");
//     s.roller({100, 50}, "B");
//     s.pointLoad({30, 50}, Side::Above, "P");
//     s.dimension({0, 50}, {30, 50}, 18, "a");
//     s.spring({60, 50}, true, "C");   // a spring support with a rotational spring
//     s.hinge({45, 50});

#include <string>
#include <vector>

namespace shell {

struct Point {
    double x = 0;
    double y = 0;
};

// Where a load or a label stands relative to the member.
enum class Side { Above, Below, Left, Right };

// A support or an end condition, drawn at a point of a member.
enum class SupportKind {
    Pin,     // hinged support (triangle)
    Roller,  // roller support (triangle on rollers)
    Fixed,   // clamped end (hatched wall)
    Free,    // free end (the member just ends)
    Spring   // elastic support (zigzag spring on a hatched base; a spiral at the member where it also
             // holds the rotation)
};

struct SketchElement {
    enum class Kind {
        Member,       // a straight member from a to b (beam, column); h1 > 0 scales its line width
        Support,      // support of `support` kind at a, wall or base on `side`; a spring with h1 > 0 also
                      // holds the rotation; h2 > 0 marks a settlement of the support
        Hinge,        // internal hinge at a: an open circle on the member
        PointLoad,    // arrow pointing at a from `side`, labelled; h1 > 0 is its length, else the usual
        Distributed,  // load between a and b, from `side`, heights h1 at a and h2 at b
        Moment,       // curved arrow around a, clockwise when h1 > 0
        Dimension,    // dimension line between a and b, offset h1 (to the left of a→b), labelled
        Outline,      // closed section outline through `points`, filled
        Hole,         // closed outline through `points`, cut out of the outlines before it
        Circle,       // filled circle at a with radius h1
        CircleHole,   // circle at a with radius h1 cut out
        Axis,         // dash-dot axis line from a to b, labelled at b
        Deflected,    // dashed polyline through `points` (buckled or deflected shape)
        Label         // text at a
    };
    Kind kind = Kind::Label;
    Point a;
    Point b;
    double h1 = 0;
    double h2 = 0;
    Side side = Side::Above;
    SupportKind support = SupportKind::Pin;
    std::vector<Point> points;
    std::string label;
};

class Sketch
{
public:
    // `weight` scales the line width: above 1 a stiffer stretch of a member, below 1 a weaker one.
    Sketch &member(Point a, Point b, double weight = 1);
    Sketch &support(Point at, SupportKind kind, Side baseSide, const std::string &name = {});
    Sketch &pin(Point at, const std::string &name = {}) { return support(at, SupportKind::Pin, Side::Below, name); }
    Sketch &roller(Point at, const std::string &name = {})
    {
        return support(at, SupportKind::Roller, Side::Below, name);
    }
    // A clamped end; `wallSide` is the side of the point the wall stands on.
    Sketch &fixed(Point at, Side wallSide, const std::string &name = {})
    {
        return support(at, SupportKind::Fixed, wallSide, name);
    }
    Sketch &freeEnd(Point at, const std::string &name = {})
    {
        return support(at, SupportKind::Free, Side::Below, name);
    }
    // A spring support standing below the point; `rotational` adds the spiral of a rotational spring.
    Sketch &spring(Point at, bool rotational, const std::string &name = {});
    // Marks the support last added as settling: a short arrow down beside it, labelled "δs".
    Sketch &settles();
    Sketch &hinge(Point at);
    // An arrow `length` long in sketch units; 0 draws the usual length, fitted to the labels.
    Sketch &pointLoad(Point at, Side from, const std::string &label, double length = 0);
    // A linearly varying load between a and b: height h1 at a, h2 at b (0 for a triangle's tip).
    Sketch &distributed(Point a, Point b, double h1, double h2, Side from, const std::string &label);
    Sketch &moment(Point at, double radius, bool clockwise, const std::string &label);
    Sketch &dimension(Point a, Point b, double offset, const std::string &label);
    Sketch &outline(const std::vector<Point> &points);
    Sketch &hole(const std::vector<Point> &points);
    Sketch &circle(Point centre, double radius);
    Sketch &circleHole(Point centre, double radius);
    Sketch &axis(Point a, Point b, const std::string &label);
    Sketch &deflected(const std::vector<Point> &points);
    Sketch &label(Point at, const std::string &text);

    const std::vector<SketchElement> &elements() const { return m_elements; }
    bool empty() const { return m_elements.empty(); }

private:
    std::vector<SketchElement> m_elements;
};

}  // namespace shell
