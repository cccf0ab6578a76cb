#pragma once

// A calculator window as stock Qt would build it, the yardstick the window's keystroke is timed
// against in the same run: one line edit per input, a group box of result rows (check box,
// read-only line edit, unit label), a Qt Charts bar chart of the results, everything
// recomputed and rewritten on every textChanged.

#include "shell/core/catalogue.h"

#include <QWidget>

#include <vector>

class QBarSet;
class QCheckBox;
class QLabel;
class QLineEdit;
class QValueAxis;

class ReferenceWindow : public QWidget
{
public:
    explicit ReferenceWindow(const shell::CaseDef &definition, QWidget *parent = nullptr);

    QLineEdit *input(int k) const { return m_inputs[static_cast<std::size_t>(k)]; }

private:
    void recompute();

    const shell::CaseDef &m_case;
    std::vector<QLineEdit *> m_inputs;
    std::vector<QCheckBox *> m_checks;
    std::vector<QLineEdit *> m_values;
    std::vector<QLabel *> m_units;
    QBarSet *m_bars = nullptr;
    QValueAxis *m_axis = nullptr;
};
