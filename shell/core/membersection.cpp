#include "shell/core/membersection.h"

#include "shell/core/language.h"
#include "shell/core/numbertext.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace shell {

namespace {

std::string lowerCase(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

const CaseDef *shapeNamed(const std::vector<CaseDef> &shapes, const std::string &name)
{
    const auto found = std::find_if(shapes.begin(), shapes.end(),
                                    [&](const CaseDef &c) { return lowerCase(c.caption) == lowerCase(name); });
    return found == shapes.end() ? nullptr : &*found;
}

}  // namespace

std::string listed(const std::vector<std::string> &words)
{
    std::string list;
    for (std::size_t w = 0; w + 1 < words.size(); ++w)
        list += (w == 0 ? "" : ", ") + words[w];
    if (words.size() < 2)
        return words.empty() ? list : words.front();
    return translatedPattern("Reason", "%1 or %2", {list, words.back()});
}

const std::vector<MemberMaterial> &memberMaterials()
{
    static const std::vector<MemberMaterial> materials{
        {"steel", 205000}, {"stainless steel", 193000}, {"aluminium alloy", 70000}};
    return materials;
}

std::vector<std::string> shapeWords(const std::vector<CaseDef> &shapes)
{
    std::vector<std::string> words;
    for (const CaseDef &c : shapes)
        words.push_back(lowerCase(c.caption));
    return words;
}

std::vector<std::string> materialWords()
{
    std::vector<std::string> words;
    for (const MemberMaterial &m : memberMaterials())
        words.emplace_back(m.name);
    return words;
}

ResolvedSection resolveSection(const MemberSection &section, const std::vector<CaseDef> &shapes, Units units)
{
    ResolvedSection r;
    if (!section.shape.empty()) {
        const CaseDef *shape = shapeNamed(shapes, section.shape);
        if (!shape) {
            r.problem = translatedPattern("Reason", "the section's shape must be %1, not %2",
                                          {listed(shapeWords(shapes)), section.shape});
            r.about = 0;
            return r;
        }
        const std::size_t takes = shape->inputs.size();
        if (section.dimensions.size() != takes) {
            std::string captions;
            for (std::size_t k = 0; k < takes; ++k)
                captions +=
                    (k == 0 ? "" : ", ") + std::string(1, "abcd"[k]) +
                    (shape->inputs[k].caption.size() > 1 ? " (" + translatedCaption(shape->inputs[k].caption) + ")"
                                                         : "");
            r.problem = translatedPattern(
                "Reason", takes == 1 ? "the %1 takes %2 dimension: %3" : "the %1 takes %2 dimensions: %3",
                {lowerCase(translatedCaption(shape->caption, "Case")), std::to_string(takes), captions});
            r.about = 1 + static_cast<int>(std::min(section.dimensions.size(), takes));
            r.about = std::min(r.about, 4);
            return r;
        }
        const Evaluation e = evaluate(*shape, section.dimensions, units);
        if (e.rejected) {
            r.problem = translatedPattern("Reason", "the section: %1", {e.reason});
            r.about = 1 + std::max(e.field, 0);
            return r;
        }
        for (std::size_t k = 0; k < shape->rows.size(); ++k) {
            const double value = e.values[k];
            if (shape->rows[k].dimension == Dimension::SecondMoment)
                r.I = value;
            else if (shape->rows[k].dimension == Dimension::SectionModulus)
                r.Z = r.Z ? std::min(*r.Z, value) : value;
        }
        for (const std::optional<double> &value : {r.I, r.Z})
            if (!value || !(std::isfinite(*value) && *value > 0)) {
                r.problem =
                    translated("Reason", "the section's dimensions give no I and Z within the range of a double");
                r.about = 1;
                return r;
            }
    }
    if (!section.material.empty()) {
        const auto &materials = memberMaterials();
        const auto found = std::find_if(materials.begin(), materials.end(), [&](const MemberMaterial &m) {
            return lowerCase(m.name) == lowerCase(section.material);
        });
        if (found == materials.end()) {
            r.problem = translatedPattern("Reason", "the material must be %1, not %2",
                                          {listed(materialWords()), section.material});
            r.about = 5;
            return r;
        }
        r.E = convert(found->E, Dimension::Stress, CatalogueUnits, units);
    }
    return r;
}

std::string applySection(MemberDescription &member, const std::vector<CaseDef> &shapes, Units units)
{
    const ResolvedSection r = resolveSection(member.section, shapes, units);
    if (!r.problem.empty())
        return r.problem;
    if (r.I) {
        member.I = r.I;
        member.checks.Z = r.Z;
    }
    if (r.E)
        member.E = r.E;
    return {};
}

std::string sectionText(const MemberSection &section, const std::vector<CaseDef> &shapes, Units units)
{
    const CaseDef *shape = shapeNamed(shapes, section.shape);
    if (!shape)
        return section.shape;
    std::string text = shape->caption;
    for (std::size_t k = 0; k < section.dimensions.size() && k < shape->inputs.size(); ++k)
        text += (k == 0 ? " " : ", ") + shape->inputs[k].caption + " = " + generalText(section.dimensions[k]);
    return text + " " + unitCaption(units, Dimension::Length);
}

}  // namespace shell
