#pragma once

// A member's cross-section named by its shape and dimensions, and its material by name. The
// shapes are the section program's cases (their inputs the dimensions, their rows the area, I
// and the section moduli), so the member takes I and Z from the same formulas as the section
// tables; the materials are a short list of E values.

#include "shell/core/catalogue.h"
#include "shell/core/memberdescription.h"
#include "shell/core/units.h"

#include <string>
#include <vector>

namespace shell {

struct MemberMaterial {
    const char *name;  // "steel"
    double E;          // N/mm² (the catalogue's stress unit)
};

// Steel, stainless steel and aluminium alloy, with the elastic moduli of structural practice.
const std::vector<MemberMaterial> &memberMaterials();

// The names of the shapes and of the materials as a table cell offers them, in lower case.
std::vector<std::string> shapeWords(const std::vector<CaseDef> &shapes);
std::vector<std::string> materialWords();
// "pinned, roller, fixed or spring", its "or" in the language shown.
std::string listed(const std::vector<std::string> &words);

// The section resolved: where the problem is "", I and Z of the shape (Z the smaller section
// modulus, at the farther fibre) and E of the material, each where named, in the units of the
// calculation. Otherwise the reason and what it is about: 0 the shape, 1 to 4 the dimensions
// a to d, 5 the material.
struct ResolvedSection {
    std::optional<double> I, Z, E;
    std::string problem;
    int about = -1;
};
ResolvedSection resolveSection(const MemberSection &section, const std::vector<CaseDef> &shapes, Units units);

// Gives the member the section's I and Z and the material's E; the problem, or "".
std::string applySection(MemberDescription &member, const std::vector<CaseDef> &shapes, Units units);

// "I section a = 160, b = 82, c = 7.4, d = 5 mm": the shape with its dimensions by their
// captions, in the length unit of `units`.
std::string sectionText(const MemberSection &section, const std::vector<CaseDef> &shapes, Units units);

}  // namespace shell
