#include "shell/qt/membereditor.h"

#include "shell/core/language.h"
#include "shell/core/shellmodel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

namespace shell {

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

const QColor RefusedGround(0xfd, 0xec, 0xea);
const QColor RefusedText(0xc6, 0x28, 0x28);

// "x [mm]", "kθ [N･mm/rad]", "kind".
QString header(const MemberColumn &column, Units units)
{
    const std::string unit = memberColumnUnit(column, units);
    const std::string caption = translated("Column", column.caption);
    return unit.empty() ? qs(caption) : qs(caption + " [" + unit + "]");
}

bool marks(const MemberCell &marked, int table, int row, int column)
{
    return marked.table == table && (marked.row < 0 || marked.row == row) &&
           (marked.column < 0 || marked.column == column);
}

}  // namespace

MemberEditor::MemberEditor(ShellModel &model, QWidget *parent) : QTabWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("MemberEditor"));
    setDocumentMode(true);
    setUsesScrollButtons(true);
    // Ten tables and the row buttons share one line: tabs with little room around their titles.
    tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    for (int t = 0; t < MemberTableCount; ++t)
        addTab(buildTable(t), qs(translated("Table", memberTableDef(t).tab)));
    setCornerWidget(buildCorner(), Qt::TopRightCorner);
    refresh();
}

QTableWidget *MemberEditor::buildTable(int index)
{
    const MemberTableDef &def = memberTableDef(index);
    auto *table = new QTableWidget(0, static_cast<int>(def.columns.size()), this);
    m_tables[static_cast<std::size_t>(index)] = table;
    table->setObjectName(qs(def.objectName));
    table->setTabKeyNavigation(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table->setWordWrap(false);
    for (std::size_t c = 0; c < def.columns.size(); ++c)
        table->setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem());
    table->installEventFilter(this);
    table->viewport()->installEventFilter(this);
    connect(table, &QTableWidget::itemChanged, this, &MemberEditor::cellEdited);
    return table;
}

QWidget *MemberEditor::buildCorner()
{
    auto *corner = new QWidget(this);
    auto *row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(1);
    const auto button = [&](const char *name, const QString &text, auto gesture) {
        auto *b = new QToolButton(corner);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        m_rowButtons.push_back(b);
        b->setFocusPolicy(Qt::NoFocus);  // the keys do the same from the table
        b->setAutoRaise(true);
        b->setMaximumWidth(b->fontMetrics().height() + 6);
        connect(b, &QToolButton::clicked, this, gesture);
        row->addWidget(b);
    };
    button("InsertRow", QStringLiteral("+"), [this] { insertRow(); });
    button("DeleteRow", QStringLiteral("\u2212"), [this] { removeRow(); });
    button("MoveRowUp", QStringLiteral("\u25b2"), [this] { moveRow(-1); });
    button("MoveRowDown", QStringLiteral("\u25bc"), [this] { moveRow(1); });
    retranslateRowButtons();
    return corner;
}

void MemberEditor::retranslateRowButtons()
{
    const QString tips[] = {tr("Insert a row after the current one (Insert)"), tr("Delete the current row (Delete)"),
                            tr("Move the current row up (Ctrl+Up)"), tr("Move the current row down (Ctrl+Down)")};
    for (std::size_t i = 0; i < m_rowButtons.size(); ++i) {
        m_rowButtons[i]->setToolTip(tips[i]);
        m_rowButtons[i]->setAccessibleName(tips[i]);
    }
}

void MemberEditor::changeEvent(QEvent *event)
{
    QTabWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslateRowButtons();
        refresh();
    }
}

void MemberEditor::refresh()
{
    for (int t = 0; t < MemberTableCount; ++t)
        refreshTable(t);
    refreshMarks();
}

void MemberEditor::refreshTable(int index)
{
    QTableWidget *table = m_tables[static_cast<std::size_t>(index)];
    const MemberTableDef &def = memberTableDef(index);
    const MemberTables &tables = m_model.memberTables();
    const QSignalBlocker blocker(table);
    m_writing = true;
    const Units units = m_model.fieldUnits(std::max(m_model.currentCase(), 0));
    table->setAccessibleName(qs(translated("Table", def.title)));
    for (std::size_t c = 0; c < def.columns.size(); ++c) {
        QTableWidgetItem *head = table->horizontalHeaderItem(static_cast<int>(c));
        const QString text = header(def.columns[c], units);
        if (head->text() != text)
            head->setText(text);
        head->setToolTip(qs(translated("Meaning", def.columns[c].meaning)));
    }
    const int rows = tables.rowCount(index);
    if (table->rowCount() != rows)
        table->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < static_cast<int>(def.columns.size()); ++c) {
            const QString text = qs(tables.text({index, r, c}));
            QTableWidgetItem *item = table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem(text);
                const MemberColumn &column = def.columns[static_cast<std::size_t>(c)];
                item->setTextAlignment(column.kind   ? Qt::AlignCenter
                                       : column.text ? Qt::AlignLeft | Qt::AlignVCenter
                                                     : Qt::AlignRight | Qt::AlignVCenter);
                table->setItem(r, c, item);
            } else if (item->text() != text) {
                item->setText(text);
            }
        }
    }
    m_writing = false;
}

void MemberEditor::refreshMarks()
{
    const MemberCell &marked = m_model.markedCell();
    const QString reason = qs(m_model.rejectionReason());
    for (int t = 0; t < MemberTableCount; ++t) {
        QTableWidget *table = m_tables[static_cast<std::size_t>(t)];
        const MemberTableDef &def = memberTableDef(t);
        const QSignalBlocker blocker(table);
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c) {
                QTableWidgetItem *item = table->item(r, c);
                if (!item)
                    continue;
                const bool refused = marks(marked, t, r, c) && marked.row >= 0;
                const QBrush ground = refused ? QBrush(RefusedGround) : QBrush();
                const QBrush ink = refused ? QBrush(RefusedText) : QBrush();
                if (item->background() != ground)
                    item->setBackground(ground);
                if (item->foreground() != ink)
                    item->setForeground(ink);
                const QString tip =
                    refused ? reason : qs(translated("Meaning", def.columns[static_cast<std::size_t>(c)].meaning));
                if (item->toolTip() != tip)
                    item->setToolTip(tip);
            }
        }
        // A refusal of the whole table (the supports do not hold the member) marks its tab.
        const bool tableRefused = marked.table == t;
        const QString tab = qs(translated("Table", def.tab));
        const QString title = tableRefused ? QStringLiteral("\u26a0 ") + tab : tab;
        if (tabText(t) != title)
            setTabText(t, title);
        tabBar()->setTabTextColor(t, tableRefused ? RefusedText : palette().color(QPalette::WindowText));
        setTabToolTip(t, tableRefused ? reason : qs(translated("Table", def.title)));
    }
}

void MemberEditor::cellEdited(QTableWidgetItem *item)
{
    const auto table = std::find(m_tables.begin(), m_tables.end(), item->tableWidget());
    if (m_writing || table == m_tables.end())
        return;
    const int t = static_cast<int>(table - m_tables.begin());
    m_model.setMemberCell({t, item->row(), item->column()}, item->text().toStdString());
    emit changed();
}

void MemberEditor::focusCell(int index, int row, int column)
{
    QTableWidget *table = m_tables[static_cast<std::size_t>(index)];
    if (row < 0 || row >= table->rowCount())
        return;
    table->setCurrentCell(row, std::clamp(column, 0, table->columnCount() - 1));
    table->setFocus(Qt::OtherFocusReason);
}

MemberCell MemberEditor::currentCell() const
{
    const int t = currentIndex();
    if (t < 0)
        return {};
    const QTableWidget *table = m_tables[static_cast<std::size_t>(t)];
    return {t, table->currentRow(), table->currentColumn()};
}

void MemberEditor::insertRow()
{
    const MemberCell at = currentCell();
    if (at.table < 0)
        return;
    const int row = m_model.insertMemberRow(at.table, at.row);
    emit changed();
    focusCell(at.table, row, 0);
}

void MemberEditor::removeRow()
{
    const MemberCell at = currentCell();
    if (at.row < 0)
        return;
    m_model.removeMemberRow(at.table, at.row);
    emit changed();
    focusCell(at.table, std::min(at.row, m_tables[static_cast<std::size_t>(at.table)]->rowCount() - 1), at.column);
}

void MemberEditor::moveRow(int by)
{
    const MemberCell at = currentCell();
    if (at.row < 0)
        return;
    const int to = m_model.moveMemberRow(at.table, at.row, by);
    emit changed();
    focusCell(at.table, to, at.column);
}

void MemberEditor::stepCell(int clicks)
{
    const MemberCell at = currentCell();
    if (at.row < 0 || at.column < 0 || clicks == 0)
        return;
    m_model.stepMemberCell(at, clicks);
    emit changed();
}

bool MemberEditor::eventFilter(QObject *watched, QEvent *event)
{
    // The tables are watched from before their tabs are added: no table is current then.
    if (currentIndex() < 0)
        return QTabWidget::eventFilter(watched, event);
    QTableWidget *table = m_tables[static_cast<std::size_t>(currentIndex())];
    if (event->type() == QEvent::KeyPress && watched == table) {
        auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        // Ctrl+Tab and Ctrl+Page Down to the next table, with Shift or Page Up to the previous one,
        // as between the tabs of any tabbed window; the table shown takes the focus.
        const bool next = (key->key() == Qt::Key_Tab && modifiers == Qt::ControlModifier) ||
                          (key->key() == Qt::Key_PageDown && modifiers == Qt::ControlModifier);
        const bool previous =
            (key->key() == Qt::Key_Backtab && modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) ||
            (key->key() == Qt::Key_PageUp && modifiers == Qt::ControlModifier);
        if (next || previous) {
            setCurrentIndex((currentIndex() + (next ? 1 : count() - 1)) % count());
            m_tables[static_cast<std::size_t>(currentIndex())]->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (key->key() == Qt::Key_Insert && modifiers == Qt::NoModifier) {
            insertRow();
            return true;
        }
        if (key->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
            removeRow();
            return true;
        }
        if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
            (modifiers == Qt::ControlModifier || modifiers == Qt::AltModifier)) {
            const int by = key->key() == Qt::Key_Up ? -1 : 1;
            if (modifiers == Qt::ControlModifier)
                moveRow(by);
            else
                stepCell(-by);
            return true;
        }
    }
    if (event->type() == QEvent::Wheel && watched == table->viewport() && table->currentRow() >= 0) {
        // One notch (120 eighths of a degree) is one step of the current cell, as over an input.
        const QPoint delta = static_cast<QWheelEvent *>(event)->angleDelta();
        m_wheelRemainder += delta.y() != 0 ? delta.y() : delta.x();
        const int clicks = m_wheelRemainder / 120;
        m_wheelRemainder -= clicks * 120;
        stepCell(clicks);
        return true;
    }
    return QTabWidget::eventFilter(watched, event);
}

}  // namespace shell
