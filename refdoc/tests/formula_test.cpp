#include "shell/sheet/formula.h"

#include "shell/core/expr.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sheet::BoxPtr;
using shell::Expr;

// A page-like device: 600 dots per inch, as the PDF is written.
class Formula : public ::testing::Test
{
protected:
    Formula() : m_page(10, 10, QImage::Format_RGB32)
    {
        m_page.setDotsPerMeterX(23622);
        m_page.setDotsPerMeterY(23622);
    }
    sheet::Typesetter setter() const { return sheet::Typesetter(&m_page, 10); }

    QImage m_page;
};

// The text of a box in drawing order, as the PDF's text layer gives it.
QString textOf(const BoxPtr &box)
{
    QString text = box->text;
    for (const sheet::FormulaBox::Child &child : box->children)
        text += textOf(child.box);
    return text;
}

const Expr P = Expr::input(0, "P"), a = Expr::input(1, "a"), l = Expr::input(2, "l"), b = Expr::input(3, "b");

TEST_F(Formula, AFractionStandsAboveAndBelowTheLine)
{
    const sheet::Typesetter t = setter();
    const BoxPtr numerator = t.formula(P * (l - a));
    const BoxPtr fraction = t.formula((P * (l - a)) / l);
    EXPECT_GT(fraction->height(), numerator->height() + t.formula(l)->height());
    EXPECT_GT(fraction->ascent, numerator->ascent);
    EXPECT_GT(fraction->descent, numerator->descent);
    EXPECT_GE(fraction->width, numerator->width);
    EXPECT_EQ(textOf(fraction), QStringLiteral("P × (l − a)l"));  // no brackets around what the bar groups
}

TEST_F(Formula, ASymbolsTrailingLettersAreASubscriptSetLower)
{
    const sheet::Typesetter t = setter();
    const BoxPtr R = t.text(QStringLiteral("R"), true);
    const BoxPtr RA = t.symbol("RA");
    ASSERT_EQ(RA->children.size(), 2u);
    EXPECT_GT(RA->children[1].at.y(), 0);  // below the baseline
    EXPECT_GT(RA->descent, R->descent);
    EXPECT_EQ(textOf(RA), QStringLiteral("RA"));  // copies as the caption writes it
    EXPECT_EQ(textOf(t.symbol("MBmax")), QStringLiteral("MBmax"));
    for (const char *whole : {"dia", "OD", "ID", "P", "π²"})
        EXPECT_TRUE(t.symbol(whole)->children.empty()) << whole;
}

TEST_F(Formula, PowersAndRootsAreSetAsSuch)
{
    const sheet::Typesetter t = setter();
    EXPECT_EQ(textOf(t.formula(shell::pow(l, 3))), QStringLiteral("l³"));
    EXPECT_EQ(textOf(t.formula(shell::pow(l - a, 2))), QStringLiteral("(l − a)²"));
    const BoxPtr inner = t.formula(P / a);
    const BoxPtr root = t.formula(shell::sqrt(P / a));
    EXPECT_GT(root->ascent, inner->ascent);  // the bar over the radicand
    EXPECT_GT(root->width, inner->width);
    // A power of a fraction is bracketed: the exponent applies to the whole.
    EXPECT_EQ(textOf(t.formula(shell::pow(a / l, 2))).right(1), QStringLiteral("²"));
}

TEST_F(Formula, ABranchIsABraceWithOneLinePerCase)
{
    const sheet::Typesetter t = setter();
    const Expr x = Expr::input(4, "x");
    const BoxPtr box = t.formula(shell::when(x <= a, P * x, shell::when(x <= b, P * a, P * b)));
    ASSERT_EQ(box->kind, sheet::FormulaBox::Kind::Cases);
    ASSERT_EQ(box->children.size(), 6u);  // value and condition of three cases
    for (std::size_t k = 2; k < 6; k += 2)
        EXPECT_GT(box->children[k].at.y(), box->children[k - 2].at.y() + t.formula(x)->height());
    EXPECT_EQ(textOf(box->children[1].box), QStringLiteral("if x ≤ a"));
    EXPECT_EQ(textOf(box->children[5].box), QStringLiteral("otherwise"));
    EXPECT_GT(box->height(), 3 * t.formula(x)->height());
}

struct WorkedCase {
    const char *name;
    Expr expression;
    std::vector<double> inputs;
    const char *text;
};

class Worked : public ::testing::TestWithParam<WorkedCase>
{
};

TEST_P(Worked, SubstitutesTheNumbersAsWritten)
{
    QImage page(10, 10, QImage::Format_RGB32);
    page.setDotsPerMeterX(23622);
    page.setDotsPerMeterY(23622);
    const sheet::Typesetter t(&page, 10);
    const std::vector<double> rows;
    const shell::EvalContext context{&GetParam().inputs, &rows};
    EXPECT_EQ(textOf(t.worked(GetParam().expression, context)), QString::fromUtf8(GetParam().text));
}

const Expr c = Expr::constant("c", 0), lambda = shell::named("λ", l / a);

const WorkedCase WorkedTable[] = {
    {"NegativeAfterMinus", P - a, {100, -25, 0, 0}, "100 − (−25)"},
    {"NegativeAfterPlus", P + a, {100, -1470, 0, 0}, "100 + (−1470)"},
    {"NegatedNegative", -a, {0, -25, 0, 0}, "−(−25)"},
    {"NegativeFirst", a - P, {100, -25, 0, 0}, "−25 − 100"},
    {"NegativeFactor", P *a, {3, -2, 0, 0}, "3 × (−2)"},
    {"ProductOfANegativeAfterMinus", P - (a * l), {100, -250, 3, 0}, "100 − (−250 × 3)"},
    {"NegatedProductAfterPlus", P + ((-a) * l), {100, 250, 3, 0}, "100 + (−250 × 3)"},
    {"NegativeBase", shell::pow(a, 2), {0, -2, 0, 0}, "(−2)²"},
    {"SixDigits", P / l, {1, 0, 3, 0}, "13"},
    {"BinaryNoise", P - a, {0.1, 0.0060000000000001, 0, 0}, "0.1 − 0.006"},
    {"PowerOfTenFactor", P *a, {7e-05, 3, 0, 0}, "(7 × 10⁻⁵) × 3"},
    {"ZeroTermKept", (1 - (b * lambda)) + (c * shell::pow(lambda, 2)), {0, 2, 69.294, 0.01}, "1 − 0.01 × 34.647 + 0"},
    {"BranchTaken", shell::when(a > l, P, P *l), {2, 1, 3, 0}, "2 × 3"},
};

INSTANTIATE_TEST_SUITE_P(refdoc, Worked, ::testing::ValuesIn(WorkedTable),
                         [](const ::testing::TestParamInfo<WorkedCase> &entry) {
                             return std::string(entry.param.name);
                         });

// A long sum wraps before its operators onto indented lines; a line that fits is not wrapped.
TEST_F(Formula, ALongFormulaWrapsBeforeAnOperator)
{
    const sheet::Typesetter t = setter();
    Expr sum = P;
    for (int k = 0; k < 12; ++k)
        sum = sum + (a * l);
    const std::vector<sheet::FormulaPiece> pieces = t.formulaPieces(sum, t.symbol("M"));
    EXPECT_EQ(pieces.size(), 13u);
    const double wide = sheet::formulaHeight(pieces, 1e6, 0, 10);
    const double narrow = sheet::formulaHeight(pieces, t.formula(sum)->width / 3, 100, 10);
    EXPECT_NEAR(wide, t.formula(sum)->height(), 1e-6);
    EXPECT_GE(narrow, 3 * wide);
}

}  // namespace
