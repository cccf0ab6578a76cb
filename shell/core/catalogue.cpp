#include "shell/core/catalogue.h"

#include "shell/core/language.h"
#include "shell/core/numbertext.h"

#include <algorithm>
#include <cmath>

namespace shell {

namespace {

// The index of the input an expression stands for; -1 for anything else.
int fieldOf(const Expr &field)
{
    return field.isInput() ? field.inputIndex() : -1;
}

// Every input an expression reads, each once, in first-use order.
void collectInputs(const Expr &e, std::vector<int> &into)
{
    if (e.isNull())
        return;
    if (e.isInput()) {
        if (std::find(into.begin(), into.end(), e.inputIndex()) == into.end())
            into.push_back(e.inputIndex());
        return;
    }
    for (int k = 0; k < e.operandCount(); ++k)
        collectInputs(e.operand(k), into);
}

bool contains(const std::vector<int> &indices, int index)
{
    return std::find(indices.begin(), indices.end(), index) != indices.end();
}

}  // namespace

CaseBuilder::CaseBuilder(const std::string &caption)
{
    m_case.caption = caption;
}

void CaseBuilder::title(const std::string &words)
{
    m_case.title = words;
}

Expr CaseBuilder::input(const std::string &caption, Dimension dimension, double start, double step)
{
    const int index = m_case.inputCount();
    m_case.inputs.push_back({caption, dimension, start, step});
    return Expr::input(index, caption);
}

void CaseBuilder::require(const Expr &field, const Expr &holds, const std::string &reason)
{
    m_case.checks.push_back({holds, fieldOf(field), reason});
}

void CaseBuilder::requirePositive(const Expr &field)
{
    require(field, field > 0, field.formula() + " must be greater than 0");
}

void CaseBuilder::requireAtLeast(const Expr &field, const Expr &lower)
{
    require(field, field >= lower, field.formula() + " must be " + lower.formula() + " or more");
}

void CaseBuilder::requireAtMost(const Expr &field, const Expr &upper)
{
    require(field, field <= upper, field.formula() + " must be " + upper.formula() + " or less");
}

void CaseBuilder::requireBelow(const Expr &field, const Expr &upper)
{
    require(field, field < upper, field.formula() + " must be less than " + upper.formula());
}

void CaseBuilder::requireBetween(const Expr &field, const Expr &lower, const Expr &upper)
{
    require(field, (field >= lower) && (field <= upper),
            field.formula() + " must lie between " + lower.formula() + " and " + upper.formula());
}

void CaseBuilder::follow(const Expr &follower, const std::vector<Expr> &leaders, const Expr &value)
{
    Follow f{fieldOf(follower), {}, value};
    for (const Expr &leader : leaders)
        f.leaders.push_back(fieldOf(leader));
    m_case.follows.push_back(f);
}

RowRef CaseBuilder::row(const std::string &caption, Dimension dimension, const Expr &formula)
{
    const int index = m_case.rowCount();
    m_case.rows.push_back({caption, dimension, formula, {}, {}, {}});
    return RowRef(*this, index, Expr::row(index, SymbolOf(caption)));
}

RowRef &RowRef::means(const std::string &meaning)
{
    m_builder.m_case.rows[static_cast<std::size_t>(m_index)].meaning = meaning;
    return *this;
}

RowRef &RowRef::notAlwaysLargest(Quantity quantity, int member)
{
    m_builder.m_case.rows[static_cast<std::size_t>(m_index)].claims = ExtremeClaim{member, quantity};
    return *this;
}

RowRef &RowRef::holdsWhile(const Expr &holds, const std::string &reason)
{
    m_builder.m_case.rows[static_cast<std::size_t>(m_index)].range = RowRange{holds, reason};
    return *this;
}

void CaseBuilder::advise(const Expr &condition, const std::string &text)
{
    m_case.advisories.push_back({condition, text});
}

void CaseBuilder::sketch(SketchFunction drawing)
{
    m_case.sketch = std::move(drawing);
}

void CaseBuilder::member(const std::string &name, std::function<mechanics::Beam(const std::vector<double> &)> beam)
{
    m_case.members.push_back({name, std::move(beam), {}});
}

void CaseBuilder::frame(std::function<mechanics::PortalFrame(const std::vector<double> &)> frame)
{
    m_case.members.push_back({{}, {}, std::move(frame)});
}

void CaseBuilder::movingLoads(const std::string &name, std::function<MovingLoad(const std::vector<double> &)> load)
{
    m_case.members.push_back({name, {}, {}, std::move(load)});
}

void CaseBuilder::mark(int member, const Expr &x, const std::string &label)
{
    m_case.marks.push_back({member, x, label});
}

void CaseBuilder::columnCurve(const ColumnCurve &curve)
{
    m_case.columnCurve = curve;
}

void CaseBuilder::section(const SectionFigure &figure)
{
    m_case.section = figure;
}

void CaseBuilder::group(int layoutGroup)
{
    m_case.group = layoutGroup;
}

void CaseBuilder::legendOrder(const std::vector<std::string> &captions)
{
    m_case.legendOrder = captions;
}

std::string Program::rowUnit(const CaseDef &definition, int row, Units units) const
{
    if (unitLabel)
        return unitLabel(row, units);
    if (row < 0 || row >= definition.rowCount())
        return {};
    return unitCaption(units, definition.rows[static_cast<std::size_t>(row)].dimension);
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

SourceNote beamTheoryNote()
{
    return {"", 0,
            "Beams of constant E I, small deflections, shear deformation neglected (Euler\u2013Bernoulli). The "
            "coefficients below are those of the beam tables, rounded as the tables print them."};
}

std::vector<LegendSymbol> beamLegend()
{
    return {{{"P"}, "荷重"},
            {{"E"}, "弾性係数"},
            {{"I"}, "断面2次モーメント"},
            {{"W", "W1", "W2"}, "荷重"},
            {{"M"}, "モーメント"}};
}

std::vector<LegendLine> legendLines(const Program &program, const CaseDef &definition, Units units)
{
    std::vector<std::string> order = definition.legendOrder;
    if (order.empty())
        for (const InputDef &input : definition.inputs)
            order.push_back(input.caption);
    std::vector<LegendLine> lines;
    for (const std::string &caption : order) {
        const auto input = std::find_if(definition.inputs.begin(), definition.inputs.end(),
                                        [&](const InputDef &in) { return in.caption == caption; });
        if (input == definition.inputs.end())
            continue;
        const std::string key = upperCase(caption);
        for (const LegendSymbol &symbol : program.legend) {
            if (std::find(symbol.captions.begin(), symbol.captions.end(), key) != symbol.captions.end()) {
                lines.push_back({caption, translated("Caption", symbol.meaning), unitCaption(units, input->dimension)});
                break;
            }
        }
    }
    return lines;
}

namespace {

const char *const TooLarge = "too large to compute (beyond 1.8e308)";
const char *const StepTooLarge = "too large to compute: a step of its formula goes beyond 1.8e308";

// True where `e` is 0 only because a step of it left the range of a double: a product or
// power of numbers that are not 0, or a number divided by one too large, all nearer 0 than a
// double reaches (1e-300 × 1e-300).
bool vanished(const Expr &e, const EvalContext &context)
{
    if (e.eval(context) != 0)
        return false;
    const auto nonzero = [&](int k) {
        const Expr operand = e.operand(k);
        return operand.eval(context) != 0 || vanished(operand, context);
    };
    switch (e.op()) {
    case Op::Multiply:
        return nonzero(0) && nonzero(1);
    case Op::Divide:
    case Op::PowInt:
        return nonzero(0);
    case Op::Named:
        return vanished(e.definition(), context);
    case Op::Negate:
    case Op::Sqrt:
        return vanished(e.operand(0), context);
    case Op::When:
        return vanished(e.operand(0).eval(context) != 0 ? e.operand(1) : e.operand(2), context);
    default:
        return false;
    }
}

// Why the operation at the top of `e`, on finite operands, gives no finite number.
std::string failureOf(const Expr &e, const EvalContext &context, bool whole)
{
    if (e.op() == Op::Divide && e.operand(1).eval(context) == 0) {
        if (e.operand(0).eval(context) == 0)
            return "its formula divides 0 by 0 for these inputs";
        // A divisor that vanished below the range of a double stands for a quotient above it.
        if (!vanished(e.operand(1), context))
            return "its formula divides by 0 for these inputs";
    }
    if (e.op() == Op::PowInt && e.exponent() < 0 && e.operand(0).eval(context) == 0)
        return "its formula divides by 0 for these inputs";
    if (e.op() == Op::Sqrt && e.operand(0).eval(context) < 0)
        return "its formula takes the square root of a negative number for these inputs";
    if (std::isinf(e.eval(context)))
        return whole ? TooLarge : StepTooLarge;
    return "its formula has no value for these inputs";
}

std::string whyNotFiniteIn(const Expr &e, const EvalContext &context, const std::vector<std::string> &rowReasons,
                           bool whole)
{
    if (std::isfinite(e.eval(context)))
        return {};
    switch (e.op()) {
    case Op::Row: {
        const auto row = static_cast<std::size_t>(e.rowIndex());
        return row < rowReasons.size() && !rowReasons[row].empty() ? rowReasons[row] : TooLarge;
    }
    case Op::Named:
        return whyNotFiniteIn(e.definition(), context, rowReasons, whole);
    case Op::Negate:
        // The sign changes nothing of the size.
        return whyNotFiniteIn(e.operand(0), context, rowReasons, whole);
    case Op::When: {
        // Only the branch taken counts.
        const Expr taken = e.operand(0).eval(context) != 0 ? e.operand(1) : e.operand(2);
        return whyNotFiniteIn(taken, context, rowReasons, whole);
    }
    default:
        break;
    }
    for (int k = 0; k < e.operandCount(); ++k)
        if (!std::isfinite(e.operand(k).eval(context)))
            return whyNotFiniteIn(e.operand(k), context, rowReasons, false);
    return failureOf(e, context, whole);
}

}  // namespace

std::string whyNotFinite(const Expr &formula, const EvalContext &context, const std::vector<std::string> &rowReasons)
{
    return whyNotFiniteIn(formula, context, rowReasons, true);
}

std::string tooSmallReason(const std::string &caption)
{
    return translatedPattern("Reason", "%1 is too small a number (nearer 0 than 2.2e-308)", {caption});
}

Evaluation evaluate(const CaseDef &definition, const std::vector<double> &inputs, Units units)
{
    Evaluation result;
    std::vector<double> rows;
    const EvalContext context{&inputs, &rows, units};
    // A number too large for a double cannot be computed with: rejected like the domain's checks.
    for (std::size_t k = 0; k < inputs.size(); ++k) {
        if (!std::isfinite(inputs[k])) {
            result.rejected = true;
            result.field = static_cast<int>(k);
            result.reason = translatedPattern("Reason", "%1 is too large a number", {definition.inputs[k].caption});
            result.read = {static_cast<int>(k)};
            return result;
        }
        // Below the normal range a double keeps fewer digits than the others: rows computed from
        // it would not have the digits they show.
        if (inputs[k] != 0 && !std::isnormal(inputs[k])) {
            result.rejected = true;
            result.field = static_cast<int>(k);
            result.reason = tooSmallReason(definition.inputs[k].caption);
            return result;
        }
    }
    for (const Check &check : definition.checks) {
        if (check.holds.eval(context) == 0) {
            result.rejected = true;
            result.field = check.field;
            result.reason = translated("Reason", check.reason);
            collectInputs(check.holds, result.read);
            return result;
        }
    }
    rows.reserve(definition.rows.size());
    for (const RowDef &row : definition.rows) {
        rows.push_back(row.formula.eval(context));
        result.rowReasons.push_back(std::isfinite(rows.back()) ? std::string()
                                                               : whyNotFinite(row.formula, context, result.rowReasons));
    }
    for (std::size_t r = 0; r < definition.rows.size(); ++r) {
        const std::optional<RowRange> &range = definition.rows[r].range;
        if (range && std::isfinite(rows[r]) && range->holds.eval(context) == 0) {
            result.outsideRange.resize(definition.rows.size());
            result.outsideRange[r] = translated("Reason", range->reason);
        }
    }
    for (const Advisory &advisory : definition.advisories)
        if (advisory.condition.eval(context) != 0)
            result.advisories.push_back(translated("Text", advisory.text));
    result.values = std::move(rows);
    return result;
}

const std::string &Evaluation::outsideRangeOf(int row) const
{
    static const std::string inside;
    return row >= 0 && row < static_cast<int>(outsideRange.size()) ? outsideRange[static_cast<std::size_t>(row)]
                                                                   : inside;
}

std::vector<double> startValues(const CaseDef &definition)
{
    std::vector<double> values;
    values.reserve(definition.inputs.size());
    for (const InputDef &input : definition.inputs)
        values.push_back(input.start);
    return values;
}

Following follow(const CaseDef &definition, std::vector<double> &inputs, const std::vector<int> &given, Units units)
{
    Following result;
    const std::vector<double> noRows;
    const EvalContext context{&inputs, &noRows, units};
    for (const Follow &f : definition.follows) {
        if (contains(given, f.follower) || contains(result.changed, f.follower))
            continue;
        int leader = -1;
        for (const int g : given)
            if (contains(f.leaders, g) && std::isfinite(inputs[static_cast<std::size_t>(g)]))
                leader = g;
        if (leader < 0)
            continue;
        const double value = f.value.eval(context);
        const std::string &caption = definition.inputs[static_cast<std::size_t>(f.follower)].caption;
        const std::string rule = caption + " = " + f.value.formula();
        if (!std::isfinite(value))
            continue;
        if (value < 0) {
            result.refused = true;
            result.field = leader;
            result.blocked = f.follower;
            result.reason = translatedPattern("Reason", "%1 would be negative", {rule});
            return result;
        }
        double &follower = inputs[static_cast<std::size_t>(f.follower)];
        if (value == follower)
            continue;
        follower = value;
        result.changed.push_back(f.follower);
        result.note += (result.note.empty() ? "" : "; ") +
                       translatedPattern("Text", "%1 changed to %2 (%3)", {caption, generalText(value), rule});
    }
    return result;
}

Evaluation evaluate(const CaseDef &definition, const std::vector<double> &inputs, const Following &following,
                    Units units)
{
    Evaluation result = evaluate(definition, inputs, units);
    if (following.refused && (!result.rejected || contains(result.read, following.blocked))) {
        result = Evaluation();
        result.rejected = true;
        result.field = following.field;
        result.reason = following.reason;
        result.read = {following.field, following.blocked};
    }
    return result;
}

}  // namespace shell
