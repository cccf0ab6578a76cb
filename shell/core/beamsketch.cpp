#include "shell/core/beamsketch.h"

namespace shell {

namespace {

void addEnd(Sketch &s, Point at, const BeamEnd &end, Side outside)
{
    switch (end.support) {
    case SupportKind::Pin:
        s.pin(at, end.name);
        break;
    case SupportKind::Roller:
        s.roller(at, end.name);
        break;
    case SupportKind::Fixed:
        s.fixed(at, outside, end.name);
        break;
    case SupportKind::Free:
        s.freeEnd(at, end.name);
        break;
    case SupportKind::Spring:
        s.spring(at, false, end.name);
        break;
    }
}

}  // namespace

void addBeam(Sketch &s, double y, const BeamEnd &left, const BeamEnd &right)
{
    s.member({0, y}, {BeamSpan, y});
    addEnd(s, {0, y}, left, Side::Left);
    addEnd(s, {BeamSpan, y}, right, Side::Right);
}

void addUniformLoad(Sketch &s, double from, double to, double y, const std::string &label)
{
    s.distributed({from, y}, {to, y}, BeamLoadHeight, BeamLoadHeight, Side::Above, label);
}

void addTriangularLoad(Sketch &s, double from, double peak, double to, double y, const std::string &label)
{
    if (peak > from)
        s.distributed({from, y}, {peak, y}, 0, BeamLoadHeight, Side::Above, label);
    if (to > peak)
        s.distributed({peak, y}, {to, y}, BeamLoadHeight, 0, Side::Above, peak > from ? std::string() : label);
}

void DimensionRows::add(Sketch &s, double from, double to, double y, int row, const std::string &label) const
{
    // Drawn left to right, a negative offset puts the line on the right of its direction:
    // below the member.
    s.dimension({from, y}, {to, y}, -(first + (pitch * row)), label);
}

}  // namespace shell
