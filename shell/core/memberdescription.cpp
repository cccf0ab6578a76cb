#include "shell/core/memberdescription.h"

#include "mechanics/outcome.h"
#include "shell/core/jsonreading.h"
#include "shell/core/language.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>
#include <string>
#include <utility>

namespace shell {

namespace {

using namespace jsonreading;

// The most supports, hinges, segments and loads together: far beyond any member typed or
// scripted, and a bound on the solver's work.
constexpr std::size_t MostItems = 20000;

const std::pair<mechanics::SupportKind, const char *> SupportKinds[] = {{mechanics::SupportKind::Pinned, "pinned"},
                                                                        {mechanics::SupportKind::Roller, "roller"},
                                                                        {mechanics::SupportKind::Fixed, "fixed"},
                                                                        {mechanics::SupportKind::Spring, "spring"}};
const std::pair<MemberLoad::Kind, const char *> LoadKinds[] = {{MemberLoad::Kind::Point, "point"},
                                                               {MemberLoad::Kind::Couple, "couple"},
                                                               {MemberLoad::Kind::Distributed, "distributed"}};

std::string at(const std::string &path, std::size_t index)
{
    return path + "[" + std::to_string(index) + "]";
}

double number(const Json &value, const std::string &path)
{
    if (!value.is_number())
        refuse(translatedPattern("Reason", "%1 must be a number, not %2", {inQuotes(path), kindOf(value)}));
    return value.get<double>();
}

double numberField(const Json &object, const std::string &path, const std::string &key)
{
    return number(field(object, path, key), fieldPath(path, key));
}

double optionalNumber(const Json &object, const std::string &path, const std::string &key, double otherwise)
{
    const auto found = object.find(key);
    return found == object.end() ? otherwise : number(*found, fieldPath(path, key));
}

// E or I: a finite number above zero where given.
std::optional<double> stiffness(const Json &object, const std::string &path, const std::string &key)
{
    const auto found = object.find(key);
    if (found == object.end())
        return std::nullopt;
    const double value = number(*found, fieldPath(path, key));
    if (!(value > 0))
        refuse(translatedMessage(mechanics::notPositive(mechanics::verbatim(inQuotes(fieldPath(path, key))), value)));
    return value;
}

const Json &list(const Json &document, const std::string &key)
{
    static const Json empty = Json::array();
    const auto found = document.find(key);
    if (found == document.end())
        return empty;
    if (!found->is_array())
        refuse(translatedPattern("Reason", "%1 must be a list, not %2", {inQuotes(key), kindOf(*found)}));
    return *found;
}

mechanics::Support support(const Json &value, const std::string &path)
{
    object(value, path, {"x", "kind", "settlement", "k", "rotationalK"});
    mechanics::Support s;
    s.x = numberField(value, path, "x");
    s.kind = choice(field(value, path, "kind"), fieldPath(path, "kind"), SupportKinds);
    s.settlement = optionalNumber(value, path, "settlement", 0);
    const bool spring = s.kind == mechanics::SupportKind::Spring;
    for (const char *key : {"k", "rotationalK"})
        if (!spring && value.contains(key))
            refuse(translatedPattern("Reason", "%1 belongs to a spring support, not to a %2 one",
                                     {inQuotes(fieldPath(path, key)), value["kind"].get<std::string>()}));
    if (spring) {
        s.stiffness = numberField(value, path, "k");
        s.rotationalStiffness = optionalNumber(value, path, "rotationalK", 0);
    }
    return s;
}

// A name or a meaning: text of a line at most.
std::string textOf(const Json &value, const std::string &path)
{
    if (!value.is_string())
        refuse(translatedPattern("Reason", "%1 must be text, not %2", {inQuotes(path), kindOf(value)}));
    const std::string &t = value.get_ref<const std::string &>();
    if (t.size() > 200)
        refuse(translatedPattern("Reason", "%1 is longer than %2 bytes", {inQuotes(path), "200"}));
    return t;
}

MemberLoad load(const Json &value, const std::string &path)
{
    MemberLoad l;
    l.kind = choice(field(value, path, "kind"), fieldPath(path, "kind"), LoadKinds);
    if (const auto found = value.find("case"); found != value.end())
        l.loadCase = textOf(*found, fieldPath(path, "case"));
    switch (l.kind) {
    case MemberLoad::Kind::Point:
        object(value, path, {"kind", "x", "P", "case"});
        l.x = numberField(value, path, "x");
        l.value = numberField(value, path, "P");
        break;
    case MemberLoad::Kind::Couple:
        object(value, path, {"kind", "x", "C", "case"});
        l.x = numberField(value, path, "x");
        l.value = numberField(value, path, "C");
        break;
    case MemberLoad::Kind::Distributed:
        object(value, path, {"kind", "from", "to", "w1", "w2", "case"});
        l.from = numberField(value, path, "from");
        l.to = numberField(value, path, "to");
        l.w1 = numberField(value, path, "w1");
        l.w2 = numberField(value, path, "w2");
        break;
    }
    return l;
}

const std::pair<bool, const char *> CaseKinds[] = {{false, "permanent"}, {true, "variable"}};
const std::pair<CombinationUse, const char *> Uses[] = {
    {CombinationUse::Both, "both"}, {CombinationUse::Strength, "strength"}, {CombinationUse::Deflection, "deflection"}};

MemberLoadCase loadCase(const Json &value, const std::string &path)
{
    object(value, path, {"name", "kind", "meaning"});
    MemberLoadCase c;
    c.name = textOf(field(value, path, "name"), fieldPath(path, "name"));
    c.variable = choice(field(value, path, "kind"), fieldPath(path, "kind"), CaseKinds);
    if (const auto found = value.find("meaning"); found != value.end())
        c.meaning = textOf(*found, fieldPath(path, "meaning"));
    return c;
}

MemberCombination combination(const Json &value, const std::string &path)
{
    object(value, path, {"name", "factors", "pattern", "use"});
    MemberCombination c;
    c.name = textOf(field(value, path, "name"), fieldPath(path, "name"));
    const Json &factors = field(value, path, "factors");
    if (!factors.is_object())
        refuse(translatedPattern("Reason", "%1 must be an object {\"G\": 1.35, ...}, not %2",
                                 {inQuotes(fieldPath(path, "factors")), kindOf(factors)}));
    for (const auto &item : factors.items())
        c.factors.emplace_back(item.key(), number(item.value(), fieldPath(fieldPath(path, "factors"), item.key())));
    if (const auto found = value.find("pattern"); found != value.end()) {
        c.pattern = flag(*found, fieldPath(path, "pattern"));
    }
    if (const auto found = value.find("use"); found != value.end())
        c.use = choice(*found, fieldPath(path, "use"), Uses);
    return c;
}

MemberChecks checks(const Json &value)
{
    object(value, "checks", {"Z", "f", "n"});
    MemberChecks c;
    for (const auto &[key, slot] : {std::pair{"Z", &c.Z}, std::pair{"f", &c.f}, std::pair{"n", &c.n}})
        if (value.contains(key))
            *slot = numberField(value, "checks", key);
    return c;
}

MemberSection section(const Json &value)
{
    object(value, "section", {"shape", "a", "b", "c", "d"});
    MemberSection s;
    s.shape = textOf(field(value, "section", "shape"), "section.shape");
    // The dimensions in their order, up to the last one given.
    const char *const keys[] = {"a", "b", "c", "d"};
    std::size_t given = 0;
    for (std::size_t k = 0; k < std::size(keys); ++k)
        if (value.contains(keys[k]))
            given = k + 1;
    for (std::size_t k = 0; k < given; ++k)
        s.dimensions.push_back(numberField(value, "section", keys[k]));
    return s;
}

MemberDescription descriptionOf(std::string_view text)
{
    if (text.size() > MemberDescriptionMaxBytes)
        refuse(translatedPattern("Reason", "it is too large to be a member description (%1 bytes, at most %2)",
                                 {std::to_string(text.size()), std::to_string(MemberDescriptionMaxBytes)}));
    const Json document = parseText(text);
    if (!document.is_object())
        refuse(translatedPattern("Reason", "a member description is an object {\"length\": ...}, not %1",
                                 {kindOf(document)}));
    for (const auto &item : document.items())
        if (!(item.key() == "length" || item.key() == "E" || item.key() == "I" || item.key() == "segments" ||
              item.key() == "supports" || item.key() == "hinges" || item.key() == "loads" || item.key() == "cases" ||
              item.key() == "combinations" || item.key() == "checks" || item.key() == "section" ||
              item.key() == "material"))
            refuse(translatedPattern("Reason", "the member has an unknown field %1", {inQuotes(item.key())}));

    MemberDescription m;
    m.length = numberField(document, "", "length");
    m.E = stiffness(document, "", "E");
    m.I = stiffness(document, "", "I");
    if (const auto found = document.find("section"); found != document.end())
        m.section = section(*found);
    if (const auto found = document.find("material"); found != document.end())
        m.section.material = textOf(*found, "material");
    if (m.I && !m.section.shape.empty())
        refuse(translatedPattern("Reason", "the member has both %1 and a section that gives it: leave one out",
                                 {inQuotes("I")}));
    if (m.E && !m.section.material.empty())
        refuse(translatedPattern("Reason", "the member has both %1 and a material that gives it: leave one out",
                                 {inQuotes("E")}));
    const bool hasE = m.E || !m.section.material.empty();
    const bool hasI = m.I || !m.section.shape.empty();
    if (hasE != hasI)
        refuse(translatedPattern("Reason",
                                 "the member has %1 without %2: give both, or neither for shear and moment alone",
                                 {hasE ? "E" : "I", hasE ? "I" : "E"}));
    const Json &segments = list(document, "segments");
    const Json &supports = list(document, "supports");
    const Json &hinges = list(document, "hinges");
    const Json &loads = list(document, "loads");
    if (segments.size() + supports.size() + hinges.size() + loads.size() > MostItems)
        refuse(translatedPattern("Reason", "it holds more than %1 segments, supports, hinges and loads",
                                 {std::to_string(MostItems)}));
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const std::string path = at("segments", k);
        object(segments[k], path, {"from", "to", "E", "I"});
        m.segments.push_back({numberField(segments[k], path, "from"), numberField(segments[k], path, "to"),
                              stiffness(segments[k], path, "E"), stiffness(segments[k], path, "I")});
        if (!hasE)
            refuse(translatedPattern("Reason", "%1 needs the member's E and I", {inQuotes(path)}));
    }
    for (std::size_t k = 0; k < supports.size(); ++k)
        m.supports.push_back(support(supports[k], at("supports", k)));
    for (std::size_t k = 0; k < hinges.size(); ++k)
        m.hinges.push_back(number(hinges[k], at("hinges", k)));
    for (std::size_t k = 0; k < loads.size(); ++k)
        m.loads.push_back(load(loads[k], at("loads", k)));
    const Json &cases = list(document, "cases");
    const Json &combinations = list(document, "combinations");
    if (cases.size() > mechanics::MaxLoadCases)
        refuse(
            translatedPattern("Reason", "it holds more than %1 load cases", {std::to_string(mechanics::MaxLoadCases)}));
    if (combinations.size() > mechanics::MaxCombinations)
        refuse(translatedPattern("Reason", "it holds more than %1 combinations",
                                 {std::to_string(mechanics::MaxCombinations)}));
    for (std::size_t k = 0; k < cases.size(); ++k)
        m.cases.push_back(loadCase(cases[k], at("cases", k)));
    for (std::size_t k = 0; k < combinations.size(); ++k)
        m.combinations.push_back(combination(combinations[k], at("combinations", k)));
    if (const auto found = document.find("checks"); found != document.end())
        m.checks = checks(*found);
    if (m.checks.Z && !m.section.shape.empty())
        refuse(translatedPattern("Reason", "the member has both %1 and a section that gives it: leave one out",
                                 {inQuotes("checks.Z")}));
    const std::string problem = loadCaseProblem(m);
    if (!problem.empty())
        refuse(problem);
    return m;
}

bool isCaseName(const std::string &name)
{
    if (name.empty() || name.size() > 40 || !std::isalpha(static_cast<unsigned char>(name[0])))
        return false;
    for (const char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

int caseIndex(const MemberDescription &m, const std::string &name)
{
    for (std::size_t k = 0; k < m.cases.size(); ++k)
        if (m.cases[k].name == name)
            return static_cast<int>(k);
    return -1;
}

}  // namespace

const char *supportKindName(mechanics::SupportKind kind)
{
    for (const auto &[k, name] : SupportKinds)
        if (k == kind)
            return name;
    return "spring";
}

mechanics::Beam MemberDescription::beam() const
{
    mechanics::Beam b{length, std::nullopt, supports, {}, {}, {}};
    if (E && I)
        b.flexuralRigidity = *E * *I;
    for (const MemberSegment &s : segments)
        b.segments.push_back({s.from, s.to, s.E.value_or(E.value_or(0)) * s.I.value_or(I.value_or(0))});
    b.hinges = hinges;
    for (const MemberLoad &l : loads) {
        switch (l.kind) {
        case MemberLoad::Kind::Point:
            b.forces.push_back({l.x, l.value});
            break;
        case MemberLoad::Kind::Couple:
            b.couples.push_back({l.x, l.value});
            break;
        case MemberLoad::Kind::Distributed:
            b.distributed.push_back({l.from, l.to, l.w1, l.w2});
            break;
        }
    }
    return b;
}

std::vector<mechanics::LoadCase> MemberDescription::loadCases() const
{
    std::vector<mechanics::LoadCase> split(std::max<std::size_t>(cases.size(), 1));
    for (std::size_t k = 0; k < cases.size(); ++k)
        split[k].variable = cases[k].variable;
    for (const MemberLoad &l : loads) {
        const int found = l.loadCase.empty() ? 0 : caseIndex(*this, l.loadCase);
        mechanics::LoadCase &c = split[static_cast<std::size_t>(std::max(found, 0))];
        switch (l.kind) {
        case MemberLoad::Kind::Point:
            c.forces.push_back({l.x, l.value});
            break;
        case MemberLoad::Kind::Couple:
            c.couples.push_back({l.x, l.value});
            break;
        case MemberLoad::Kind::Distributed:
            c.distributed.push_back({l.from, l.to, l.w1, l.w2});
            break;
        }
    }
    return split;
}

mechanics::Combination MemberDescription::combination(const MemberCombination &combination) const
{
    mechanics::Combination c;
    c.factors.assign(std::max<std::size_t>(cases.size(), 1), 0.0);
    for (const auto &[name, factor] : combination.factors) {
        const int k = caseIndex(*this, name);
        if (k >= 0)
            c.factors[static_cast<std::size_t>(k)] += factor;
    }
    c.pattern = combination.pattern;
    return c;
}

std::string loadCaseProblem(const MemberDescription &m)
{
    if (m.cases.size() > mechanics::MaxLoadCases)
        return translatedPattern("Reason", "the member has more than %1 load cases",
                                 {std::to_string(mechanics::MaxLoadCases)});
    if (m.combinations.size() > mechanics::MaxCombinations)
        return translatedPattern("Reason", "the member has more than %1 combinations",
                                 {std::to_string(mechanics::MaxCombinations)});
    for (std::size_t k = 0; k < m.cases.size(); ++k) {
        const std::string &name = m.cases[k].name;
        if (!isCaseName(name))
            return translatedPattern("Reason", "load case %1 must be named by a letter, then letters, digits or _ (%2)",
                                     {std::to_string(k + 1), inQuotes(name)});
        if (caseIndex(m, name) != static_cast<int>(k))
            return translatedPattern("Reason", "two load cases are named %1", {name});
    }
    for (std::size_t k = 0; k < m.loads.size(); ++k)
        if (!m.loads[k].loadCase.empty() && caseIndex(m, m.loads[k].loadCase) < 0)
            return translatedPattern("Reason", "load %1 belongs to load case %2, which the member does not have",
                                     {std::to_string(k + 1), m.loads[k].loadCase});
    for (std::size_t k = 0; k < m.combinations.size(); ++k) {
        const MemberCombination &c = m.combinations[k];
        if (c.factors.empty())
            return translatedPattern("Reason", "combination %1 has no factor", {std::to_string(k + 1)});
        for (const auto &[name, factor] : c.factors) {
            if (caseIndex(m, name) < 0)
                return translatedPattern("Reason", "combination %1 names load case %2, which the member does not have",
                                         {std::to_string(k + 1), name});
            if (!std::isfinite(factor))
                return translatedPattern("Reason", "the factor of %1 in combination %2 is not a number",
                                         {name, std::to_string(k + 1)});
        }
    }
    const std::pair<const char *, std::optional<double>> limits[] = {
        {"Z", m.checks.Z}, {"f", m.checks.f}, {"n", m.checks.n}};
    for (const auto &[name, value] : limits)
        if (value && !(*value > 0 && std::isfinite(*value)))
            return translatedMessage(mechanics::notPositive({"%1 of the checks", {mechanics::verbatim(name)}}, *value));
    return {};
}

std::vector<std::pair<std::string, double>> readFactors(const std::string &text, std::string &problem)
{
    std::vector<std::pair<std::string, double>> factors;
    std::size_t i = 0;
    const auto skipSpace = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    const auto fail = [&](const std::string &why) {
        problem = why;
        factors.clear();
        return factors;
    };
    double sign = 1;
    skipSpace();
    if (i == text.size())
        return fail(translated("Reason", "no factor is given: write them as 1.35 G + 1.5 Q"));
    while (true) {
        skipSpace();
        double factor = 1;
        if (i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.')) {
            std::size_t used = 0;
            try {
                factor = std::stod(text.substr(i), &used);
            } catch (const std::exception &) {
                return fail(translated("Reason", "a factor is too large a number"));
            }
            i += used;
            skipSpace();
            if (text.compare(i, 1, "*") == 0)
                ++i;
            else if (text.compare(i, 2, "\u00b7") == 0)
                i += 2;
            skipSpace();
        }
        std::size_t end = i;
        while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_'))
            ++end;
        const std::string name = text.substr(i, end - i);
        if (!isCaseName(name))
            return fail(
                translated("Reason", "a factor must be followed by the name of a load case, as in 1.35 G + 1.5 Q"));
        if (!std::isfinite(factor))
            return fail(translatedPattern("Reason", "the factor of %1 is too large a number", {name}));
        factors.emplace_back(name, sign * factor);
        i = end;
        skipSpace();
        if (i == text.size())
            return factors;
        if (text[i] != '+' && text[i] != '-')
            return fail(translated("Reason", "the terms must be joined by + or -, as in 1.35 G + 1.5 Q"));
        sign = text[i] == '-' ? -1 : 1;
        ++i;
    }
}

std::string factorsText(const std::vector<std::pair<std::string, double>> &factors)
{
    std::string t;
    for (std::size_t k = 0; k < factors.size(); ++k) {
        const double f = factors[k].second;
        if (k > 0)
            t += f < 0 ? " - " : " + ";
        else if (f < 0)
            t += "-";
        if (std::abs(f) != 1)
            t += mechanics::numberText(std::abs(f)) + " ";
        t += factors[k].first;
    }
    return t;
}

MemberReading readMemberDescription(std::string_view text)
{
    try {
        return {descriptionOf(text), {}};
    } catch (const Refusal &refusal) {
        return {std::nullopt, refusal.message};
    }
}

std::string memberDescriptionJson(const MemberDescription &m)
{
    const auto n = [](double v) { return mechanics::numberText(v); };
    const auto quoted = [](const std::string &t) {
        return Json(t).dump(-1, ' ', false, Json::error_handler_t::replace);
    };
    const auto caseOf = [&](const MemberLoad &l) {
        return l.loadCase.empty() ? std::string() : ", \"case\": " + quoted(l.loadCase);
    };
    std::string j = "{\"length\": " + n(m.length);
    // Where the section gives I and Z and the material E, the description names them instead.
    const MemberSection &section = m.section;
    if (m.E && section.material.empty())
        j += ", \"E\": " + n(*m.E);
    if (m.I && section.shape.empty())
        j += ", \"I\": " + n(*m.I);
    if (!section.shape.empty()) {
        j += ", \"section\": {\"shape\": " + quoted(section.shape);
        for (std::size_t k = 0; k < section.dimensions.size() && k < 4; ++k)
            j += std::string(", \"") + "abcd"[k] + "\": " + n(section.dimensions[k]);
        j += "}";
    }
    if (!section.material.empty())
        j += ", \"material\": " + quoted(section.material);
    const auto listOf = [&j](const char *key, std::size_t count, const auto &item) {
        j += std::string(", \"") + key + "\": [";
        for (std::size_t k = 0; k < count; ++k)
            j += (k == 0 ? "" : ", ") + item(k);
        j += "]";
    };
    listOf("segments", m.segments.size(), [&](std::size_t k) {
        const MemberSegment &s = m.segments[k];
        return "{\"from\": " + n(s.from) + ", \"to\": " + n(s.to) + (s.E ? ", \"E\": " + n(*s.E) : "") +
               (s.I ? ", \"I\": " + n(*s.I) : "") + "}";
    });
    listOf("supports", m.supports.size(), [&](std::size_t k) {
        const mechanics::Support &s = m.supports[k];
        std::string kind;
        for (const auto &[item, name] : SupportKinds)
            if (item == s.kind)
                kind = name;
        std::string t = "{\"x\": " + n(s.x) + ", \"kind\": \"" + kind + "\"";
        if (s.settlement != 0)
            t += ", \"settlement\": " + n(s.settlement);
        if (s.kind == mechanics::SupportKind::Spring)
            t += ", \"k\": " + n(s.stiffness) + ", \"rotationalK\": " + n(s.rotationalStiffness);
        return t + "}";
    });
    listOf("hinges", m.hinges.size(), [&](std::size_t k) { return n(m.hinges[k]); });
    listOf("loads", m.loads.size(), [&](std::size_t k) {
        const MemberLoad &l = m.loads[k];
        switch (l.kind) {
        case MemberLoad::Kind::Point:
            return "{\"kind\": \"point\", \"x\": " + n(l.x) + ", \"P\": " + n(l.value) + caseOf(l) + "}";
        case MemberLoad::Kind::Couple:
            return "{\"kind\": \"couple\", \"x\": " + n(l.x) + ", \"C\": " + n(l.value) + caseOf(l) + "}";
        case MemberLoad::Kind::Distributed:
            break;
        }
        return "{\"kind\": \"distributed\", \"from\": " + n(l.from) + ", \"to\": " + n(l.to) + ", \"w1\": " + n(l.w1) +
               ", \"w2\": " + n(l.w2) + caseOf(l) + "}";
    });
    if (!m.cases.empty())
        listOf("cases", m.cases.size(), [&](std::size_t k) {
            const MemberLoadCase &c = m.cases[k];
            return "{\"name\": " + quoted(c.name) + ", \"kind\": \"" + (c.variable ? "variable" : "permanent") + "\"" +
                   (c.meaning.empty() ? "" : ", \"meaning\": " + quoted(c.meaning)) + "}";
        });
    if (!m.combinations.empty())
        listOf("combinations", m.combinations.size(), [&](std::size_t k) {
            const MemberCombination &c = m.combinations[k];
            std::string t = "{\"name\": " + quoted(c.name) + ", \"factors\": {";
            for (std::size_t f = 0; f < c.factors.size(); ++f)
                t += (f == 0 ? "" : ", ") + quoted(c.factors[f].first) + ": " + n(c.factors[f].second);
            t += std::string("}, \"pattern\": ") + (c.pattern ? "true" : "false") + ", \"use\": ";
            for (const auto &[use, name] : Uses)
                if (use == c.use)
                    t += std::string("\"") + name + "\"";
            return t + "}";
        });
    const std::optional<double> typedZ = section.shape.empty() ? m.checks.Z : std::nullopt;
    if (typedZ || m.checks.f || m.checks.n) {
        std::string t;
        for (const auto &[key, value] :
             {std::pair{"Z", typedZ}, std::pair{"f", m.checks.f}, std::pair{"n", m.checks.n}})
            if (value)
                t += (t.empty() ? "" : ", ") + std::string("\"") + key + "\": " + n(*value);
        j += ", \"checks\": {" + t + "}";
    }
    return j + "}";
}

}  // namespace shell
