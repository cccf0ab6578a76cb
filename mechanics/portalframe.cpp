#include "mechanics/portalframe.h"

#include "mechanics/beam.h"
#include "mechanics/linearsystem.h"

#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace mechanics {

namespace {

constexpr double rangeTolerance = 1e-12;  // relative to the member length, as for a beam

Error invalid(Message reason)
{
    return {ErrorKind::InvalidInput, std::move(reason)};
}

const char *nameOf(FrameMember m)
{
    switch (m) {
    case FrameMember::AB:
        return "AB";
    case FrameMember::BC:
        return "BC";
    case FrameMember::CD:
        return "CD";
    }
    return "?";
}

std::size_t indexOf(FrameMember m)
{
    return static_cast<std::size_t>(m);
}

// Each member is read as a beam from its s = 0 end with "downward" turned towards the inside of
// the frame: the beam as it stands, AB turned a quarter counter-clockwise (inside = +x), CD a
// quarter clockwise (inside = −x). Turning keeps clockwise clockwise, so couples and rotations
// keep their sign, and a sagging moment of the member read as a beam is inside tension.
// `inward` is the global direction of the member's "downward", along x for the columns.
double inward(FrameMember m)
{
    return m == FrameMember::CD ? -1.0 : 1.0;
}

// A member's load as a simply supported span, and what the span gives for slope-deflection.
struct Span {
    double length = 0;
    double inertia = 0;
    Beam beam;
    double alongDown = 0;   // vertical load along a column, passed to its foot
    double alongRight = 0;  // horizontal load along the beam, passed to the sway equation
    // From the simply supported solution:
    double reactionStart = 0;  // towards the outside, i.e. against "downward"
    double reactionEnd = 0;
    double slopeStart = 0;
    double slopeEnd = 0;
    Piecewise moment;
};

struct EndMoments {
    double start = 0;
    double end = 0;
};

// Slope-deflection with sagging-positive end moments. A span with end moments Ms, Me turns its
// ends, relative to its chord, by θs = αs + L/(6EI)·(2Ms + Me) and θe = αe − L/(6EI)·(Ms + 2Me),
// α being the end slopes of the simply supported span under its load. Inverted:
//   Ms = 2EI/L·(2a + b),  Me = −2EI/L·(a + 2b),  a = θs − ψ − αs,  b = θe − ψ − αe,
// with ψ the chord rotation (clockwise positive). E = 1: it cancels from the moments.
EndMoments endMoments(const Span &span, double rotationStart, double rotationEnd, double chord, bool loaded)
{
    const double a = rotationStart - chord - (loaded ? span.slopeStart : 0.0);
    const double b = rotationEnd - chord - (loaded ? span.slopeEnd : 0.0);
    const double stiffness = 2 * span.inertia / span.length;
    return {stiffness * (2 * a + b), -stiffness * (a + 2 * b)};
}

// Unknowns, in this order: rotations at A, B, C, D (clockwise) and the sway of B and C (to the
// right). Fixed feet leave the rotations at A and D at zero.
enum Unknown : std::size_t { RotationA, RotationB, RotationC, RotationD, Sway, UnknownCount };

struct FrameState {
    std::array<EndMoments, 3> ends;
    double HA = 0;
    double HD = 0;
    double horizontalLoad = 0;
};

FrameState stateOf(const std::array<Span, 3> &spans, const std::array<double, UnknownCount> &u, bool loaded)
{
    const double h = spans[0].length;
    // A column's chord turns clockwise by sway/h: AB's top moves towards its inside by the sway,
    // CD's top towards its outside.
    FrameState st;
    st.ends[0] = endMoments(spans[0], u[RotationA], u[RotationB], u[Sway] / h, loaded);
    st.ends[1] = endMoments(spans[1], u[RotationB], u[RotationC], 0, loaded);
    st.ends[2] = endMoments(spans[2], u[RotationC], u[RotationD], u[Sway] / h, loaded);
    const double load = loaded ? 1.0 : 0.0;
    // The end force of a span towards its outside is its simply supported reaction plus the
    // shear of the straight line between its end moments. At A the outside of AB is −x, at D
    // the outside of CD is +x.
    st.HA = -(load * spans[0].reactionStart + (st.ends[0].end - st.ends[0].start) / h);
    st.HD = load * spans[2].reactionEnd + (st.ends[2].start - st.ends[2].end) / h;
    st.horizontalLoad =
        load * (inward(FrameMember::AB) * (spans[0].reactionStart + spans[0].reactionEnd) +
                inward(FrameMember::CD) * (spans[2].reactionStart + spans[2].reactionEnd) + spans[1].alongRight);
    return st;
}

std::optional<Error> checkFrame(const PortalFrame &f)
{
    const auto positive = [](const char *what, double v) -> std::optional<Error> {
        if (!std::isfinite(v) || v <= 0)
            return invalid(notPositive(what, v));
        return std::nullopt;
    };
    if (auto e = positive("the height h", f.height); e || (e = positive("the span l", f.span)) ||
                                                     (e = positive("the column second moment I1", f.columnInertia)) ||
                                                     (e = positive("the beam second moment I2", f.beamInertia)))
        return e;
    const auto onMember = [&f](FrameMember m, double s) -> std::optional<Error> {
        if (m != FrameMember::AB && m != FrameMember::BC && m != FrameMember::CD)
            return invalid("a frame load names no member of the frame");
        const double length = m == FrameMember::BC ? f.span : f.height;
        if (!std::isfinite(s) || s < -rangeTolerance * length || s > length + rangeTolerance * length)
            return invalid(outsideMember("a load", "s", s, {"member %1", {verbatim(nameOf(m))}}, length));
        return std::nullopt;
    };
    const auto finite = [](std::initializer_list<double> values) -> std::optional<Error> {
        for (double v : values)
            if (!std::isfinite(v))
                return invalid("a frame load has a value that is not a finite number");
        return std::nullopt;
    };
    for (const FrameForce &p : f.forces)
        if (auto e = onMember(p.member, p.s); e || (e = finite({p.horizontal, p.vertical})))
            return e;
    for (const FrameCouple &c : f.couples)
        if (auto e = onMember(c.member, c.s); e || (e = finite({c.couple})))
            return e;
    for (const FrameDistributedLoad &d : f.distributed) {
        if (auto e = onMember(d.member, d.from); e || (e = onMember(d.member, d.to)) || (e = finite({d.wFrom, d.wTo})))
            return e;
        if (d.from > d.to)
            return invalid({"a distributed load on %1 must run from its start to its end (from > to)",
                            {verbatim(nameOf(d.member))}});
    }
    for (const FrameBracketLoad &b : f.brackets) {
        if (b.member == FrameMember::BC)
            return invalid("a bracket load belongs on a column (AB or CD), not on the beam BC");
        if (auto e = onMember(b.member, b.s); e || (e = finite({b.eccentricity, b.force})))
            return e;
    }
    return std::nullopt;
}

}  // namespace

Point FrameMemberResult::at(double s) const
{
    const double u = s / length;
    return {start.x + u * (end.x - start.x), start.y + u * (end.y - start.y)};
}

Outcome<PortalSolution> solvePortalFrame(const PortalFrame &frame)
{
    if (auto error = checkFrame(frame))
        return *error;
    const double h = frame.height;
    const double l = frame.span;

    std::array<Span, 3> spans;
    for (FrameMember m : {FrameMember::AB, FrameMember::BC, FrameMember::CD}) {
        Span &span = spans[indexOf(m)];
        span.length = m == FrameMember::BC ? l : h;
        span.inertia = m == FrameMember::BC ? frame.beamInertia : frame.columnInertia;
        span.beam.length = span.length;
        span.beam.flexuralRigidity = span.inertia;
        span.beam.supports = {{0, SupportKind::Pinned}, {span.length, SupportKind::Pinned}};
    }
    for (const FrameForce &p : frame.forces) {
        Span &span = spans[indexOf(p.member)];
        if (p.member == FrameMember::BC) {
            span.beam.forces.push_back({p.s, p.vertical});
            span.alongRight += p.horizontal;
        } else {
            span.beam.forces.push_back({p.s, inward(p.member) * p.horizontal});
            span.alongDown += p.vertical;
        }
    }
    for (const FrameCouple &c : frame.couples)
        spans[indexOf(c.member)].beam.couples.push_back({c.s, c.couple});
    for (const FrameDistributedLoad &d : frame.distributed) {
        const double sign = d.member == FrameMember::BC ? 1.0 : inward(d.member);
        spans[indexOf(d.member)].beam.distributed.push_back({d.from, d.to, sign * d.wFrom, sign * d.wTo});
    }
    for (const FrameBracketLoad &b : frame.brackets) {
        // A downward force at a distance e to the right of the axis turns clockwise about it.
        Span &span = spans[indexOf(b.member)];
        span.alongDown += b.force;
        span.beam.couples.push_back({b.s, b.force * b.eccentricity});
    }
    for (Span &span : spans) {
        const Outcome<BeamSolution> simple = solveBeam(span.beam);
        if (!simple)
            return simple.error();
        span.reactionStart = simple->reactions[0].force;
        span.reactionEnd = simple->reactions[1].force;
        span.slopeStart = simple->slope->rightOf(0);
        span.slopeEnd = simple->slope->leftOf(span.length);
        span.moment = simple->moment;
    }

    // Equations: moment equilibrium of joints B and C (the end moments of the two members meeting
    // there are equal), zero moment at pinned feet, and horizontal equilibrium of the frame.
    const bool pinned = frame.feet == FrameFeet::Pinned;
    std::vector<std::size_t> unknowns{RotationB, RotationC, Sway};
    if (pinned)
        unknowns.insert(unknowns.end(), {RotationA, RotationD});
    const auto residual = [&](const std::array<double, UnknownCount> &u, bool loaded) {
        const FrameState st = stateOf(spans, u, loaded);
        std::vector<double> r{st.ends[0].end - st.ends[1].start, st.ends[1].end - st.ends[2].start,
                              st.HA + st.HD + st.horizontalLoad};
        if (pinned)
            r.insert(r.end(), {st.ends[0].start, st.ends[2].end});
        return r;
    };
    const std::size_t n = unknowns.size();
    Matrix a(n, std::vector<double>(n, 0.0));
    for (std::size_t j = 0; j < n; ++j) {
        std::array<double, UnknownCount> unit{};
        unit[unknowns[j]] = 1;
        const std::vector<double> column = residual(unit, false);
        for (std::size_t i = 0; i < n; ++i)
            a[i][j] = column[i];
    }
    std::vector<double> rhs = residual({}, true);
    for (double &v : rhs)
        v = -v;
    if (!isFiniteSystem(a, rhs))
        return Error{ErrorKind::InvalidInput, TooLargeToSolve};
    SystemFailure failure = SystemFailure::None;
    const std::optional<std::vector<double>> solved = solveLinearSystem(std::move(a), std::move(rhs), &failure);
    if (failure == SystemFailure::NotFinite)
        return Error{ErrorKind::InvalidInput, TooLargeToSolve};
    if (!solved)
        return Error{ErrorKind::Mechanism, "the portal frame equations have no unique solution"};
    std::array<double, UnknownCount> u{};
    for (std::size_t j = 0; j < n; ++j)
        u[unknowns[j]] = (*solved)[j];

    const FrameState st = stateOf(spans, u, true);
    PortalSolution solution;
    const Point corners[] = {{0, 0}, {0, h}, {l, h}, {l, 0}};
    for (FrameMember m : {FrameMember::AB, FrameMember::BC, FrameMember::CD}) {
        const std::size_t i = indexOf(m);
        const Span &span = spans[i];
        const EndMoments &e = st.ends[i];
        FrameMemberResult &r = solution.members[i];
        r.member = m;
        r.start = corners[i];
        r.end = corners[i + 1];
        r.length = span.length;
        r.moment =
            span.moment + Piecewise::single(0, span.length, Polynomial({e.start, (e.end - e.start) / span.length}));
    }
    const Span &beam = spans[indexOf(FrameMember::BC)];
    const EndMoments &beamEnds = st.ends[indexOf(FrameMember::BC)];
    PortalReactions &re = solution.reactions;
    re.HA = st.HA;
    re.HD = st.HD;
    re.VA = beam.reactionStart + (beamEnds.end - beamEnds.start) / l + spans[0].alongDown;
    re.VD = beam.reactionEnd + (beamEnds.start - beamEnds.end) / l + spans[2].alongDown;
    re.MA = pinned ? 0.0 : st.ends[0].start;
    re.MD = pinned ? 0.0 : st.ends[2].end;
    return solution;
}

}  // namespace mechanics
