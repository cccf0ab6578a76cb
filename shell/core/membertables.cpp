#include "shell/core/membertables.h"

#include "mechanics/outcome.h"
#include "shell/core/language.h"
#include "shell/core/membersection.h"
#include "shell/core/numbertext.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace shell {

namespace {

// A reason in the language shown, its places filled with numbers and names as they are.
std::string say(const std::string &pattern, const std::vector<std::string> &arguments)
{
    return translatedPattern("Reason", pattern, arguments);
}

// Column indices of each table, in the order memberTableDefs() lists them.
enum SupportColumn { SupportX, SupportKindColumn, SupportK, SupportRotationalK, SupportSettlement };
enum LoadColumn { LoadX, LoadValue, LoadCaseColumn };
enum SpanColumn { SpanFrom, SpanTo, SpanFirst, SpanSecond, SpanCase };
enum CaseColumn { CaseName, CaseKind, CaseMeaning };
enum CombinationColumn { CombinationName, CombinationFactors, CombinationPattern, CombinationUseColumn };
enum AxleColumn { AxleOffset, AxleLoad };
enum CheckColumn { CheckZ, CheckF, CheckN };
enum SectionColumn { SectionShape, SectionA, SectionB, SectionC, SectionD, SectionMaterial };
enum TrainColumn { TrainUniform, TrainWaysColumn };

const char *const KindWords[] = {"pinned", "roller", "fixed", "spring"};
constexpr mechanics::SupportKind KindsInOrder[] = {mechanics::SupportKind::Pinned, mechanics::SupportKind::Roller,
                                                   mechanics::SupportKind::Fixed, mechanics::SupportKind::Spring};

MemberColumn position(const std::string &caption, const std::string &meaning)
{
    return {caption, Dimension::Length, "", false, false, meaning};
}

MemberColumn choiceColumn(const std::string &caption, std::vector<std::string> words, const std::string &meaning)
{
    MemberColumn c{caption, Dimension::None, "", true, false, meaning};
    c.choices = std::move(words);
    return c;
}

MemberColumn textColumn(const std::string &caption, bool optional, const std::string &meaning)
{
    MemberColumn c{caption, Dimension::None, "", false, optional, meaning};
    c.text = true;
    return c;
}

MemberColumn caseColumn()
{
    return textColumn("case", true, "the load case the load belongs to (empty: the first)");
}

const std::vector<std::string> CaseKindWords{"permanent", "variable"};
const std::vector<std::string> PatternWords{"no", "yes"};
const std::vector<std::string> UseWords{"both", "strength", "deflection"};
// In the order of mechanics::TrainWays.
const std::vector<std::string> WaysWords{"both", "rightward", "leftward"};

std::array<MemberTableDef, MemberTableCount> makeDefs()
{
    std::array<MemberTableDef, MemberTableCount> d;
    d[SupportTable] = {
        "Supports",
        "Supports",
        "Supports",
        "support",
        {position("x", "position of the support from the left end"),
         choiceColumn("kind", {std::begin(KindWords), std::end(KindWords)}, "pinned, roller, fixed or spring"),
         {"k", Dimension::LineLoad, "", false, true, "stiffness of a spring support (force per deflection)"},
         {"kθ", Dimension::Moment, "/rad", false, true, "rotational stiffness of a spring support (moment per radian)"},
         {"δs", Dimension::Length, "", false, true, "settlement of the support, downward positive"}}};
    d[HingeTable] = {"Hinges", "Hinges", "Hinges", "hinge", {position("x", "position of the internal hinge")}};
    d[PointLoadTable] = {"Point loads",
                         "Points",
                         "PointLoads",
                         "point load",
                         {position("x", "position of the load"),
                          {"P", Dimension::Force, "", false, false, "point load, downward positive"},
                          caseColumn()}};
    d[CoupleTable] = {"Couples",
                      "Couples",
                      "Couples",
                      "couple",
                      {position("x", "position of the couple"),
                       {"C", Dimension::Moment, "", false, false, "couple, clockwise positive"},
                       caseColumn()}};
    d[DistributedLoadTable] = {"Distributed loads",
                               "Distributed",
                               "DistributedLoads",
                               "distributed load",
                               {position("from", "start of the load"),
                                position("to", "end of the load"),
                                {"w1", Dimension::LineLoad, "", false, false, "load at the start, downward positive"},
                                {"w2", Dimension::LineLoad, "", false, false, "load at the end, downward positive"},
                                caseColumn()}};
    d[SegmentTable] = {
        "Segments",
        "Segments",
        "Segments",
        "segment",
        {position("from", "start of the segment"),
         position("to", "end of the segment"),
         {"E", Dimension::Stress, "", false, true, "elastic modulus of the segment (empty: the member's)"},
         {"I", Dimension::SecondMoment, "", false, true,
          "second moment of area of the segment (empty: the member's)"}}};
    d[LoadCaseTable] = {"Load cases",
                        "Cases",
                        "LoadCases",
                        "load case",
                        {textColumn("name", false, "the name the loads and combinations use: G, Q, W, S, ..."),
                         choiceColumn("kind", CaseKindWords,
                                      "permanent, or variable (may be placed span by span where a combination asks)"),
                         textColumn("meaning", true, "what the case is: self-weight, imposed, wind, snow")}};
    d[CombinationTable] = {
        "Combinations",
        "Combinations",
        "Combinations",
        "combination",
        {textColumn("name", false, "the name of the combination: ULS, SLS, ..."),
         textColumn("factors", false, "the factored cases: 1.35 G + 1.5 Q"),
         choiceColumn("pattern", PatternWords, "yes: the variable cases placed span by span where each value is worst"),
         choiceColumn("use", UseWords, "the checks it serves: strength (bending stress), deflection, or both")}};
    d[MovingLoadTable] = {"Moving loads",
                          "Moving",
                          "MovingLoads",
                          "axle",
                          {position("a", "distance of the axle behind the first axle"),
                           {"P", Dimension::Force, "", false, false, "axle load, downward positive"}}};
    d[CheckTable] = {
        "Checks",
        "Checks",
        "Checks",
        "check",
        {{"Z", Dimension::SectionModulus, "", false, true, "elastic section modulus for the bending stress σ = M/Z"},
         {"f", Dimension::Stress, "", false, true, "allowable bending stress"},
         {"n", Dimension::None, "", false, true, "deflection limit: span / n (300 for span/300)"}}};
    MemberColumn material = choiceColumn("material", materialWords(),
                                         "steel, stainless steel or aluminium alloy: "
                                         "E of the material instead of the E typed");
    material.optional = true;
    d[SectionTable] = {
        "Section",
        "Section",
        "Section",
        "section",
        {textColumn("shape", true,
                    "rectangular bar, rectangular tube, circular bar, circular tube, C, T, L or I section: I and Z "
                    "of the shape instead of those typed"),
         {"a", Dimension::Length, "", false, true,
          "depth (bar, tube, I), width (C), flange width (T), leg (L); the diameter of a circular bar, the outer "
          "diameter of a tube"},
         {"b", Dimension::Length, "", false, true,
          "width (bar, tube, I), depth (C), web depth (T), other leg (L); the inner diameter of a tube"},
         {"c", Dimension::Length, "", false, true, "wall (tube), flange thickness (C, I), flange (T), thickness (L)"},
         {"d", Dimension::Length, "", false, true, "web thickness (C, T, I)"},
         material}};
    MemberColumn ways = choiceColumn("ways", WaysWords, "the way the train runs: both (empty), rightward or leftward");
    ways.optional = true;
    d[TrainTable] = {"Train",
                     "Train",
                     "Train",
                     "train",
                     {{"w", Dimension::LineLoad, "", false, true,
                       "uniform load of the train, downward positive, on whatever parts of the member make a value "
                       "worst"},
                      ways}};
    return d;
}

bool blank(const std::string &text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

std::string trimmed(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

// Reads the tables cell by cell; the first cell that does not describe the member stops it.
// The section's table needs the shapes and the units.
class TableReader
{
public:
    TableReader(const MemberTables &tables, double length) : m_tables(tables), m_length(length) {}

    bool failed() const { return !m_reason.empty(); }
    MemberTablesRead refusal() const { return {std::nullopt, m_cell, m_reason}; }

    // The number of a cell: finite and within the normal range of a double.
    double number(int table, int row, int column)
    {
        if (failed())
            return 0;
        const std::string &text = cell(table, row, column);
        const double value = readNumber(text);
        if (!std::isfinite(value))
            refuse(table, row, column, say("%1 is too large a number", {name(table, row, column)}));
        else if (isBelowNormalRange(text))
            refuse(table, row, column,
                   say("%1 is too small a number (nearer 0 than 2.2e-308)", {name(table, row, column)}));
        return value;
    }

    double positionOnMember(int table, int row, int column)
    {
        const double x = number(table, row, column);
        if (!failed() && !(x >= 0 && x <= m_length))
            refuse(table, row, column,
                   translatedMessage(mechanics::outsideMember(mechanics::verbatim(item(table, row)),
                                                              columnOf(table, column).caption.c_str(), x, "the member",
                                                              m_length)));
        return x;
    }

    double notBelowZero(int table, int row, int column)
    {
        const double value = number(table, row, column);
        if (!failed() && value < 0)
            refuse(table, row, column,
                   say("%1 must be zero or above, not %2", {name(table, row, column), generalText(value)}));
        return value;
    }

    std::optional<double> optionalPositive(int table, int row, int column)
    {
        if (blank(cell(table, row, column)))
            return std::nullopt;
        const double value = number(table, row, column);
        if (!failed() && !(value > 0))
            refuse(table, row, column,
                   translatedMessage(mechanics::notPositive(mechanics::verbatim(name(table, row, column)), value)));
        return value;
    }

    // The end of a stretch, after its start.
    double endAfter(int table, int row, double from)
    {
        const double to = positionOnMember(table, row, SpanTo);
        if (!failed() && !(to > from))
            refuse(table, row, SpanTo,
                   say("the %1 must end after it starts (from %2, to %3)",
                       {item(table, row), generalText(from), generalText(to)}));
        return to;
    }

    // The index of the choice a kind cell names.
    int choice(int table, int row, int column)
    {
        const std::vector<std::string> &words = columnOf(table, column).choices;
        const int k = readChoice(cell(table, row, column), words);
        if (k < 0 && !failed()) {
            refuse(table, row, column,
                   say("the %1 of %2 must be %3", {caption(table, column), item(table, row), listed(words)}));
        }
        return std::max(k, 0);
    }

    // A name: a letter, then letters, digits or _.
    std::string name(int table, int row, int column, bool optional)
    {
        const std::string t = trimmed(cell(table, row, column));
        if (failed() || (optional && t.empty()))
            return t;
        bool fine = !t.empty() && t.size() <= 40 && std::isalpha(static_cast<unsigned char>(t[0]));
        for (const char c : t)
            fine = fine && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
        if (!fine)
            refuse(table, row, column,
                   say("the %1 of %2 must be a letter, then letters, digits or _ (as G, Q1, snow)",
                       {caption(table, column), item(table, row)}));
        return t;
    }

    std::string words(int table, int row, int column) { return trimmed(cell(table, row, column)); }

    void refuseCell(int table, int row, int column, const std::string &reason) { refuse(table, row, column, reason); }
    static std::string itemName(int table, int row) { return item(table, row); }

    mechanics::SupportKind kind(int row)
    {
        const std::string &text = cell(SupportTable, row, SupportKindColumn);
        const std::optional<mechanics::SupportKind> k = readSupportKind(text);
        if (!k && !failed())
            refuse(SupportTable, row, SupportKindColumn,
                   say("the kind of %1 must be pinned, roller, fixed or spring", {item(SupportTable, row)}));
        return k.value_or(mechanics::SupportKind::Pinned);
    }

private:
    const std::string &cell(int table, int row, int column) const
    {
        static const std::string none;
        const auto &rows = m_tables.tables[static_cast<std::size_t>(table)];
        const auto &cells = rows[static_cast<std::size_t>(row)];
        return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : none;
    }
    static const MemberColumn &columnOf(int table, int column)
    {
        return memberTableDef(table).columns[static_cast<std::size_t>(column)];
    }
    // "support 2", "the kind of support 2", in the language shown; the captions that are symbols
    // ("x", "k") read the same in every language.
    static std::string item(int table, int row)
    {
        return say(memberTableDef(table).item + " %1", {std::to_string(row + 1)});
    }
    static std::string caption(int table, int column) { return translated("Reason", columnOf(table, column).caption); }
    static std::string name(int table, int row, int column)
    {
        return say("%1 of %2", {caption(table, column), item(table, row)});
    }
    void refuse(int table, int row, int column, const std::string &reason)
    {
        if (failed())
            return;
        m_cell = {table, row, column};
        m_reason = reason;
    }

    const MemberTables &m_tables;
    double m_length;
    MemberCell m_cell;
    std::string m_reason;
};

void readSupports(TableReader &read, const MemberTables &tables, MemberDescription &m)
{
    for (int r = 0; r < tables.rowCount(SupportTable) && !read.failed(); ++r) {
        mechanics::Support s;
        s.x = read.positionOnMember(SupportTable, r, SupportX);
        s.kind = read.kind(r);
        const double k = read.notBelowZero(SupportTable, r, SupportK);
        const double kr = read.notBelowZero(SupportTable, r, SupportRotationalK);
        if (s.kind == mechanics::SupportKind::Spring) {
            s.stiffness = k;
            s.rotationalStiffness = kr;
        }
        s.settlement = read.number(SupportTable, r, SupportSettlement);
        m.supports.push_back(s);
    }
}

void readLoads(TableReader &read, const MemberTables &tables, MemberDescription &m)
{
    for (int r = 0; r < tables.rowCount(HingeTable) && !read.failed(); ++r)
        m.hinges.push_back(read.positionOnMember(HingeTable, r, LoadX));
    for (const int table : {PointLoadTable, CoupleTable}) {
        for (int r = 0; r < tables.rowCount(table) && !read.failed(); ++r) {
            MemberLoad load;
            load.kind = table == PointLoadTable ? MemberLoad::Kind::Point : MemberLoad::Kind::Couple;
            load.x = read.positionOnMember(table, r, LoadX);
            load.value = read.number(table, r, LoadValue);
            load.loadCase = read.name(table, r, LoadCaseColumn, true);
            m.loads.push_back(load);
        }
    }
    for (int r = 0; r < tables.rowCount(DistributedLoadTable) && !read.failed(); ++r) {
        MemberLoad load;
        load.kind = MemberLoad::Kind::Distributed;
        load.from = read.positionOnMember(DistributedLoadTable, r, SpanFrom);
        load.to = read.endAfter(DistributedLoadTable, r, load.from);
        load.w1 = read.number(DistributedLoadTable, r, SpanFirst);
        load.w2 = read.number(DistributedLoadTable, r, SpanSecond);
        load.loadCase = read.name(DistributedLoadTable, r, SpanCase, true);
        m.loads.push_back(load);
    }
    for (int r = 0; r < tables.rowCount(SegmentTable) && !read.failed(); ++r) {
        MemberSegment segment;
        segment.from = read.positionOnMember(SegmentTable, r, SpanFrom);
        segment.to = read.endAfter(SegmentTable, r, segment.from);
        segment.E = read.optionalPositive(SegmentTable, r, SpanFirst);
        segment.I = read.optionalPositive(SegmentTable, r, SpanSecond);
        m.segments.push_back(segment);
    }
}

// The load cases, the combinations, the moving loads and the checks; a name no case has is
// refused at the cell that names it.
void readStudy(TableReader &read, const MemberTables &tables, MemberDescription &m)
{
    for (int r = 0; r < tables.rowCount(LoadCaseTable) && !read.failed(); ++r) {
        MemberLoadCase c;
        c.name = read.name(LoadCaseTable, r, CaseName, false);
        c.variable = read.choice(LoadCaseTable, r, CaseKind) == 1;
        c.meaning = read.words(LoadCaseTable, r, CaseMeaning);
        for (const MemberLoadCase &before : m.cases)
            if (before.name == c.name && !read.failed())
                read.refuseCell(LoadCaseTable, r, CaseName, say("two load cases are named %1", {c.name}));
        m.cases.push_back(c);
    }
    const auto known = [&m](const std::string &name) {
        return std::any_of(m.cases.begin(), m.cases.end(), [&](const MemberLoadCase &c) { return c.name == name; });
    };
    // The loads' case cells, in the order readLoads took the loads.
    std::size_t load = 0;
    for (const int table : {PointLoadTable, CoupleTable, DistributedLoadTable}) {
        const int column =
            table == DistributedLoadTable ? static_cast<int>(SpanCase) : static_cast<int>(LoadCaseColumn);
        for (int r = 0; r < tables.rowCount(table) && !read.failed(); ++r, ++load) {
            const std::string &name = m.loads[load].loadCase;
            if (!name.empty() && !known(name))
                read.refuseCell(table, r, column,
                                say("the case of %1 is %2, which the Load cases table does not name",
                                    {TableReader::itemName(table, r), name}));
        }
    }
    for (int r = 0; r < tables.rowCount(CombinationTable) && !read.failed(); ++r) {
        MemberCombination c;
        c.name = read.words(CombinationTable, r, CombinationName);
        if (c.name.empty())
            read.refuseCell(CombinationTable, r, CombinationName,
                            say("the name of %1 is empty", {TableReader::itemName(CombinationTable, r)}));
        std::string problem;
        c.factors = readFactors(read.words(CombinationTable, r, CombinationFactors), problem);
        if (!problem.empty())
            read.refuseCell(CombinationTable, r, CombinationFactors,
                            say("the factors of %1: %2", {TableReader::itemName(CombinationTable, r), problem}));
        for (const auto &[name, factor] : c.factors)
            if (!known(name))
                read.refuseCell(CombinationTable, r, CombinationFactors,
                                say("%1 names load case %2, which the Load cases table does not name",
                                    {TableReader::itemName(CombinationTable, r), name}));
        c.pattern = read.choice(CombinationTable, r, CombinationPattern) == 1;
        c.use = static_cast<CombinationUse>(read.choice(CombinationTable, r, CombinationUseColumn));
        m.combinations.push_back(c);
    }
    mechanics::Train train;
    if (tables.rowCount(TrainTable) > 1 && !read.failed())
        read.refuseCell(TrainTable, 1, -1, translated("Reason", "the train is one row"));
    if (tables.rowCount(TrainTable) > 0 && !read.failed()) {
        if (!blank(read.words(TrainTable, 0, TrainUniform)))
            train.uniform = read.number(TrainTable, 0, TrainUniform);
        if (!blank(read.words(TrainTable, 0, TrainWaysColumn)))
            train.ways = static_cast<mechanics::TrainWays>(read.choice(TrainTable, 0, TrainWaysColumn));
    }
    if (tables.rowCount(MovingLoadTable) > 0 || train.uniform != 0) {
        for (int r = 0; r < tables.rowCount(MovingLoadTable) && !read.failed(); ++r) {
            mechanics::Axle axle;
            axle.offset = read.notBelowZero(MovingLoadTable, r, AxleOffset);
            axle.load = read.number(MovingLoadTable, r, AxleLoad);
            train.axles.push_back(axle);
        }
        m.train = train;
    }
    if (tables.rowCount(SectionTable) > 1 && !read.failed())
        read.refuseCell(SectionTable, 1, -1, translated("Reason", "the section is one row"));
    if (tables.rowCount(CheckTable) > 1 && !read.failed())
        read.refuseCell(CheckTable, 1, -1, translated("Reason", "the checks are one row"));
    if (tables.rowCount(CheckTable) > 0 && !read.failed()) {
        m.checks.Z = read.optionalPositive(CheckTable, 0, CheckZ);
        m.checks.f = read.optionalPositive(CheckTable, 0, CheckF);
        m.checks.n = read.optionalPositive(CheckTable, 0, CheckN);
    }
}

// The section and the material, where the one row of the Section table names them: the shape a
// word starts (in any case), its dimensions up to the last one typed, and the material. The
// member then takes I and Z of the shape and E of the material; Z typed in the checks as well is
// refused, for one Z would silently win over the other.
void readSection(TableReader &read, const MemberTables &tables, MemberDescription &m,
                 const std::vector<CaseDef> &shapes, Units units)
{
    if (tables.rowCount(SectionTable) == 0 || read.failed())
        return;
    MemberSection section;
    const std::string shape = read.words(SectionTable, 0, SectionShape);
    if (!shape.empty()) {
        const std::vector<std::string> words = shapeWords(shapes);
        const int k = readChoice(shape, words);
        if (k < 0) {
            read.refuseCell(SectionTable, 0, SectionShape, say("the shape of the section must be %1", {listed(words)}));
            return;
        }
        section.shape = shapes[static_cast<std::size_t>(k)].caption;
    }
    int last = SectionD;
    while (last >= SectionA && blank(read.words(SectionTable, 0, last)))
        --last;
    for (int c = SectionA; c <= last; ++c)
        section.dimensions.push_back(blank(read.words(SectionTable, 0, c)) ? 0 : read.number(SectionTable, 0, c));
    if (!blank(read.words(SectionTable, 0, SectionMaterial)))
        section.material =
            memberMaterials()[static_cast<std::size_t>(read.choice(SectionTable, 0, SectionMaterial))].name;
    if (read.failed())
        return;
    if (section.shape.empty() && !section.dimensions.empty()) {
        read.refuseCell(SectionTable, 0, SectionShape, translated("Reason", "the section's dimensions need its shape"));
        return;
    }
    if (!section.shape.empty() && tables.rowCount(CheckTable) > 0 && !blank(read.words(CheckTable, 0, CheckZ))) {
        read.refuseCell(
            CheckTable, 0, CheckZ,
            say("Z of the checks is the section's (%1): leave it empty", {translatedCaption(section.shape, "Case")}));
        return;
    }
    const ResolvedSection r = resolveSection(section, shapes, units);
    if (!r.problem.empty()) {
        read.refuseCell(SectionTable, 0, r.about == 5 ? SectionMaterial : std::clamp(r.about, 0, 4), r.problem);
        return;
    }
    m.section = section;
    applySection(m, shapes, units);
}

std::string lowerCase(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

const std::array<MemberTableDef, MemberTableCount> &memberTableDefs()
{
    static const std::array<MemberTableDef, MemberTableCount> defs = makeDefs();
    return defs;
}

const MemberTableDef &memberTableDef(int table)
{
    return memberTableDefs()[static_cast<std::size_t>(std::clamp(table, 0, MemberTableCount - 1))];
}

const std::string &MemberTables::text(const MemberCell &cell) const
{
    static const std::string none;
    return holds(cell) ? tables[static_cast<std::size_t>(cell.table)][static_cast<std::size_t>(cell.row)]
                               [static_cast<std::size_t>(cell.column)]
                       : none;
}

bool MemberTables::holds(const MemberCell &cell) const
{
    if (cell.table < 0 || cell.table >= MemberTableCount || cell.row < 0 || cell.row >= rowCount(cell.table))
        return false;
    const auto &cells = tables[static_cast<std::size_t>(cell.table)][static_cast<std::size_t>(cell.row)];
    return cell.column >= 0 && static_cast<std::size_t>(cell.column) < cells.size();
}

std::size_t leastMemberCells(int table)
{
    const std::vector<MemberColumn> &columns = memberTableDef(table).columns;
    std::size_t least = columns.size();
    while (least > 0 && columns[least - 1].optional)
        --least;
    return least;
}

void padMemberRows(MemberTables &tables)
{
    for (int t = 0; t < MemberTableCount; ++t)
        for (auto &row : tables.tables[static_cast<std::size_t>(t)])
            if (row.size() >= leastMemberCells(t) && row.size() < memberTableDef(t).columns.size())
                row.resize(memberTableDef(t).columns.size());
}

int readChoice(const std::string &text, const std::vector<std::string> &choices)
{
    const std::string word = lowerCase(trimmed(text));
    if (word.empty())
        return -1;
    for (std::size_t k = 0; k < choices.size(); ++k)
        if (choices[k].compare(0, word.size(), word) == 0)
            return static_cast<int>(k);
    return -1;
}

std::optional<mechanics::SupportKind> readSupportKind(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const std::string word = lowerCase(text.substr(first, text.find_last_not_of(" \t") + 1 - first));
    for (std::size_t k = 0; k < std::size(KindWords); ++k)
        if (std::string(KindWords[k]).compare(0, word.size(), word) == 0)
            return KindsInOrder[k];
    return std::nullopt;
}

MemberTablesRead readMemberTables(const MemberTables &tables, double length, double E, double I,
                                  const std::vector<CaseDef> &shapes, Units units)
{
    MemberDescription m;
    m.length = length;
    m.E = E;
    m.I = I;
    TableReader read(tables, length);
    readSupports(read, tables, m);
    readLoads(read, tables, m);
    readStudy(read, tables, m);
    readSection(read, tables, m, shapes, units);
    if (read.failed())
        return read.refusal();
    return {std::move(m), {}, {}};
}

MemberCell tableOfRefusal(const std::string &reason)
{
    // The most particular word first: "a couple acts at the hinge" is about the couple.
    const std::pair<const char *, int> words[] = {
        {"load case", LoadCaseTable},   {"combination", CombinationTable},
        {"axle", MovingLoadTable},      {"train", MovingLoadTable},
        {"checks", CheckTable},

        {"couple", CoupleTable},        {"distributed load", DistributedLoadTable},
        {"point load", PointLoadTable}, {"segment", SegmentTable},
        {"hinge", HingeTable},          {"support", SupportTable}};
    for (const auto &[word, table] : words)
        if (reason.find(word) != std::string::npos)
            return {table, -1, -1};
    return {SupportTable, -1, -1};
}

MemberTables memberTablesOf(const MemberDescription &member)
{
    MemberTables t;
    const auto text = [](double value) { return generalText(value); };
    for (const mechanics::Support &s : member.supports) {
        const bool spring = s.kind == mechanics::SupportKind::Spring;
        t.tables[SupportTable].push_back({text(s.x), supportKindName(s.kind), spring ? text(s.stiffness) : "",
                                          spring ? text(s.rotationalStiffness) : "",
                                          s.settlement != 0 ? text(s.settlement) : ""});
    }
    for (const double x : member.hinges)
        t.tables[HingeTable].push_back({text(x)});
    for (const MemberLoad &load : member.loads) {
        if (load.kind == MemberLoad::Kind::Point)
            t.tables[PointLoadTable].push_back({text(load.x), text(load.value), load.loadCase});
        else if (load.kind == MemberLoad::Kind::Couple)
            t.tables[CoupleTable].push_back({text(load.x), text(load.value), load.loadCase});
        else
            t.tables[DistributedLoadTable].push_back(
                {text(load.from), text(load.to), text(load.w1), text(load.w2), load.loadCase});
    }
    for (const MemberSegment &g : member.segments)
        t.tables[SegmentTable].push_back({text(g.from), text(g.to), g.E ? text(*g.E) : "", g.I ? text(*g.I) : ""});
    for (const MemberLoadCase &c : member.cases)
        t.tables[LoadCaseTable].push_back({c.name, CaseKindWords[c.variable ? 1 : 0], c.meaning});
    for (const MemberCombination &c : member.combinations)
        t.tables[CombinationTable].push_back({c.name, factorsText(c.factors), PatternWords[c.pattern ? 1 : 0],
                                              UseWords[static_cast<std::size_t>(c.use)]});
    if (member.train)
        for (const mechanics::Axle &a : member.train->axles)
            t.tables[MovingLoadTable].push_back({text(a.offset), text(a.load)});
    if (member.train && (member.train->uniform != 0 || member.train->ways != mechanics::TrainWays::Both))
        t.tables[TrainTable].push_back({member.train->uniform != 0 ? text(member.train->uniform) : "",
                                        WaysWords[static_cast<std::size_t>(member.train->ways)]});
    const MemberChecks &c = member.checks;
    const MemberSection &s = member.section;
    // Z comes from the section where it names its shape.
    const std::optional<double> typedZ = s.shape.empty() ? c.Z : std::nullopt;
    if (typedZ || c.f || c.n)
        t.tables[CheckTable].push_back({typedZ ? text(*typedZ) : "", c.f ? text(*c.f) : "", c.n ? text(*c.n) : ""});
    if (!s.shape.empty() || !s.material.empty()) {
        std::vector<std::string> row{lowerCase(s.shape), "", "", "", "", lowerCase(s.material)};
        for (std::size_t k = 0; k < s.dimensions.size() && k < 4; ++k)
            row[1 + k] = text(s.dimensions[k]);
        t.tables[SectionTable].push_back(row);
    }
    return t;
}

MemberTables startMemberTables()
{
    MemberTables t;
    t.tables[SupportTable] = {
        {"0", "pinned", "", "", ""}, {"3000", "roller", "", "", ""}, {"6000", "roller", "", "", ""}};
    t.tables[PointLoadTable] = {{"1500", "5000", "Q"}};
    t.tables[DistributedLoadTable] = {{"0", "6000", "5", "5", "G"}};
    t.tables[LoadCaseTable] = {{"G", "permanent", "self-weight and finishes"}, {"Q", "variable", "imposed"}};
    t.tables[CombinationTable] = {{"ULS", "1.35 G + 1.5 Q", "yes", "strength"}, {"SLS", "G + Q", "no", "deflection"}};
    // An IPE 160: Z = 109 cm³; f of a steel of 235 N/mm² over 1.5; deflection span / 300.
    t.tables[CheckTable] = {{"109000", "156", "300"}};
    return t;
}

std::vector<std::string> newMemberRow(int table, double length)
{
    const std::string end = generalText(std::isfinite(length) ? length : 0);
    const std::string middle = generalText(std::isfinite(length) ? length / 2 : 0);
    switch (table) {
    case SupportTable:
        return {end, "roller", "", "", ""};
    case HingeTable:
        return {middle};
    case PointLoadTable:
        return {middle, "1000", ""};
    case CoupleTable:
        return {middle, "1000000", ""};
    case DistributedLoadTable:
        return {"0", end, "1", "1", ""};
    case LoadCaseTable:
        return {"Q", "variable", ""};
    case CombinationTable:
        return {"C", "G", "no", "both"};
    case MovingLoadTable:
        return {"0", "10000"};
    case CheckTable:
        return {"", "", "300"};
    case SectionTable:
        return {"i section", "160", "82", "7.4", "5", "steel"};
    case TrainTable:
        return {"", "both"};
    default:
        return {"0", middle, "", ""};
    }
}

std::string steppedCellText(const MemberTables &tables, const MemberCell &cell, int clicks, double length)
{
    const std::string &text = tables.text(cell);
    if (!tables.holds(cell) || clicks == 0)
        return text;
    const MemberColumn &column = memberTableDef(cell.table).columns[static_cast<std::size_t>(cell.column)];
    if (column.kind) {
        const int count = static_cast<int>(column.choices.size());
        const int k = std::max(readChoice(text, column.choices), 0);
        return column.choices[static_cast<std::size_t>(((k + clicks) % count + count) % count)];
    }
    if (column.text)
        return text;
    const double value = readNumber(text);
    if (!std::isfinite(value))
        return text;
    const bool place = column.dimension == Dimension::Length && column.caption != "δs";
    const double size = place ? length / 100 : std::abs(value) / 10;
    const double step = size > 0 && std::isfinite(size) ? roundStep(size) : 1;
    double stepped = value + clicks * step;
    if (place && std::isfinite(length))
        stepped = std::clamp(stepped, 0.0, std::max(length, 0.0));
    return std::isfinite(stepped) ? generalText(stepped) : text;
}

bool convertMemberTables(MemberTables &tables, Units from, Units to, MemberCell &cell, std::string &reason)
{
    MemberTables converted = tables;
    for (int t = 0; t < MemberTableCount; ++t) {
        const MemberTableDef &def = memberTableDef(t);
        for (int r = 0; r < converted.rowCount(t); ++r) {
            auto &cells = converted.tables[static_cast<std::size_t>(t)][static_cast<std::size_t>(r)];
            for (std::size_t c = 0; c < cells.size() && c < def.columns.size(); ++c) {
                if (def.columns[c].kind || def.columns[c].text || !holdsNumber(cells[c]))
                    continue;
                const double value = convert(readNumber(cells[c]), def.columns[c].dimension, from, to);
                if (!std::isfinite(value) || (value != 0 && !std::isnormal(value))) {
                    cell = {t, r, static_cast<int>(c)};
                    reason = def.columns[c].caption + " of " + def.item + " " + std::to_string(r + 1) +
                             " cannot be written in these units";
                    return false;
                }
                cells[c] = generalText(value);
            }
        }
    }
    tables = std::move(converted);
    return true;
}

std::string memberColumnUnit(const MemberColumn &column, Units units)
{
    if (column.kind || column.text || column.dimension == Dimension::None)
        return {};
    return unitCaption(units, column.dimension) + column.unitSuffix;
}

}  // namespace shell
