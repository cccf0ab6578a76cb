#include "shell/core/memberresults.h"

#include "mechanics/extremes.h"
#include "mechanics/influence.h"
#include "mechanics/outcome.h"
#include "shell/core/language.h"
#include "shell/core/memberdescription.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace shell {

namespace {

// f on [a, b] alone, a ≤ b inside f's own range.
mechanics::Piecewise restricted(const mechanics::Piecewise &f, double a, double b)
{
    std::vector<double> breaks{a};
    for (const double x : f.breakpoints())
        if (x > a && x < b)
            breaks.push_back(x);
    breaks.push_back(b);
    std::vector<mechanics::Polynomial> pieces;
    const std::vector<double> &own = f.breakpoints();
    for (std::size_t k = 0; k + 1 < breaks.size(); ++k) {
        // The piece of f that holds the stretch [breaks[k], breaks[k + 1]].
        const auto after = std::upper_bound(own.begin(), own.end(), breaks[k]);
        std::size_t piece = static_cast<std::size_t>(std::max<std::ptrdiff_t>(after - own.begin() - 1, 0));
        piece = std::min(piece, f.pieces().size() - 1);
        pieces.push_back(f.pieces()[piece].shifted(breaks[k] - own[piece]));
    }
    return mechanics::Piecewise(breaks, pieces);
}

std::vector<mechanics::Combination> combinationsFor(const MemberDescription &m, CombinationUse use)
{
    std::vector<mechanics::Combination> chosen;
    for (const MemberCombination &c : m.combinations)
        if (use == CombinationUse::Both || c.use == CombinationUse::Both || c.use == use)
            chosen.push_back(m.combination(c));
    return chosen;
}

// The combinations that serve a check, by their index among all.
std::vector<int> indicesFor(const MemberDescription &m, CombinationUse use)
{
    std::vector<int> chosen;
    for (std::size_t k = 0; k < m.combinations.size(); ++k)
        if (m.combinations[k].use == CombinationUse::Both || m.combinations[k].use == use)
            chosen.push_back(static_cast<int>(k));
    return chosen;
}

// "ULS (1.35 G + 1.5 Q)", with the spans a pattern loads: ", variable loads on spans 1 and 3".
std::string governingText(const MemberDescription &m, const std::vector<int> &indices, const mechanics::Governing &g)
{
    if (g.combination < 0 || g.combination >= static_cast<int>(indices.size()))
        return {};
    const MemberCombination &c =
        m.combinations[static_cast<std::size_t>(indices[static_cast<std::size_t>(g.combination)])];
    std::string t = c.name + " (" + factorsText(c.factors) + ")";
    if (c.pattern && !g.loadedSpans.empty()) {
        std::vector<std::string> spans;
        for (std::size_t k = 0; k < g.loadedSpans.size(); ++k)
            if (g.loadedSpans[k])
                spans.push_back(std::to_string(k + 1));
        if (spans.empty()) {
            t += translated("Meaning", ", no variable load");
        } else if (spans.size() == g.loadedSpans.size()) {
            t += translated("Meaning", ", variable loads on every span");
        } else {
            std::string list;
            for (std::size_t k = 0; k < spans.size(); ++k)
                list += (k == 0 ? "" : k + 1 == spans.size() ? translated("Meaning", " and ") : ", ") + spans[k];
            t += translatedPattern(
                "Meaning", spans.size() == 1 ? ", variable loads on span %1" : ", variable loads on spans %1", {list});
        }
    }
    return t;
}

std::string placementText(const mechanics::TrainPlacement &p)
{
    return translatedPattern(
        "Meaning", p.leftward ? "first axle at x = %1, running leftward" : "first axle at x = %1, running rightward",
        {diagramNumber(p.lead)});
}

std::string verdict(double utilisation)
{
    return utilisation <= 1 ? "OK" : "NG";
}

}  // namespace

std::string MemberRow::unit(Units units) const
{
    return slope ? "rad" : unitCaption(units, dimension);
}

std::vector<MemberRow> memberRows(const mechanics::BeamSolution &s)
{
    std::vector<MemberRow> rows;
    for (std::size_t k = 0; k < s.reactions.size(); ++k) {
        const mechanics::Reaction &r = s.reactions[k];
        const std::string n = std::to_string(k + 1);
        rows.push_back({"R" + n, "反力 (R" + n + ")",
                        translatedPattern("Meaning", "upward reaction of support %1 (%2 at x = %3)",
                                          {n, translated("Kind", supportKindName(r.support.kind)),
                                           mechanics::numberText(r.support.x)}),
                        r.force, Dimension::Force, false, std::nullopt});
        const bool turning = r.support.kind == mechanics::SupportKind::Fixed || r.support.rotationalStiffness > 0;
        if (turning)
            rows.push_back(
                {"MR" + n, "反力モーメント (MR" + n + ")",
                 translatedPattern("Meaning", "reaction moment of support %1, clockwise positive on the member", {n}),
                 r.moment, Dimension::Moment, false, std::nullopt});
    }
    const auto extremeRows = [&rows](const mechanics::Piecewise &f, const std::string &symbol, const char *large,
                                     const char *small, const std::string &what, Dimension dimension) {
        const mechanics::Extremes e = mechanics::extremes(f);
        rows.push_back({symbol + "max", std::string(large) + " (" + symbol + "max)",
                        translated("Meaning", "largest " + what), e.largest.value, dimension, false,
                        e.largest.at.front().x});
        rows.push_back({symbol + "min", std::string(small) + " (" + symbol + "min)",
                        translated("Meaning", "smallest " + what), e.smallest.value, dimension, false,
                        e.smallest.at.front().x});
    };
    extremeRows(s.shear, "V", "最大せん断力", "最小せん断力", "shear force", Dimension::Force);
    extremeRows(s.moment, "M", "最大曲げモーメント", "最小曲げモーメント", "bending moment, sagging positive",
                Dimension::Moment);
    if (s.deflection && s.slope) {
        extremeRows(*s.deflection, "δ", "最大変位", "最小変位", "deflection, downward positive", Dimension::Length);
        rows.push_back({"θA", "たわみ角 (θA)", translated("Meaning", "slope at the left end, clockwise positive"),
                        (*s.slope)(0), Dimension::Length, true, std::nullopt});
        rows.push_back({"θB", "たわみ角 (θB)", translated("Meaning", "slope at the right end, clockwise positive"),
                        (*s.slope)(s.length), Dimension::Length, true, std::nullopt});
    }
    return rows;
}

MemberStudy studyMember(const MemberDescription &m)
{
    MemberStudy study;
    const mechanics::Beam beam = m.beam();
    if (!m.combinations.empty()) {
        const std::vector<mechanics::LoadCase> cases = m.loadCases();
        const auto envelope = [&](CombinationUse use) -> std::shared_ptr<const mechanics::CombinationEnvelope> {
            const std::vector<mechanics::Combination> chosen = combinationsFor(m, use);
            if (chosen.empty())
                return nullptr;
            const auto e = mechanics::combinationEnvelope(beam, cases, chosen, StudyIntervals);
            if (!e) {
                study.problem = translatedMessage(e.error().reason);
                study.problemTable = CombinationTable;
                return nullptr;
            }
            return std::make_shared<const mechanics::CombinationEnvelope>(*e);
        };
        study.combinations = envelope(CombinationUse::Both);
        if (study.combinations) {
            study.strength = indicesFor(m, CombinationUse::Strength).size() == m.combinations.size()
                                 ? study.combinations
                                 : envelope(CombinationUse::Strength);
            study.deflection = indicesFor(m, CombinationUse::Deflection).size() == m.combinations.size()
                                   ? study.combinations
                                   : envelope(CombinationUse::Deflection);
        }
    }
    if (m.train && study.problem.empty()) {
        const auto e = mechanics::trainEnvelope(beam, *m.train, StudyIntervals);
        if (e) {
            study.train = *e;
            study.movingLoads = *m.train;
        } else {
            study.problem = translatedMessage(e.error().reason);
            study.problemTable = MovingLoadTable;
        }
    }
    return study;
}

std::vector<MemberRow> memberAndStudyRows(const MemberDescription &member, const mechanics::BeamSolution &solution,
                                          std::string &problem)
{
    std::vector<MemberRow> rows = memberRows(solution);
    const MemberStudy study = studyMember(member);
    problem = study.problem;
    if (problem.empty()) {
        const std::vector<MemberRow> more = studyRows(member, solution, study);
        rows.insert(rows.end(), more.begin(), more.end());
    }
    return rows;
}

std::size_t memberRowLimit(std::size_t supports)
{
    // A reaction and a reaction moment per support, V, M and δ twice and two slopes; three rows
    // of the section, six of the combinations, four of the moving loads and three of the checks.
    return 2 * supports + 8 + 3 + 6 + 4 + 3;
}

std::vector<MemberRow> studyRows(const MemberDescription &m, const mechanics::BeamSolution &solution,
                                 const MemberStudy &study)
{
    std::vector<MemberRow> rows;
    // A named section and material: the I, Z and E the member took from them, shown because
    // they stand in for the ones typed.
    const MemberSection &section = m.section;
    if (!section.shape.empty() && m.I && m.checks.Z) {
        std::string dimensions;
        for (std::size_t k = 0; k < section.dimensions.size() && k < 4; ++k)
            dimensions += std::string(k == 0 ? "" : ", ") + "abcd"[k] + " = " + diagramNumber(section.dimensions[k]);
        rows.push_back(
            {"I", "断面2次モーメント (I)",
             translatedPattern("Meaning", "second moment of the %1 %2, from its shape; the I typed is not used",
                               {section.shape, dimensions}),
             *m.I, Dimension::SecondMoment, false, std::nullopt});
        rows.push_back({"Z", "断面係数 (Z)",
                        translatedPattern("Meaning",
                                          "section modulus at the farther fibre of the %1 %2, from its shape, for the "
                                          "bending stress",
                                          {section.shape, dimensions}),
                        *m.checks.Z, Dimension::SectionModulus, false, std::nullopt});
    }
    if (!section.material.empty() && m.E)
        rows.push_back(
            {"E", "弾性係数 (E)",
             translatedPattern("Meaning", "elastic modulus of %1; the E typed is not used", {section.material}), *m.E,
             Dimension::Stress, false, std::nullopt});
    const std::vector<int> all = indicesFor(m, CombinationUse::Both);
    if (study.combinations) {
        const mechanics::CombinationEnvelope &e = *study.combinations;
        const auto pair = [&](const std::string &symbol, const char *large, const char *small, const std::string &what,
                              Dimension dimension, const mechanics::GoverningAt &largest,
                              const mechanics::GoverningAt &smallest) {
            rows.push_back({symbol + "cmax", std::string(large) + " (" + symbol + "cmax)",
                            translatedPattern("Meaning", "largest " + what + " over the combinations: %1",
                                              {governingText(m, all, largest.governing)}),
                            largest.governing.value, dimension, false, largest.x});
            rows.push_back({symbol + "cmin", std::string(small) + " (" + symbol + "cmin)",
                            translatedPattern("Meaning", "smallest " + what + " over the combinations: %1",
                                              {governingText(m, all, smallest.governing)}),
                            smallest.governing.value, dimension, false, smallest.x});
        };
        pair("V", "組合せ最大せん断力", "組合せ最小せん断力", "shear force", Dimension::Force, e.largestShear,
             e.smallestShear);
        pair("M", "組合せ最大曲げモーメント", "組合せ最小曲げモーメント", "bending moment", Dimension::Moment,
             e.largestMoment, e.smallestMoment);
        if (e.largestDeflection && e.smallestDeflection)
            pair("δ", "組合せ最大変位", "組合せ最小変位", "deflection", Dimension::Length, *e.largestDeflection,
                 *e.smallestDeflection);
    }
    if (study.train) {
        const mechanics::TrainEnvelope &t = *study.train;
        const auto row = [&](const std::string &symbol, const char *caption, const std::string &what,
                             Dimension dimension, const mechanics::TrainExtreme &e) {
            rows.push_back(
                {symbol, std::string(caption) + " (" + symbol + ")",
                 translatedPattern("Meaning", what + " under the moving loads, %1", {placementText(e.placement)}),
                 e.value, dimension, false, e.x});
        };
        row("Vtmax", "移動荷重最大せん断力", "largest shear force", Dimension::Force, t.largestShear);
        row("Vtmin", "移動荷重最小せん断力", "smallest shear force", Dimension::Force, t.smallestShear);
        row("Mtmax", "移動荷重最大曲げモーメント", "largest bending moment", Dimension::Moment, t.largestMoment);
        row("Mtmin", "移動荷重最小曲げモーメント", "smallest bending moment", Dimension::Moment, t.smallestMoment);
    }
    if (m.checks.stress()) {
        // The moment of the combinations for strength, or of the loads as typed where there are none.
        double moment = 0, x = 0;
        std::string source = translated("Meaning", "the loads as typed");
        if (study.strength) {
            const mechanics::GoverningAt &large = study.strength->largestMoment;
            const mechanics::GoverningAt &small = study.strength->smallestMoment;
            const bool sagging = std::abs(large.governing.value) >= std::abs(small.governing.value);
            const mechanics::GoverningAt &g = sagging ? large : small;
            moment = std::abs(g.governing.value);
            x = g.x;
            source = governingText(m, indicesFor(m, CombinationUse::Strength), g.governing);
        } else {
            const mechanics::Extremes e = mechanics::extremes(solution.moment);
            const bool sagging = std::abs(e.largest.value) >= std::abs(e.smallest.value);
            moment = std::abs(sagging ? e.largest.value : e.smallest.value);
            x = (sagging ? e.largest : e.smallest).at.front().x;
        }
        const double sigma = moment / *m.checks.Z;
        const double ratio = sigma / *m.checks.f;
        rows.push_back({"σb", "曲げ応力度 (σb)",
                        translatedPattern("Meaning", "bending stress σb = |M| / Z, |M| of %1", {source}), sigma,
                        Dimension::Stress, false, x});
        MemberRow r{"σb/fb",
                    "応力度比 (σb/fb)",
                    translatedPattern("Meaning",
                                      "σb over the allowable stress fb = %1; a simple elastic check, not a design code",
                                      {diagramNumber(*m.checks.f)}),
                    ratio,
                    Dimension::None,
                    false,
                    std::nullopt};
        r.below = verdict(ratio);
        rows.push_back(r);
    }
    if (m.checks.deflection() && solution.deflection) {
        // Every span against its length over n, the largest |δ| inside it found exactly from the
        // solution that governs there.
        const mechanics::Beam beam = m.beam();
        const std::vector<mechanics::LoadCase> cases = m.loadCases();
        double worst = -1, worstDeflection = 0, worstLimit = 0;
        std::size_t worstSpan = 0;
        const auto spans = mechanics::spansOf(beam);
        for (std::size_t k = 0; k < spans.size(); ++k) {
            const auto [from, to] = spans[k];
            std::vector<mechanics::Piecewise> candidates;
            if (study.deflection && !study.deflection->deflection.empty()) {
                const std::vector<int> chosen = indicesFor(m, CombinationUse::Deflection);
                std::set<std::pair<int, std::vector<std::vector<bool>>>> seen;
                const mechanics::CombinationEnvelope &e = *study.deflection;
                for (std::size_t i = 0; i < e.x.size(); ++i) {
                    if (e.x[i] < from || e.x[i] > to)
                        continue;
                    for (const mechanics::Governing *g : {&e.deflection[i].largest, &e.deflection[i].smallest})
                        if (g->combination >= 0)
                            seen.insert({g->combination, g->caseSpans});
                }
                for (const auto &[index, loaded] : seen) {
                    const MemberCombination &c =
                        m.combinations[static_cast<std::size_t>(chosen[static_cast<std::size_t>(index)])];
                    const mechanics::Combination combination = m.combination(c);
                    const auto solved = loaded.empty() ? mechanics::solveCombination(beam, cases, combination)
                                                       : mechanics::solvePattern(beam, cases, combination, loaded);
                    if (solved && solved->deflection)
                        candidates.push_back(*solved->deflection);
                }
            } else {
                candidates.push_back(*solution.deflection);
            }
            double largest = 0;
            for (const mechanics::Piecewise &d : candidates) {
                const mechanics::Extremes e = mechanics::extremes(restricted(d, from, to));
                largest = std::max({largest, std::abs(e.largest.value), std::abs(e.smallest.value)});
            }
            const double limit = (to - from) / *m.checks.n;
            if (largest / limit > worst) {
                worst = largest / limit;
                worstDeflection = largest;
                worstLimit = limit;
                worstSpan = k;
            }
        }
        if (worst >= 0) {
            MemberRow r{"δ/δa",
                        "たわみ比 (δ/δa)",
                        translatedPattern("Meaning", "largest deflection over span / %1, in span %2: δ = %3, δa = %4",
                                          {diagramNumber(*m.checks.n), std::to_string(worstSpan + 1),
                                           diagramNumber(worstDeflection), diagramNumber(worstLimit)}),
                        worst,
                        Dimension::None,
                        false,
                        std::nullopt};
            r.below = verdict(worst);
            rows.push_back(r);
        }
    }
    return rows;
}

std::vector<std::pair<InfluenceChoice, std::string>> influenceChoices(const mechanics::Beam &beam)
{
    using Q = mechanics::InfluenceQuantity;
    std::vector<std::pair<InfluenceChoice, std::string>> choices{{{Q::Moment, 0}, "M at x"}, {{Q::Shear, 0}, "V at x"}};
    if (beam.flexuralRigidity) {
        choices.push_back({{Q::Deflection, 0}, "\u03b4 at x"});
        choices.push_back({{Q::Slope, 0}, "\u03b8 at x"});
    }
    for (std::size_t k = 0; k < beam.supports.size(); ++k) {
        const mechanics::Support &s = beam.supports[k];
        const int n = static_cast<int>(k);
        choices.push_back({{Q::Reaction, n}, "R" + std::to_string(k + 1)});
        if (s.kind == mechanics::SupportKind::Fixed || s.rotationalStiffness > 0)
            choices.push_back({{Q::ReactionMoment, n}, "MR" + std::to_string(k + 1)});
    }
    return choices;
}

std::string influenceKey(const InfluenceChoice &choice)
{
    using Q = mechanics::InfluenceQuantity;
    switch (choice.quantity) {
    case Q::Reaction:
        return "R" + std::to_string(choice.support + 1);
    case Q::ReactionMoment:
        return "MR" + std::to_string(choice.support + 1);
    case Q::Shear:
        return "V";
    case Q::Slope:
        return "theta";
    case Q::Deflection:
        return "delta";
    case Q::Moment:
        break;
    }
    return "M";
}

std::optional<InfluenceChoice> influenceOfKey(const std::string &key)
{
    using Q = mechanics::InfluenceQuantity;
    const std::pair<const char *, Q> plain[] = {
        {"M", Q::Moment}, {"V", Q::Shear}, {"theta", Q::Slope}, {"delta", Q::Deflection}};
    for (const auto &[word, quantity] : plain)
        if (key == word)
            return InfluenceChoice{quantity, 0};
    for (const auto &[prefix, quantity] : {std::pair{"MR", Q::ReactionMoment}, std::pair{"R", Q::Reaction}}) {
        const std::string p = prefix;
        if (key.size() > p.size() && key.size() <= p.size() + 4 && key.compare(0, p.size(), p) == 0 &&
            key.find_first_not_of("0123456789", p.size()) == std::string::npos && key[p.size()] != '0')
            return InfluenceChoice{quantity, std::stoi(key.substr(p.size())) - 1};
    }
    return std::nullopt;
}

CaseDiagrams influenceDiagrams(const mechanics::Beam &beam, const InfluenceChoice &choice, double x, Units units)
{
    using Q = mechanics::InfluenceQuantity;
    CaseDiagrams d;
    d.lengthUnit = unitCaption(units, Dimension::Length);
    d.units = units;
    const auto line = mechanics::influenceLine(beam, {choice.quantity, choice.support, x});
    if (!line) {
        d.kind = CaseDiagrams::Kind::Error;
        d.error = translatedMessage(line.error().reason);
        return d;
    }
    d.kind = CaseDiagrams::Kind::Members;
    MemberDiagram member;
    member.beam = beam;
    member.beam.forces.clear();
    member.beam.couples.clear();
    member.beam.distributed.clear();
    // The line's unit: the quantity's per unit of the load (a force): N/N for a force, N･mm/N =
    // mm for a moment, mm/N for a deflection, rad/N for a slope.
    const std::string force = unitCaption(units, Dimension::Force);
    const std::string length = unitCaption(units, Dimension::Length);
    Quantity quantity = Quantity::Shear;
    std::string unit, what;
    // "M at x = 3000 mm": the quantity at the section the line is of.
    const auto at = [&](const char *symbol) {
        return translatedPattern("Text", "%1 at x = %2", {symbol, diagramNumber(x) + " " + length});
    };
    switch (choice.quantity) {
    case Q::Moment:
        quantity = Quantity::Moment, unit = length, what = at("M");
        break;
    case Q::Shear:
        quantity = Quantity::Shear, unit = force + "/" + force, what = at("V");
        break;
    case Q::Deflection:
        quantity = Quantity::Deflection, unit = length + "/" + force, what = at("\u03b4");
        break;
    case Q::Slope:
        quantity = Quantity::Slope, unit = "rad/" + force, what = at("\u03b8");
        break;
    case Q::Reaction:
        unit = force + "/" + force, what = "R" + std::to_string(choice.support + 1);
        break;
    case Q::ReactionMoment:
        quantity = Quantity::Moment, unit = length, what = "MR" + std::to_string(choice.support + 1);
        break;
    }
    member.name = translatedPattern("Text", "Influence line of %1 (a unit load moving downward)", {what});
    Curve c{quantity, *line, mechanics::extremes(*line), unit};
    c.label = "\u03b7";
    member.curves.push_back(std::move(c));
    if (choice.quantity != Q::Reaction && choice.quantity != Q::ReactionMoment)
        member.marks.push_back({"x", x});
    d.members.push_back(std::move(member));
    return d;
}

namespace {

// A diagram through the envelope's sections, straight between them.
mechanics::Piecewise throughSections(const std::vector<double> &x, const std::vector<double> &y)
{
    std::vector<mechanics::Polynomial> pieces;
    for (std::size_t k = 0; k + 1 < x.size(); ++k)
        pieces.push_back(mechanics::Polynomial({y[k], (y[k + 1] - y[k]) / (x[k + 1] - x[k])}));
    return mechanics::Piecewise(x, pieces);
}

template <typename Pairs, typename Value> std::vector<double> valuesOf(const Pairs &pairs, Value value)
{
    std::vector<double> values;
    for (const auto &p : pairs)
        values.push_back(value(p));
    return values;
}

}  // namespace

CaseDiagrams envelopeDiagrams(const mechanics::Beam &beam, const MemberStudy &study, Units units)
{
    CaseDiagrams d;
    d.lengthUnit = unitCaption(units, Dimension::Length);
    d.units = units;
    d.kind = CaseDiagrams::Kind::Members;
    mechanics::Beam bare = beam;
    bare.forces.clear();
    bare.couples.clear();
    bare.distributed.clear();
    // A band between the largest and the smallest at the sections, its extremes the exact ones.
    const auto band = [](Quantity q, const std::vector<double> &x, const std::vector<mechanics::GoverningPair> &at,
                         const mechanics::GoverningAt &largest, const mechanics::GoverningAt &smallest,
                         const std::string &unit) {
        const auto large = [](const mechanics::GoverningPair &p) { return p.largest.value; };
        const auto small = [](const mechanics::GoverningPair &p) { return p.smallest.value; };
        Curve c;
        c.quantity = q;
        c.values = throughSections(x, valuesOf(at, large));
        c.smallest = throughSections(x, valuesOf(at, small));
        c.extremes = {mechanics::Extreme{largest.governing.value, {{largest.x, mechanics::Side::Both}}},
                      mechanics::Extreme{smallest.governing.value, {{smallest.x, mechanics::Side::Both}}}};
        c.unit = unit;
        return c;
    };
    if (study.combinations && study.combinations->x.size() > 1) {
        const mechanics::CombinationEnvelope &e = *study.combinations;
        MemberDiagram m;
        m.name = translated("Text", "Envelope over the combinations");
        m.beam = bare;
        m.curves.push_back(
            band(Quantity::Shear, e.x, e.shear, e.largestShear, e.smallestShear, unitCaption(units, Dimension::Force)));
        m.curves.push_back(band(Quantity::Moment, e.x, e.moment, e.largestMoment, e.smallestMoment,
                                unitCaption(units, Dimension::Moment)));
        if (!e.deflection.empty() && e.largestDeflection && e.smallestDeflection)
            m.curves.push_back(band(Quantity::Deflection, e.x, e.deflection, *e.largestDeflection,
                                    *e.smallestDeflection, unitCaption(units, Dimension::Length)));
        d.members.push_back(std::move(m));
    }
    if (study.train) {
        const mechanics::Outcome<MemberDiagram> found = movingLoadDiagram({bare, study.movingLoads}, units);
        if (found) {
            MemberDiagram moving = *found;
            moving.name = translated("Text", "Envelope under the moving loads");
            d.members.push_back(std::move(moving));
        }
    }
    if (d.members.empty()) {
        d.kind = CaseDiagrams::Kind::Error;
        d.error = translated("Reason", "the member has no combinations and no moving loads: type them in the "
                                       "Combinations and Moving loads tables");
    }
    return d;
}

std::vector<mechanics::Outcome<mechanics::BeamSolution>> solvedCombinations(const MemberDescription &m)
{
    const mechanics::Beam beam = m.beam();
    const std::vector<mechanics::LoadCase> cases = m.loadCases();
    std::vector<mechanics::Outcome<mechanics::BeamSolution>> solved;
    for (const MemberCombination &c : m.combinations)
        solved.push_back(mechanics::solveCombination(beam, cases, m.combination(c)));
    return solved;
}

CaseDiagrams combinationDiagrams(const MemberDescription &m, std::size_t combination, Units units)
{
    CaseDiagrams d;
    d.kind = CaseDiagrams::Kind::Error;
    d.lengthUnit = unitCaption(units, Dimension::Length);
    d.units = units;
    if (combination >= m.combinations.size()) {
        d.error = "the member has no combination " + std::to_string(combination + 1);
        return d;
    }
    const MemberCombination &c = m.combinations[combination];
    const std::string name = c.name + " = " + factorsText(c.factors);
    const mechanics::Beam beam = m.beam();
    if (c.pattern) {
        const auto e = mechanics::combinationEnvelope(beam, m.loadCases(), {m.combination(c)}, StudyIntervals);
        if (!e) {
            d.error = translatedMessage(e.error().reason);
            return d;
        }
        MemberStudy alone;
        alone.combinations = std::make_shared<const mechanics::CombinationEnvelope>(*e);
        d = envelopeDiagrams(beam, alone, units);
        if (!d.members.empty())
            d.members.front().name =
                translatedPattern("Text", "%1, variable loads placed span by span where worst", {name});
        return d;
    }
    const auto solved = mechanics::solveCombination(beam, m.loadCases(), m.combination(c));
    if (!solved) {
        d.error = translatedMessage(solved.error().reason);
        return d;
    }
    // The member is drawn without the loads as typed, which the factors change.
    mechanics::Beam bare = beam;
    bare.forces.clear();
    bare.couples.clear();
    bare.distributed.clear();
    d = memberDiagrams(bare, *solved, units);
    if (!d.members.empty())
        d.members.front().name = name;
    return d;
}

CaseDiagrams memberDiagrams(const mechanics::Beam &beam, const mechanics::BeamSolution &s, Units units)
{
    CaseDiagrams d;
    d.kind = CaseDiagrams::Kind::Members;
    d.lengthUnit = unitCaption(units, Dimension::Length);
    d.units = units;
    MemberDiagram member;
    member.beam = beam;
    member.reactions = s.reactions;
    const auto curve = [](Quantity q, const mechanics::Piecewise &f, std::string unit) {
        return Curve{q, f, mechanics::extremes(f), std::move(unit)};
    };
    member.curves.push_back(curve(Quantity::Shear, s.shear, unitCaption(units, Dimension::Force)));
    member.curves.push_back(curve(Quantity::Moment, s.moment, unitCaption(units, Dimension::Moment)));
    if (s.slope && s.deflection) {
        member.curves.push_back(curve(Quantity::Slope, *s.slope, "rad"));
        member.curves.push_back(curve(Quantity::Deflection, *s.deflection, unitCaption(units, Dimension::Length)));
    }
    d.members.push_back(std::move(member));
    return d;
}

}  // namespace shell
