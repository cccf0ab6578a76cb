#include "shell/core/jsonreading.h"

#include "shell/core/language.h"

#include <algorithm>
#include <set>
#include <vector>

namespace shell::jsonreading {

// The length of the UTF-8 sequence that starts at text[i], or 0 where none valid starts there
// (RFC 3629: no overlong forms, no surrogates, nothing above U+10FFFF).
std::size_t utf8Sequence(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    if (c < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        low = c == 0xE0 ? 0xA0 : 0x80;
        high = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        low = c == 0xF0 ? 0x90 : 0x80;
        high = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    return length;
}

// The offset of the first byte that is not valid UTF-8; npos where the whole text is.
std::size_t firstInvalidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8Sequence(text, i);
        if (length == 0)
            return i;
        i += length;
    }
    return std::string_view::npos;
}

// "line 3, column 5" of a byte offset (columns count characters).
std::string placeOf(std::string_view text, std::size_t offset)
{
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return translatedPattern("Reason", "line %1, column %2", {std::to_string(line), std::to_string(column)});
}

[[noreturn]] void refuse(std::string message)
{
    throw Refusal{std::move(message)};
}

std::string inQuotes(const std::string &text)
{
    return "\"" + text + "\"";
}

std::string kindOf(const Json &value)
{
    const char *kind = value.is_number_integer() ? "a whole number" : "a number";
    switch (value.type()) {
    case Json::value_t::null:
        kind = "null";
        break;
    case Json::value_t::boolean:
        kind = "true or false";
        break;
    case Json::value_t::string:
        kind = "a text";
        break;
    case Json::value_t::array:
        kind = "a list";
        break;
    case Json::value_t::object:
        kind = "an object";
        break;
    default:
        break;
    }
    return translated("Reason", kind);
}

std::string choiceNames(const std::vector<std::string> &names)
{
    std::string first;
    for (std::size_t k = 0; k + 1 < names.size(); ++k)
        first += (k == 0 ? "" : ", ") + inQuotes(names[k]);
    const std::string last = names.empty() ? std::string() : inQuotes(names.back());
    return names.size() < 2 ? last : translatedPattern("Reason", "%1 or %2", {first, last});
}

void refuseChoice(const Json &value, const std::string &path, const std::string &names)
{
    if (!value.is_string())
        refuse(translatedPattern("Reason", "%1 must be %2, not %3", {inQuotes(path), names, kindOf(value)}));
    refuse(translatedPattern("Reason", "%1 must be %2", {inQuotes(path), names}));
}

std::string fieldPath(const std::string &object, const std::string &key)
{
    return object.empty() ? key : object + "." + key;
}

// An object's field `key`, which must be there.
const Json &field(const Json &object, const std::string &path, const std::string &key)
{
    const auto found = object.find(key);
    if (found == object.end())
        refuse(translatedPattern("Reason", "the field %1 is missing", {inQuotes(fieldPath(path, key))}));
    return *found;
}

const Json &object(const Json &value, const std::string &path, std::initializer_list<const char *> keys)
{
    if (!value.is_object())
        refuse(translatedPattern("Reason", "%1 must be an object, not %2", {inQuotes(path), kindOf(value)}));
    for (const auto &item : value.items()) {
        const bool known = std::any_of(keys.begin(), keys.end(), [&](const char *k) { return item.key() == k; });
        if (!known)
            refuse(path.empty()
                       ? translatedPattern("Reason", "the file has an unknown field %1", {inQuotes(item.key())})
                       : translatedPattern("Reason", "%1 has an unknown field %2",
                                           {inQuotes(path), inQuotes(item.key())}));
    }
    return value;
}

bool flag(const Json &value, const std::string &path)
{
    if (!value.is_boolean())
        refuse(translatedPattern("Reason", "%1 must be true or false, not %2", {inQuotes(path), kindOf(value)}));
    return value.get<bool>();
}

// A whole number from `low` to `high`: written as one (3, not 3.0 or "3") and in range, so that
// a huge or fractional number is refused rather than rounded.
std::int64_t wholeNumber(const Json &value, const std::string &path, std::int64_t low, std::int64_t high)
{
    const std::vector<std::string> range{inQuotes(path), std::to_string(low), std::to_string(high)};
    const auto outside = [&] { refuse(translatedPattern("Reason", "%1 must be a whole number from %2 to %3", range)); };
    if (!value.is_number_integer())
        refuse(translatedPattern("Reason", "%1 must be a whole number from %2 to %3, not %4",
                                 {range[0], range[1], range[2], kindOf(value)}));
    if (value.is_number_unsigned()) {
        const auto n = value.get<std::uint64_t>();
        if (n > static_cast<std::uint64_t>(high) || static_cast<std::int64_t>(n) < low)
            outside();
        return static_cast<std::int64_t>(n);
    }
    const auto n = value.get<std::int64_t>();
    if (n < low || n > high)
        outside();
    return n;
}

// Parses with every object's keys checked for repeats: JSON leaves a repeated key to the
// reader, and a file that says "case" twice is not one calculation.
Json parseText(std::string_view text)
{
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        refuse(translated("Reason", "it is empty"));
    const std::size_t invalid = firstInvalidUtf8(text);
    if (invalid != std::string_view::npos)
        refuse(translatedPattern("Reason",
                                 "it is not UTF-8 text (a byte that no UTF-8 character starts or continues with at %1)",
                                 {placeOf(text, invalid)}));
    return parse(text);
}

Json parse(std::string_view text)
{
    std::vector<std::set<std::string>> keys;
    std::string repeated;
    const Json::parser_callback_t watch = [&](int, Json::parse_event_t event, Json &parsed) {
        if (event == Json::parse_event_t::object_start)
            keys.emplace_back();
        else if (event == Json::parse_event_t::object_end && !keys.empty())
            keys.pop_back();
        else if (event == Json::parse_event_t::key && !keys.empty() && repeated.empty() &&
                 !keys.back().insert(parsed.get<std::string>()).second)
            repeated = parsed.get<std::string>();
        return true;
    };
    Json document;
    try {
        document = Json::parse(text.begin(), text.end(), watch);
    } catch (const Json::parse_error &error) {
        // The parser reads one past the last byte only where the text ends inside the JSON.
        const std::size_t at = error.byte > 0 ? error.byte - 1 : 0;
        if (error.byte > text.size())
            refuse(translatedPattern("Reason", "it is cut short: the text ends (%1) before the calculation does",
                                     {placeOf(text, text.size())}));
        refuse(translatedPattern("Reason", "it is not valid JSON (%1)", {placeOf(text, at)}));
    } catch (const Json::out_of_range &error) {
        // A number literal beyond the range of a double ("1e400"): the parser names it.
        const std::string what = error.what();
        const std::size_t open = what.find("parsing '");
        const std::size_t close = open == std::string::npos ? open : what.find('\'', open + 9);
        if (close == std::string::npos)
            refuse(translated("Reason", "it holds a number too large for a double"));
        refuse(translatedPattern("Reason", "it holds a number too large for a double: %1",
                                 {what.substr(open + 9, close - open - 9)}));
    }
    if (!repeated.empty())
        refuse(translatedPattern("Reason", "the field %1 is given twice", {inQuotes(repeated)}));
    return document;
}

}  // namespace shell::jsonreading
