#pragma once

// The result chart as a widget; the painting itself is in chartpainter.h.

#include "shell/core/shellmodel.h"
#include "shell/paint/chartpainter.h"
#include "shell/qt/controls.h"

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QSize>

#include <vector>

namespace shell {

// The chart as a widget. A left click on a point reports the point; the right button, the
// context-menu key and Shift+F10 ask for the chart's menu (MenuPictureView). With the keyboard, Left and Right
// pick a point and Space or Return reports it as if it were clicked.
//
// New values repaint only what they change: once values change on the chart shown, the frame,
// walls, grid and labels are kept as a picture for the axis on display (and the one before,
// which typing and correcting a digit come back to), and only the bars that moved are drawn
// again over it.
class ChartView : public MenuPictureView
{
    Q_OBJECT
public:
    explicit ChartView(QWidget *parent = nullptr);

    // Repaints only what changed.
    void setData(std::vector<ChartPoint> points, ChartType type, QColor fill, bool logScale);
    // Results of an input since refused: drawn washed out until the next accepted input.
    void setStale(bool stale);
    bool stale() const { return m_stale; }

    const std::vector<ChartPoint> &points() const { return m_points; }
    ChartType chartType() const { return m_type; }
    bool logScale() const { return m_logScale; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void pointClicked(int point, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The layer under the series for one layout, at one size and device pixel ratio.
    struct Background {
        QPixmap picture;
        ChartLayout layout;
        std::vector<ChartPoint> points;  // their labels and base-line marks
        bool logScale = false;
    };
    QRectF chartArea() const;
    QPoint pointGlobalPos(int point) const;
    void relayout();
    const QPixmap &background();
    bool sameBackground(const Background &b) const;

    std::vector<ChartPoint> m_points;
    ChartType m_type = ChartType::Bar2D;
    QColor m_fill = Qt::red;
    bool m_logScale = false;
    bool m_stale = false;
    int m_current = -1;
    ChartLayout m_layout;  // of the points on display, at the widget's size
    ChartTextWidths m_textWidths;
    std::vector<Background> m_backgrounds;  // the most recently used first
    bool m_painted = false;
    bool m_keepBackground = false;  // from the first change of values on a chart shown
};

}  // namespace shell
