#include "shell/sheet/casetext.h"

#include "shell/core/diagrams.h"
#include "shell/core/language.h"
#include "shell/core/numbertext.h"
#include "shell/sheet/workednumber.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sheet {

namespace {

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

}  // namespace

std::string entryCheckText(const shell::CaseDef &definition)
{
    if (definition.checks.empty())
        return "No entry check";
    std::string text;
    for (const shell::Check &check : definition.checks)
        text += (text.empty() ? "" : "; ") + (check.reason.empty() ? check.holds.formula() : check.reason);
    return text;
}

namespace {

// The constants the case's formulas name anywhere (entry check, rows, advisories), in the order
// the case's text shows them, each name once, with their values as the formulas take them in
// the text's units.
std::vector<ConstantLine> caseConstants(const shell::CaseDef &definition, const CaseText &text)
{
    std::vector<shell::Expr> expressions;
    for (const shell::Check &check : definition.checks)
        expressions.push_back(check.holds);
    for (const shell::RowDef &row : definition.rows)
        expressions.push_back(row.formula);
    for (const shell::Advisory &advisory : definition.advisories)
        if (!advisory.condition.isNull())
            expressions.push_back(advisory.condition);
    std::vector<ConstantLine> constants;
    for (const shell::Expr &expression : expressions) {
        for (const shell::Expr &constant : expression.constants()) {
            const bool seen = std::any_of(constants.begin(), constants.end(),
                                          [&](const ConstantLine &c) { return c.name == constant.name(); });
            const shell::Dimension dimension = constant.constantDimension();
            const double value =
                shell::convert(constant.constantValue(), dimension, shell::CatalogueUnits, text.evaluationUnits);
            if (!seen)
                constants.push_back({constant.name(), workedNumber(value), shell::unitCaption(text.units, dimension)});
        }
    }
    return constants;
}

}  // namespace

CaseText describeCase(const shell::Program &program, int caseIndex)
{
    const shell::CaseDef &definition = program.cases.at(static_cast<std::size_t>(caseIndex));
    return describeCase(program, caseIndex, shell::startValues(definition), DocumentUnits);
}

namespace {

// Each input with its value, step and unit in the units given, and its meaning from the legend.
std::vector<InputLine> inputLines(const shell::Program &program, const shell::CaseDef &definition,
                                  const std::vector<double> &inputs, const CaseText &text)
{
    std::vector<InputLine> lines;
    const std::vector<shell::LegendLine> legend = shell::legendLines(program, definition, text.units);
    for (std::size_t k = 0; k < definition.inputs.size(); ++k) {
        const shell::InputDef &input = definition.inputs[k];
        const double step = shell::convert(input.step, input.dimension, shell::CatalogueUnits, text.evaluationUnits);
        InputLine line{input.caption,
                       k < inputs.size() ? valueText(inputs[k]) : std::string(),
                       valueText(step),
                       shell::unitCaption(text.units, input.dimension),
                       {}};
        for (const shell::LegendLine &entry : legend)
            if (entry.symbol == input.caption)
                line.meaning = entry.meaning;
        lines.push_back(line);
    }
    return lines;
}

// The named intermediates of the entry checks, rows and notes, each once, worked where the
// inputs are accepted.
std::vector<DefinitionLine> definitionLines(const shell::CaseDef &definition, bool rejected,
                                            const shell::EvalContext &context)
{
    std::vector<shell::Expr> definitions;
    for (const shell::Check &check : definition.checks)
        collectDefinitions(check.holds, definitions);
    for (const shell::RowDef &row : definition.rows)
        collectDefinitions(printed(row.formula), definitions);
    for (const shell::Advisory &advisory : definition.advisories)
        collectDefinitions(advisory.condition, definitions);
    std::vector<DefinitionLine> lines;
    for (const shell::Expr &named : definitions) {
        DefinitionLine line{named.definition(), named.name(), named.definition().formula(), {}, {}};
        if (!rejected) {
            line.worked = named.definition().substituted(context);
            line.value = valueText(named.definition().eval(context));
        }
        lines.push_back(line);
    }
    return lines;
}

// Row r with its formula and, where the inputs are accepted, worked, its value and what is said
// beside it (the member's true largest value, a range it lies outside, why it has no value).
ResultLine resultLine(const shell::Program &program, const shell::CaseDef &definition, int r, shell::Units units,
                      const shell::Evaluation &evaluation, const shell::EvalContext &context,
                      const shell::CaseDiagrams &diagrams)
{
    const shell::RowDef &row = definition.rows[static_cast<std::size_t>(r)];
    ResultLine line;
    line.expression = printed(row.formula);
    line.caption = shell::translatedCaption(row.caption);
    line.unit = program.rowUnit(definition, r, units);
    line.meaning = shell::translated("Meaning", row.meaning);
    line.symbol = shell::SymbolOf(row.caption);
    if (line.symbol.empty())
        line.symbol = row.caption;
    line.formula = printed(row.formula).formula();
    if (evaluation.rejected)
        return line;
    const double value = evaluation.values[static_cast<std::size_t>(r)];
    line.worked = printed(row.formula).substituted(context);
    line.value = valueText(value);
    line.shown = std::isfinite(value) ? shell::resultText(value) : std::string();
    line.outsideRange = evaluation.outsideRangeOf(r);
    if (const auto largest = shell::rowLargest(definition, diagrams, r, value))
        line.largest =
            shell::largestText(shell::resultText(largest->value), line.unit, largest->x, diagrams.lengthUnit);
    line.reason = evaluation.rowReasons[static_cast<std::size_t>(r)];
    return line;
}

// The case's notes with their conditions, and whether each holds for accepted inputs.
std::vector<AdvisoryLine> advisoryLines(const shell::CaseDef &definition, bool rejected,
                                        const shell::EvalContext &context)
{
    std::vector<AdvisoryLine> lines;
    for (const shell::Advisory &advisory : definition.advisories) {
        AdvisoryLine line{advisory.condition, shell::translated("Text", advisory.text),
                          advisory.condition.isNull() ? std::string() : advisory.condition.formula(), false};
        if (!rejected)
            line.holds = !advisory.condition.isNull() && advisory.condition.eval(context) != 0;
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

CaseText describeCase(const shell::Program &program, int caseIndex, const std::vector<double> &inputs,
                      shell::Units units)
{
    const shell::CaseDef &definition = program.cases.at(static_cast<std::size_t>(caseIndex));
    CaseText text;
    text.caption = shell::translatedCaption(definition.caption, "Case");
    text.title = shell::translated("Title", definition.title);
    text.units = units;
    text.evaluationUnits = program.unitChange == shell::UnitChange::Convert ? units : shell::CatalogueUnits;
    text.inputs = inputLines(program, definition, inputs, text);
    for (const shell::Check &check : definition.checks)
        text.domain.push_back(check.reason.empty() ? check.holds.formula() : shell::translated("Reason", check.reason));
    const shell::Evaluation evaluation = shell::evaluate(definition, inputs, text.evaluationUnits);
    text.rejected = evaluation.rejected;
    text.rejection = evaluation.reason;
    text.inputValues = inputs;
    text.rowValues = evaluation.values;
    const shell::EvalContext context = text.context();
    text.definitions = definitionLines(definition, evaluation.rejected, context);

    // The member is solved only where a row claims its extreme.
    shell::CaseDiagrams diagrams;
    const bool claims = std::any_of(definition.rows.begin(), definition.rows.end(),
                                    [](const shell::RowDef &row) { return row.claims.has_value(); });
    if (claims && !evaluation.rejected)
        diagrams = shell::caseDiagrams(definition, caseIndex, inputs, evaluation.values, units);
    for (int r = 0; r < definition.rowCount(); ++r)
        text.results.push_back(resultLine(program, definition, r, units, evaluation, context, diagrams));
    text.advisories = advisoryLines(definition, evaluation.rejected, context);
    text.constants = caseConstants(definition, text);
    return text;
}

void markRefused(CaseText &text, const std::string &reason)
{
    text.rejected = true;
    text.rejection = reason;
    text.rowValues.clear();
    for (DefinitionLine &line : text.definitions)
        line.worked = line.value = {};
    for (ResultLine &line : text.results)
        line.worked = line.value = line.shown = line.largest = line.outsideRange = line.reason = {};
    for (AdvisoryLine &line : text.advisories)
        line.holds = false;
}

}  // namespace sheet
