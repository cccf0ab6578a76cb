#include "mechanics/outcome.h"

#include <charconv>
#include <cmath>

namespace mechanics {

std::string numberText(double value)
{
    if (value == 0)
        return "0";  // also for −0, which means nothing to an engineer
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string notPositive(const std::string &what, double value)
{
    if (std::isnan(value))
        return what + " is not a number";
    if (std::isinf(value))
        return what + (value > 0 ? " is too large a number" : " must be above zero, not a negative number too large");
    return what + " must be a finite number above zero, not " + numberText(value);
}

std::string outsideMember(const std::string &what, const char *coordinate, double at, const std::string &member,
                          double length)
{
    const std::string range = member + " [0, " + numberText(length) + "]";
    if (std::isnan(at))
        return what + " has a position that is not a number";
    if (std::isinf(at))
        return what + " lies outside " + range + ": its position is too large a number";
    return what + " at " + coordinate + " = " + numberText(at) + " lies outside " + range;
}

}  // namespace mechanics
