#pragma once

// Formulas as values.
//
// A result formula is built with ordinary C++ operators on the case's inputs and keeps the
// grouping and left-to-right order it was written in. Evaluating it walks the tree doing the
// same double operations in the same order as hand-written code would, so
//
//     const Expr RA = (P * (l - a)) / l;
//
// gives, with P = 100, a = 30, l = 100, exactly the double (100.0 * (100.0 - 30.0)) / 100.0.
// The same value prints as a formula ("(P × (l − a)) / l") for the reference document and,
// with the inputs substituted, as a worked line ("(100 × (100 − 30)) / 100").
//
// Conditions (entry checks, branches) are expressions too: a comparison is 1 when it holds
// and 0 otherwise; `||` and `&&` evaluate both sides, as the entry checks do.

#include "shell/core/units.h"

#include <memory>
#include <string>
#include <vector>

namespace shell {

struct ExprNode;

// The kind of a node, for code that walks a formula (the typesetting of the reference pages).
// clang-format off
enum class Op {
    Constant, Input, Row, Named,
    Negate, Sqrt, PowInt,
    Add, Subtract, Multiply, Divide,
    Less, LessEqual, Greater, GreaterEqual, Equal, NotEqual,
    Or, And, Min, When
};
// clang-format on

// The numbers an expression is evaluated on: the case's inputs by index and the rows computed
// so far (a row that reuses an earlier row reads it from here).
struct EvalContext {
    const std::vector<double> *inputs = nullptr;
    const std::vector<double> *rows = nullptr;
    // The units the inputs are written in: a constant with a dimension is taken in them.
    Units units = CatalogueUnits;
};

class Expr
{
public:
    Expr();                 // the constant 0
    Expr(double constant);  // NOLINT(google-explicit-constructor): lets `3 * E` read as written
    Expr(int constant);     // NOLINT(google-explicit-constructor)

    // Input k of the case, shown as `name`.
    static Expr input(int index, const std::string &name);
    // A constant the engineer knows by name (π = 3.141592, the coefficient a = 761 N/mm², ...).
    // A constant with a dimension is given in mm and N and evaluated in the context's units.
    static Expr constant(const std::string &name, double value, Dimension dimension = Dimension::None);
    // The value of an earlier result row, shown by its symbol.
    static Expr row(int index, const std::string &symbol);

    double eval(const EvalContext &context) const;

    // "(P × (l − a)) / l": names of inputs, intermediates and rows as they are written.
    std::string formula() const;
    // "(100 × (100 − 30)) / 100": the same with the current numbers substituted.
    std::string substituted(const EvalContext &context) const;

    // Named intermediates used anywhere inside, in first-use order, without repeats
    // (so that a reference can define them before the formula that uses them).
    std::vector<Expr> intermediates() const;
    // Named constants used anywhere inside, branches and named intermediates included, in
    // first-use order, each name once (a = 761, b = 0.01546 of a column formula).
    std::vector<Expr> constants() const;
    // For a named constant: its value in mm and N, and its dimension.
    double constantValue() const;
    Dimension constantDimension() const;
    // For a named intermediate: its name and its defining expression.
    std::string name() const;
    Expr definition() const;

    // The tree, read-only: the kind of this node and its operands in the order written (a
    // branch: condition, then, otherwise; a power: its base, with `exponent()`). A named
    // intermediate has its definition as its one operand; leaves have none.
    Op op() const;
    int operandCount() const;
    Expr operand(int k) const;
    int exponent() const;

    bool isNull() const { return !m_node; }
    // Whether this is an input of the case, and which; for a row's value, which row.
    bool isInput() const;
    int inputIndex() const;
    int rowIndex() const;
    const ExprNode *node() const { return m_node.get(); }
    const std::shared_ptr<const ExprNode> &shared() const { return m_node; }
    explicit Expr(std::shared_ptr<const ExprNode> node) : m_node(std::move(node)) {}

private:
    std::shared_ptr<const ExprNode> m_node;
};

// A named intermediate (b = l − a, X0, k): evaluated where it is used, printed by its name.
Expr named(const std::string &name, const Expr &definition);

Expr operator+(const Expr &a, const Expr &b);
Expr operator-(const Expr &a, const Expr &b);
Expr operator*(const Expr &a, const Expr &b);
Expr operator/(const Expr &a, const Expr &b);
Expr operator-(const Expr &a);  // negation

// q raised to the whole number n, by general exponentiation (std::pow), as the formulas write q², q³.
Expr pow(const Expr &base, int exponent);
Expr sqrt(const Expr &argument);

// Comparisons give 1 or 0.
Expr operator<(const Expr &a, const Expr &b);
Expr operator<=(const Expr &a, const Expr &b);
Expr operator>(const Expr &a, const Expr &b);
Expr operator>=(const Expr &a, const Expr &b);
Expr operator==(const Expr &a, const Expr &b);
Expr operator!=(const Expr &a, const Expr &b);
// Both sides are always evaluated; the result is 1 or 0.
Expr operator||(const Expr &a, const Expr &b);
Expr operator&&(const Expr &a, const Expr &b);

// An explicit branch: `then` where the condition is non-zero, `otherwise` elsewhere.
// Only the branch taken is evaluated.
Expr when(const Expr &condition, const Expr &then, const Expr &otherwise);

// The smaller of two values (the first one where they are equal).
Expr min(const Expr &a, const Expr &b);

}  // namespace shell
