#pragma once

// Physical dimensions and the unit systems the programs work in: a length unit (mm, cm, m) and
// a force unit (N, kN). Every input and every result row carries its dimension, so a change of
// units converts each number by its own factor and the member stays the same member:
//
//     convert(100, Dimension::LineLoad, {mm, N}, {cm, N})     -> 1000
//     convert(833, Dimension::SecondMoment, {mm, N}, {cm, N}) -> 0.0833
//     unitCaption({m, kN}, Dimension::Moment)                 -> "kN･m"
//
// (mm stands for LengthUnit::Millimetre, kN for ForceUnit::Kilonewton and so on.)
//
// The factors are whole powers of ten, applied as one multiplication or one division by an
// exactly represented power, so a value converted there and back returns to the same digits.

#include <optional>
#include <string>

namespace shell {

enum class Dimension {
    None,            // a pure number (slenderness, end constant)
    Length,          // mm
    Area,            // mm^2
    SectionModulus,  // mm^3
    SecondMoment,    // mm^4
    Force,           // N
    LineLoad,        // N/mm
    Moment,          // N･mm
    Stress           // N/mm^2, also the elastic modulus
};

enum class LengthUnit { Millimetre, Centimetre, Metre };
enum class ForceUnit { Newton, Kilonewton };

struct Units {
    LengthUnit length = LengthUnit::Millimetre;
    ForceUnit force = ForceUnit::Newton;
    bool operator==(const Units &other) const { return length == other.length && force == other.force; }
    bool operator!=(const Units &other) const { return !(*this == other); }
};

// The units the catalogues give their start values in.
constexpr Units CatalogueUnits{LengthUnit::Millimetre, ForceUnit::Newton};

// Every length unit and every force unit, in the order the Units menu lists them.
constexpr LengthUnit LengthUnits[] = {LengthUnit::Millimetre, LengthUnit::Centimetre, LengthUnit::Metre};
constexpr ForceUnit ForceUnits[] = {ForceUnit::Newton, ForceUnit::Kilonewton};

// True where both units are among those above (a value cast from a number read elsewhere may not be).
bool isUnitSystem(Units units);

// "mm", "cm", "m"; "N", "kN".
std::string lengthUnitName(LengthUnit length);
std::string forceUnitName(ForceUnit force);

// Reads the words of a unit system as the command line takes them: "cm", "kN", "m,kN" (a length
// unit, a force unit or both, comma-separated), and sets what the text names. Where it cannot be
// read, says why: two length or two force units, or a word that is no unit (`word`).
struct UnitWordsProblem {
    enum class Kind { None, TwoLengthUnits, TwoForceUnits, UnknownUnit };
    Kind kind = Kind::None;
    std::string word;
};
UnitWordsProblem readUnitWords(const std::string &text, std::optional<LengthUnit> &length,
                               std::optional<ForceUnit> &force);

// The caption of a dimension in a unit system: "mm^4", "N/cm", "kN･m", "N/mm^2", "kN/m^2"; "" for
// a pure number. Moments carry the half-width middle dot U+FF65.
std::string unitCaption(Units units, Dimension dimension);

// The power of ten k with value_in_to = value_in_from × 10^k.
int conversionExponent(Dimension dimension, Units from, Units to);
// The value in `to` of a value given in `from`; not finite where the result overflows.
double convert(double value, Dimension dimension, Units from, Units to);

// ASCII letters upper-cased: "w1" -> "W1".
std::string upperCase(std::string text);

}  // namespace shell
