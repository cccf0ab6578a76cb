#pragma once

// The internals shared by the diagram drawings (diagrampainter.h): inks, labels
// that keep clear of each other, and the figures other than straight members.

#include "shell/core/diagrams.h"
#include "shell/core/numbertext.h"
#include "shell/paint/diagrampainter.h"

#include <QColor>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <vector>

namespace shell::diagramparts {

inline const QColor Ink(0, 0, 0);
inline const QColor AxisInk(90, 90, 90);
inline const QColor GridInk(228, 228, 228);
inline const QColor MarkInk(200, 40, 40);
inline const QColor Paper(255, 255, 255);

QColor curveInk(Quantity quantity);
// The fill of the area between the curve and the zero line, by the sign of the values.
QColor areaFill(Quantity quantity, bool positive);

inline QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// "2100 N･mm": a value with its unit caption.
QString valueWithUnit(double value, const std::string &unit);

// A line of text in a box, aligned left, right or centred and centred vertically: drawn at its
// baseline, which is much cheaper than laying it out in the box.
void drawTextIn(QPainter &painter, const QFontMetricsF &metrics, const QRectF &box, Qt::Alignment alignment,
                const QString &text);

// Labels placed one after another, each at the first of its candidate places that stays inside
// the bounds and meets no label placed before and none of the lines and boxes to avoid (the
// curves as drawn, a frame's members); drawn on a white ground over the lines.
class Labels
{
public:
    Labels(const QFontMetricsF &metrics, const QRectF &bounds) : m_metrics(metrics), m_bounds(bounds) {}
    // The label of the box it stands in: the text's own width, a little more for its ground; a
    // text of several lines ("M = 15335 N･mm\ncolumn AB, 70 mm above A") one line high each.
    QSizeF size(const QString &text) const;
    // Later labels keep clear of this line as drawn, or of this box.
    void avoid(const QPolygonF &line);
    void avoid(const QRectF &box);
    // Candidate top-left corners, in order of preference; the label stays inside `within` where
    // that is given, else inside the bounds. Where no candidate is clear, the clear place
    // nearest the first one; where there is none at all, the first candidate. A label that ends
    // up away from the point it names (`point`, where given) is tied to it by a thin line.
    void place(const QString &text, const std::vector<QPointF> &corners, const QColor &ink = Ink,
               const QRectF &within = QRectF(), const QPointF *point = nullptr);
    void draw(QPainter &painter) const;
    const std::vector<QRectF> &boxes() const { return m_boxes; }
    // The placed labels as texts of a report.
    void report(DiagramReport *report, int member) const;

private:
    static QRectF inside(QRectF box, const QRectF &bounds);
    bool clear(const QRectF &box) const;

    const QFontMetricsF &m_metrics;
    QRectF m_bounds;
    std::vector<QRectF> m_boxes;
    std::vector<QString> m_texts;
    std::vector<QColor> m_inks;
    std::vector<QLineF> m_leaders;  // an empty line for a label beside its point
    std::vector<QPolygonF> m_lines;
    std::vector<QRectF> m_lineBounds;
    std::vector<QRectF> m_avoided;
};

// True where the straight piece from a to b meets the box.
bool segmentMeets(const QPointF &a, const QPointF &b, const QRectF &box);

// Thin straight lines of the grid and the axes, one pixel wide and without antialiasing: crisp,
// and drawn in one go.
void drawCrispLines(QPainter &painter, const std::vector<QLineF> &lines, const QColor &ink);

// One strip of a member's diagrams: the quantity's symbol and unit, its round ticks (labels
// kept clear of `texts`, which collects them with the symbol and unit), the area on the side of
// the sign, the curve and its extremes (placed in `labels`, clear of the curve). The strip as
// drawn goes to `drawn`.
void paintStrip(QPainter &painter, const MemberBlock &block, const QRectF &strip, const Curve &curve,
                const MemberDiagram &member, const std::string &lengthUnit, const QFontMetricsF &metrics,
                Labels &labels, std::vector<DiagramReport::Text> &texts, DiagramReport::Strip &drawn);
// The member with its supports, its loads and their values (placed in `labels`).
void paintMember(QPainter &painter, const MemberBlock &block, const MemberDiagram &member, Units units,
                 const QFontMetricsF &metrics, Labels &labels);
// A sketch of supports and loads drawn with the diagrams, antialiased: `unit` the size of its
// symbols in pixels, `scale` pixels to a unit of its coordinates, its point (0, 0) at `origin`;
// names of points left of `middle` (in its coordinates) stand to the left, the others to the
// right. The canvas sets its own font for the names.
void drawSketch(QPainter &painter, const Sketch &sketch, double unit, double scale, QPointF origin, QPointF middle);
// The widest value tick the strips of these diagrams can show.
double tickWidth(const CaseDiagrams &diagrams, const QFontMetricsF &metrics);

// A message in the middle of the area (no diagram, or why there is none).
void paintMessage(QPainter &painter, const QRectF &area, const QString &text);
// The message of an area too small for the diagrams to read.
void paintTooSmall(QPainter &painter, const QRectF &area);

// The margin around a figure and a block of strips: a third of a line, at least 2 pixels.
inline double figurePad(double lineHeight)
{
    return std::max(2.0, lineHeight * 0.35);
}

void paintFrame(QPainter &painter, const QRectF &area, const FrameDiagram &frame, const std::string &lengthUnit,
                DiagramReport *report);
void paintColumnCurve(QPainter &painter, const QRectF &area, const ColumnCurveDiagram &curve, DiagramReport *report);
void paintSection(QPainter &painter, const QRectF &area, const SectionDiagram &section);  // diagramsection.cpp

}  // namespace shell::diagramparts
