#include "shell/core/expr.h"

#include "shell/core/numbertext.h"

#include <cmath>
#include <limits>

namespace shell {

struct ExprNode {
    Op op = Op::Constant;
    double value = 0;                       // Constant
    int index = 0;                          // Input, Row; exponent of PowInt
    std::string name;                       // Input, Row, Named, named Constant
    Dimension dimension = Dimension::None;  // Constant: its value is in mm and N
    std::shared_ptr<const ExprNode> a, b, c;
};

namespace {

using NodePtr = std::shared_ptr<const ExprNode>;

Expr make(Op op, NodePtr a = {}, NodePtr b = {}, NodePtr c = {})
{
    auto node = std::make_shared<ExprNode>();
    node->op = op;
    node->a = std::move(a);
    node->b = std::move(b);
    node->c = std::move(c);
    return Expr(std::shared_ptr<const ExprNode>(std::move(node)));
}

double evalNode(const ExprNode &n, const EvalContext &ctx)
{
    switch (n.op) {
    case Op::Constant:
        return n.dimension == Dimension::None ? n.value : convert(n.value, n.dimension, CatalogueUnits, ctx.units);
    case Op::Input:
        return ctx.inputs && n.index < static_cast<int>(ctx.inputs->size()) ? (*ctx.inputs)[n.index]
                                                                            : std::numeric_limits<double>::quiet_NaN();
    case Op::Row:
        return ctx.rows && n.index < static_cast<int>(ctx.rows->size()) ? (*ctx.rows)[n.index]
                                                                        : std::numeric_limits<double>::quiet_NaN();
    case Op::Named:
        return evalNode(*n.a, ctx);
    case Op::Negate:
        return -evalNode(*n.a, ctx);
    case Op::Sqrt:
        return std::sqrt(evalNode(*n.a, ctx));
    case Op::PowInt:
        return std::pow(evalNode(*n.a, ctx), static_cast<double>(n.index));
    case Op::When:
        return evalNode(*n.a, ctx) != 0 ? evalNode(*n.b, ctx) : evalNode(*n.c, ctx);
    default:
        break;
    }
    const double x = evalNode(*n.a, ctx);
    const double y = evalNode(*n.b, ctx);
    switch (n.op) {
    case Op::Add:
        return x + y;
    case Op::Subtract:
        return x - y;
    case Op::Multiply:
        return x * y;
    case Op::Divide:
        return x / y;
    case Op::Less:
        return x < y ? 1 : 0;
    case Op::LessEqual:
        return x <= y ? 1 : 0;
    case Op::Greater:
        return x > y ? 1 : 0;
    case Op::GreaterEqual:
        return x >= y ? 1 : 0;
    case Op::Equal:
        return x == y ? 1 : 0;
    case Op::NotEqual:
        return x != y ? 1 : 0;
    case Op::Or:
        return (x != 0 || y != 0) ? 1 : 0;
    case Op::And:
        return (x != 0 && y != 0) ? 1 : 0;
    case Op::Min:
        return y < x ? y : x;
    default:
        return std::numeric_limits<double>::quiet_NaN();
    }
}

// Binding strength when printing; a child binding less tightly than its parent is
// parenthesised, and so is a right operand binding equally (the operators group left to right).
// clang-format off
int precedence(Op op)
{
    switch (op) {
    case Op::Or:
        return 1;
    case Op::And:
        return 2;
    case Op::Less: case Op::LessEqual: case Op::Greater: case Op::GreaterEqual: case Op::Equal: case Op::NotEqual:
        return 3;
    case Op::Add: case Op::Subtract:
        return 4;
    case Op::Multiply: case Op::Divide:
        return 5;
    case Op::Negate:
        return 6;
    case Op::PowInt:
        return 7;
    default:
        return 9;
    }
}
// clang-format on

// clang-format off
const char *symbolOf(Op op)
{
    switch (op) {
    case Op::Add: return " + ";
    case Op::Subtract: return " \u2212 ";
    case Op::Multiply: return " \u00d7 ";
    case Op::Divide: return " / ";
    case Op::Less: return " < ";
    case Op::LessEqual: return " \u2264 ";
    case Op::Greater: return " > ";
    case Op::GreaterEqual: return " \u2265 ";
    case Op::Equal: return " = ";
    case Op::NotEqual: return " \u2260 ";
    case Op::Or: return " or ";
    case Op::And: return " and ";
    default: return " ? ";
    }
}
// clang-format on

std::string superscript(int n)
{
    static const char *digits[] = {"\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074",
                                   "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    if (n < 0)
        return "^" + std::to_string(n);
    std::string s;
    for (char ch : std::to_string(n))
        s += digits[ch - '0'];
    return s;
}

std::string printNode(const ExprNode &n, const EvalContext *ctx);

std::string printChild(const ExprNode &child, int parentPrecedence, bool rightSide, const EvalContext *ctx)
{
    std::string text = printNode(child, ctx);
    int p = precedence(child.op);
    // A negative number, written as a constant or substituted, binds like a negation.
    if (p == 9 && !text.empty() && text[0] == '-')
        p = 6;
    if (p < parentPrecedence || (rightSide && p == parentPrecedence))
        return "(" + text + ")";
    return text;
}

std::string numberText(double v)
{
    std::string s = generalText(v);
    return s.empty() ? (std::isnan(v) ? "?" : (v > 0 ? "\u221e" : "\u2212\u221e")) : s;
}

std::string printNode(const ExprNode &n, const EvalContext *ctx)
{
    switch (n.op) {
    case Op::Constant:
        if (!n.name.empty() && !ctx)
            return n.name;
        return numberText(ctx ? evalNode(n, *ctx) : n.value);
    case Op::Input:
    case Op::Row:
    case Op::Named:
        if (ctx)
            return numberText(evalNode(n, *ctx));
        return n.name;
    case Op::Negate:
        return "\u2212" + printChild(*n.a, 6, false, ctx);
    case Op::Sqrt:
        return "\u221a(" + printNode(*n.a, ctx) + ")";
    case Op::PowInt:
        return printChild(*n.a, 8, false, ctx) + superscript(n.index);
    case Op::When:
        if (ctx) {
            const bool taken = evalNode(*n.a, *ctx) != 0;
            return printNode(taken ? *n.b : *n.c, ctx);
        }
        return "{" + printNode(*n.b, ctx) + " where " + printNode(*n.a, ctx) + "; otherwise " + printNode(*n.c, ctx) +
               "}";
    case Op::Min:
        return "min(" + printNode(*n.a, ctx) + ", " + printNode(*n.b, ctx) + ")";
    default:
        break;
    }
    const int p = precedence(n.op);
    return printChild(*n.a, p, false, ctx) + symbolOf(n.op) + printChild(*n.b, p, true, ctx);
}

void collectNamed(const NodePtr &n, std::vector<Expr> &out)
{
    if (!n)
        return;
    collectNamed(n->a, out);
    collectNamed(n->b, out);
    collectNamed(n->c, out);
    if (n->op == Op::Named) {
        for (const Expr &e : out)
            if (e.node() == n.get() || e.name() == n->name)
                return;
        out.push_back(Expr(n));
    }
}

void collectConstants(const NodePtr &n, std::vector<Expr> &out)
{
    if (!n)
        return;
    if (n->op == Op::Constant && !n->name.empty()) {
        for (const Expr &e : out)
            if (e.name() == n->name)
                return;
        out.push_back(Expr(n));
        return;
    }
    collectConstants(n->a, out);
    collectConstants(n->b, out);
    collectConstants(n->c, out);
}

}  // namespace

Expr::Expr() : Expr(0.0) {}

Expr::Expr(double constant)
{
    auto node = std::make_shared<ExprNode>();
    node->value = constant;
    m_node = std::move(node);
}

Expr::Expr(int constant) : Expr(static_cast<double>(constant)) {}

Expr Expr::input(int index, const std::string &name)
{
    auto node = std::make_shared<ExprNode>();
    node->op = Op::Input;
    node->index = index;
    node->name = name;
    return Expr(std::shared_ptr<const ExprNode>(std::move(node)));
}

Expr Expr::constant(const std::string &name, double value, Dimension dimension)
{
    auto node = std::make_shared<ExprNode>();
    node->value = value;
    node->name = name;
    node->dimension = dimension;
    return Expr(std::shared_ptr<const ExprNode>(std::move(node)));
}

Expr Expr::row(int index, const std::string &symbol)
{
    auto node = std::make_shared<ExprNode>();
    node->op = Op::Row;
    node->index = index;
    node->name = symbol;
    return Expr(std::shared_ptr<const ExprNode>(std::move(node)));
}

double Expr::eval(const EvalContext &context) const
{
    return evalNode(*m_node, context);
}

std::string Expr::formula() const
{
    return printNode(*m_node, nullptr);
}

std::string Expr::substituted(const EvalContext &context) const
{
    return printNode(*m_node, &context);
}

std::vector<Expr> Expr::intermediates() const
{
    std::vector<Expr> out;
    collectNamed(m_node->a, out);
    collectNamed(m_node->b, out);
    collectNamed(m_node->c, out);
    if (m_node->op == Op::Named)
        out.push_back(*this);
    return out;
}

Op Expr::op() const
{
    return m_node->op;
}

int Expr::operandCount() const
{
    return m_node->c ? 3 : m_node->b ? 2 : m_node->a ? 1 : 0;
}

Expr Expr::operand(int k) const
{
    return Expr(k == 0 ? m_node->a : k == 1 ? m_node->b : m_node->c);
}

int Expr::exponent() const
{
    return m_node->index;
}

bool Expr::isInput() const
{
    return m_node && m_node->op == Op::Input;
}

int Expr::inputIndex() const
{
    return m_node->index;
}

int Expr::rowIndex() const
{
    return m_node->index;
}

std::vector<Expr> Expr::constants() const
{
    std::vector<Expr> out;
    collectConstants(m_node, out);
    return out;
}

double Expr::constantValue() const
{
    return m_node->value;
}

Dimension Expr::constantDimension() const
{
    return m_node->dimension;
}

std::string Expr::name() const
{
    return m_node->name;
}

Expr Expr::definition() const
{
    return m_node->a ? Expr(m_node->a) : *this;
}

Expr named(const std::string &name, const Expr &definition)
{
    auto node = std::make_shared<ExprNode>();
    node->op = Op::Named;
    node->name = name;
    node->a = definition.shared();
    return Expr(std::shared_ptr<const ExprNode>(std::move(node)));
}

namespace {
Expr binary(Op op, const Expr &a, const Expr &b)
{
    return make(op, a.shared(), b.shared());
}
}  // namespace

Expr operator+(const Expr &a, const Expr &b)
{
    return binary(Op::Add, a, b);
}
Expr operator-(const Expr &a, const Expr &b)
{
    return binary(Op::Subtract, a, b);
}
Expr operator*(const Expr &a, const Expr &b)
{
    return binary(Op::Multiply, a, b);
}
Expr operator/(const Expr &a, const Expr &b)
{
    return binary(Op::Divide, a, b);
}
Expr operator-(const Expr &a)
{
    return make(Op::Negate, a.shared());
}

Expr pow(const Expr &base, int exponent)
{
    auto node = std::make_shared<ExprNode>();
    node->op = Op::PowInt;
    node->index = exponent;
    node->a = base.shared();
    return Expr(std::shared_ptr<const ExprNode>(std::move(node)));
}

Expr sqrt(const Expr &argument)
{
    return make(Op::Sqrt, argument.shared());
}

Expr operator<(const Expr &a, const Expr &b)
{
    return binary(Op::Less, a, b);
}
Expr operator<=(const Expr &a, const Expr &b)
{
    return binary(Op::LessEqual, a, b);
}
Expr operator>(const Expr &a, const Expr &b)
{
    return binary(Op::Greater, a, b);
}
Expr operator>=(const Expr &a, const Expr &b)
{
    return binary(Op::GreaterEqual, a, b);
}
Expr operator==(const Expr &a, const Expr &b)
{
    return binary(Op::Equal, a, b);
}
Expr operator!=(const Expr &a, const Expr &b)
{
    return binary(Op::NotEqual, a, b);
}
Expr operator||(const Expr &a, const Expr &b)
{
    return binary(Op::Or, a, b);
}
Expr operator&&(const Expr &a, const Expr &b)
{
    return binary(Op::And, a, b);
}

Expr when(const Expr &condition, const Expr &then, const Expr &otherwise)
{
    return make(Op::When, condition.shared(), then.shared(), otherwise.shared());
}

Expr min(const Expr &a, const Expr &b)
{
    return binary(Op::Min, a, b);
}

}  // namespace shell
