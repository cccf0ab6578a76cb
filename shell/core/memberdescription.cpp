#include "shell/core/memberdescription.h"

#include "mechanics/outcome.h"
#include "shell/core/jsonreading.h"

#include <cmath>
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
        refuse(inQuotes(path) + " must be a number, not " + kindOf(value));
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
        refuse(mechanics::notPositive(inQuotes(fieldPath(path, key)), value));
    return value;
}

const Json &list(const Json &document, const std::string &key)
{
    static const Json empty = Json::array();
    const auto found = document.find(key);
    if (found == document.end())
        return empty;
    if (!found->is_array())
        refuse(inQuotes(key) + " must be a list, not " + kindOf(*found));
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
            refuse(inQuotes(fieldPath(path, key)) + " belongs to a spring support, not to a " +
                   value["kind"].get<std::string>() + " one");
    if (spring) {
        s.stiffness = numberField(value, path, "k");
        s.rotationalStiffness = optionalNumber(value, path, "rotationalK", 0);
    }
    return s;
}

MemberLoad load(const Json &value, const std::string &path)
{
    MemberLoad l;
    l.kind = choice(field(value, path, "kind"), fieldPath(path, "kind"), LoadKinds);
    switch (l.kind) {
    case MemberLoad::Kind::Point:
        object(value, path, {"kind", "x", "P"});
        l.x = numberField(value, path, "x");
        l.value = numberField(value, path, "P");
        break;
    case MemberLoad::Kind::Couple:
        object(value, path, {"kind", "x", "C"});
        l.x = numberField(value, path, "x");
        l.value = numberField(value, path, "C");
        break;
    case MemberLoad::Kind::Distributed:
        object(value, path, {"kind", "from", "to", "w1", "w2"});
        l.from = numberField(value, path, "from");
        l.to = numberField(value, path, "to");
        l.w1 = numberField(value, path, "w1");
        l.w2 = numberField(value, path, "w2");
        break;
    }
    return l;
}

MemberDescription descriptionOf(std::string_view text)
{
    if (text.size() > MemberDescriptionMaxBytes)
        refuse("it is too large to be a member description (" + std::to_string(text.size()) + " bytes, at most " +
               std::to_string(MemberDescriptionMaxBytes) + ")");
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        refuse("it is empty");
    const std::size_t invalid = firstInvalidUtf8(text);
    if (invalid != std::string_view::npos)
        refuse("it is not UTF-8 text (a byte that no UTF-8 character starts or continues with at " +
               placeOf(text, invalid) + ")");
    const Json document = parse(text);
    if (!document.is_object())
        refuse("a member description is an object {\"length\": ...}, not " + kindOf(document));
    for (const auto &item : document.items())
        if (!(item.key() == "length" || item.key() == "E" || item.key() == "I" || item.key() == "segments" ||
              item.key() == "supports" || item.key() == "hinges" || item.key() == "loads"))
            refuse("the member has an unknown field " + inQuotes(item.key()));

    MemberDescription m;
    m.length = numberField(document, "", "length");
    m.E = stiffness(document, "", "E");
    m.I = stiffness(document, "", "I");
    if (m.E.has_value() != m.I.has_value())
        refuse(std::string("the member has ") + (m.E ? "E" : "I") + " without " + (m.E ? "I" : "E") +
               ": give both, or neither for shear and moment alone");
    const Json &segments = list(document, "segments");
    const Json &supports = list(document, "supports");
    const Json &hinges = list(document, "hinges");
    const Json &loads = list(document, "loads");
    if (segments.size() + supports.size() + hinges.size() + loads.size() > MostItems)
        refuse("it holds more than " + std::to_string(MostItems) + " segments, supports, hinges and loads");
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const std::string path = at("segments", k);
        object(segments[k], path, {"from", "to", "E", "I"});
        m.segments.push_back({numberField(segments[k], path, "from"), numberField(segments[k], path, "to"),
                              stiffness(segments[k], path, "E"), stiffness(segments[k], path, "I")});
        if (!m.E)
            refuse(inQuotes(path) + " needs the member's E and I");
    }
    for (std::size_t k = 0; k < supports.size(); ++k)
        m.supports.push_back(support(supports[k], at("supports", k)));
    for (std::size_t k = 0; k < hinges.size(); ++k)
        m.hinges.push_back(number(hinges[k], at("hinges", k)));
    for (std::size_t k = 0; k < loads.size(); ++k)
        m.loads.push_back(load(loads[k], at("loads", k)));
    return m;
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
    std::string j = "{\"length\": " + n(m.length);
    if (m.E && m.I)
        j += ", \"E\": " + n(*m.E) + ", \"I\": " + n(*m.I);
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
            return "{\"kind\": \"point\", \"x\": " + n(l.x) + ", \"P\": " + n(l.value) + "}";
        case MemberLoad::Kind::Couple:
            return "{\"kind\": \"couple\", \"x\": " + n(l.x) + ", \"C\": " + n(l.value) + "}";
        case MemberLoad::Kind::Distributed:
            break;
        }
        return "{\"kind\": \"distributed\", \"from\": " + n(l.from) + ", \"to\": " + n(l.to) + ", \"w1\": " + n(l.w1) +
               ", \"w2\": " + n(l.w2) + "}";
    });
    return j + "}";
}

}  // namespace shell
