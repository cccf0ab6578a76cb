#include "mechanics/outcome.h"

#include <charconv>

namespace mechanics {

std::string numberText(double value)
{
    if (value == 0)
        return "0";  // also for −0, which means nothing to an engineer
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace mechanics
