#include "shell/core/catalogue.h"

#include "shell/core/numbertext.h"

#include <algorithm>

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

Evaluation evaluate(const CaseDef &definition, const std::vector<double> &inputs)
{
    Evaluation result;
    std::vector<double> rows;
    const EvalContext context{&inputs, &rows};
    if (!definition.rejectWhen.isNull() && definition.rejectWhen.eval(context) != 0) {
        result.rejected = true;
        return result;
    }
    rows.reserve(definition.rows.size());
    for (const RowDef &row : definition.rows)
        rows.push_back(row.formula.eval(context));
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
