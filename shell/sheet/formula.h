#pragma once

// Formulas typeset from their expression values, as a handbook prints them: built-up
// fractions, subscripted symbols (R_A, M_Bmax), powers, roots under a bar, and a branch as a
// brace with one line per case and its condition. The same walk with the inputs substituted
// gives the worked line, its numbers written by workedNumber() and a negative value in
// parentheses wherever it follows an operator ("− (−25)").
//
// Every piece is measured on the device it is drawn on; a box is drawn at the left end of its
// baseline. Text stays text in a PDF (searchable, copyable).

#include "shell/core/expr.h"

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class QPainter;
class QPaintDevice;

namespace sheet {

struct FormulaBox;
using BoxPtr = std::shared_ptr<const FormulaBox>;

struct FormulaBox {
    enum class Kind { Text, Row, Fraction, Script, Root, Fence, Cases };
    Kind kind = Kind::Text;
    double width = 0;
    double ascent = 0;   // above the baseline
    double descent = 0;  // below it
    QString text;        // Text: drawn at the origin in `font`
    QFont font;
    QColor color = Qt::black;
    QPainterPath strokes;  // fraction bars, radical signs, tall brackets and braces
    double pen = 0;
    struct Child {
        BoxPtr box;
        QPointF at;  // its baseline origin, relative to this box's
    };
    std::vector<Child> children;  // Fraction: numerator, denominator; Cases: value, condition, ...

    double height() const { return ascent + descent; }
    void draw(QPainter &painter, const QPointF &origin) const;
};

// One piece of a formula line: a line may break before it (`forceBreak`: it starts a line).
struct FormulaPiece {
    BoxPtr box;
    bool forceBreak = false;
};

class Typesetter
{
public:
    Typesetter(const QPaintDevice *device, double pointSize, const QColor &color = Qt::black);

    // The formula in symbols, or worked with the context's numbers.
    BoxPtr formula(const shell::Expr &expression) const;
    BoxPtr worked(const shell::Expr &expression, const shell::EvalContext &context) const;
    // The same, split before each operator of the outermost sum or product so that a long
    // formula can wrap; the first piece is preceded by `lead` (a symbol and " = ").
    std::vector<FormulaPiece> formulaPieces(const shell::Expr &expression, BoxPtr lead) const;
    std::vector<FormulaPiece> workedPieces(const shell::Expr &expression, const shell::EvalContext &context,
                                           BoxPtr lead) const;

    // A symbol as written in the catalogue, its trailing letters and digits as a subscript
    // ("RA" → R_A, "Mmax" → M_max, "σk" → σ_k, "λ0" → λ_0); the words "dia", "OD", "ID" stay whole.
    BoxPtr symbol(const std::string &name) const;
    BoxPtr number(double value, bool bold = false) const;
    BoxPtr text(const QString &text, bool italic = false, bool bold = false) const;
    BoxPtr row(const std::vector<BoxPtr> &boxes) const;

    const QPaintDevice *device() const { return m_device; }

private:
    struct Built;
    Built build(const shell::Expr &expression, const shell::EvalContext *context) const;
    Built binary(const shell::Expr &expression, const shell::EvalContext *context) const;
    // Appends the pieces of a sum or product; true where the first of them starts with a minus
    // sign (a negative number or a negation not in brackets).
    bool split(const shell::Expr &expression, const shell::EvalContext *context, std::vector<BoxPtr> &into) const;
    BoxPtr textIn(const QString &text, const QFont &font) const;
    BoxPtr fence(const BoxPtr &body) const;
    BoxPtr fraction(const BoxPtr &numerator, const BoxPtr &denominator) const;
    BoxPtr root(const BoxPtr &body) const;
    BoxPtr power(const BoxPtr &base, int exponent) const;
    BoxPtr cases(const std::vector<std::pair<BoxPtr, BoxPtr>> &branches) const;
    double em() const;
    double axis() const;  // height of the fraction bars above the baseline

    const QPaintDevice *m_device;
    QFont m_font;
    QColor m_color;
};

// The pieces laid out in lines of `width`, continuation lines indented by `indent`, with
// `lineGap` between lines; the whole is scaled down where a piece is wider than a line.
double formulaHeight(const std::vector<FormulaPiece> &pieces, double width, double indent, double lineGap);
void drawFormula(QPainter &painter, const std::vector<FormulaPiece> &pieces, const QPointF &topLeft, double width,
                 double indent, double lineGap);

}  // namespace sheet
