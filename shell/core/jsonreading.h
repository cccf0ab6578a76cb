#pragma once

// Strict reading of JSON written by people and by other programs: the saved calculation and the
// member description. Every object's keys are checked for repeats and for names the reader does
// not know; a value of the wrong kind, a number out of range or a text that is not UTF-8 is
// refused with the path of the field ("supports[2].x") and what it must be. A refusal is thrown
// as a Refusal inside the reader and caught at its entry, where it becomes the reader's message.

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace shell::jsonreading {

using Json = nlohmann::json;

struct Refusal {
    std::string message;
};

[[noreturn]] void refuse(std::string message);

// The length of the UTF-8 sequence that starts at text[i], or 0 where none valid starts there.
std::size_t utf8Sequence(std::string_view text, std::size_t i);
// The offset of the first byte that is not valid UTF-8; npos where the whole text is.
std::size_t firstInvalidUtf8(std::string_view text);
// "line 3, column 5" of a byte offset (columns count characters).
std::string placeOf(std::string_view text, std::size_t offset);

std::string inQuotes(const std::string &text);
// "a text", "a list", "a whole number", ...: the kind of a value in a message.
std::string kindOf(const Json &value);
std::string fieldPath(const std::string &object, const std::string &key);
// An object's field `key`, which must be there.
const Json &field(const Json &object, const std::string &path, const std::string &key);
// `value`, which must be an object with no field outside `keys`.
const Json &object(const Json &value, const std::string &path, std::initializer_list<const char *> keys);
bool flag(const Json &value, const std::string &path);
// A whole number from `low` to `high`, written as one (3, not 3.0 or "3").
std::int64_t wholeNumber(const Json &value, const std::string &path, std::int64_t low, std::int64_t high);

// "\"a\", \"b\" or \"c\"": the names a field may take, each in quotes.
std::string choiceNames(const std::vector<std::string> &names);
[[noreturn]] void refuseChoice(const Json &value, const std::string &path, const std::string &names);

// One of `choices` by its name.
template <typename T, std::size_t N>
T choice(const Json &value, const std::string &path, const std::pair<T, const char *> (&choices)[N])
{
    std::vector<std::string> names;
    for (const auto &item : choices)
        names.push_back(item.second);
    if (value.is_string())
        for (const auto &[item, name] : choices)
            if (value.get_ref<const std::string &>() == name)
                return item;
    refuseChoice(value, path, choiceNames(names));
}

// Parses with every object's keys checked for repeats: JSON leaves a repeated key to the reader,
// and a text that says "case" twice is not one calculation.
Json parse(std::string_view text);
// A document's text checked and parsed: refused where it is empty or not UTF-8, then as parse.
Json parseText(std::string_view text);

}  // namespace shell::jsonreading
