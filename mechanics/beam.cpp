#include "mechanics/beam.h"

#include "mechanics/linearsystem.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

namespace mechanics {

namespace {

constexpr double rangeTolerance = 1e-12;  // relative to L: beyond an end by less is rounding
constexpr double mergeTolerance = 1e-14;  // relative to L: positions closer are one position
constexpr const char *MechanismMessage = "the supports do not hold the member in place: it is a mechanism";

Error invalid(std::string message)
{
    return {ErrorKind::InvalidInput, std::move(message)};
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
        : force(layout.x().size(), 0.0), couple(layout.x().size(), 0.0), intensity(layout.pieces())
    {
    }
    std::vector<double> force;          // downward point force at each breakpoint
    std::vector<double> couple;         // clockwise couple at each breakpoint
    std::vector<Polynomial> intensity;  // downward load per length on each piece, in t
};

struct Marched {
    std::vector<Polynomial> shear, moment, slope, deflection;  // one polynomial per piece
    std::vector<double> slopeAt, deflectionAt;                 // at every breakpoint
    double shearBeyond = 0;   // V just right of x = L: zero where the member is in equilibrium
    double momentBeyond = 0;  // M just right of x = L: likewise
};

// Sets to zero the coefficients of t^k below 1e-13 of size / L^k: a part of a diagram that small
// beside the member's own forces is the rounding of the sums, not a value (a load standing on a
// support leaves the span beside it at V = 0, not at 1e-14).
void dropRounding(std::vector<Polynomial> &pieces, double size, double l)
{
    if (!std::isnormal(size))
        return;
    for (Polynomial &p : pieces) {
        std::vector<double> c = p.coefficients();
        double floor = 1e-13 * size;
        for (double &v : c) {
            if (std::fabs(v) < floor)
                v = 0;
            floor /= l;
        }
        p = Polynomial(std::move(c));
    }
}

// Integrates from the left end, piece by piece, in closed form:
//   V = V(x_k+) − ∫w,  M = M(x_k+) + ∫V,  θ = θ(x_k) − ∫M/EI,  δ = δ(x_k) + ∫θ,
// with V and M taking the jumps of the point forces and couples at each breakpoint, and θ, δ
// starting from the given values at x = 0.
Marched march(const Layout &layout, const Actions &actions, double slope0, double deflection0, double rigidity)
{
    Marched m;
    double shear = 0;
    double moment = 0;
    double slope = slope0;
    double deflection = deflection0;
    for (std::size_t k = 0; k < layout.pieces(); ++k) {
        shear -= actions.force[k];
        moment += actions.couple[k];
        m.slopeAt.push_back(slope);
        m.deflectionAt.push_back(deflection);
        const Polynomial v = Polynomial({shear}) - actions.intensity[k].integral();
        const Polynomial mo = v.integral(moment);
        const Polynomial th = (mo * (-1.0 / rigidity)).integral(slope);
        const Polynomial de = th.integral(deflection);
        const double h = layout.width(k);
        shear = v(h);
        moment = mo(h);
        slope = th(h);
        deflection = de(h);
        m.shear.push_back(v);
        m.moment.push_back(mo);
        m.slope.push_back(th);
        m.deflection.push_back(de);
    }
    m.slopeAt.push_back(slope);
    m.deflectionAt.push_back(deflection);
    m.shearBeyond = shear - actions.force.back();
    m.momentBeyond = moment + actions.couple.back();
    return m;
}

std::optional<Error> checkInput(const Beam &beam)
{
    const double l = beam.length;
    if (!std::isfinite(l) || l <= 0)
        return invalid(notPositive("the member length", l));
    if (beam.flexuralRigidity && (!std::isfinite(*beam.flexuralRigidity) || *beam.flexuralRigidity <= 0))
        return invalid(notPositive("the flexural rigidity EI", *beam.flexuralRigidity));
    const auto position = [l](const std::string &what, double x) -> std::optional<Error> {
        if (!std::isfinite(x) || x < -rangeTolerance * l || x > l + rangeTolerance * l)
            return invalid(outsideMember(what, "x", x, "the member", l));
        return std::nullopt;
    };
    const auto finite = [](const std::string &what, double value) -> std::optional<Error> {
        if (!std::isfinite(value))
            return invalid(what + " has a value that is not a finite number");
        return std::nullopt;
    };
    for (const Support &s : beam.supports)
        if (auto e = position("a support", s.x))
            return e;
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
            return invalid("a distributed load must run from its start to its end (from " + numberText(d.from) +
                           " > to " + numberText(d.to) + ")");
    }
    return std::nullopt;
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
    const Layout layout(l, positions);
    const std::vector<double> &x = layout.x();

    std::vector<std::size_t> at;  // breakpoint of each support
    for (const Support &s : beam.supports) {
        const std::size_t k = layout.indexOf(clamp(s.x));
        if (std::find(at.begin(), at.end(), k) != at.end())
            return invalid("two supports stand at x = " + numberText(x[k]));
        at.push_back(k);
    }
    if (beam.supports.empty())
        return Error{ErrorKind::Mechanism, "the member has no support: it is a mechanism"};
    // The member is held in place where its supports stop both rigid motions, a shift and a turn:
    // a fixed support does so alone, any two supports (at two positions, as they now are) do so
    // together. That is a matter of the supports alone, so no length, stiffness or unit can make
    // a member that is held look like a mechanism.
    const bool anyFixed = std::any_of(beam.supports.begin(), beam.supports.end(),
                                      [](const Support &s) { return s.kind == SupportKind::Fixed; });
    if (!anyFixed && beam.supports.size() < 2)
        return Error{ErrorKind::Mechanism, MechanismMessage};

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
        for (std::size_t k = a; k < b; ++k)
            loads.intensity[k] = loads.intensity[k] + Polynomial({d.wFrom + gradient * (x[k] - x[a]), gradient});
    }

    // Unknowns: the force of every support, the moment of every fixed support, and the slope and
    // deflection at x = 0 (the two constants of integration). Equations: V and M vanish beyond
    // the right end (equilibrium), δ = 0 at every support, θ = 0 at every fixed support. Every
    // unknown enters linearly, so the column of an unknown is the residual of a march with that
    // unknown at 1 and nothing else on the member, and the right-hand side is the residual of
    // the loads alone.
    std::vector<std::size_t> fixed;
    for (std::size_t s = 0; s < beam.supports.size(); ++s)
        if (beam.supports[s].kind == SupportKind::Fixed)
            fixed.push_back(s);
    const std::size_t nForces = beam.supports.size();
    const std::size_t n = nForces + fixed.size() + 2;

    const auto actionsFor = [&](const std::vector<double> &u, const Actions &base) {
        Actions a = base;
        for (std::size_t s = 0; s < nForces; ++s)
            a.force[at[s]] -= u[s];
        for (std::size_t f = 0; f < fixed.size(); ++f)
            a.couple[at[fixed[f]]] += u[nForces + f];
        return a;
    };
    const auto residual = [&](const Marched &m) {
        std::vector<double> r{m.shearBeyond, m.momentBeyond};
        for (std::size_t k : at)
            r.push_back(m.deflectionAt[k]);
        for (std::size_t s : fixed)
            r.push_back(m.slopeAt[at[s]]);
        return r;
    };

    const Actions nothing(layout);
    Matrix a(n, std::vector<double>(n, 0.0));
    for (std::size_t j = 0; j < n; ++j) {
        std::vector<double> unit(n, 0.0);
        unit[j] = 1;
        const std::vector<double> column =
            residual(march(layout, actionsFor(unit, nothing), unit[n - 2], unit[n - 1], rigidity));
        for (std::size_t i = 0; i < n; ++i)
            a[i][j] = column[i];
    }
    std::vector<double> rhs = residual(march(layout, loads, 0, 0, rigidity));
    for (double &v : rhs)
        v = -v;
    if (!isFiniteSystem(a, rhs))
        return invalid(TooLargeToSolve);

    // The equations in numbers of one size whatever the units and the size of the member: a
    // support force as it is, a support moment per length L, the slope per L²/EI and the
    // deflection per L³/EI (what a unit force turns and moves over the length L), and each
    // equation likewise. The same member in mm and N, in m and kN, or drawn ten times larger
    // then gives the same numbers to solve.
    const double turn = l * (l / rigidity);
    const double shift = turn * l;
    std::vector<double> unknownUnit(n, 1.0);
    std::vector<double> equationUnit(n, 1.0);
    for (std::size_t f = 0; f < fixed.size(); ++f)
        unknownUnit[nForces + f] = l;
    unknownUnit[n - 2] = turn;
    unknownUnit[n - 1] = shift;
    equationUnit[1] = l;
    for (std::size_t s = 0; s < nForces; ++s)
        equationUnit[2 + s] = shift;
    for (std::size_t f = 0; f < fixed.size(); ++f)
        equationUnit[2 + nForces + f] = turn;
    const bool scalable = std::isnormal(turn) && std::isnormal(shift);
    Matrix scaled = a;
    std::vector<double> scaledRhs = rhs;
    for (std::size_t i = 0; i < n && scalable; ++i) {
        for (std::size_t j = 0; j < n; ++j)
            scaled[i][j] = (a[i][j] / equationUnit[i]) * unknownUnit[j];
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

    Marched m = march(layout, actionsFor(*u, loads), (*u)[n - 2], (*u)[n - 1], rigidity);

    // The size of the member's forces: its loads and reactions, a distributed load over L and a
    // couple per L. Each diagram is of that size times its own power of L (and 1/EI).
    double force = 0;
    for (const PointForce &f : beam.forces)
        force = std::max(force, std::fabs(f.force));
    for (const PointCouple &c : beam.couples)
        force = std::max(force, std::fabs(c.couple) / l);
    for (const DistributedLoad &d : beam.distributed)
        force = std::max({force, std::fabs(d.wFrom) * l, std::fabs(d.wTo) * l});
    for (std::size_t j = 0; j < n - 2; ++j)
        force = std::max(force, std::fabs((*u)[j]) / (j < nForces ? 1.0 : l));
    dropRounding(m.shear, force, l);
    dropRounding(m.moment, force * l, l);
    dropRounding(m.slope, force * turn, l);
    dropRounding(m.deflection, force * shift, l);

    BeamSolution solution;
    solution.length = l;
    const auto rounded = [](double v, double size) { return std::fabs(v) < 1e-13 * size ? 0.0 : v; };
    for (std::size_t s = 0; s < nForces; ++s)
        solution.reactions.push_back({beam.supports[s], rounded((*u)[s], force), 0.0});
    for (std::size_t f = 0; f < fixed.size(); ++f)
        solution.reactions[fixed[f]].moment = rounded((*u)[nForces + f], force * l);
    solution.shear = Piecewise(x, m.shear);
    solution.moment = Piecewise(x, m.moment);
    if (beam.flexuralRigidity) {
        solution.slope = Piecewise(x, m.slope);
        solution.deflection = Piecewise(x, m.deflection);
    }
    return solution;
}

}  // namespace mechanics
