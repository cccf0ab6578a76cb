#include "shell/core/catalogue.h"

#include "shell/core/numbertext.h"

#include <algorithm>
#include <cmath>

namespace shell {

CaseBuilder::CaseBuilder(const std::string &caption)
{
    m_case.caption = caption;
}

Expr CaseBuilder::input(const std::string &caption, double start, double step)
{
    const int index = m_case.inputCount();
    m_case.inputs.push_back({caption, start, step});
    return Expr::input(index, caption);
}

void CaseBuilder::rejectWhen(const Expr &condition)
{
    m_case.rejectWhen = condition;
}

Expr CaseBuilder::row(const std::string &caption, const Expr &formula)
{
    const int index = m_case.rowCount();
    m_case.rows.push_back({caption, formula});
    return Expr::row(index, SymbolOf(caption));
}

void CaseBuilder::advise(const Expr &condition, const std::string &text)
{
    m_case.advisories.push_back({condition, text});
}

void CaseBuilder::sketch(SketchFunction drawing)
{
    m_case.sketch = std::move(drawing);
}

void CaseBuilder::group(int layoutGroup)
{
    m_case.group = layoutGroup;
}

void CaseBuilder::legendOrder(const std::vector<std::string> &captions)
{
    m_case.legendOrder = captions;
}

bool Program::isUnitBearing(const std::string &caption) const
{
    return std::find(unitBearingCaptions.begin(), unitBearingCaptions.end(), caption) != unitBearingCaptions.end();
}

std::function<int(int rows)> heightsByRows(int nineOrMore, int sevenOrEight, int fiveOrSix, int threeOrFour,
                                           int twoOrFewer)
{
    return [=](int rows) {
        if (rows >= 9)
            return nineOrMore;
        if (rows >= 7)
            return sevenOrEight;
        if (rows >= 5)
            return fiveOrSix;
        return rows >= 3 ? threeOrFour : twoOrFewer;
    };
}

std::vector<LegendSymbol> beamLegend()
{
    return {{{"P"}, "荷重", UnitKind::Force},
            {{"E"}, "弾性係数", UnitKind::Stress},
            {{"I"}, "断面2次モーメント", UnitKind::SecondMoment},
            {{"W", "W1", "W2"}, "荷重", UnitKind::LineLoad},
            {{"M"}, "モーメント", UnitKind::Moment}};
}

std::vector<LegendLine> legendLines(const Program &program, const CaseDef &definition, int unitSystem)
{
    std::vector<std::string> order = definition.legendOrder;
    if (order.empty())
        for (const InputDef &input : definition.inputs)
            order.push_back(input.caption);
    std::vector<LegendLine> lines;
    for (const std::string &caption : order) {
        const std::string key = upperCase(caption);
        for (const LegendSymbol &symbol : program.legend) {
            if (std::find(symbol.captions.begin(), symbol.captions.end(), key) != symbol.captions.end()) {
                lines.push_back({caption, symbol.meaning, unitCaption(unitSystem, symbol.unit)});
                break;
            }
        }
    }
    return lines;
}

Evaluation evaluate(const CaseDef &definition, const std::vector<double> &inputs)
{
    Evaluation result;
    std::vector<double> rows;
    const EvalContext context{&inputs, &rows};
    // A number too large for a double cannot be computed with: rejected like the case's checks.
    const bool overflow = std::any_of(inputs.begin(), inputs.end(), [](double v) { return !std::isfinite(v); });
    if (overflow || (!definition.rejectWhen.isNull() && definition.rejectWhen.eval(context) != 0)) {
        result.rejected = true;
        return result;
    }
    rows.reserve(definition.rows.size());
    for (const RowDef &row : definition.rows)
        rows.push_back(row.formula.eval(context));
    for (const Advisory &advisory : definition.advisories)
        if (advisory.condition.eval(context) != 0)
            result.advisories.push_back(advisory.text);
    result.values = std::move(rows);
    return result;
}

std::vector<double> startValues(const CaseDef &definition)
{
    std::vector<double> values;
    for (const InputDef &input : definition.inputs)
        values.push_back(input.start);
    return values;
}

}  // namespace shell
