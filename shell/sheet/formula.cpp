#include "shell/sheet/formula.h"

#include "shell/core/language.h"

#include "shell/sheet/pagelayout.h"
#include "shell/sheet/workednumber.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <utility>

namespace sheet {

using shell::Op;

void FormulaBox::draw(QPainter &painter, const QPointF &origin) const
{
    if (!text.isEmpty()) {
        painter.setFont(font);
        painter.setPen(color);
        painter.drawText(origin, text);
    }
    if (!strokes.isEmpty()) {
        painter.save();
        painter.translate(origin);
        painter.setPen(QPen(color, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(strokes);
        painter.restore();
    }
    for (const Child &child : children)
        child.box->draw(painter, origin + child.at);
}

// A typeset operand and how it binds: 9 an atom, 7 a power, 6 a negation or negative number,
// 5 a product, 4 a sum, 3 a comparison, 2 "and", 1 "or".
struct Typesetter::Built {
    BoxPtr box;
    int precedence = 9;
    bool simple = true;         // may carry a power without brackets (a symbol, a positive number)
    bool leadingMinus = false;  // starts with a minus sign: bracketed after an operator
};

namespace {

int precedenceOf(Op op)
{
    switch (op) {
    case Op::Or:
        return 1;
    case Op::And:
        return 2;
    case Op::Less:
    case Op::LessEqual:
    case Op::Greater:
    case Op::GreaterEqual:
    case Op::Equal:
    case Op::NotEqual:
        return 3;
    case Op::Add:
    case Op::Subtract:
        return 4;
    case Op::Multiply:
        return 5;
    default:
        return 9;
    }
}

QString operatorText(Op op)
{
    switch (op) {
    case Op::Add:
        return QStringLiteral(" + ");
    case Op::Subtract:
        return QStringLiteral(" \u2212 ");
    case Op::Multiply:
        return QStringLiteral(" \u00d7 ");
    case Op::Less:
        return QStringLiteral(" < ");
    case Op::LessEqual:
        return QStringLiteral(" \u2264 ");
    case Op::Greater:
        return QStringLiteral(" > ");
    case Op::GreaterEqual:
        return QStringLiteral(" \u2265 ");
    case Op::Equal:
        return QStringLiteral(" = ");
    case Op::NotEqual:
        return QStringLiteral(" \u2260 ");
    case Op::Or:
        return QString::fromStdString(shell::translated("Sheet", " or "));
    case Op::And:
        return QString::fromStdString(shell::translated("Sheet", " and "));
    default:
        return QStringLiteral(" ? ");
    }
}

bool isBinary(Op op)
{
    return precedenceOf(op) < 9;
}

// Whether `inner` continues the chain of `outer` without brackets: a − b + c is one sum,
// a × b × c one product; a + (b + c) is not.
bool sameChain(Op outer, Op inner)
{
    const int p = precedenceOf(outer);
    return p >= 4 && p <= 5 && precedenceOf(inner) == p;
}

// Words that name themselves rather than a product of symbols.
bool wholeWord(const QString &name)
{
    return name == QStringLiteral("dia") || name == QStringLiteral("OD") || name == QStringLiteral("ID");
}

bool asciiLetterOrDigit(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

}  // namespace

Typesetter::Typesetter(const QPaintDevice *device, double pointSize, const QColor &color)
    : m_device(device), m_font(fontFor(Style::Formula)), m_color(color)
{
    m_font.setPointSizeF(pointSize);
}

double Typesetter::em() const
{
    return m_font.pointSizeF() * m_device->logicalDpiY() / 72.0;
}

double Typesetter::axis() const
{
    return 0.27 * em();
}

BoxPtr Typesetter::textIn(const QString &text, const QFont &font) const
{
    auto box = std::make_shared<FormulaBox>();
    box->kind = FormulaBox::Kind::Text;
    box->text = text;
    box->font = font;
    box->color = m_color;
    const QFontMetricsF metrics(font, m_device);
    const double size = font.pointSizeF() * m_device->logicalDpiY() / 72.0;
    box->width = metrics.horizontalAdvance(text);
    // The heights of letters and brackets rather than the font's line: fractions stay compact.
    box->ascent = 0.80 * size;
    box->descent = 0.22 * size;
    return box;
}

BoxPtr Typesetter::text(const QString &text, bool italic, bool bold) const
{
    QFont font = m_font;
    font.setItalic(italic);
    font.setBold(bold);
    return textIn(text, font);
}

BoxPtr Typesetter::row(const std::vector<BoxPtr> &boxes) const
{
    auto box = std::make_shared<FormulaBox>();
    box->kind = FormulaBox::Kind::Row;
    box->color = m_color;
    for (const BoxPtr &item : boxes) {
        if (!item)
            continue;
        box->children.push_back({item, QPointF(box->width, 0)});
        box->width += item->width;
        box->ascent = std::max(box->ascent, item->ascent);
        box->descent = std::max(box->descent, item->descent);
    }
    return box;
}

BoxPtr Typesetter::symbol(const std::string &name) const
{
    const QString text = QString::fromStdString(name);
    const bool constant = text.contains(QChar(0x03c0));  // π, π²: upright
    bool subscripted = text.size() > 1 && text[0].isLetter() && !wholeWord(text) && !constant;
    for (int k = 1; subscripted && k < text.size(); ++k)
        subscripted = asciiLetterOrDigit(text[k]);
    if (!subscripted)
        return this->text(text, !constant && !wholeWord(text));
    const BoxPtr base = this->text(text.left(1), true);
    QFont small = m_font;
    small.setPointSizeF(m_font.pointSizeF() * 0.72);
    // A single lower-case letter (x of Mx) is a variable: italic; names and points upright.
    const QString sub = text.mid(1);
    small.setItalic(sub.size() == 1 && sub[0].isLower());
    const BoxPtr index = textIn(sub, small);
    auto box = std::make_shared<FormulaBox>();
    box->kind = FormulaBox::Kind::Script;
    box->color = m_color;
    const double drop = 0.22 * em();
    const double gap = base->text.front().isUpper() ? 0.02 * em() : 0.04 * em();
    box->children = {{base, QPointF(0, 0)}, {index, QPointF(base->width + gap, drop)}};
    box->width = base->width + gap + index->width;
    box->ascent = base->ascent;
    box->descent = std::max(base->descent, index->descent + drop);
    return box;
}

BoxPtr Typesetter::number(double value, bool bold) const
{
    return text(QString::fromStdString(workedNumber(value)), false, bold);
}

BoxPtr Typesetter::fence(const BoxPtr &body) const
{
    const double plain = 1.3 * em();
    if (body->height() <= plain)
        return row({text(QStringLiteral("(")), body, text(QStringLiteral(")"))});
    // Taller than a line of text: brackets drawn to the height of what they enclose.
    const double w = 0.38 * em();
    const double top = -(body->ascent + 0.06 * em());
    const double bottom = body->descent + 0.06 * em();
    const double h = bottom - top;
    auto box = std::make_shared<FormulaBox>();
    box->kind = FormulaBox::Kind::Fence;
    box->color = m_color;
    box->pen = 0.055 * em();
    QPainterPath path;
    path.moveTo(0.8 * w, top);
    path.cubicTo(0.1 * w, top + (0.25 * h), 0.1 * w, bottom - (0.25 * h), 0.8 * w, bottom);
    const double right = w + body->width + w;
    path.moveTo(right - (0.8 * w), top);
    path.cubicTo(right - (0.1 * w), top + (0.25 * h), right - (0.1 * w), bottom - (0.25 * h), right - (0.8 * w),
                 bottom);
    box->strokes = path;
    box->children = {{body, QPointF(w, 0)}};
    box->width = right;
    box->ascent = -top + box->pen;
    box->descent = bottom + box->pen;
    return box;
}

BoxPtr Typesetter::fraction(const BoxPtr &numerator, const BoxPtr &denominator) const
{
    const double bar = 0.05 * em();
    const double gap = 0.14 * em();
    const double side = 0.12 * em();
    auto box = std::make_shared<FormulaBox>();
    box->kind = FormulaBox::Kind::Fraction;
    box->color = m_color;
    box->pen = bar;
    const double inner = std::max(numerator->width, denominator->width);
    box->width = inner + (2 * side);
    const double a = axis();
    const double numeratorBaseline = -(a + (bar / 2) + gap + numerator->descent);
    const double denominatorBaseline = -a + (bar / 2) + gap + denominator->ascent;
    box->children = {{numerator, QPointF(side + ((inner - numerator->width) / 2), numeratorBaseline)},
                     {denominator, QPointF(side + ((inner - denominator->width) / 2), denominatorBaseline)}};
    QPainterPath path;
    path.moveTo(side / 2, -a);
    path.lineTo(box->width - (side / 2), -a);
    box->strokes = path;
    box->ascent = -numeratorBaseline + numerator->ascent;
    box->descent = denominatorBaseline + denominator->descent;
    return box;
}

BoxPtr Typesetter::root(const BoxPtr &body) const
{
    const double pen = 0.05 * em();
    const double sign = 0.58 * em();
    const double top = body->ascent + (0.12 * em());
    auto box = std::make_shared<FormulaBox>();
    box->kind = FormulaBox::Kind::Root;
    box->color = m_color;
    box->pen = pen;
    const double bottom = body->descent;
    QPainterPath path;
    path.moveTo(0.02 * em(), -0.34 * em());
    path.lineTo(0.14 * em(), -0.42 * em());
    path.lineTo(0.30 * em(), bottom);
    path.lineTo(0.52 * em(), -top);
    path.lineTo(sign + body->width + (0.1 * em()), -top);
    box->strokes = path;
    box->children = {{body, QPointF(sign + (0.04 * em()), 0)}};
    box->width = sign + body->width + (0.16 * em());
    box->ascent = top + pen;
    box->descent = bottom + pen;
    return box;
}

BoxPtr Typesetter::power(const BoxPtr &base, int exponent) const
{
    static const QString digits = QStringLiteral("\u2070\u00b9\u00b2\u00b3\u2074\u2075\u2076\u2077\u2078\u2079");
    QString raised = exponent < 0 ? QStringLiteral("\u207b") : QString();
    for (const QChar d : QString::number(std::abs(exponent)))
        raised += digits[d.digitValue()];
    // The superscript characters keep copied text a power (l², not l2); above a tall base
    // they rise to its top.
    const BoxPtr index = text(raised);
    const double lift = std::max(0.0, base->ascent - (0.80 * em()));
    auto box = std::make_shared<FormulaBox>();
    box->kind = FormulaBox::Kind::Script;
    box->color = m_color;
    box->children = {{base, QPointF(0, 0)}, {index, QPointF(base->width + (0.02 * em()), -lift)}};
    box->width = base->width + (0.02 * em()) + index->width;
    box->ascent = std::max(base->ascent, index->ascent + lift);
    box->descent = base->descent;
    return box;
}

BoxPtr Typesetter::cases(const std::vector<std::pair<BoxPtr, BoxPtr>> &branches) const
{
    const double gap = 0.35 * em();
    const double quad = 1.2 * em();
    const double brace = 0.55 * em();
    double valueWidth = 0;
    double conditionWidth = 0;
    double height = 0;
    for (const auto &[value, condition] : branches) {
        valueWidth = std::max(valueWidth, value->width);
        conditionWidth = std::max(conditionWidth, condition->width);
        height += std::max(value->ascent, condition->ascent) + std::max(value->descent, condition->descent);
    }
    height += gap * static_cast<double>(branches.size() - 1);
    auto box = std::make_shared<FormulaBox>();
    box->kind = FormulaBox::Kind::Cases;
    box->color = m_color;
    box->pen = 0.05 * em();
    const double top = -axis() - (height / 2);
    double y = top;
    const double left = brace + (0.2 * em());
    for (const auto &[value, condition] : branches) {
        const double ascent = std::max(value->ascent, condition->ascent);
        const double descent = std::max(value->descent, condition->descent);
        box->children.push_back({value, QPointF(left, y + ascent)});
        box->children.push_back({condition, QPointF(left + valueWidth + quad, y + ascent)});
        y += ascent + descent + gap;
    }
    const double bottom = top + height;
    const double middle = -axis();
    const double curl = std::min(0.25 * height, 0.35 * em());
    const double x = brace / 2;
    QPainterPath path;
    path.moveTo(brace, top);
    path.cubicTo(x, top, x, top, x, top + curl);
    path.lineTo(x, middle - curl);
    path.cubicTo(x, middle, x, middle, 0, middle);
    path.cubicTo(x, middle, x, middle, x, middle + curl);
    path.lineTo(x, bottom - curl);
    path.cubicTo(x, bottom, x, bottom, brace, bottom);
    box->strokes = path;
    box->width = left + valueWidth + quad + conditionWidth;
    box->ascent = -top + box->pen;
    box->descent = bottom + box->pen;
    return box;
}

Typesetter::Built Typesetter::build(const shell::Expr &e, const shell::EvalContext *context) const
{
    // A number as written: a constant of the formula, or the value of a name in the worked line.
    const auto valueOf = [&](const shell::Expr &x) {
        const double v = context ? x.eval(*context) : x.constantValue();
        const std::string t = workedNumber(v);
        Built b{number(v), 9, v >= 0, v < 0};
        if (v < 0)
            b.precedence = 6;
        // "7 × 10⁻⁵" is bracketed as a factor and in a sum after its first term; "10⁶" as a base.
        if (isPowerOfTenText(t)) {
            b.simple = false;
            b.precedence = t.find("\u00d7") != std::string::npos ? 4 : 7;
        }
        return b;
    };
    switch (e.op()) {
    case Op::Constant:
        if (context || e.name().empty())
            return valueOf(e);
        return {symbol(e.name())};
    case Op::Input:
    case Op::Row:
    case Op::Named:
        if (context)
            return valueOf(e);
        return {symbol(e.name())};
    case Op::Negate: {
        const Built operand = build(e.operand(0), context);
        const bool brackets = operand.precedence <= 6;
        return {row({text(QStringLiteral("\u2212")), brackets ? fence(operand.box) : operand.box}), 6, false, true};
    }
    case Op::Sqrt:
        return {root(build(e.operand(0), context).box), 9, false};
    case Op::PowInt: {
        const Built base = build(e.operand(0), context);
        return {power(base.simple ? base.box : fence(base.box), e.exponent()), 7, false,
                base.simple && base.leadingMinus};
    }
    case Op::Divide:
        return {fraction(build(e.operand(0), context).box, build(e.operand(1), context).box), 9, false};
    case Op::Min: {
        const BoxPtr arguments =
            row({build(e.operand(0), context).box, text(QStringLiteral(", ")), build(e.operand(1), context).box});
        return {row({text(QStringLiteral("min")), fence(arguments)}), 9, true};
    }
    case Op::When: {
        if (context)
            return build(e.operand(e.operand(0).eval(*context) != 0 ? 1 : 2), context);
        std::vector<std::pair<BoxPtr, BoxPtr>> branches;
        shell::Expr rest = e;
        while (rest.op() == Op::When) {
            branches.emplace_back(build(rest.operand(1), nullptr).box,
                                  row({text(QString::fromStdString(shell::translated("Sheet", "if "))),
                                       build(rest.operand(0), nullptr).box}));
            rest = rest.operand(2);
        }
        branches.emplace_back(build(rest, nullptr).box,
                              text(QString::fromStdString(shell::translated("Sheet", "otherwise"))));
        return {cases(branches), 9, false};
    }
    default:
        break;
    }
    return binary(e, context);
}

bool Typesetter::split(const shell::Expr &e, const shell::EvalContext *context, std::vector<BoxPtr> &into) const
{
    const Op op = e.op();
    if (context && op == Op::When)
        return split(e.operand(e.operand(0).eval(*context) != 0 ? 1 : 2), context, into);
    if (!isBinary(op)) {
        const Built b = build(e, context);
        into.push_back(b.box);
        return b.leadingMinus;
    }
    // A product with a factor of exactly zero is worked as 0: the term stays, its factors go.
    if (context && op == Op::Multiply && e.eval(*context) == 0 &&
        (e.operand(0).eval(*context) == 0 || e.operand(1).eval(*context) == 0)) {
        into.push_back(number(0));
        return false;
    }
    const int p = precedenceOf(op);
    const shell::Expr left = e.operand(0);
    const bool leftChain =
        sameChain(op, left.op()) && !(context && left.op() == Op::Multiply && left.eval(*context) == 0 &&
                                      (left.operand(0).eval(*context) == 0 || left.operand(1).eval(*context) == 0));
    bool leadingMinus = false;
    if (leftChain) {
        leadingMinus = split(left, context, into);
    } else {
        const Built l = build(left, context);
        const bool fenced = l.precedence < p;
        into.push_back(fenced ? fence(l.box) : l.box);
        leadingMinus = !fenced && l.leadingMinus;
    }
    const Built r = build(e.operand(1), context);
    const bool brackets = r.precedence <= p || r.leadingMinus;
    into.push_back(row({text(operatorText(op)), brackets ? fence(r.box) : r.box}));
    return leadingMinus;
}

Typesetter::Built Typesetter::binary(const shell::Expr &e, const shell::EvalContext *context) const
{
    std::vector<BoxPtr> pieces;
    // A sum or product that starts with a minus ("−250 × 3") is bracketed after an operator
    // like a negative number: "100 − (−250 × 3)", never "100 − −250 × 3".
    const bool leadingMinus = split(e, context, pieces);
    const bool zero = pieces.size() == 1 && e.op() == Op::Multiply;
    return {row(pieces), zero ? 9 : precedenceOf(e.op()), zero, !zero && leadingMinus};
}

BoxPtr Typesetter::formula(const shell::Expr &expression) const
{
    return build(expression, nullptr).box;
}

BoxPtr Typesetter::worked(const shell::Expr &expression, const shell::EvalContext &context) const
{
    return build(expression, &context).box;
}

namespace {

std::vector<FormulaPiece> led(std::vector<BoxPtr> boxes, const Typesetter &t, BoxPtr lead)
{
    std::vector<FormulaPiece> pieces;
    for (std::size_t k = 0; k < boxes.size(); ++k)
        pieces.push_back({k == 0 && lead ? t.row({lead, boxes[k]}) : boxes[k], false});
    return pieces;
}

}  // namespace

std::vector<FormulaPiece> Typesetter::formulaPieces(const shell::Expr &expression, BoxPtr lead) const
{
    std::vector<BoxPtr> boxes;
    split(expression, nullptr, boxes);
    return led(boxes, *this, std::move(lead));
}

std::vector<FormulaPiece> Typesetter::workedPieces(const shell::Expr &expression, const shell::EvalContext &context,
                                                   BoxPtr lead) const
{
    std::vector<BoxPtr> boxes;
    split(expression, &context, boxes);
    return led(boxes, *this, std::move(lead));
}

namespace {

struct LaidLine {
    std::vector<std::pair<const FormulaBox *, double>> boxes;  // with their x
    double ascent = 0;
    double descent = 0;
};

struct Laid {
    double scale = 1;
    std::vector<LaidLine> lines;
    double height = 0;
};

Laid lay(const std::vector<FormulaPiece> &pieces, double width, double indent, double lineGap)
{
    Laid laid;
    double widest = 0;
    for (const FormulaPiece &piece : pieces)
        widest = std::max(widest, piece.box->width);
    const double room = std::max(1.0, width - indent);
    if (widest > room)
        laid.scale = std::max(0.5, room / widest);
    const double s = laid.scale;
    double x = 0;
    for (const FormulaPiece &piece : pieces) {
        const double w = piece.box->width * s;
        const bool fresh = laid.lines.empty();
        if (fresh || piece.forceBreak || (x + w > width && !laid.lines.back().boxes.empty() && x > indent)) {
            laid.lines.emplace_back();
            x = fresh ? 0 : indent;
        }
        LaidLine &line = laid.lines.back();
        line.boxes.emplace_back(piece.box.get(), x);
        line.ascent = std::max(line.ascent, piece.box->ascent * s);
        line.descent = std::max(line.descent, piece.box->descent * s);
        x += w;
    }
    for (const LaidLine &line : laid.lines)
        laid.height += line.ascent + line.descent;
    if (!laid.lines.empty())
        laid.height += lineGap * static_cast<double>(laid.lines.size() - 1);
    return laid;
}

}  // namespace

double formulaHeight(const std::vector<FormulaPiece> &pieces, double width, double indent, double lineGap)
{
    return lay(pieces, width, indent, lineGap).height;
}

void drawFormula(QPainter &painter, const std::vector<FormulaPiece> &pieces, const QPointF &topLeft, double width,
                 double indent, double lineGap)
{
    const Laid laid = lay(pieces, width, indent, lineGap);
    painter.save();
    painter.translate(topLeft);
    painter.scale(laid.scale, laid.scale);
    double y = 0;
    for (const LaidLine &line : laid.lines) {
        const double baseline = (y + line.ascent) / laid.scale;
        for (const auto &[box, x] : line.boxes)
            box->draw(painter, QPointF(x / laid.scale, baseline));
        y += line.ascent + line.descent + lineGap;
    }
    painter.restore();
}

}  // namespace sheet
