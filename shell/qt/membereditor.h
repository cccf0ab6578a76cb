#pragma once

// The member editor: the tables of any member's supports, hinges, point loads, couples,
// distributed loads and segments, one tab each (named by the table: "Supports", "Hinges",
// "PointLoads", "Couples", "DistributedLoads", "Segments"). Each cell is a text the model reads by
// the family's rules; the column headers carry the units. The editor forwards every gesture to
// the model and says so with changed(); refresh() writes the cells from the model.
//
// Keyboard: Tab and Shift+Tab go from cell to cell, typing replaces a cell and Enter or Tab
// takes it; Insert adds a row after the current one, Delete removes the current row (while no
// cell is being edited), Ctrl+Up and Ctrl+Down move it; Alt+Up and Alt+Down step the current
// cell as the mouse wheel does over it (positions by a hundredth of the length, values by a
// tenth of their size, kinds to the next kind); Ctrl+PgUp and Ctrl+PgDown go from table to
// table. A refused cell is marked red with its reason as tooltip, a refused table in its tab.

#include "shell/core/membertables.h"

#include <QTabWidget>

#include <array>
#include <vector>

class QTableWidget;
class QTableWidgetItem;
class QToolButton;

namespace shell {

class ShellModel;

class MemberEditor : public QTabWidget
{
    Q_OBJECT

public:
    MemberEditor(ShellModel &model, QWidget *parent = nullptr);

    // The cells, headers and marks from the model.
    void refresh();
    QTableWidget *table(int index) const { return m_tables[static_cast<std::size_t>(index)]; }

    // The gestures of the keyboard and the corner buttons on the table on display.
    void insertRow();
    void removeRow();
    void moveRow(int by);
    void stepCell(int clicks);

signals:
    // The model took a gesture; the window brings itself in line.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QTableWidget *buildTable(int index);
    QWidget *buildCorner();
    // The row buttons' tips in the language installed.
    void retranslateRowButtons();
    void cellEdited(QTableWidgetItem *item);
    // Writes the cells of one table where they differ from the model.
    void refreshTable(int index);
    void refreshMarks();
    void focusCell(int index, int row, int column);
    // The table on display and its current cell (row and column -1 where none is current).
    MemberCell currentCell() const;

    ShellModel &m_model;
    std::array<QTableWidget *, MemberTableCount> m_tables{};
    std::vector<QToolButton *> m_rowButtons;  // insert, delete, up, down
    bool m_writing = false;
    int m_wheelRemainder = 0;
};

}  // namespace shell
