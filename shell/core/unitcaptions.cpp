#include "shell/core/unitcaptions.h"

#include "shell/core/numbertext.h"

#include <array>
#include <cctype>

namespace shell {

namespace {

const std::array<std::array<const char *, 5>, 3> UnitCaptions{{
    {"mm", "N/mm^2", "mm^4", "N/mm", "N･mm"},
    {"cm", "N/cm^2", "cm^4", "N/cm", "N･cm"},
    {"m", "N/m^2", "m^4", "N/m", "N･m"},
}};

}  // namespace

std::string unitCaption(int unitSystem, UnitKind kind)
{
    if (kind == UnitKind::Force)
        return "N";
    if (kind == UnitKind::None)
        return {};
    const auto system = static_cast<std::size_t>(unitSystem >= 0 && unitSystem < 3 ? unitSystem : 0);
    return UnitCaptions[system][static_cast<std::size_t>(kind)];
}

std::string upperCase(std::string text)
{
    for (char &ch : text)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return text;
}

std::string symbolInitial(const std::string &caption)
{
    const std::string symbol = SymbolOf(caption);
    if (symbol.empty())
        return {};
    const auto first = static_cast<unsigned char>(symbol[0]);
    if (first < 0x80)
        return std::string(1, static_cast<char>(std::toupper(first)));
    if (symbol.compare(0, 2, "σ") == 0)
        return "Σ";
    if (symbol.compare(0, 2, "λ") == 0)
        return "Λ";
    std::size_t end = 1;  // any other character is kept whole
    while (end < symbol.size() && (static_cast<unsigned char>(symbol[end]) & 0xC0) == 0x80)
        ++end;
    return symbol.substr(0, end);
}

}  // namespace shell
