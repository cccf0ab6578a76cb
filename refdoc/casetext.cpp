#include "refdoc/casetext.h"

#include "shell/core/numbertext.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <utility>

namespace refdoc {

namespace {

std::string trimmed(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The general number text, or empty where the value is not finite (the window shows such a
// row empty as well).
std::string valueText(double value)
{
    return std::isfinite(value) ? shell::generalText(value) : std::string();
}

// Every named intermediate of the expressions, in the order they are first used, each once.
// Two intermediates are the same when name and definition print alike.
void collectDefinitions(const shell::Expr &expression, std::vector<shell::Expr> &into)
{
    if (expression.isNull())
        return;
    for (const shell::Expr &named : expression.intermediates()) {
        bool known = false;
        for (const shell::Expr &seen : into)
            known =
                known || (seen.name() == named.name() && seen.definition().formula() == named.definition().formula());
        if (!known)
            into.push_back(named);
    }
}

// A row that is a named value (k = √(I / A) shown as the row k) prints as that value's
// definition rather than as its own name.
shell::Expr printed(const shell::Expr &formula)
{
    const bool named = !formula.name().empty() && formula.definition().node() != formula.node();
    return named ? formula.definition() : formula;
}

// The pieces of a printed formula: symbols, numbers, and single other characters.
struct Token {
    enum Kind { Symbol, Number, Other } kind;
    QString text;
};

bool superscriptDigit(QChar c)
{
    return c == QChar(0x00B2) || c == QChar(0x00B3) || c == QChar(0x00B9) || c == QChar(0x2070) ||
           (c >= QChar(0x2074) && c <= QChar(0x2079));
}

std::vector<Token> tokens(const QString &text)
{
    std::vector<Token> out;
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n) {
        const QChar c = text[i];
        int end = i + 1;
        Token::Kind kind = Token::Other;
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c.isLetter()) {
            kind = Token::Symbol;
            while (end < n && text[end].isLetterOrNumber())
                ++end;
        } else if (c.isDigit() || (c == QLatin1Char('-') && i + 1 < n && text[i + 1].isDigit())) {
            kind = Token::Number;
            while (end < n && (text[end].isDigit() || text[end] == QLatin1Char('.')))
                ++end;
            if (end < n && text[end] == QLatin1Char('E')) {
                ++end;
                if (end < n && (text[end] == QLatin1Char('+') || text[end] == QLatin1Char('-')))
                    ++end;
                while (end < n && text[end].isDigit())
                    ++end;
            }
            while (end < n && superscriptDigit(text[end]))
                ++end;
        } else if (c == QChar(0x221E) || c == QLatin1Char('?')) {
            kind = Token::Number;
        }
        out.push_back({kind, text.mid(i, end - i)});
        i = end;
    }
    return out;
}

// The superscript digits a token ends with ("l²" -> "²").
QString powerSuffix(const QString &text)
{
    int start = static_cast<int>(text.size());
    while (start > 0 && superscriptDigit(text[start - 1]))
        --start;
    return text.mid(start);
}

}  // namespace

std::vector<ConstantLine> constantsOf(const std::string &formula, const std::string &substituted,
                                      const std::vector<std::string> &known)
{
    const std::vector<Token> names = tokens(QString::fromStdString(formula));
    const std::vector<Token> numbers = tokens(QString::fromStdString(substituted));
    if (names.size() != numbers.size())
        return {};
    std::vector<ConstantLine> found;
    for (std::size_t k = 0; k < names.size(); ++k) {
        const Token &name = names[k];
        const Token &number = numbers[k];
        if (name.kind == Token::Symbol && number.kind == Token::Number) {
            // A power written on a symbol stays on the number put in for it.
            QString symbol = name.text;
            QString value = number.text;
            const QString power = powerSuffix(symbol);
            if (!power.isEmpty() && powerSuffix(value) == power) {
                symbol.chop(power.size());
                value.chop(power.size());
            }
            const std::string s = symbol.toStdString();
            const bool seen =
                std::any_of(found.begin(), found.end(), [&](const ConstantLine &c) { return c.name == s; });
            if (!seen && std::find(known.begin(), known.end(), s) == known.end())
                found.push_back({s, value.toStdString()});
        } else if (name.kind != number.kind || name.text != number.text) {
            return {};  // the two printings do not line up
        }
    }
    return found;
}

bool hasEntryCheck(const shell::CaseDef &definition)
{
    return !definition.rejectWhen.isNull() && definition.rejectWhen.formula() != "0";
}

std::string entryCheckText(const shell::CaseDef &definition)
{
    if (!hasEntryCheck(definition))
        return "No entry check";
    return "Rejected when " + definition.rejectWhen.formula();
}

bool readLegendLine(const std::string &line, const std::string &caption, std::string &unit, std::string &meaning)
{
    const std::string lead = caption + " : ";
    if (caption.empty() || line.compare(0, lead.size(), lead) != 0)
        return false;
    const std::string rest = line.substr(lead.size());
    const std::size_t blank = rest.find_last_of(' ');
    if (blank == std::string::npos) {
        unit.clear();
        meaning = trimmed(rest);
    } else {
        unit = rest.substr(blank + 1);
        meaning = trimmed(rest.substr(0, blank));
    }
    return true;
}

namespace {

// The constants named anywhere in the case, in the order the case's text shows them.
std::vector<ConstantLine> caseConstants(const shell::CaseDef &definition, const CaseText &text,
                                        const shell::EvalContext &context)
{
    std::vector<std::string> known;
    for (const InputLine &input : text.inputs)
        known.push_back(input.caption);
    for (const DefinitionLine &line : text.definitions)
        known.push_back(line.name);
    for (const ResultLine &line : text.results)
        known.push_back(line.symbol);
    std::vector<ConstantLine> constants;
    const auto add = [&](const std::string &formula, const std::string &substituted) {
        for (const ConstantLine &c : constantsOf(formula, substituted, known)) {
            known.push_back(c.name);
            constants.push_back(c);
        }
    };
    if (hasEntryCheck(definition))
        add(definition.rejectWhen.formula(), definition.rejectWhen.substituted(context));
    if (text.startRejected)
        return constants;
    for (const DefinitionLine &line : text.definitions)
        add(line.formula, line.worked);
    for (const ResultLine &line : text.results)
        add(line.formula, line.worked);
    for (const shell::Advisory &advisory : definition.advisories)
        if (!advisory.condition.isNull())
            add(advisory.condition.formula(), advisory.condition.substituted(context));
    return constants;
}

}  // namespace

CaseText describeCase(const shell::Program &program, int caseIndex)
{
    const shell::CaseDef &definition = program.cases.at(static_cast<std::size_t>(caseIndex));
    CaseText text;
    text.caption = definition.caption;

    const std::vector<std::string> legend =
        program.notes ? program.notes(caseIndex, DocumentUnitSystem) : std::vector<std::string>();
    std::vector<bool> legendUsed(legend.size(), false);
    for (const shell::InputDef &input : definition.inputs) {
        InputLine line{input.caption, shell::generalText(input.start), shell::generalText(input.step), {}, {}};
        for (std::size_t k = 0; k < legend.size(); ++k) {
            if (!legendUsed[k] && readLegendLine(legend[k], input.caption, line.unit, line.meaning)) {
                legendUsed[k] = true;
                break;
            }
        }
        text.inputs.push_back(line);
    }
    for (std::size_t k = 0; k < legend.size(); ++k)
        if (!legendUsed[k] && !trimmed(legend[k]).empty())
            text.notes.push_back(legend[k]);

    text.entryCheck = entryCheckText(definition);
    const std::vector<double> inputs = shell::startValues(definition);
    const shell::Evaluation evaluation = shell::evaluate(definition, inputs);
    text.startRejected = evaluation.rejected;
    const shell::EvalContext context{&inputs, &evaluation.values};

    std::vector<shell::Expr> definitions;
    if (hasEntryCheck(definition))
        collectDefinitions(definition.rejectWhen, definitions);
    for (const shell::RowDef &row : definition.rows)
        collectDefinitions(printed(row.formula), definitions);
    for (const shell::Advisory &advisory : definition.advisories)
        collectDefinitions(advisory.condition, definitions);
    for (const shell::Expr &named : definitions) {
        DefinitionLine line{named.name(), named.definition().formula(), {}, {}};
        if (!evaluation.rejected) {
            line.worked = named.definition().substituted(context);
            line.value = valueText(named.definition().eval(context));
        }
        text.definitions.push_back(line);
    }

    for (int r = 0; r < definition.rowCount(); ++r) {
        const shell::RowDef &row = definition.rows[static_cast<std::size_t>(r)];
        ResultLine line;
        line.caption = row.caption;
        line.unit = program.unitLabel ? program.unitLabel(row.caption, r, DocumentUnitSystem) : std::string();
        line.symbol = shell::SymbolOf(row.caption);
        if (line.symbol.empty())
            line.symbol = row.caption;
        line.formula = printed(row.formula).formula();
        if (!evaluation.rejected) {
            const double value = evaluation.values[static_cast<std::size_t>(r)];
            line.worked = printed(row.formula).substituted(context);
            line.value = valueText(value);
            line.shown = std::isfinite(value) ? shell::resultText(value) : std::string();
        }
        text.results.push_back(std::move(line));
    }

    for (const shell::Advisory &advisory : definition.advisories) {
        AdvisoryLine line{advisory.text, advisory.condition.isNull() ? std::string() : advisory.condition.formula(),
                          false};
        if (!evaluation.rejected && !advisory.condition.isNull())
            line.holdsAtStart = advisory.condition.eval(context) != 0;
        text.advisories.push_back(line);
    }
    text.constants = caseConstants(definition, text, context);
    return text;
}

}  // namespace refdoc
