// The diagrams of every case of every program read at every size: painted at their start values
// into areas of a few widths, as tall as leastDiagramHeight asks (at 100 % and 200 %) and taller,
// no text meets another, no label meets a curve or a frame's member as drawn, and every strip is
// at least LeastStripLines tall. The shading of a moment that changes sign ends where the curve
// crosses the zero line. Checked on the painter's report of what it placed and on a few pixels.
//
// With DIAGRAM_SHOTS=DIR set, every picture is also written to DIR, to look at.

#include "beams/beams.h"
#include "registry/registry.h"
#include "shell/paint/diagrampainter.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

using namespace shell;

struct Painted {
    QImage image;
    DiagramReport report;
};

Painted paint(const CaseDiagrams &d, QSizeF size, double ratio)
{
    Painted p;
    p.image = QImage((size * ratio).toSize(), QImage::Format_RGB32);
    p.image.setDevicePixelRatio(ratio);
    p.image.fill(Qt::magenta);
    QPainter painter(&p.image);
    painter.setFont(QApplication::font());
    paintDiagrams(painter, QRectF(QPointF(0, 0), size), d, {}, &p.report);
    return p;
}

// Whether the line as drawn passes through the box: points every half pixel along it.
bool crosses(const QPolygonF &line, const QRectF &box)
{
    for (int k = 1; k < line.size(); ++k) {
        const QPointF a = line[k - 1];
        const QPointF b = line[k];
        const int steps = std::max(1, static_cast<int>(std::ceil(std::hypot(b.x() - a.x(), b.y() - a.y()) * 2)));
        for (int i = 0; i <= steps; ++i)
            if (box.contains(a + ((b - a) * (static_cast<double>(i) / steps))))
                return true;
    }
    return false;
}

std::string describe(const DiagramReport::Text &t)
{
    std::ostringstream out;
    out << '"' << t.text.toStdString() << "\" at (" << t.box.x() << ", " << t.box.y() << ", " << t.box.width() << " x "
        << t.box.height() << ")";
    return out.str();
}

TEST(diagramlegibility, labelsKeepClearOfEachOtherAndOfTheCurvesInEveryCase)
{
    const char *shots = std::getenv("DIAGRAM_SHOTS");
    const QFontMetricsF metrics(QApplication::font());
    const double lineHeight = metrics.height();
    int pictures = 0;
    for (const Program *program : registry::programs()) {
        for (int index = 0; index < program->caseCount(); ++index) {
            const CaseDef &c = program->cases[static_cast<std::size_t>(index)];
            const std::vector<double> inputs = startValues(c);
            const CaseDiagrams d = caseDiagrams(c, index, inputs, evaluate(c, inputs).values, CatalogueUnits);
            if (d.kind == CaseDiagrams::Kind::None || d.kind == CaseDiagrams::Kind::Error)
                continue;
            for (const double width : {560.0, 760.0, 1240.0}) {
                const double least = leastDiagramHeight(d, {}, metrics, width);
                for (const double height : {least, std::round(least * 1.6)}) {
                    for (const double ratio : {1.0, 2.0}) {
                        if (ratio > 1 && height > least)
                            continue;
                        const std::string where = program->name + " " + c.caption + " at " +
                                                  std::to_string(static_cast<int>(width)) + " x " +
                                                  std::to_string(static_cast<int>(height)) + " @" +
                                                  std::to_string(static_cast<int>(ratio * 100)) + " %";
                        SCOPED_TRACE(where);
                        const Painted p = paint(d, QSizeF(width, height), ratio);
                        ++pictures;
                        if (shots && *shots && height == least)
                            p.image.save(
                                QDir(QString::fromLocal8Bit(shots))
                                    .filePath(QString::fromStdString(program->id + "-" + std::to_string(index + 1) +
                                                                     "-" + std::to_string(int(width)) + "@" +
                                                                     std::to_string(int(ratio)) + ".png")));
                        const auto &texts = p.report.texts;
                        // A section is its case sketch, which places its own names.
                        ASSERT_TRUE(d.kind == CaseDiagrams::Kind::Section || !texts.empty());
                        for (std::size_t i = 0; i < texts.size(); ++i) {
                            // Boxes that only touch do not meet.
                            const QRectF box = texts[i].box.adjusted(0.5, 0.5, -0.5, -0.5);
                            for (std::size_t j = i + 1; j < texts.size(); ++j)
                                EXPECT_FALSE(box.intersects(texts[j].box.adjusted(0.5, 0.5, -0.5, -0.5)))
                                    << describe(texts[i]) << " meets " << describe(texts[j]);
                            for (const DiagramReport::Strip &strip : p.report.strips)
                                EXPECT_FALSE(crosses(strip.curve, box))
                                    << describe(texts[i]) << " covers the curve of " << quantitySymbol(strip.quantity);
                            for (const QPolygonF &line : p.report.lines)
                                EXPECT_FALSE(crosses(line, box)) << describe(texts[i]) << " covers a line";
                        }
                        for (const DiagramReport::Strip &strip : p.report.strips)
                            EXPECT_GE(strip.rect.height(), LeastStripLines * lineHeight - 1e-6)
                                << quantitySymbol(strip.quantity);
                        if (::testing::Test::HasFailure())
                            return;
                    }
                }
            }
        }
    }
    EXPECT_GT(pictures, 400);
}

// Beam (14), a propped cantilever with P at a: M sags under the load and hogs at the wall,
// crossing zero between. The shaded area is bounded by the zero line on both sides of the
// crossing: no shade beyond the line on the side the curve has left.
TEST(diagramlegibility, shadingEndsWhereTheMomentCrossesTheZeroLine)
{
    const CaseDef &c = beams::program().cases[13];
    const std::vector<double> inputs = startValues(c);
    const CaseDiagrams d = caseDiagrams(c, 13, inputs, evaluate(c, inputs).values, CatalogueUnits);
    const Painted p = paint(d, QSizeF(760, 480), 1);
    const DiagramReport::Strip *moment = nullptr;
    for (const DiagramReport::Strip &s : p.report.strips)
        moment = s.quantity == Quantity::Moment ? &s : moment;
    ASSERT_NE(moment, nullptr);
    // Where the curve crosses the zero line, between its peak under the load and the wall.
    double crossing = -1;
    for (int k = 1; k < moment->curve.size(); ++k)
        if ((moment->curve[k - 1].y() - moment->zero) * (moment->curve[k].y() - moment->zero) < 0)
            crossing = moment->curve[k - 1].x() +
                       ((moment->zero - moment->curve[k - 1].y()) / (moment->curve[k].y() - moment->curve[k - 1].y()) *
                        (moment->curve[k].x() - moment->curve[k - 1].x()));
    ASSERT_GT(crossing, 0);
    // The moment's shade is orange over white; the grid is grey.
    const auto shaded = [&](double x, double dy) {
        const QColor pixel =
            p.image.pixelColor(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(moment->zero + dy)));
        return pixel.red() - pixel.blue() > 12;
    };
    const double offset = 20;
    for (const double dx : {-offset, offset}) {
        // Sagging is drawn below the line: shaded there left of the crossing only, and above it
        // (hogging) right of the crossing only.
        EXPECT_EQ(shaded(crossing + dx, 2), dx < 0) << "below the zero line at " << dx;
        EXPECT_EQ(shaded(crossing + dx, -2), dx > 0) << "above the zero line at " << dx;
    }
}

}  // namespace
