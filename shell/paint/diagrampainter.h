#pragma once

// The diagrams of a case (shell/core/diagrams.h) drawn with QPainter onto any paint device: the
// window, a PDF page, a PNG.
//
// A straight member is drawn at the top with its supports and loads (under a moving load, the
// load where it stands for the largest moment, with that position in words over the member), and under it one strip per
// quantity (V, M, θ on request, δ), all on the member's own x axis: the curve with its area
// filled on the side of its sign, the zero line, round value ticks, the unit on each strip and
// every non-zero extreme labelled with its value, unit and position; an envelope is the band
// between its largest and smallest values, its largest and smallest labelled. M is drawn on the tension
// side (sagging below the zero line) and δ downward, as the member bends; V and θ positive
// upward. The case's typed positions are vertical lines through every strip.
//
// A portal frame is drawn as its outline, as large as the area holds it, with the moment diagram
// on the tension side of each member, the corner and foot moments and the extremes inside a
// member labelled with the member and the place ("column AB, 70 mm above A"). A column curve plots σk
// against λ; a section is its case sketch with the centroid and the extreme-fibre distances.
//
// Labels use the painter's current font, so the window's, and keep clear of each other and of
// every curve: each strip keeps a band above and below its curve for the labels of its
// extremes.
//
//     QPainter painter(&image);
//     paintDiagrams(painter, QRectF(0, 0, 600, 300), model.diagrams(), DiagramOptions{});

#include "shell/core/diagrams.h"

#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <vector>

class QFontMetricsF;
class QPainter;

namespace shell {

struct DiagramOptions {
    bool showSlope = false;  // the θ strip between M and δ
};

// The least height of a strip, in lines of the diagrams' font: room for the labels of the
// extremes above and below the curve and for three labelled value ticks between them (about
// 100 pixels at 100 % in the window's font, twice as many device pixels at 200 %).
constexpr double LeastStripLines = 6;
// The least width of a member's block beside another, in lines: narrower blocks stand one
// under the other.
constexpr double LeastBlockWidthLines = 30;

// Where a member's drawing and its strips lie inside the area: one block per member.
struct MemberBlock {
    int member = 0;  // index into CaseDiagrams::members
    QRectF title;    // the member's name (empty rectangle for a case's only member)
    QRectF drawing;  // the member with its supports and loads
    std::vector<std::pair<Quantity, QRectF>> strips;
    double plotLeft = 0;    // x = 0
    double plotRight = 0;   // x = length
    double axisBottom = 0;  // below the x tick labels
    double right = 0;       // the right edge of the block's room
    double xAt(double x, double length) const { return plotLeft + ((plotRight - plotLeft) * (x / length)); }
};

std::vector<MemberBlock> layoutMembers(const QRectF &area, const CaseDiagrams &diagrams, const DiagramOptions &options,
                                       const QFontMetricsF &metrics);

// The least height of an area `width` wide in which the diagrams read: every strip at least
// LeastStripLines tall, a frame, a column curve or a section at a size their labels need.
double leastDiagramHeight(const CaseDiagrams &diagrams, const DiagramOptions &options, const QFontMetricsF &metrics,
                          double width);

// What a painting placed, for tests and tools: every strip with its zero line and its curve as
// drawn, every text with its box, and the other lines texts keep clear of (a frame's members
// and its moment line).
struct DiagramReport {
    struct Strip {
        int member = 0;
        Quantity quantity = Quantity::Moment;
        QRectF rect;
        double zero = 0;  // y of the zero line
        QPolygonF curve;  // of an envelope its largest values,
        QPolygonF lower;  // and its smallest (empty for a plain curve)
    };
    struct Text {
        QString text;
        QRectF box;
        int member = -1;  // the member whose block it stands in; -1 elsewhere
    };
    std::vector<Strip> strips;
    std::vector<Text> texts;
    std::vector<QPolygonF> lines;
};

void paintDiagrams(QPainter &painter, const QRectF &area, const CaseDiagrams &diagrams, const DiagramOptions &options,
                   DiagramReport *report = nullptr);

// The values of a member at the point `pos` of the painted area, for the status bar:
// "x = 30 mm   V = 70 N   M = 2100 N･mm   δ = 0.01765 mm"; empty away from every member.
// `metrics` must be those of the font the diagrams were painted with.
QString diagramValuesAt(const QRectF &area, const CaseDiagrams &diagrams, const DiagramOptions &options,
                        const QPointF &pos, const QFontMetricsF &metrics);

}  // namespace shell
