#pragma once

// The result chart: one series of labelled points drawn with QPainter onto any paint device
// (the window, a PDF page, a PNG), in one of eight looks (bars, lines, areas and steps, each
// flat or with an oblique depth), on a value axis with round tick steps.
//
//     paintChart(painter, QRectF(0, 0, 600, 200), {{"(RA)", 500}, {"(Mmax)", -2000}},
//                ChartType::Bar2D, Qt::red, false);
//     // -> two red bars, one up to 500 and one down to -2000, on an axis from -2000 to 500
//     //    with ticks every 500, labelled "(RA)" and "(Mmax)" underneath.

#include "shell/core/shellmodel.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cmath>
#include <vector>

class QFontMetricsF;
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

// The labels of every tick of an axis, low to high, in one notation for the whole axis: plain
// with the step's decimals where every tick reads well so, else all scientific with the
// digits the step needs.
//   0 .. 150000 step 50000 -> "0", "5.0e+04", "1.0e+05", "1.5e+05"
//   -0.5 .. 1 step 0.5     -> "-0.5", "0", "0.5", "1.0"
std::vector<QString> chartTickTexts(const ChartAxis &axis);

void paintChart(QPainter &painter, const QRectF &area, const std::vector<ChartPoint> &points, ChartType type,
                const QColor &fill, bool logScale);

// The 0-based point whose column (its share of the category axis, from the top of the plot
// down to its label) contains `pos`, or -1. `font` must be the font the chart was painted with.
int chartPointAt(const QRectF &area, const std::vector<ChartPoint> &points, ChartType type, const QPointF &pos,
                 const QFont &font = QFont());
// The same, measured with the metrics of the font on the device the chart was painted on.
int chartPointAt(const QRectF &area, const std::vector<ChartPoint> &points, ChartType type, const QPointF &pos,
                 const QFontMetricsF &metrics);

// Where everything of the chart goes inside its area.
struct ChartLayout {
    bool drawable = false;
    QRectF area;
    QRectF plot;    // the front plane of the plot
    QPointF depth;  // offset from the front plane to the back wall (3D looks only)
    ChartAxis axis;
    double slot = 0;  // width of one point's column on the front plane
    double labelTop = 0;
    int labelRows = 1;
    double pad = 0;
    double tickLength = 0;
    double lineHeight = 0;
    double lineWidth = 1;  // of the frame, the grid, the axis and the edges

    double y(double value) const
    {
        return plot.bottom() - (((value - axis.low) / (axis.high - axis.low)) * plot.height());
    }
    double centre(int point) const { return plot.left() + ((point + 0.5) * slot); }
    double tick(int i) const
    {
        const double value = axis.low + (i * axis.step);
        return std::fabs(value) < axis.step * 1e-9 ? 0.0 : value;
    }
};

// The widths of texts in one font, kept from one layout to the next: a chart's labels and tick
// texts seldom change between two keystrokes, and measuring them is most of a layout.
class ChartTextWidths
{
public:
    double of(const QString &text, const QFontMetricsF &metrics);
    void clear() { m_widths.clear(); }

private:
    QHash<QString, double> m_widths;
};

ChartLayout layoutChart(const QRectF &area, const std::vector<ChartPoint> &points, ChartType type, bool logScale,
                        const QFontMetricsF &metrics, ChartTextWidths *widths = nullptr);

// The chart in two layers, as paintChart draws them one over the other. The first holds what
// new values leave as it is while the axis stays: the frame, the walls with the grid, the value
// axis with its labels, the category labels and the log-scale notes. The second is the series.
// A window keeps the first as a picture and repaints only the second where values changed.
void paintChartBackground(QPainter &painter, const ChartLayout &layout, const std::vector<ChartPoint> &points,
                          bool logScale);
void paintChartSeries(QPainter &painter, const ChartLayout &layout, const std::vector<ChartPoint> &points,
                      ChartType type, const QColor &fill);
// Where the series draws point `point`, edges included: its box for the bar looks and 3D steps;
// the whole plot for lines, areas and 2D steps, whose neighbours change with a point.
QRectF chartPointExtent(const ChartLayout &layout, const std::vector<ChartPoint> &points, int point, ChartType type);
// The front of point `point`'s box (bar looks and 3D steps), from the zero line to its value;
// empty for other looks and for a value that cannot be drawn.
QRectF chartBarFront(const ChartLayout &layout, const std::vector<ChartPoint> &points, int point, ChartType type);
// True where two layouts put the frame, the walls, the axis and the labels at the same places.
bool sameChartFrame(const ChartLayout &a, const ChartLayout &b);
// True where two layouts draw the same frame, walls and grid lines and differ at most in the
// values their ticks stand for (and so in the tick labels left of the plot): the same plot,
// the same number of intervals, the zero line on the same tick.
bool sameChartGrid(const ChartLayout &a, const ChartLayout &b);

}  // namespace shell
