#pragma once

// Test inputs a case accepts: each input drawn around its start value, loads now and then with
// the other sign, and drawn again until the case's domain accepts them all. The same seed gives
// the same inputs on every machine.
//
//     for (const auto &inputs : shell::testing::acceptedInputs(definition, 20, 7))
//         ... evaluate(definition, inputs) is never rejected ...

#include "shell/core/catalogue.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace shell::testing {

// A small generator of its own, so that the draws do not depend on the standard library's
// distributions (which differ between implementations).
class Draws
{
public:
    explicit Draws(std::uint64_t seed) : m_state(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
    // Uniform in [0, 1).
    double next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_state >> 11) * (1.0 / 9007199254740992.0);
    }
    double between(double low, double high) { return low + ((high - low) * next()); }

private:
    std::uint64_t m_state;
};

inline bool isLoad(Dimension d)
{
    return d == Dimension::Force || d == Dimension::LineLoad || d == Dimension::Moment;
}

// `count` sets of inputs the case accepts (fewer only where the domain refuses nearly every
// draw, which a test should notice). Draws alternate between a factor for each input and one
// factor for each dimension: the second keeps relations such as a + b = l that independent
// draws would almost never meet.
inline std::vector<std::vector<double>> acceptedInputs(const CaseDef &definition, int count, std::uint64_t seed)
{
    Draws draws(seed);
    std::vector<std::vector<double>> accepted;
    for (int attempt = 0; attempt < 200 * count && static_cast<int>(accepted.size()) < count; ++attempt) {
        const bool byDimension = attempt % 2 == 1;
        double factors[16];
        for (double &f : factors)
            f = std::exp(draws.between(-1.1, 1.1));
        std::vector<double> inputs;
        for (const InputDef &input : definition.inputs) {
            // Between a third and three times the start value; a zero start is drawn on a scale of 1.
            const double scale = input.start != 0 ? input.start : 1.0;
            const double factor =
                byDimension ? factors[static_cast<int>(input.dimension) % 16] : std::exp(draws.between(-1.1, 1.1));
            double v = scale * factor;
            if (isLoad(input.dimension) && draws.next() < 0.25)
                v = -v;
            inputs.push_back(v);
        }
        if (!evaluate(definition, inputs).rejected)
            accepted.push_back(inputs);
    }
    return accepted;
}

}  // namespace shell::testing
