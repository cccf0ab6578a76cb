#include "cli/jsontext.h"

#include "shell/core/language.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace structcalc {

namespace {

// The length of the valid UTF-8 sequence that starts at `pos` (overlong forms, surrogates and
// code points beyond U+10FFFF are not valid); 0 where none does.
std::size_t utf8Length(const std::string &s, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(s[pos]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || pos + length > s.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(s[pos + i]) & 0xC0) != 0x80)
            return 0;
    const auto second = static_cast<unsigned char>(s[pos + 1 < s.size() ? pos + 1 : pos]);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

// The visible form of the text's characters up to `most` of them (an escape counts as one);
// `cut` where more follow.
std::string visiblePart(const std::string &s, std::size_t most, bool &cut)
{
    std::string out;
    std::size_t shown = 0;
    std::size_t pos = 0;
    for (; pos < s.size() && shown < most; ++shown) {
        const char ch = s[pos];
        const auto c = static_cast<unsigned char>(ch);
        const std::size_t length = c >= 0x80 ? utf8Length(s, pos) : 1;
        // U+0080 to U+009F are control characters too: their bytes are escaped.
        const bool control = c == 0xC2 && length == 2 && static_cast<unsigned char>(s[pos + 1]) < 0xA0;
        if (c >= 0x80 && length > 0 && !control) {
            out.append(s, pos, length);
            pos += length;
            continue;
        }
        ++pos;
        if (c >= 0x20 && c != 0x7F && c < 0x80) {
            out += ch;
        } else if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\r') {
            out += "\\r";
        } else if (ch == '\t') {
            out += "\\t";
        } else {
            static const char hex[] = "0123456789ABCDEF";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        }
    }
    cut = pos < s.size();
    return out;
}

}  // namespace

std::string visibleText(const std::string &s)
{
    bool cut = false;
    return visiblePart(s, s.size(), cut);
}

std::string userText(const std::string &s, std::size_t most)
{
    bool cut = false;
    std::string out = visiblePart(s, most, cut);
    if (cut)
        out += "\u2026 (" + std::to_string(s.size()) + " bytes)";
    return out;
}

std::string jsonString(const std::string &s)
{
    std::string out = "\"";
    for (std::size_t pos = 0; pos < s.size();) {
        const char ch = s[pos];
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else if (c >= 0x80) {
            // JSON is UTF-8: a byte of the user's text that is not stands as the replacement
            // character.
            const std::size_t length = utf8Length(s, pos);
            if (length == 0)
                out += "\\ufffd";
            else
                out.append(s, pos, length);
            pos += length == 0 ? 1 : length;
            continue;
        } else {
            out += ch;
        }
        ++pos;
    }
    return out + "\"";
}

std::string jsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string unitProblem(const std::string &units, const shell::UnitWordsProblem &problem)
{
    using Kind = shell::UnitWordsProblem::Kind;
    switch (problem.kind) {
    case Kind::None:
        break;
    case Kind::TwoLengthUnits:
        return wording("--unit names two length units in '%1'", {userText(units)});
    case Kind::TwoForceUnits:
        return wording("--unit names two force units in '%1'", {userText(units)});
    case Kind::UnknownUnit:
        return wording("unknown unit '%1' (mm, cm or m; N or kN)", {userText(problem.word)});
    }
    return {};
}

std::string wording(const std::string &text)
{
    return shell::translated("Text", text);
}

std::string wording(const std::string &pattern, const std::vector<std::string> &arguments)
{
    return shell::translatedPattern("Text", pattern, arguments);
}

}  // namespace structcalc
