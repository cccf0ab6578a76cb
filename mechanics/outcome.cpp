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

std::string Message::text() const
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t place = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && place < arguments.size()) {
            text += arguments[place].text();
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

Message verbatim(std::string text)
{
    Message message(std::move(text));
    message.verbatim = true;
    return message;
}

Message number(double value)
{
    return verbatim(numberText(value));
}

Message notPositive(Message what, double value)
{
    if (std::isnan(value))
        return {"%1 is not a number", {std::move(what)}};
    if (std::isinf(value))
        return {value > 0 ? "%1 is too large a number" : "%1 must be above zero, not a negative number too large",
                {std::move(what)}};
    return {"%1 must be a finite number above zero, not %2", {std::move(what), number(value)}};
}

Message outsideMember(Message what, const char *coordinate, double at, Message member, double length)
{
    if (std::isnan(at))
        return {"%1 has a position that is not a number", {std::move(what)}};
    if (std::isinf(at))
        return {"%1 lies outside %2 [0, %3]: its position is too large a number",
                {std::move(what), std::move(member), number(length)}};
    return {"%1 at %2 = %3 lies outside %4 [0, %5]",
            {std::move(what), verbatim(coordinate), number(at), std::move(member), number(length)}};
}

}  // namespace mechanics
