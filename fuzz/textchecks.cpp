#include "fuzz/textchecks.h"

#include <cctype>

namespace fuzzing {

namespace {

// The length of the UTF-8 sequence at `pos`, 0 where it is not valid (overlong forms,
// surrogates and code points beyond U+10FFFF included); `code` is the code point.
std::size_t sequence(std::string_view s, std::size_t pos, char32_t &code)
{
    const auto lead = static_cast<unsigned char>(s[pos]);
    std::size_t length = lead < 0x80           ? 1
                         : (lead >> 5) == 0x6  ? 2
                         : (lead >> 4) == 0xE  ? 3
                         : (lead >> 3) == 0x1E ? 4
                                               : 0;
    if (length == 0 || pos + length > s.size())
        return 0;
    code = length == 1 ? lead : length == 2 ? lead & 0x1Fu : length == 3 ? lead & 0x0Fu : lead & 0x07u;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + i]);
        if ((next >> 6) != 0x2)
            return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    static const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

}  // namespace

std::string textFault(std::string_view text, bool carriageReturns)
{
    const std::string shown = "'" + std::string(text) + "'";
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t code = 0;
        const std::size_t length = sequence(text, pos, code);
        if (length == 0)
            return "a text that is not UTF-8";
        const bool control = code < 0x20 || (code >= 0x7F && code < 0xA0);
        if (control && code != '\t' && code != '\n' && !(carriageReturns && code == '\r'))
            return "a text with a control character";
        pos += length;
    }
    for (std::size_t pos = 0; pos < text.size();) {
        if (!std::isalpha(static_cast<unsigned char>(text[pos]))) {
            ++pos;
            continue;
        }
        std::string word;
        for (; pos < text.size() && std::isalpha(static_cast<unsigned char>(text[pos])); ++pos)
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[pos])));
        if (word == "nan" || word == "inf" || word == "infinity")
            return shown + " spells a non-number";
    }
    return {};
}

}  // namespace fuzzing
