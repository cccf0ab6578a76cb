#pragma once

// The result chart: one series of labelled points drawn with QPainter onto any paint device
// (the window, a PDF page, a PNG), in one of eight looks (bars, lines, areas and steps, each
// flat or with an oblique depth), on a value axis with round tick steps.
//
//     paintChart(painter, QRectF(0, 0, 600, 200), {{"(RA)", 500}, {"(Mmax)", -2000}},
//                ChartType::Bar2D, Qt::red, false);
//     // -> two red bars, one up to 500 and one down to -2000, on an axis from -2000 to 500
//     //    with ticks every 500, labelled "(RA)" and "(Mmax)" underneath.

#include "shellmodel.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <vector>

class QPainter;

namespace shell {

// The value axis: from `low` to `high` in `intervals` steps of `step` (1, 2 or 5 × 10^n).
// The axis always takes in 0, so that every bar stands on the zero line.
//   chartAxis(0, 1800, 5)  -> 0 .. 2000, step 500
//   chartAxis(-3, 7, 6)    -> -4 .. 8, step 2
struct ChartAxis {
    double low = 0;
    double high = 1;
    double step = 1;
    int intervals = 1;
};
ChartAxis chartAxis(double minValue, double maxValue, int maxIntervals);

// A tick label in compact general form: 2000 -> "2000", 150000 -> "1.5e+05", 0.25 -> "0.25".
QString chartTickText(double value);

void paintChart(QPainter &painter, const QRectF &area, const std::vector<ChartPoint> &points, ChartType type,
                const QColor &fill, bool logScale);

// The 0-based point whose column (its share of the category axis, from the top of the plot
// down to its label) contains `pos`, or -1. `font` must be the font the chart was painted with.
int chartPointAt(const QRectF &area, const std::vector<ChartPoint> &points, ChartType type, const QPointF &pos,
                 const QFont &font = QFont());

// The chart as a widget. A left click on a point reports the point; the right button, the
// context-menu key and Shift+F10 ask for the chart's menu. With the keyboard, Left and Right
// pick a point and Space or Return reports it as if it were clicked.
class ChartView : public QWidget
{
    Q_OBJECT
public:
    explicit ChartView(QWidget *parent = nullptr);

    // Repaints only when something changed.
    void setData(std::vector<ChartPoint> points, ChartType type, QColor fill, bool logScale);

    const std::vector<ChartPoint> &points() const { return m_points; }
    ChartType chartType() const { return m_type; }
    QColor fillColor() const { return m_fill; }
    bool logScale() const { return m_logScale; }
    // The point picked with the keyboard, -1 when none.
    int currentPoint() const { return m_current; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void pointClicked(int point, QPoint globalPos);
    void contextMenuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QRectF chartArea() const;
    QPoint pointGlobalPos(int point) const;

    std::vector<ChartPoint> m_points;
    ChartType m_type = ChartType::Bar2D;
    QColor m_fill = Qt::red;
    bool m_logScale = false;
    int m_current = -1;
    // Set from a right button or context-menu key press to its release: the context menu event
    // the platform sends between the two must not ask for the menu a second time.
    bool m_menuAsked = false;
};

}  // namespace shell
