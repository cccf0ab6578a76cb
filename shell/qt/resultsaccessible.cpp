// What a screen reader finds in the result rows: the rows are painted by one widget, so each
// row gives two accessible children of its own, the check box (named by the row's caption,
// checkable, with the row's meaning as its description) and the value (named "<caption>,
// value", its value the number with its unit, its description the member's true extreme beside
// it and the range it lies outside, where there are such). The focus follows the row that holds
// it.

#include "shell/qt/resultsview.h"

#include "shell/core/language.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QPointer>

#include <map>

namespace shell {

namespace {

// Part 2r of the rows is row r's check box, part 2r + 1 its value.
class RowPart : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    RowPart(ResultsView *view, int index) : m_view(view), m_index(index) {}

    bool isValid() const override { return m_view && row() < m_view->rowCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_view.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const ResultsView::Row &r = m_view->row(row());
        switch (t) {
        case QAccessible::Name:
            return isCheck() ? r.caption : r.caption + QString::fromStdString(shell::translated("Text", ", value"));
        case QAccessible::Value:
            if (isCheck())
                return {};
            return r.unit.isEmpty() || r.text.isEmpty() ? r.text : r.text + QLatin1Char(' ') + r.unit;
        case QAccessible::Description: {
            if (isCheck())
                return r.meaning;
            QStringList about;
            if (!r.largest.isEmpty())
                about << r.largest;
            if (!r.outsideRange.isEmpty())
                about << QString::fromStdString(shell::translated("Text", "outside the formula's range: ")) +
                             r.outsideRange;
            return about.join(QStringLiteral("; "));
        }
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = m_view->partRect(row(), isCheck() ? ResultsView::Part::Check : ResultsView::Part::Value);
        return QRect(m_view->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return isCheck() ? QAccessible::CheckBox : QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.disabled = !m_view->isEnabled();
        s.invisible = !m_view->isVisible();
        if (isCheck()) {
            s.focusable = true;
            s.focused = m_view->hasFocus() && m_view->currentRow() == row();
            s.checkable = true;
            s.checked = m_view->row(row()).ticked;
        } else {
            s.readOnly = true;
            s.selectable = true;
            s.selected = m_view->selectedRow() == row();
        }
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface && isCheck())
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }
    QStringList actionNames() const override { return {toggleAction(), setFocusAction()}; }
    void doAction(const QString &name) override
    {
        if (!isValid())
            return;
        if (name == toggleAction() || name == pressAction()) {
            m_view->toggle(row());
        } else if (name == setFocusAction()) {
            m_view->setFocus(Qt::OtherFocusReason);
            m_view->setCurrentRow(row());
        }
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        return name == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }

private:
    int row() const { return m_index / 2; }
    bool isCheck() const { return m_index % 2 == 0; }

    QPointer<ResultsView> m_view;
    int m_index;
};

class ResultsAccessible : public QAccessibleWidget
{
public:
    explicit ResultsAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Grouping, QStringLiteral("Results"))
    {
    }
    ~ResultsAccessible() override
    {
        for (const auto &[index, id] : m_parts)
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("Results");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 2 * view()->rowCount(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto found = m_parts.find(index);
        if (found == m_parts.end())
            found = m_parts.emplace(index, QAccessible::registerAccessibleInterface(new RowPart(view(), index))).first;
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (const auto &[index, id] : m_parts)
            if (QAccessible::accessibleInterface(id) == child)
                return index < childCount() ? index : -1;
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        return view()->hasFocus() && view()->rowCount() > 0 ? child(2 * view()->currentRow()) : nullptr;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint local = view()->mapFromGlobal(QPoint(x, y));
        for (int r = 0; r < view()->rowCount(); ++r) {
            if (view()->partRect(r, ResultsView::Part::Check).contains(local))
                return child(2 * r);
            if (view()->partRect(r, ResultsView::Part::Value).contains(local))
                return child((2 * r) + 1);
        }
        return nullptr;
    }

private:
    ResultsView *view() const { return static_cast<ResultsView *>(widget()); }

    mutable std::map<int, QAccessible::Id> m_parts;
};

QAccessibleInterface *resultsAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("shell::ResultsView") && object && object->isWidgetType())
        return new ResultsAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

}  // namespace

void installResultsAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(resultsAccessibleFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace shell
