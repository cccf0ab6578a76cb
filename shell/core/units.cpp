#include "shell/core/units.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace shell {

namespace {

// Powers of the length and of the force in each dimension.
struct Powers {
    int length;
    int force;
};

Powers powersOf(Dimension dimension)
{
    switch (dimension) {
    case Dimension::None:
        return {0, 0};
    case Dimension::Length:
        return {1, 0};
    case Dimension::Area:
        return {2, 0};
    case Dimension::SectionModulus:
        return {3, 0};
    case Dimension::SecondMoment:
        return {4, 0};
    case Dimension::Force:
        return {0, 1};
    case Dimension::LineLoad:
        return {-1, 1};
    case Dimension::Moment:
        return {1, 1};
    case Dimension::Stress:
        return {-2, 1};
    }
    return {0, 0};
}

// Decimal exponent of one unit in the base units (mm, N): 1 cm = 10^1 mm, 1 kN = 10^3 N.
int lengthExponent(LengthUnit length)
{
    return length == LengthUnit::Centimetre ? 1 : length == LengthUnit::Metre ? 3 : 0;
}

int forceExponent(ForceUnit force)
{
    return force == ForceUnit::Kilonewton ? 3 : 0;
}

// 10^0 .. 10^22 are exact doubles; the factors here reach 10^18 at most.
double powerOfTen(int k)
{
    double p = 1;
    for (int i = 0; i < k; ++i)
        p *= 10;
    return p;
}

}  // namespace

bool isUnitSystem(Units units)
{
    const auto length = static_cast<int>(units.length);
    const auto force = static_cast<int>(units.force);
    return length >= static_cast<int>(LengthUnit::Millimetre) && length <= static_cast<int>(LengthUnit::Metre) &&
           force >= static_cast<int>(ForceUnit::Newton) && force <= static_cast<int>(ForceUnit::Kilonewton);
}

std::string lengthUnitName(LengthUnit length)
{
    return length == LengthUnit::Centimetre ? "cm" : length == LengthUnit::Metre ? "m" : "mm";
}

std::string forceUnitName(ForceUnit force)
{
    return force == ForceUnit::Kilonewton ? "kN" : "N";
}

std::string unitCaption(Units units, Dimension dimension)
{
    const std::string l = lengthUnitName(units.length);
    const std::string f = forceUnitName(units.force);
    switch (dimension) {
    case Dimension::None:
        return {};
    case Dimension::Length:
        return l;
    case Dimension::Area:
        return l + "^2";
    case Dimension::SectionModulus:
        return l + "^3";
    case Dimension::SecondMoment:
        return l + "^4";
    case Dimension::Force:
        return f;
    case Dimension::LineLoad:
        return f + "/" + l;
    case Dimension::Moment:
        return f + "･" + l;
    case Dimension::Stress:
        return f + "/" + l + "^2";
    }
    return {};
}

int conversionExponent(Dimension dimension, Units from, Units to)
{
    // A quantity of length power p and force power q: one `from` unit is 10^(p·Lfrom + q·Ffrom)
    // base units, and so on; the number shrinks as the unit grows.
    const Powers p = powersOf(dimension);
    return p.length * (lengthExponent(from.length) - lengthExponent(to.length)) +
           p.force * (forceExponent(from.force) - forceExponent(to.force));
}

double convert(double value, Dimension dimension, Units from, Units to)
{
    const int k = conversionExponent(dimension, from, to);
    return k >= 0 ? value * powerOfTen(k) : value / powerOfTen(-k);
}

std::string upperCase(std::string text)
{
    for (char &ch : text)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return text;
}

UnitWordsProblem readUnitWords(const std::string &text, std::optional<LengthUnit> &length,
                               std::optional<ForceUnit> &force)
{
    using Kind = UnitWordsProblem::Kind;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string part = text.substr(start, comma - start);
        if (part == "mm" || part == "cm" || part == "m") {
            if (length)
                return {Kind::TwoLengthUnits, part};
            length = part == "mm" ? LengthUnit::Millimetre : part == "cm" ? LengthUnit::Centimetre : LengthUnit::Metre;
        } else if (part == "N" || part == "kN") {
            if (force)
                return {Kind::TwoForceUnits, part};
            force = part == "N" ? ForceUnit::Newton : ForceUnit::Kilonewton;
        } else {
            return {Kind::UnknownUnit, part};
        }
        start = comma + 1;
    }
    return {};
}

}  // namespace shell
