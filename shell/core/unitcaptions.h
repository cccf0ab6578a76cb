#pragma once

// Unit captions and the small text rules the beam-type programs share for their result units.

#include <string>
#include <vector>

namespace shell {

enum class UnitKind { Length, Stress, SecondMoment, LineLoad, Moment, Force, None };

// "mm", "N/mm^2", "mm^4", "N/mm", "N･mm" and their cm and m forms (the moment units carry the
// half-width middle dot U+FF65); a force is "N" in every system and a pure number has "".
std::string unitCaption(int unitSystem, UnitKind kind);

// ASCII letters upper-cased: "w1" -> "W1".
std::string upperCase(std::string text);

// The first character of the symbol of a result caption, upper-cased as the unit rules read
// it: "反力 (RA)" -> "R", "最大変位 (σmax)" -> "Σ", "細長比 (λ)" -> "Λ".
std::string symbolInitial(const std::string &caption);

}  // namespace shell
