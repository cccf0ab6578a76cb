#pragma once

// The influence lines of M and V at any section of a member, for the envelopes that need them at
// many sections: the unit load is solved once at the sample places of every piece between the
// member's places (as influenceLine does), and every section's lines follow from those
// solutions, with no solution of its own.

#include "mechanics/beam.h"
#include "mechanics/outcome.h"
#include "mechanics/piecewise.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace mechanics {

struct SectionLineSet {
    Piecewise moment;
    Piecewise shear;  // V on the right of the section
};

// For a section in piece p and the load in another piece q, as cubics of the load's position from
// the start of q: M = moment + momentSlope·(x − start of p), V = shear.
struct AcrossPieces {
    Polynomial moment, momentSlope, shear;
};

// M and V at the section as the load moves inside the section's own piece, as cubics of the load's
// position from the piece's start: with the load left of x, M(x) = momentAtRight + shearAtRight·(x −
// end of the piece) and V(x) = shearAtRight; right of x, M(x) = momentAtLeft + shearAtLeft·(x − start
// of the piece) and V(x) = shearAtLeft (nothing but the load acts inside the piece, so V is
// constant and M linear between the load and either end).
struct WithinPiece {
    Polynomial momentAtLeft, shearAtLeft, momentAtRight, shearAtRight;
};

class SectionLines
{
public:
    explicit SectionLines(const Beam &beam);

    // Solves the unit load at the sample places; the errors of solveBeam.
    std::optional<Error> prepare();

    // The member's places (influencePlaces), between which the pieces lie.
    const std::vector<double> &places() const { return m_places; }
    // The lines at the section x, equal to influenceLine's to rounding.
    SectionLineSet at(double x) const;

    // The line of V just left of the place x (where a support's reaction makes V jump).
    Piecewise shearLeftOf(double x) const;

    const WithinPiece &within(std::size_t piece) const { return m_within[piece]; }
    // Section in piece p, load in piece q ≠ p.
    AcrossPieces across(std::size_t p, std::size_t q) const;

private:
    Beam m_unit;
    std::vector<double> m_places;
    std::vector<std::array<Piecewise, 4>> m_moment, m_shear;  // per piece, per sample place
    std::vector<WithinPiece> m_within;
};

}  // namespace mechanics
