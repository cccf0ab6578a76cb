#include "shell/core/savedcalculation.h"

#include "shell/core/jsonreading.h"
#include "shell/core/language.h"
#include "shell/core/memberresults.h"
#include "shell/core/numbertext.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <set>
#include <utility>

namespace shell {

const char *const SavedCalculationFormat = "structcalc calculation";
const char *const SavedCalculationSuffix = ".structcalc.json";

bool SavedCalculation::operator==(const SavedCalculation &other) const
{
    return program == other.program && caseNumber == other.caseNumber && caseCaption == other.caseCaption &&
           units == other.units && inputs == other.inputs && ticked == other.ticked && chartType == other.chartType &&
           logScale == other.logScale && view == other.view && showSlope == other.showSlope &&
           plotColor == other.plotColor && programColor == other.programColor && names == other.names &&
           member == other.member && influence == other.influence && envelopeOf == other.envelopeOf;
}

namespace {

using namespace jsonreading;

// Read into sorted maps (a file of many fields costs no more than their logarithm each); written
// with the members in the order given, so that the file reads top-down like the window.
using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

// The chart types under their menu captions.
const std::pair<ChartType, const char *> ChartTypeNames[] = {
    {ChartType::Bar3D, "3D Bar"},   {ChartType::Bar2D, "2D Bar"},       {ChartType::Line3D, "3D Line"},
    {ChartType::Line2D, "2D Line"}, {ChartType::Area3D, "3D Area Bar"}, {ChartType::Area2D, "2D Area Line"},
    {ChartType::Step3D, "3D Step"}, {ChartType::Step2D, "2D Step"}};

const std::pair<LengthUnit, const char *> LengthNames[] = {
    {LengthUnit::Millimetre, "mm"}, {LengthUnit::Centimetre, "cm"}, {LengthUnit::Metre, "m"}};
const std::pair<ForceUnit, const char *> ForceNames[] = {{ForceUnit::Newton, "N"}, {ForceUnit::Kilonewton, "kN"}};

// Why a text cannot be a field's text or a name, as a pattern of what holds it (%1) and the
// most bytes it may have (%2); nullptr where it can.
const char *textProblem(const std::string &text)
{
    if (text.size() > SavedTextMaxBytes)
        return "%1 is longer than %2 bytes";
    if (firstInvalidUtf8(text) != std::string_view::npos)
        return "%1 is not UTF-8 text";
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return "%1 holds a control character (a field holds one line)";
    return nullptr;
}

// The problem of a text in the language shown, `where` already in it; "" where none.
std::string textProblemOf(const std::string &where, const std::string &text)
{
    const char *problem = textProblem(text);
    return problem == nullptr ? std::string()
                              : translatedPattern("Reason", problem, {where, std::to_string(SavedTextMaxBytes)});
}

// A reason of checkSavedCalculation in the language shown, its places filled with names and
// numbers as they are.
std::string say(const char *pattern, const std::vector<std::string> &arguments)
{
    return translatedPattern("Reason", pattern, arguments);
}

std::string text(const Json &value, const std::string &path)
{
    if (!value.is_string())
        refuse(translatedPattern("Reason", "%1 must be a text, not %2", {inQuotes(path), kindOf(value)}));
    const std::string &t = value.get_ref<const std::string &>();
    if (const char *problem = textProblem(t))
        refuse(translatedPattern("Reason", problem, {inQuotes(path), std::to_string(SavedTextMaxBytes)}));
    return t;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// "#RRGGBB" as the window's 0x00BBGGRR.
unsigned colour(const Json &value, const std::string &path)
{
    const std::string t = text(value, path);
    unsigned rgb = 0;
    bool valid = t.size() == 7 && t[0] == '#';
    for (std::size_t k = 1; valid && k < 7; ++k) {
        const int digit = hexDigit(t[k]);
        valid = digit >= 0;
        rgb = (rgb << 4) | static_cast<unsigned>(std::max(digit, 0));
    }
    if (!valid)
        refuse(
            translatedPattern("Reason", "%1 must be a colour written #RRGGBB, not %2", {inQuotes(path), inQuotes(t)}));
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

std::string colourText(unsigned bgr)
{
    static const char digits[] = "0123456789ABCDEF";
    const unsigned rgb = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
    std::string t = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        t += digits[(rgb >> shift) & 0xF];
    return t;
}

SavedInput input(const Json &value, const std::string &path)
{
    object(value, path, {"name", "text", "step"});
    SavedInput in;
    in.caption = text(field(value, path, "name"), path + ".name");
    in.text = text(field(value, path, "text"), path + ".text");
    in.step = text(field(value, path, "step"), path + ".step");
    return in;
}

const Json &list(const Json &value, const std::string &path)
{
    if (!value.is_array())
        refuse(translatedPattern("Reason", "%1 must be a list, not %2", {inQuotes(path), kindOf(value)}));
    return value;
}

const std::pair<ChartArea, const char *> ViewNames[] = {{ChartArea::Results, "results"},
                                                        {ChartArea::Diagrams, "diagrams"},
                                                        {ChartArea::Influence, "influence"},
                                                        {ChartArea::Envelope, "envelope"}};

const char *viewName(ChartArea view)
{
    for (const auto &[area, name] : ViewNames)
        if (area == view)
            return name;
    return "results";
}

// The JSON keys of the member editor's tables, in their order.
const char *const MemberTableKeys[] = {"supports",         "hinges",   "pointLoads", "couples",
                                       "distributedLoads", "segments", "loadCases",  "combinations",
                                       "movingLoads",      "checks",   "section",    "train"};
static_assert(std::size(MemberTableKeys) == MemberTableCount);

// The tables of a member: each row a list of its cells' texts, as many as the table has columns;
// a row may leave out trailing cells that may stay empty (a load without its case).
MemberTables memberTables(const Json &value)
{
    object(value, "member",
           {"supports", "hinges", "pointLoads", "couples", "distributedLoads", "segments", "loadCases", "combinations",
            "movingLoads", "checks", "section", "train"});
    MemberTables tables;
    for (int t = 0; t < MemberTableCount; ++t) {
        const auto found = value.find(MemberTableKeys[t]);
        if (found == value.end())
            continue;
        const std::string path = std::string("member.") + MemberTableKeys[t];
        const Json &rows = list(*found, path);
        const std::size_t columns = memberTableDef(t).columns.size();
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const std::string rowPath = path + "[" + std::to_string(r) + "]";
            const Json &cells = list(rows[r], rowPath);
            if (cells.size() < leastMemberCells(t) || cells.size() > columns)
                refuse(translatedPattern("Reason", "%1 must hold %2 texts, not %3",
                                         {inQuotes(rowPath), std::to_string(columns), std::to_string(cells.size())}));
            std::vector<std::string> row(columns);
            for (std::size_t c = 0; c < cells.size(); ++c)
                row[c] = text(cells[c], rowPath + "[" + std::to_string(c) + "]");
            tables.tables[static_cast<std::size_t>(t)].push_back(std::move(row));
        }
    }
    return tables;
}

SavedCalculation calculationOf(std::string_view source)
{
    if (source.size() > SavedCalculationMaxBytes)
        refuse(translatedPattern("Reason", "it is too large to be a saved calculation (%1 bytes)",
                                 {std::to_string(source.size())}));
    const Json document = parseText(source);

    // Of another kind first, then of another format version: neither is read any further.
    const auto format = document.is_object() ? document.find("format") : document.end();
    if (!document.is_object() || format == document.end() || !format->is_string() ||
        format->get_ref<const std::string &>() != SavedCalculationFormat)
        refuse(translated("Reason", "it is not a structcalc calculation (a JSON file of another kind)"));
    const Json &version = field(document, "", "version");
    if (!version.is_number_integer())
        refuse(
            translatedPattern("Reason", "%1 must be a whole number, not %2", {inQuotes("version"), kindOf(version)}));
    if (version.get<std::int64_t>() < 1 && !(version.is_number_unsigned() && version.get<std::uint64_t>() > 0))
        refuse(translatedPattern("Reason", "%1 must be 1 or more", {inQuotes("version")}));
    if (version.get<std::uint64_t>() > static_cast<std::uint64_t>(SavedCalculationVersion))
        refuse(translatedPattern(
            "Reason", "it was written by a newer version of structcalc (format %1); this one reads format %2",
            {std::to_string(version.get<std::uint64_t>()), std::to_string(SavedCalculationVersion)}));

    object(document, "",
           {"format", "version", "program", "case", "caption", "units", "inputs", "ticked", "chart", "colours", "names",
            "member"});
    SavedCalculation c;
    c.program = text(field(document, "", "program"), "program");
    c.caseNumber = static_cast<int>(wholeNumber(field(document, "", "case"), "case", 1, 9999));
    c.caseCaption = text(field(document, "", "caption"), "caption");

    const Json &units = object(field(document, "", "units"), "units", {"length", "force"});
    c.units.length = choice(field(units, "units", "length"), "units.length", LengthNames);
    c.units.force = choice(field(units, "units", "force"), "units.force", ForceNames);

    const Json &inputs = list(field(document, "", "inputs"), "inputs");
    for (std::size_t k = 0; k < inputs.size(); ++k)
        c.inputs.push_back(input(inputs[k], "inputs[" + std::to_string(k) + "]"));

    const Json &ticked = list(field(document, "", "ticked"), "ticked");
    for (std::size_t k = 0; k < ticked.size(); ++k)
        c.ticked.push_back(flag(ticked[k], "ticked[" + std::to_string(k) + "]"));

    const Json &chart =
        object(field(document, "", "chart"), "chart", {"type", "logScale", "view", "slope", "influence", "envelopeOf"});
    c.chartType = choice(field(chart, "chart", "type"), "chart.type", ChartTypeNames);
    c.logScale = flag(field(chart, "chart", "logScale"), "chart.logScale");
    c.view = choice(field(chart, "chart", "view"), "chart.view", ViewNames);
    if (const auto influence = chart.find("influence"); influence != chart.end()) {
        c.influence = text(*influence, "chart.influence");
        if (!influenceOfKey(c.influence))
            refuse(translatedPattern(
                "Reason", "%1 must be %2, not %3",
                {inQuotes("chart.influence"), "M, V, theta, delta, R1, MR1, ...", inQuotes(c.influence)}));
    }
    if (const auto envelopeOf = chart.find("envelopeOf"); envelopeOf != chart.end())
        c.envelopeOf = text(*envelopeOf, "chart.envelopeOf");
    c.showSlope = flag(field(chart, "chart", "slope"), "chart.slope");

    const Json &colours = object(field(document, "", "colours"), "colours", {"plot", "program"});
    c.plotColor = colour(field(colours, "colours", "plot"), "colours.plot");
    c.programColor = colour(field(colours, "colours", "program"), "colours.program");

    const Json &names = object(field(document, "", "names"), "names", {"project", "member", "engineer"});
    c.names.project = text(field(names, "names", "project"), "names.project");
    c.names.member = text(field(names, "names", "member"), "names.member");
    c.names.engineer = text(field(names, "names", "engineer"), "names.engineer");
    if (const auto member = document.find("member"); member != document.end())
        c.member = memberTables(*member);
    return c;
}

}  // namespace

SavedCalculationRead readSavedCalculation(std::string_view text)
{
    SavedCalculationRead read;
    try {
        read.calculation = calculationOf(text);
        read.ok = true;
    } catch (const Refusal &refusal) {
        read.error = refusal.message;
    } catch (const std::exception &error) {
        // Not expected of the checks above; still a refusal, never a crash of the window.
        read.error = translatedPattern("Reason", "it cannot be read (%1)", {error.what()});
    }
    if (!read.ok)
        read.calculation = SavedCalculation();
    return read;
}

std::string writeSavedCalculation(const SavedCalculation &c)
{
    OrderedJson inputs = OrderedJson::array();
    for (const SavedInput &in : c.inputs)
        inputs.push_back(OrderedJson{{"name", in.caption}, {"text", in.text}, {"step", in.step}});
    OrderedJson ticked = OrderedJson::array();
    for (const bool t : c.ticked)
        ticked.push_back(t);
    const char *type = ChartTypeNames[0].second;
    for (const auto &[item, name] : ChartTypeNames)
        if (item == c.chartType)
            type = name;
    const auto unitName = [](const auto &names, auto k) {
        for (const auto &[item, name] : names)
            if (item == k)
                return name;
        return names[0].second;
    };
    OrderedJson document = OrderedJson::object();
    document["format"] = SavedCalculationFormat;
    document["version"] = SavedCalculationVersion;
    document["program"] = c.program;
    document["case"] = c.caseNumber;
    document["caption"] = c.caseCaption;
    document["units"] =
        OrderedJson{{"length", unitName(LengthNames, c.units.length)}, {"force", unitName(ForceNames, c.units.force)}};
    document["inputs"] = inputs;
    document["ticked"] = ticked;
    document["chart"] =
        OrderedJson{{"type", type}, {"logScale", c.logScale}, {"view", viewName(c.view)}, {"slope", c.showSlope}};
    if (c.member)
        document["chart"]["influence"] = c.influence;
    if (c.member && !c.envelopeOf.empty())
        document["chart"]["envelopeOf"] = c.envelopeOf;
    document["colours"] = OrderedJson{{"plot", colourText(c.plotColor)}, {"program", colourText(c.programColor)}};
    document["names"] =
        OrderedJson{{"project", c.names.project}, {"member", c.names.member}, {"engineer", c.names.engineer}};
    if (c.member) {
        OrderedJson member = OrderedJson::object();
        for (int t = 0; t < MemberTableCount; ++t)
            member[MemberTableKeys[t]] = c.member->tables[static_cast<std::size_t>(t)];
        document["member"] = member;
    }
    // A text that is not UTF-8 cannot be written as JSON; checkSavedCalculation refuses it before.
    return document.dump(2, ' ', false, OrderedJson::error_handler_t::replace) + "\n";
}

namespace {

// Why the window could not hold the member's tables: a cell that is not text it takes, or a
// number too large for a double.
std::string memberProblem(const MemberTables &tables)
{
    for (int t = 0; t < MemberTableCount; ++t) {
        const MemberTableDef &def = memberTableDef(t);
        for (int r = 0; r < tables.rowCount(t); ++r) {
            const auto &row = tables.tables[static_cast<std::size_t>(t)][static_cast<std::size_t>(r)];
            if (row.size() < leastMemberCells(t) || row.size() > def.columns.size())
                return say(
                    "a row of %1 has %2 cells, not %3",
                    {translated("Table", def.title), std::to_string(row.size()), std::to_string(def.columns.size())});
            for (std::size_t c = 0; c < row.size(); ++c) {
                const std::string where = say("%1 of %2", {translated("Reason", def.columns[c].caption),
                                                           say((def.item + " %1").c_str(), {std::to_string(r + 1)})});
                const std::string problem = textProblemOf(where, row[c]);
                if (!problem.empty())
                    return problem;
                if (!def.columns[c].kind && !def.columns[c].text && !std::isfinite(readNumber(row[c])))
                    return say("%1 is too large a number: %2", {where, row[c]});
            }
        }
    }
    return {};
}

}  // namespace

std::string checkSavedCalculation(const SavedCalculation &c, const Program &program)
{
    if (c.program != program.name)
        return say("it is a calculation of %1, not of %2", {c.program, program.name});
    if (c.caseNumber < 1 || c.caseNumber > program.caseCount())
        return say("%1 has no case %2 (1 to %3)",
                   {program.name, std::to_string(c.caseNumber), std::to_string(program.caseCount())});
    const CaseDef &def = program.cases[static_cast<std::size_t>(c.caseNumber - 1)];
    if (c.caseCaption != def.caption)
        return say("case %1 of %2 is %3, not %4",
                   {std::to_string(c.caseNumber), program.name, inQuotes(def.caption), inQuotes(c.caseCaption)});
    if (!isUnitSystem(c.units))
        return translated("Reason", "the units are not a unit system of the window");
    if (!program.forceUnits && c.units.force != ForceUnit::Newton)
        return say("%1 works in N only, not %2", {program.name, forceUnitName(c.units.force)});
    if (c.inputs.size() != def.inputs.size()) {
        std::string captions;
        for (const InputDef &in : def.inputs)
            captions += (captions.empty() ? "" : ", ") + in.caption;
        return say("%1 has %2 inputs (%3); the file gives %4",
                   {translatedCaption(def.caption, "Case"), std::to_string(def.inputs.size()), captions,
                    std::to_string(c.inputs.size())});
    }
    for (std::size_t k = 0; k < c.inputs.size(); ++k) {
        const SavedInput &in = c.inputs[k];
        const std::string &caption = def.inputs[k].caption;
        if (in.caption != caption)
            return say("input %1 of %2 is %3, not %4",
                       {std::to_string(k + 1), translatedCaption(def.caption, "Case"), caption, in.caption});
        for (const auto &[what, t] :
             {std::pair<std::string, const std::string &>{"text", in.text}, {"step", in.step}}) {
            const std::string where = say(what == "text" ? "the text of input %1 of %2" : "the step of input %1 of %2",
                                          {caption, translatedCaption(def.caption, "Case")});
            const std::string problem = textProblemOf(where, t);
            if (!problem.empty())
                return problem;
            // The window refuses a field whose number leaves the range of a double: a file
            // cannot bring one in.
            if (!std::isfinite(readNumber(t)))
                return say("%1 is too large a number: %2", {where, t});
        }
    }
    if (program.memberEditor != c.member.has_value())
        return program.memberEditor ? translated("Reason", "it holds no member")
                                    : say("%1 takes no member", {program.name});
    if (!program.memberEditor && (c.view == ChartArea::Influence || c.view == ChartArea::Envelope))
        return say("%1 has no influence lines or envelopes to show", {program.name});
    if (!program.memberEditor && !c.envelopeOf.empty())
        return say("%1 has no combinations to show", {program.name});
    if (c.member) {
        const std::string problem = memberProblem(*c.member);
        if (!problem.empty())
            return problem;
        const std::size_t rows = memberRowLimit(c.member->tables[SupportTable].size());
        if (c.ticked.size() > rows)
            return say("the member has at most %1 result rows; the file ticks %2",
                       {std::to_string(rows), std::to_string(c.ticked.size())});
    } else if (c.ticked.size() != def.rows.size())
        return say(
            "%1 has %2 result rows; the file ticks %3",
            {translatedCaption(def.caption, "Case"), std::to_string(def.rows.size()), std::to_string(c.ticked.size())});
    if (c.plotColor > 0xFFFFFF || c.programColor > 0xFFFFFF)
        return translated("Reason", "a colour is not a colour of the window");
    for (const std::string *name : {&c.names.project, &c.names.member, &c.names.engineer}) {
        const std::string problem = textProblemOf(translated("Reason", "a name"), *name);
        if (!problem.empty())
            return problem;
    }
    return {};
}

std::string cleanName(std::string_view name)
{
    std::string clean;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = utf8Sequence(name, i);
        if (length == 0) {
            ++i;
            continue;
        }
        const auto c = static_cast<unsigned char>(name[i]);
        if (length == 1 && (c < 0x20 || c == 0x7F))
            clean += ' ';
        else
            clean.append(name, i, length);
        i += length;
    }
    const std::size_t first = clean.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    clean = clean.substr(first, clean.find_last_not_of(' ') - first + 1);
    if (clean.size() > SavedTextMaxBytes) {
        std::size_t cut = SavedTextMaxBytes;
        while (cut > 0 && (static_cast<unsigned char>(clean[cut]) & 0xC0) == 0x80)
            --cut;
        clean.resize(cut);
        clean.erase(clean.find_last_not_of(' ') + 1);
    }
    return clean;
}

}  // namespace shell
