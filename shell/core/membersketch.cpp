#include "shell/core/membersketch.h"

#include "shell/core/beamsketch.h"
#include "shell/core/diagrams.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace shell {

namespace {

constexpr double Width = MemberSketchWidth;
constexpr double ShortestArrow = MemberSketchArrow / 4;
constexpr double LowestLoad = 1;  // a distributed load far smaller than the largest stays visible
constexpr double CoupleRadius = 9;
constexpr DimensionRows Rows{26, 15};
constexpr double LabelRoom = 16;  // below an upward arrow for its label
// The sketch width a label needs free around it: names of supports are a digit or two, values a
// few digits with a unit.
constexpr double NameRoom = 10;
constexpr double ValueRoom = 40;
constexpr double LeastLabelledDimension = 24;
constexpr std::size_t MostLabelsInARow = 6;
// More pieces than this in the chain of dimensions would be a comb of arrows, not a reading.
constexpr std::size_t MostChainPieces = 24;

// Member positions to sketch x: clamped onto the member, since a position just off it is most
// likely typed towards an end.
struct Scale {
    double length = 1;
    double at(double x) const { return (std::clamp(x, 0.0, length) / length) * Width; }
};

// Sketch positions where labels of one kind stand; a label goes where none stands within `room`.
class Room
{
public:
    explicit Room(double room) : m_room(room) {}
    bool take(double x)
    {
        for (double t : m_taken)
            if (std::fabs(t - x) < m_room)
                return false;
        m_taken.push_back(x);
        return true;
    }

private:
    double m_room;
    std::vector<double> m_taken;  // never more than Width / room + 1 of them
};

std::string valueText(double value, const std::optional<Units> &units, Dimension dimension)
{
    std::string text = diagramNumber(value);
    if (units && !text.empty()) {
        const std::string caption = unitCaption(*units, dimension);
        if (!caption.empty())
            text += " " + caption;
    }
    return text;
}

bool finite(double v)
{
    return std::isfinite(v);
}

// The line of the member, thicker over a segment stiffer than the member and thinner over a
// weaker one; where segments overlap, the one described first counts.
void addMemberLine(Sketch &s, const MemberDescription &member, const Scale &scale)
{
    struct Piece {
        double from, to, weight;
    };
    const bool own = member.E && member.I && finite(*member.E * *member.I) && *member.E * *member.I > 0;
    std::vector<Piece> pieces;
    for (const MemberSegment &seg : member.segments) {
        if (!finite(seg.from) || !finite(seg.to) || !own)
            continue;
        const double ratio = (seg.E.value_or(*member.E) * seg.I.value_or(*member.I)) / (*member.E * *member.I);
        const double from = scale.at(seg.from), to = scale.at(seg.to);
        if (to > from && finite(ratio) && ratio > 0 && ratio != 1)
            pieces.push_back({from, to, std::clamp(1 + (0.5 * std::log2(ratio)), 0.4, 2.2)});
    }
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece &a, const Piece &b) { return a.from < b.from; });
    double cursor = 0;
    for (const Piece &p : pieces) {
        if (p.from > cursor)
            s.member({cursor, 0}, {p.from, 0});
        const double from = std::max(p.from, cursor);
        if (p.to > from) {
            s.member({from, 0}, {p.to, 0}, p.weight);
            cursor = p.to;
        }
    }
    if (cursor < Width || pieces.empty())
        s.member({cursor, 0}, {Width, 0});
}

void addSupports(Sketch &s, const MemberDescription &member, const Scale &scale)
{
    Room names(NameRoom);
    for (std::size_t i = 0; i < member.supports.size(); ++i) {
        const mechanics::Support &support = member.supports[i];
        if (!finite(support.x))
            continue;
        const double x = scale.at(support.x);
        const std::string name = names.take(x) ? std::to_string(i + 1) : std::string();
        switch (support.kind) {
        case mechanics::SupportKind::Pinned:
            s.pin({x, 0}, name);
            break;
        case mechanics::SupportKind::Roller:
            s.roller({x, 0}, name);
            break;
        case mechanics::SupportKind::Fixed: {
            const double end = Width * 1e-9;
            s.fixed({x, 0}, x <= end ? Side::Left : x >= Width - end ? Side::Right : Side::Below, name);
            break;
        }
        case mechanics::SupportKind::Spring:
            s.spring({x, 0}, support.rotationalStiffness > 0, name);
            break;
        }
        if (finite(support.settlement) && support.settlement != 0)
            s.settles();
    }
}

// "5" (uniform), "2…5" (varying, one way), "-3…4" (changing sign), with the unit after the last.
std::string distributedText(const MemberLoad &w, const std::optional<Units> &units)
{
    const bool turns = w.w1 != 0 && w.w2 != 0 && (w.w1 < 0) != (w.w2 < 0);
    if (turns)
        return diagramNumber(w.w1) + "…" + valueText(w.w2, units, Dimension::LineLoad);
    if (std::fabs(w.w1) == std::fabs(w.w2))
        return valueText(std::fabs(w.w1), units, Dimension::LineLoad);
    return diagramNumber(std::fabs(w.w1)) + "…" + valueText(std::fabs(w.w2), units, Dimension::LineLoad);
}

void addDistributed(Sketch &s, const MemberLoad &w, const Scale &scale, double largest, const std::string &label)
{
    const double from = scale.at(w.from), to = scale.at(w.to);
    if (!(to > from))
        return;
    // The intensity at a member position, linear between the load's own ends (which may lie off
    // the member); halved first so that no difference of huge positions overflows.
    const auto at = [&](double x) {
        double t = ((x * 0.5) - (w.from * 0.5)) / ((w.to * 0.5) - (w.from * 0.5));
        t = std::isfinite(t) ? std::clamp(t, 0.0, 1.0) : 0.0;
        return (w.w1 * (1 - t)) + (w.w2 * t);
    };
    const auto height = [&](double value) {
        return value == 0 ? 0.0 : std::max(LowestLoad, MemberSketchLoadHeight * (std::fabs(value) / largest));
    };
    const double w1 = at(std::clamp(w.from, 0.0, scale.length)), w2 = at(std::clamp(w.to, 0.0, scale.length));
    if (!finite(w1) || !finite(w2))
        return;
    std::vector<double> cuts{from};
    if ((w1 > 0 && w2 < 0) || (w1 < 0 && w2 > 0))
        cuts.push_back(from + ((to - from) * (1 / (1 - (w2 / w1)))));
    cuts.push_back(to);
    std::string text = label;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double x1 = cuts[i], x2 = cuts[i + 1];
        const double v1 = i == 0 ? w1 : 0, v2 = i + 2 == cuts.size() ? w2 : 0;
        if (!(x2 > x1) || (v1 == 0 && v2 == 0))
            continue;
        s.distributed({x1, 0}, {x2, 0}, height(v1), height(v2), v1 + v2 > 0 ? Side::Above : Side::Below, text);
        text.clear();
    }
}

// The row of labels a load's value stands in (point loads from above, from below, couples,
// distributed loads above, below), or -1 for a load that is not drawn.
constexpr int LabelRows = 5;
int labelRow(const MemberLoad &load)
{
    switch (load.kind) {
    case MemberLoad::Kind::Point:
        return !finite(load.x) || !finite(load.value) || load.value == 0 ? -1 : load.value > 0 ? 0 : 1;
    case MemberLoad::Kind::Couple:
        return !finite(load.x) || !finite(load.value) || load.value == 0 ? -1 : 2;
    case MemberLoad::Kind::Distributed:
        if (!finite(load.from) || !finite(load.to) || !finite(load.w1) || !finite(load.w2) || !(load.to > load.from) ||
            (load.w1 == 0 && load.w2 == 0))
            return -1;
        return (load.w1 != 0 ? load.w1 : load.w2) > 0 ? 3 : 4;
    }
    return -1;
}

double magnitude(const MemberLoad &load)
{
    return load.kind == MemberLoad::Kind::Distributed ? std::max(std::fabs(load.w1), std::fabs(load.w2))
                                                      : std::fabs(load.value);
}

// The loads; returns how far the upward ones reach below the member. Each row of labels keeps its
// labels apart; a row with more loads than labels fit in names only its largest load.
double addLoads(Sketch &s, const MemberDescription &member, const Scale &scale, const std::optional<Units> &units)
{
    double largestForce = 0, largestLine = 0;
    std::size_t count[LabelRows] = {};
    std::size_t largest[LabelRows] = {};
    for (std::size_t i = 0; i < member.loads.size(); ++i) {
        const MemberLoad &load = member.loads[i];
        const int row = labelRow(load);
        if (row < 0)
            continue;
        if (count[row]++ == 0 || magnitude(load) > magnitude(member.loads[largest[row]]))
            largest[row] = i;
        (load.kind == MemberLoad::Kind::Distributed ? largestLine : largestForce) =
            std::max(load.kind == MemberLoad::Kind::Distributed ? largestLine : largestForce, magnitude(load));
    }
    std::vector<Room> rooms(LabelRows, Room(ValueRoom));
    const auto labelled = [&](std::size_t i, int row, double x) {
        return count[row] > MostLabelsInARow ? i == largest[row] : rooms[row].take(x);
    };
    double depth = 0;
    for (std::size_t i = 0; i < member.loads.size(); ++i) {
        const MemberLoad &load = member.loads[i];
        const int row = labelRow(load);
        if (row < 0)
            continue;
        switch (load.kind) {
        case MemberLoad::Kind::Point: {
            const double x = scale.at(load.x);
            const double length = std::max(ShortestArrow, MemberSketchArrow * (std::fabs(load.value) / largestForce));
            if (load.value < 0)
                depth = std::max(depth, length);
            s.pointLoad({x, 0}, load.value > 0 ? Side::Above : Side::Below,
                        labelled(i, row, x) ? valueText(std::fabs(load.value), units, Dimension::Force) : std::string(),
                        length);
            break;
        }
        case MemberLoad::Kind::Couple: {
            const double x = scale.at(load.x);
            s.moment({x, 0}, CoupleRadius, load.value > 0,
                     labelled(i, row, x) ? valueText(std::fabs(load.value), units, Dimension::Moment) : std::string());
            break;
        }
        case MemberLoad::Kind::Distributed: {
            const double middle = (scale.at(load.from) + scale.at(load.to)) / 2;
            if (std::min(load.w1, load.w2) < 0)
                depth = std::max(depth, MemberSketchLoadHeight * (-std::min(load.w1, load.w2) / largestLine));
            addDistributed(s, load, scale, largestLine, labelled(i, row, middle) ? distributedText(load, units) : "");
            break;
        }
        }
    }
    return depth;
}

// The chain of dimensions from support to support, the member's ends included, and the overall
// length below it, the first row below the supports and below the upward loads (`depth`).
void addDimensions(Sketch &s, const MemberDescription &member, const Scale &scale, const std::optional<Units> &units,
                   double depth)
{
    const DimensionRows rows{std::max(Rows.first, depth + LabelRoom), Rows.pitch};
    std::vector<double> stops{0, scale.length};
    for (const mechanics::Support &support : member.supports)
        if (finite(support.x))
            stops.push_back(std::clamp(support.x, 0.0, scale.length));
    std::sort(stops.begin(), stops.end());
    stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
    int row = 0;
    if (stops.size() > 2 && stops.size() <= MostChainPieces + 1) {
        for (std::size_t i = 0; i + 1 < stops.size(); ++i) {
            const double from = scale.at(stops[i]), to = scale.at(stops[i + 1]);
            if (to > from)
                rows.add(s, from, to, 0, row,
                         to - from >= LeastLabelledDimension ? diagramNumber(stops[i + 1] - stops[i]) : std::string());
        }
        ++row;
    }
    rows.add(s, 0, Width, 0, row, valueText(scale.length, units, Dimension::Length));
}

}  // namespace

Sketch memberSketch(const MemberDescription &member, std::optional<Units> units)
{
    Sketch s;
    if (!finite(member.length) || member.length <= 0) {
        s.member({0, 0}, {Width, 0});
        return s;
    }
    const Scale scale{member.length};
    addMemberLine(s, member, scale);
    addSupports(s, member, scale);
    for (double x : member.hinges)
        if (finite(x))
            s.hinge({scale.at(x), 0});
    const double depth = addLoads(s, member, scale, units);
    addDimensions(s, member, scale, units, depth);
    return s;
}

}  // namespace shell
