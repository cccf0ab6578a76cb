#include "mechanics/sectionlines.h"

#include "mechanics/influencepieces.h"

#include <utility>

namespace mechanics {

SectionLines::SectionLines(const Beam &beam) : m_unit(unloadedMember(beam)) {}

std::optional<Error> SectionLines::prepare()
{
    m_places = influencePlaces(m_unit);
    const std::vector<double> &p = m_places;
    for (std::size_t k = 0; k + 1 < p.size(); ++k) {
        const double width = p[k + 1] - p[k];
        std::array<Piecewise, 4> m, v;
        double ml[4], vl[4], mr[4], vr[4];
        for (std::size_t j = 0; j < 4; ++j) {
            m_unit.forces = {PointForce{p[k] + InfluenceSamples[j] * width, 1.0}};
            const Outcome<BeamSolution> solved = solveBeam(m_unit);
            if (!solved)
                return solved.error();
            m[j] = solved->moment;
            v[j] = solved->shear;
            ml[j] = m[j].rightOf(p[k]);
            vl[j] = v[j].rightOf(p[k]);
            mr[j] = m[j].leftOf(p[k + 1]);
            vr[j] = v[j].leftOf(p[k + 1]);
        }
        m_moment.push_back(std::move(m));
        m_shear.push_back(std::move(v));
        m_within.push_back(
            {cubicThrough(ml, width), cubicThrough(vl, width), cubicThrough(mr, width), cubicThrough(vr, width)});
    }
    return std::nullopt;
}

SectionLineSet SectionLines::at(double x) const
{
    const std::vector<double> &p = m_places;
    std::vector<double> breaks;
    std::vector<Polynomial> m, v;
    for (std::size_t k = 0; k + 1 < p.size(); ++k) {
        breaks.push_back(p[k]);
        if (p[k] < x && x < p[k + 1]) {
            const WithinPiece &w = m_within[k];
            breaks.push_back(x);
            m.push_back(w.momentAtRight - w.shearAtRight * (p[k + 1] - x));
            v.push_back(w.shearAtRight);
            m.push_back((w.momentAtLeft + w.shearAtLeft * (x - p[k])).shifted(x - p[k]));
            v.push_back(w.shearAtLeft.shifted(x - p[k]));
        } else {
            double ym[4], yv[4];
            for (std::size_t j = 0; j < 4; ++j) {
                ym[j] = m_moment[k][j](x);
                yv[j] = m_shear[k][j](x);
            }
            m.push_back(cubicThrough(ym, p[k + 1] - p[k]));
            v.push_back(cubicThrough(yv, p[k + 1] - p[k]));
        }
    }
    breaks.push_back(p.back());
    return {Piecewise(breaks, std::move(m)), Piecewise(std::move(breaks), std::move(v))};
}

Piecewise SectionLines::shearLeftOf(double x) const
{
    std::vector<Polynomial> v;
    for (std::size_t k = 0; k + 1 < m_places.size(); ++k) {
        double y[4];
        for (std::size_t j = 0; j < 4; ++j)
            y[j] = m_shear[k][j].leftOf(x);
        v.push_back(cubicThrough(y, m_places[k + 1] - m_places[k]));
    }
    return Piecewise(m_places, std::move(v));
}

AcrossPieces SectionLines::across(std::size_t p, std::size_t q) const
{
    // With the load in q, M is linear over p: its value at p's start and its slope, V, inside p.
    const double start = m_places[p];
    const double middle = start + (m_places[p + 1] - start) / 2;
    double m[4], slope[4], v[4];
    for (std::size_t j = 0; j < 4; ++j) {
        m[j] = m_moment[q][j].rightOf(start);
        slope[j] = m_shear[q][j](middle);
        v[j] = slope[j];
    }
    const double width = m_places[q + 1] - m_places[q];
    return {cubicThrough(m, width), cubicThrough(slope, width), cubicThrough(v, width)};
}

}  // namespace mechanics
