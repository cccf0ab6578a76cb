#include "referencewindow.h"

#include "shell/core/numbertext.h"
#include "shell/core/units.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

ReferenceWindow::ReferenceWindow(const shell::CaseDef &definition, QWidget *parent)
    : QWidget(parent), m_case(definition)
{
    auto *inputs = new QGroupBox(QString::fromStdString(definition.caption));
    auto *form = new QFormLayout(inputs);
    for (const shell::InputDef &input : definition.inputs) {
        auto *edit = new QLineEdit(QString::number(input.start));
        form->addRow(QString::fromStdString(input.caption), edit);
        connect(edit, &QLineEdit::textChanged, this, &ReferenceWindow::recompute);
        m_inputs.push_back(edit);
    }

    auto *results = new QGroupBox(QStringLiteral("Results"));
    auto *grid = new QFormLayout(results);
    QStringList categories;
    for (const shell::RowDef &row : definition.rows) {
        auto *line = new QHBoxLayout;
        auto *check = new QCheckBox(QString::fromStdString(row.caption));
        check->setChecked(true);
        auto *value = new QLineEdit;
        value->setReadOnly(true);
        value->setAlignment(Qt::AlignRight);
        auto *unit = new QLabel(QString::fromStdString(shell::unitCaption(shell::CatalogueUnits, row.dimension)));
        line->addWidget(value, 1);
        line->addWidget(unit);
        grid->addRow(check, line);
        m_checks.push_back(check);
        m_values.push_back(value);
        m_units.push_back(unit);
        categories << QString::fromStdString(row.caption);
    }

    m_bars = new QBarSet(QStringLiteral("results"));
    for (std::size_t r = 0; r < definition.rows.size(); ++r)
        *m_bars << 0.0;
    auto *series = new QBarSeries;
    series->append(m_bars);
    auto *chart = new QChart;
    chart->addSeries(series);
    chart->legend()->hide();
    auto *categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(categories);
    chart->addAxis(categoryAxis, Qt::AlignBottom);
    series->attachAxis(categoryAxis);
    m_axis = new QValueAxis;
    chart->addAxis(m_axis, Qt::AlignLeft);
    series->attachAxis(m_axis);
    auto *chartView = new QChartView(chart);
    chartView->setRenderHint(QPainter::Antialiasing);

    auto *left = new QVBoxLayout;
    left->addWidget(inputs);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(results);
    right->addWidget(chartView, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
    recompute();
}

void ReferenceWindow::recompute()
{
    std::vector<double> numbers;
    for (const QLineEdit *edit : m_inputs)
        numbers.push_back(edit->text().toDouble());
    const shell::Evaluation evaluation = shell::evaluate(m_case, numbers);
    if (evaluation.rejected)
        return;
    double low = 0;
    double high = 0;
    for (std::size_t r = 0; r < evaluation.values.size(); ++r) {
        const double v = evaluation.values[r];
        m_values[r]->setText(std::isfinite(v) ? QString::number(v, 'e', 3) : QString());
        const double bar = std::isfinite(v) ? v : 0.0;
        m_bars->replace(static_cast<int>(r), bar);
        low = std::min(low, bar);
        high = std::max(high, bar);
    }
    m_axis->setRange(low, high);
}
