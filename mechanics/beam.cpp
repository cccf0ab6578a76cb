#include "mechanics/beam.h"

#include "mechanics/linearsystem.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

namespace mechanics {

namespace {

constexpr double rangeTolerance = 1e-12;  // relative to L: beyond an end by less is rounding
constexpr double mergeTolerance = 1e-14;  // relative to L: positions closer are one position
constexpr const char *MechanismMessage =
    "the supports do not hold the member in place: it is a mechanism; add a second support or make one fixed";

Error invalid(Message reason)
{
    return {ErrorKind::InvalidInput, std::move(reason)};
}

// The breakpoints of a member: both ends and every support, point load and load end.
class Layout
{
public:
    Layout(double length, std::vector<double> positions)
    {
        positions.push_back(0);
        positions.push_back(length);
        std::sort(positions.begin(), positions.end());
        for (double p : positions)
            if (m_x.empty() || p - m_x.back() > mergeTolerance * length)
                m_x.push_back(p);
        m_x.back() = length;  // the last cluster stands at the right end itself
    }

    const std::vector<double> &x() const { return m_x; }
    std::size_t pieces() const { return m_x.size() - 1; }
    double width(std::size_t k) const { return m_x[k + 1] - m_x[k]; }

    // The breakpoint that stands for position p.
    std::size_t indexOf(double p) const
    {
        const auto above = std::lower_bound(m_x.begin(), m_x.end(), p);
        std::size_t k = static_cast<std::size_t>(above - m_x.begin());
        if (k == m_x.size() || (k > 0 && p - m_x[k - 1] < m_x[k] - p))
            --k;
        return k;
    }

private:
    std::vector<double> m_x;
};

// What acts on the member, gathered per breakpoint and per piece.
struct Actions {
    explicit Actions(const Layout &layout)
        : force(layout.x().size(), 0.0), couple(layout.x().size(), 0.0), slopeJump(layout.x().size(), 0.0),
          intensity(layout.pieces(), 0.0), gradient(layout.pieces(), 0.0)
    {
    }
    std::vector<double> force;      // downward point force at each breakpoint
    std::vector<double> couple;     // clockwise couple at each breakpoint
    std::vector<double> slopeJump;  // jump of the slope at each breakpoint (a hinge)
    // The downward load per length on each piece, w = intensity + gradient·t.
    std::vector<double> intensity;
    std::vector<double> gradient;
};

// The values at the breakpoints that the support, hinge and end conditions ask for.
struct EndValues {
    std::vector<double> momentAt, slopeAt, deflectionAt;  // at every breakpoint, right side
    double shearBeyond = 0;   // V just right of x = L: zero where the member is in equilibrium
    double momentBeyond = 0;  // M just right of x = L: likewise
};

struct Marched {
    std::vector<Polynomial> shear, moment, slope, deflection;  // one polynomial per piece
};

// Integrates from the left end, piece by piece, in closed form:
//   V = V(x_k+) − ∫w,  M = M(x_k+) + ∫V,  θ = θ(x_k+) − ∫M/EI,  δ = δ(x_k) + ∫θ,
// with V, M and θ taking the jumps of the point forces, couples and hinges at each breakpoint,
// and θ, δ starting from the given values at x = 0. Only the values at the breakpoints are kept:
// with a load at most linear on a piece (w = a + b·t) each piece is a handful of products, so the
// columns of the member's equations cost no polynomial at all. The values go to `e`, whose
// memory one column leaves to the next.
void marchValues(const Layout &layout, const Actions &actions, double slope0, double deflection0,
                 const std::vector<double> &rigidity, EndValues &e)
{
    e.momentAt.clear();
    e.slopeAt.clear();
    e.deflectionAt.clear();
    double shear = 0;
    double moment = 0;
    double slope = slope0;
    double deflection = deflection0;
    for (std::size_t k = 0; k < layout.pieces(); ++k) {
        shear -= actions.force[k];
        moment += actions.couple[k];
        slope += actions.slopeJump[k];
        e.momentAt.push_back(moment);
        e.slopeAt.push_back(slope);
        e.deflectionAt.push_back(deflection);
        const double a = actions.intensity[k];
        const double b = actions.gradient[k];
        const double t = layout.width(k);
        const double t2 = t * t;
        const double t3 = t2 * t;
        const double t4 = t3 * t;
        const double t5 = t4 * t;
        const double ei = rigidity[k];
        if (a == 0 && b == 0 && !std::signbit(a) && !std::signbit(b) && std::isfinite(t5)) {
            // No distributed load on the piece (every piece of a column's march): the load's
            // terms are +0, and taking +0 away changes no number, so they are left out with
            // their divisions.
            deflection = deflection + slope * t - (moment * t2 / 2 + shear * t3 / 6) / ei;
            slope = slope - (moment * t + shear * t2 / 2) / ei;
            moment = moment + shear * t;
            continue;
        }
        deflection = deflection + slope * t - (moment * t2 / 2 + shear * t3 / 6 - a * t4 / 24 - b * t5 / 120) / ei;
        slope = slope - (moment * t + shear * t2 / 2 - a * t3 / 6 - b * t4 / 24) / ei;
        moment = moment + shear * t - a * t2 / 2 - b * t3 / 6;
        shear = shear - a * t - b * t2 / 2;
    }
    e.momentAt.push_back(moment + actions.couple.back());
    e.slopeAt.push_back(slope + actions.slopeJump.back());
    e.deflectionAt.push_back(deflection);
    e.shearBeyond = shear - actions.force.back();
    e.momentBeyond = moment + actions.couple.back();
}

// For each power t^k, the size below which a coefficient of a diagram is the rounding of the
// sums, not a value: 1e-13 of the diagram's size / L^k. A part of a diagram that small beside the
// member's own forces is dropped (a load standing on a support leaves the span beside it at
// V = 0, not at 1e-14). Where the size is 0 or not a normal number, nothing is dropped.
using Floors = std::array<double, Polynomial::Capacity>;

Floors roundingFloors(double size, double l)
{
    Floors floors{};  // 0: no coefficient lies below
    if (!std::isnormal(size))
        return floors;
    double floor = 1e-13 * size;
    for (double &f : floors) {
        f = floor;
        floor /= l;
    }
    return floors;
}

// Sets to zero the coefficients below their floors; true where there was one.
template <std::size_t N> bool dropRounding(double (&c)[N], const Floors &floors)
{
    static_assert(N <= Polynomial::Capacity);
    bool dropped = false;
    for (std::size_t k = 0; k < N; ++k)
        if (c[k] != 0 && std::fabs(c[k]) < floors[k]) {
            c[k] = 0;
            dropped = true;
        }
    return dropped;
}

struct DiagramFloors {
    Floors shear, moment, slope, deflection;
};

// The same integration as marchValues, keeping every piece as a polynomial: the diagrams, each
// piece stored without the rounding below its diagram's floors. The march itself goes on from
// the exact pieces, so what is dropped from one piece changes no other.
Marched march(const Layout &layout, const Actions &actions, double slope0, double deflection0,
              const std::vector<double> &rigidity, const DiagramFloors &floors)
{
    Marched m;
    m.shear.reserve(layout.pieces());
    m.moment.reserve(layout.pieces());
    m.slope.reserve(layout.pieces());
    m.deflection.reserve(layout.pieces());
    double shear = 0;
    double moment = 0;
    double slope = slope0;
    double deflection = deflection0;
    double ei = 0;  // EI of the piece before, and −1/EI
    double f = 0;
    for (std::size_t k = 0; k < layout.pieces(); ++k) {
        shear -= actions.force[k];
        moment += actions.couple[k];
        slope += actions.slopeJump[k];
        // The coefficients as Polynomial's integral and product form them, written out so that
        // each piece builds its four polynomials once.
        const double w0 = actions.intensity[k];
        const double w1 = actions.gradient[k];
        double vc[] = {shear, -w0, -(w1 / 2)};
        double mc[] = {moment, vc[0], vc[1] / 2, vc[2] / 3};
        if (rigidity[k] != ei) {  // a division only where EI changes
            ei = rigidity[k];
            f = -1.0 / ei;
        }
        double tc[] = {slope, mc[0] * f, (mc[1] * f) / 2, (mc[2] * f) / 3, (mc[3] * f) / 4};
        double dc[] = {deflection, tc[0], tc[1] / 2, tc[2] / 3, tc[3] / 4, tc[4] / 5};
        const Polynomial v{vc[0], vc[1], vc[2]};
        const Polynomial mo{mc[0], mc[1], mc[2], mc[3]};
        const Polynomial th{tc[0], tc[1], tc[2], tc[3], tc[4]};
        const Polynomial de{dc[0], dc[1], dc[2], dc[3], dc[4], dc[5]};
        const double h = layout.width(k);
        shear = v(h);
        moment = mo(h);
        slope = th(h);
        deflection = de(h);
        m.shear.push_back(dropRounding(vc, floors.shear) ? Polynomial{vc[0], vc[1], vc[2]} : v);
        m.moment.push_back(dropRounding(mc, floors.moment) ? Polynomial{mc[0], mc[1], mc[2], mc[3]} : mo);
        m.slope.push_back(dropRounding(tc, floors.slope) ? Polynomial{tc[0], tc[1], tc[2], tc[3], tc[4]} : th);
        m.deflection.push_back(
            dropRounding(dc, floors.deflection) ? Polynomial{dc[0], dc[1], dc[2], dc[3], dc[4], dc[5]} : de);
    }
    return m;
}

bool isSpring(const Support &s)
{
    return s.kind == SupportKind::Spring;
}

// Whether a support stops the member moving up and down there, and turning there.
bool holdsDeflection(const Support &s)
{
    return !isSpring(s) || s.stiffness > 0;
}

bool holdsSlope(const Support &s)
{
    return s.kind == SupportKind::Fixed || (isSpring(s) && s.rotationalStiffness > 0);
}

std::optional<Error> checkInput(const Beam &beam)
{
    const double l = beam.length;
    if (!std::isfinite(l) || l <= 0)
        return invalid(notPositive("the member length", l));
    if (beam.flexuralRigidity && (!std::isfinite(*beam.flexuralRigidity) || *beam.flexuralRigidity <= 0))
        return invalid(notPositive("the flexural rigidity EI", *beam.flexuralRigidity));
    // What is checked is named by plain text, made into a message only where the check fails.
    const auto position = [l](const char *what, double x) -> std::optional<Error> {
        if (!std::isfinite(x) || x < -rangeTolerance * l || x > l + rangeTolerance * l)
            return invalid(outsideMember(what, "x", x, "the member", l));
        return std::nullopt;
    };
    const auto finite = [](const char *what, double value) -> std::optional<Error> {
        if (!std::isfinite(value))
            return invalid({"%1 has a value that is not a finite number", {what}});
        return std::nullopt;
    };
    const auto stiffness = [](const char *what, double value) -> std::optional<Error> {
        if (!std::isfinite(value))
            return invalid({"%1 must be a finite number", {what}});
        if (value < 0)
            return invalid({"%1 must be zero or above, not %2", {what, number(value)}});
        return std::nullopt;
    };
    const bool rigidity = beam.flexuralRigidity.has_value();
    for (const Support &s : beam.supports) {
        if (auto e = position("a support", s.x); e || (e = finite("the settlement of a support", s.settlement)))
            return e;
        if (isSpring(s)) {
            if (auto e = stiffness("the stiffness of a spring support", s.stiffness);
                e || (e = stiffness("the rotational stiffness of a spring support", s.rotationalStiffness)))
                return e;
            if (!rigidity && (s.stiffness > 0 || s.rotationalStiffness > 0))
                return invalid("a spring support needs the flexural rigidity EI of the member");
        }
        if (!rigidity && s.settlement != 0)
            return invalid("a settlement needs the flexural rigidity EI of the member");
    }
    for (const PointForce &f : beam.forces)
        if (auto e = position("a point force", f.x); e || (e = finite("a point force", f.force)))
            return e;
    for (const PointCouple &c : beam.couples)
        if (auto e = position("a couple", c.x); e || (e = finite("a couple", c.couple)))
            return e;
    for (const DistributedLoad &d : beam.distributed) {
        if (auto e = position("the start of a distributed load", d.from); e)
            return e;
        if (auto e = position("the end of a distributed load", d.to); e)
            return e;
        if (auto e = finite("a distributed load", d.wFrom); e || (e = finite("a distributed load", d.wTo)))
            return e;
        if (d.from > d.to)
            return invalid({"a distributed load must run from its start to its end (from %1 > to %2)",
                            {number(d.from), number(d.to)}});
    }
    for (double h : beam.hinges)
        if (auto e = position("a hinge", h); e)
            return e;
    for (const Segment &g : beam.segments) {
        if (auto e = position("the start of a segment", g.from); e)
            return e;
        if (auto e = position("the end of a segment", g.to); e)
            return e;
        if (!(g.from < g.to))
            return invalid({"a segment must run from its start to a greater end (from %1, to %2)",
                            {number(g.from), number(g.to)}});
        if (!std::isfinite(g.rigidity) || g.rigidity <= 0)
            return invalid(notPositive("the flexural rigidity EI of a segment", g.rigidity));
        if (!rigidity)
            return invalid("a segment needs the flexural rigidity EI of the member");
    }
    std::vector<Segment> segments = beam.segments;
    std::sort(segments.begin(), segments.end(), [](const Segment &a, const Segment &b) { return a.from < b.from; });
    for (std::size_t k = 1; k < segments.size(); ++k)
        if (segments[k].from < segments[k - 1].to)
            return invalid({"two segments overlap between x = %1 and x = %2",
                            {number(segments[k].from), number(std::min(segments[k].to, segments[k - 1].to))}});
    return std::nullopt;
}

// The rigid parts of the member lie between its hinges. A part is held in place where two
// distinct points of it cannot move (supports on it, or hinges shared with parts already held),
// or one such point and its slope (a fixed support or a rotational spring): then each part held
// holds the hinge points at its ends, and so on along the member. A part left unheld can move
// without deforming: the member is a mechanism. This is a matter of where the supports and hinges
// stand alone, so no length, stiffness or unit can make a member that is held look like one.
std::optional<Error> checkHeld(const Beam &beam, const Layout &layout, const std::vector<std::size_t> &supportAt,
                               const std::vector<std::size_t> &hingeAt)
{
    if (std::none_of(beam.supports.begin(), beam.supports.end(),
                     [](const Support &s) { return holdsDeflection(s) || holdsSlope(s); }))
        return Error{ErrorKind::Mechanism,
                     "the member has no support: it is a mechanism; add a fixed support or two supports"};
    const std::size_t parts = hingeAt.size() + 1;
    const auto startOf = [&](std::size_t p) { return p == 0 ? std::size_t{0} : hingeAt[p - 1]; };
    const auto endOf = [&](std::size_t p) { return p + 1 == parts ? layout.pieces() : hingeAt[p]; };
    std::vector<bool> held(parts, false);
    std::vector<bool> hingeHeld(hingeAt.size(), false);
    for (bool progress = true; progress;) {
        progress = false;
        for (std::size_t p = 0; p < parts; ++p) {
            if (held[p])
                continue;
            std::vector<std::size_t> points;
            bool slope = false;
            for (std::size_t s = 0; s < beam.supports.size(); ++s) {
                if (supportAt[s] < startOf(p) || supportAt[s] > endOf(p))
                    continue;
                if (holdsDeflection(beam.supports[s]))
                    points.push_back(supportAt[s]);
                slope = slope || holdsSlope(beam.supports[s]);
            }
            if (p > 0 && hingeHeld[p - 1])
                points.push_back(startOf(p));
            if (p + 1 < parts && hingeHeld[p])
                points.push_back(endOf(p));
            std::sort(points.begin(), points.end());
            const std::size_t distinct =
                static_cast<std::size_t>(std::unique(points.begin(), points.end()) - points.begin());
            if (distinct >= 2 || (distinct == 1 && slope)) {
                held[p] = progress = true;
                if (p > 0)
                    hingeHeld[p - 1] = true;
                if (p + 1 < parts)
                    hingeHeld[p] = true;
            }
        }
    }
    const auto loose = std::find(held.begin(), held.end(), false);
    if (loose == held.end())
        return std::nullopt;
    if (parts == 1)
        return Error{ErrorKind::Mechanism, MechanismMessage};
    const std::size_t p = static_cast<std::size_t>(loose - held.begin());
    const std::vector<double> &x = layout.x();
    const Message from = p == 0 ? Message("the left end") : Message("the hinge at x = %1", {number(x[startOf(p)])});
    const Message to =
        p + 1 == parts ? Message("the right end") : Message("the hinge at x = %1", {number(x[endOf(p)])});
    return Error{ErrorKind::Mechanism,
                 {"the part of the member from %1 to %2 is not held in place: it is a mechanism; add a support to it "
                  "or remove a hinge",
                  {from, to}}};
}

// The flexural rigidity of every piece: a segment's where the piece lies in one, the member's
// elsewhere (1 without one: shear and moment do not depend on a constant EI).
std::vector<double> rigidityOfPieces(const Beam &beam, const Layout &layout)
{
    const double own = beam.flexuralRigidity.value_or(1.0);
    std::vector<double> rigidity(layout.pieces(), own);
    for (std::size_t k = 0; k < layout.pieces(); ++k) {
        const double middle = layout.x()[k] + layout.width(k) / 2;
        for (const Segment &g : beam.segments)
            if (g.from <= middle && middle <= g.to)
                rigidity[k] = g.rigidity;
    }
    return rigidity;
}

// Where hinges stand, refused where a hinge means nothing (at an end of the member, where one
// already stands) or where what acts there has no side to act on (a couple, a support that holds
// the slope).
Outcome<std::vector<std::size_t>> placeHinges(const Beam &beam, const Layout &layout,
                                              const std::vector<std::size_t> &supportAt, const Actions &loads)
{
    const std::vector<double> &x = layout.x();
    std::vector<std::size_t> at;
    for (double h : beam.hinges) {
        const std::size_t k = layout.indexOf(std::clamp(h, 0.0, beam.length));
        if (k == 0 || k + 1 == x.size())
            return invalid(
                {"a hinge at an end of the member (x = %1) changes nothing there: remove it", {number(x[k])}});
        if (std::find(at.begin(), at.end(), k) != at.end())
            return invalid({"two hinges stand at x = %1", {number(x[k])}});
        if (loads.couple[k] != 0)
            return invalid({"a couple acts at the hinge at x = %1: place it on one side of the hinge", {number(x[k])}});
        for (std::size_t s = 0; s < beam.supports.size(); ++s)
            if (supportAt[s] == k && holdsSlope(beam.supports[s]))
                return invalid(
                    {"a support that holds the slope stands at the hinge at x = %1: place the hinge beside it "
                     "or let the support turn",
                     {number(x[k])}});
        at.push_back(k);
    }
    std::sort(at.begin(), at.end());
    return at;
}

}  // namespace

Outcome<BeamSolution> solveBeam(const Beam &beam)
{
    if (auto error = checkInput(beam))
        return *error;
    const double l = beam.length;
    const double rigidity = beam.flexuralRigidity.value_or(1.0);
    const auto clamp = [l](double x) { return std::clamp(x, 0.0, l); };

    std::vector<double> positions;
    for (const Support &s : beam.supports)
        positions.push_back(clamp(s.x));
    for (const PointForce &f : beam.forces)
        positions.push_back(clamp(f.x));
    for (const PointCouple &c : beam.couples)
        positions.push_back(clamp(c.x));
    for (const DistributedLoad &d : beam.distributed) {
        positions.push_back(clamp(d.from));
        positions.push_back(clamp(d.to));
    }
    for (double h : beam.hinges)
        positions.push_back(clamp(h));
    for (const Segment &g : beam.segments) {
        positions.push_back(clamp(g.from));
        positions.push_back(clamp(g.to));
    }
    const Layout layout(l, positions);
    const std::vector<double> &x = layout.x();

    std::vector<std::size_t> at;  // breakpoint of each support
    for (const Support &s : beam.supports) {
        const std::size_t k = layout.indexOf(clamp(s.x));
        if (std::find(at.begin(), at.end(), k) != at.end())
            return invalid({"two supports stand at x = %1", {number(x[k])}});
        at.push_back(k);
    }

    Actions loads(layout);
    for (const PointForce &f : beam.forces)
        loads.force[layout.indexOf(clamp(f.x))] += f.force;
    for (const PointCouple &c : beam.couples)
        loads.couple[layout.indexOf(clamp(c.x))] += c.couple;
    for (const DistributedLoad &d : beam.distributed) {
        const std::size_t a = layout.indexOf(clamp(d.from));
        const std::size_t b = layout.indexOf(clamp(d.to));
        if (a == b)
            continue;  // a load over no length carries nothing
        const double gradient = (d.wTo - d.wFrom) / (x[b] - x[a]);
        for (std::size_t k = a; k < b; ++k) {
            loads.intensity[k] += d.wFrom + gradient * (x[k] - x[a]);
            loads.gradient[k] += gradient;
        }
    }
    const Outcome<std::vector<std::size_t>> hinges = placeHinges(beam, layout, at, loads);
    if (!hinges)
        return hinges.error();
    const std::vector<std::size_t> &hingeAt = *hinges;
    if (auto error = checkHeld(beam, layout, at, hingeAt))
        return *error;
    const std::vector<double> pieceRigidity = rigidityOfPieces(beam, layout);

    // Unknowns: the force of every support, the moment of every support that holds the slope,
    // the slope jump at every hinge, and the slope and deflection at x = 0 (the two constants of
    // integration). Equations: V and M vanish beyond the right end (equilibrium); at every
    // support δ equals its settlement (a spring: its force is k·(δ − settlement)); at every
    // support that holds the slope θ = 0 (a rotational spring: its moment is −kθ·θ); M = 0 at
    // every hinge. Every unknown enters linearly, so the column of an unknown is the residual of
    // a march with that unknown at 1 and nothing else on the member, and the right-hand side is
    // the residual of the loads and settlements alone.
    std::vector<std::size_t> turning;  // supports that hold the slope
    for (std::size_t s = 0; s < beam.supports.size(); ++s)
        if (holdsSlope(beam.supports[s]))
            turning.push_back(s);
    const std::size_t nForces = beam.supports.size();
    const std::size_t nJumps = hingeAt.size();
    const std::size_t firstJump = nForces + turning.size();
    const std::size_t n = firstJump + nJumps + 2;

    // The breakpoints where unknowns act and conditions are read, on a layout of the member.
    struct Places {
        std::vector<std::size_t> supports, hinges;
    };
    // Adds the unknowns u to what acts on the member.
    const auto act = [&](const std::vector<double> &u, const Places &p, Actions &a) {
        for (std::size_t s = 0; s < nForces; ++s)
            a.force[p.supports[s]] -= u[s];
        for (std::size_t f = 0; f < turning.size(); ++f)
            a.couple[p.supports[turning[f]]] += u[nForces + f];
        for (std::size_t h = 0; h < nJumps; ++h)
            a.slopeJump[p.hinges[h]] += u[firstJump + h];
    };
    // The residual of every equation, into r (whose memory one column leaves to the next).
    const auto residual = [&](const EndValues &m, const std::vector<double> &u, double settled, const Places &p,
                              std::vector<double> &r) {
        r.assign({m.shearBeyond, m.momentBeyond});
        for (std::size_t s = 0; s < nForces; ++s) {
            const Support &support = beam.supports[s];
            const double moved = m.deflectionAt[p.supports[s]] - settled * support.settlement;
            r.push_back(isSpring(support) ? support.stiffness * moved - u[s] : moved);
        }
        for (std::size_t f = 0; f < turning.size(); ++f) {
            const Support &support = beam.supports[turning[f]];
            const double slope = m.slopeAt[p.supports[turning[f]]];
            r.push_back(isSpring(support) ? support.rotationalStiffness * slope + u[nForces + f] : slope);
        }
        for (std::size_t k : p.hinges)
            r.push_back(m.momentAt[k]);
    };

    // The columns carry no load, so they need the member only where the unknowns act, the
    // conditions are read and EI changes: a march over those breakpoints alone, which costs the
    // same whatever the number of loads.
    std::vector<std::size_t> kept{0, x.size() - 1};
    kept.insert(kept.end(), at.begin(), at.end());
    kept.insert(kept.end(), hingeAt.begin(), hingeAt.end());
    for (const Segment &g : beam.segments) {
        kept.push_back(layout.indexOf(clamp(g.from)));
        kept.push_back(layout.indexOf(clamp(g.to)));
    }
    std::sort(kept.begin(), kept.end());
    kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
    std::vector<double> keptX;
    for (std::size_t k : kept)
        keptX.push_back(x[k]);
    const Layout frame(l, keptX);
    const auto onFrame = [&kept](std::size_t k) {
        return static_cast<std::size_t>(std::lower_bound(kept.begin(), kept.end(), k) - kept.begin());
    };
    const Places onMember{at, hingeAt};
    Places framePlaces;
    for (std::size_t k : at)
        framePlaces.supports.push_back(onFrame(k));
    for (std::size_t k : hingeAt)
        framePlaces.hinges.push_back(onFrame(k));
    const std::vector<double> frameRigidity = rigidityOfPieces(beam, frame);

    // One unknown at 1 on a member that carries nothing else: its actions are set before the
    // column's march and set back to nothing after it, the march's values and the residual kept
    // in memory that serves every column.
    Actions unitActions(frame);
    EndValues ends;
    std::vector<double> column;
    column.reserve(n);
    SquareMatrix a(n);
    std::vector<double> unit(n, 0.0);
    for (std::size_t j = 0; j < n; ++j) {
        unit[j] = 1;
        act(unit, framePlaces, unitActions);
        marchValues(frame, unitActions, unit[n - 2], unit[n - 1], frameRigidity, ends);
        residual(ends, unit, 0, framePlaces, column);
        for (std::size_t i = 0; i < n; ++i)
            a(i, j) = column[i];
        for (std::size_t s : framePlaces.supports)
            unitActions.force[s] = unitActions.couple[s] = 0;
        for (std::size_t h : framePlaces.hinges)
            unitActions.slopeJump[h] = 0;
        unit[j] = 0;
    }
    std::vector<double> rhs;
    rhs.reserve(n);
    marchValues(layout, loads, 0, 0, pieceRigidity, ends);
    residual(ends, unit, 1, onMember, rhs);
    for (double &v : rhs)
        v = -v;
    if (!isFiniteSystem(a, rhs))
        return invalid(TooLargeToSolve);

    // The equations in numbers of one size whatever the units and the size of the member: a
    // support force as it is, a support moment per length L, a slope per L²/EI and a deflection
    // per L³/EI (what a unit force turns and moves over the length L), and each equation likewise
    // (a spring's in force, a rotational spring's and a hinge's in moment). The same member in
    // mm and N, in m and kN, or drawn ten times larger then gives the same numbers to solve.
    const double turn = l * (l / rigidity);
    const double shift = turn * l;
    std::vector<double> unknownUnit(n, 1.0);
    std::vector<double> equationUnit(n, 1.0);
    for (std::size_t f = 0; f < turning.size(); ++f)
        unknownUnit[nForces + f] = l;
    for (std::size_t h = 0; h < nJumps; ++h)
        unknownUnit[firstJump + h] = turn;
    unknownUnit[n - 2] = turn;
    unknownUnit[n - 1] = shift;
    equationUnit[1] = l;
    for (std::size_t s = 0; s < nForces; ++s)
        equationUnit[2 + s] = isSpring(beam.supports[s]) ? 1.0 : shift;
    for (std::size_t f = 0; f < turning.size(); ++f)
        equationUnit[2 + nForces + f] = isSpring(beam.supports[turning[f]]) ? l : turn;
    for (std::size_t h = 0; h < nJumps; ++h)
        equationUnit[2 + firstJump + h] = l;
    const bool scalable = std::isnormal(turn) && std::isnormal(shift);
    SquareMatrix scaled = a;
    std::vector<double> scaledRhs = rhs;
    for (std::size_t i = 0; i < n && scalable; ++i) {
        for (std::size_t j = 0; j < n; ++j)
            scaled(i, j) = (a(i, j) / equationUnit[i]) * unknownUnit[j];
        scaledRhs[i] = rhs[i] / equationUnit[i];
    }
    const bool useScaled = scalable && isFiniteSystem(scaled, scaledRhs);
    if (!useScaled)
        std::fill(unknownUnit.begin(), unknownUnit.end(), 1.0);
    SystemFailure failure = SystemFailure::None;
    std::optional<std::vector<double>> u = useScaled
                                               ? solveLinearSystem(std::move(scaled), std::move(scaledRhs), &failure)
                                               : solveLinearSystem(std::move(a), std::move(rhs), &failure);
    if (u)
        for (std::size_t j = 0; j < n; ++j)
            (*u)[j] *= unknownUnit[j];
    if (failure == SystemFailure::Singular)
        return Error{ErrorKind::Mechanism, "the supports stand too close together to hold the member in place"};
    if (!u || !isFiniteSystem({}, *u))
        return invalid(TooLargeToSolve);

    // The size of the member's forces: its loads and reactions, a distributed load over L and a
    // couple per L. Each diagram is of that size times its own power of L (and 1/EI).
    double force = 0;
    for (const PointForce &f : beam.forces)
        force = std::max(force, std::fabs(f.force));
    for (const PointCouple &c : beam.couples)
        force = std::max(force, std::fabs(c.couple) / l);
    for (const DistributedLoad &d : beam.distributed)
        force = std::max({force, std::fabs(d.wFrom) * l, std::fabs(d.wTo) * l});
    for (std::size_t j = 0; j < firstJump; ++j)
        force = std::max(force, std::fabs((*u)[j]) / (j < nForces ? 1.0 : l));
    double deflectionSize = force * shift;
    for (const Support &s : beam.supports)
        deflectionSize = std::max(deflectionSize, std::fabs(s.settlement));
    const DiagramFloors floors{roundingFloors(force, l), roundingFloors(force * l, l),
                               roundingFloors(std::max(force * turn, deflectionSize / l), l),
                               roundingFloors(deflectionSize, l)};

    // The loads carry nothing more: the reactions, support moments and hinge rotations join
    // them where they act.
    act(*u, onMember, loads);
    Marched m = march(layout, loads, (*u)[n - 2], (*u)[n - 1], pieceRigidity, floors);

    BeamSolution solution;
    solution.length = l;
    const auto rounded = [](double v, double size) { return std::fabs(v) < 1e-13 * size ? 0.0 : v; };
    for (std::size_t s = 0; s < nForces; ++s)
        solution.reactions.push_back({beam.supports[s], rounded((*u)[s], force), 0.0});
    for (std::size_t f = 0; f < turning.size(); ++f)
        solution.reactions[turning[f]].moment = rounded((*u)[nForces + f], force * l);
    solution.shear = Piecewise(x, std::move(m.shear));
    solution.moment = Piecewise(x, std::move(m.moment));
    if (beam.flexuralRigidity) {
        solution.slope = Piecewise(x, std::move(m.slope));
        solution.deflection = Piecewise(x, std::move(m.deflection));
    }
    return solution;
}

}  // namespace mechanics
