#pragma once

// Unit captions and the small text rules the beam-type programs share for their result units
// and their legend lines.

#include <string>
#include <vector>

namespace shell {

enum class UnitKind { Length, Stress, SecondMoment, LineLoad, Moment };

// "mm", "N/mm^2", "mm^4", "N/mm", "N･mm" and their cm and m forms (the moment units carry the
// half-width middle dot U+FF65).
std::string unitCaption(int unitSystem, UnitKind kind);

// ASCII letters upper-cased: "w1" -> "W1".
std::string upperCase(std::string text);

// The first character of the symbol of a result caption, upper-cased as the unit rules read
// it: "反力 (RA)" -> "R", "最大変位 (σmax)" -> "Σ", "細長比 (λ)" -> "Λ".
std::string symbolInitial(const std::string &caption);

// The legend lines of the beam programs: one line per input caption that names a load or
// stiffness symbol (P, E, I, w, w1, w2, M, in either case), in the order given, the caption as
// written followed by what it is and its unit: "P : 荷重 N", "E : 弾性係数 N/mm^2".
std::vector<std::string> legendLines(const std::vector<std::string> &captions, int unitSystem);

}  // namespace shell
