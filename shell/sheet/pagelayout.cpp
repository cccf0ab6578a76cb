#include "shell/sheet/pagelayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRegularExpression>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextLayout>

#include <algorithm>
#include <utility>

namespace sheet {

namespace {

// Text in a sans serif, formulas in a serif with italic symbols; Japanese from the CJK family
// where the first has no glyph. Latin letters and digits come from the DejaVu faces: those of
// the CJK faces are replaced while shaping by glyphs that the PDF's text layer cannot map back
// to their characters, so copied or searched text would lose its digits.
const QStringList SansFamilies{QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK JP")};
const QStringList SerifFamilies{QStringLiteral("DejaVu Serif"), QStringLiteral("Noto Serif CJK JP"),
                                QStringLiteral("Noto Sans CJK JP")};

QFont makeFont(const QStringList &families, double points, bool bold = false, bool italic = false)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(true);
    return font;
}

// Words of a formula that are not symbols: printed upright.
bool uprightWord(const QString &word)
{
    static const QStringList words{QStringLiteral("where"), QStringLiteral("otherwise"), QStringLiteral("or"),
                                   QStringLiteral("and"),   QStringLiteral("max"),       QStringLiteral("min"),
                                   QStringLiteral("π")};
    return words.contains(word);
}

QTextCharFormat formatOf(const QFont &font, const QColor &color)
{
    QTextCharFormat format;
    format.setFont(font);
    format.setForeground(color);
    return format;
}

// The layout of the runs: one text, a format range per run, and in formulas a range in
// italics for every symbol.
struct Laid {
    QString text;
    QVector<QTextLayout::FormatRange> formats;
};

Laid combine(const std::vector<Run> &runs)
{
    // A symbol starts with a letter that does not continue a number ("7E-05", "1.765e-02").
    static const QRegularExpression symbol(QStringLiteral(R"((?<![\p{L}\p{N}.])\p{L}[\p{L}\p{N}]*)"));
    Laid laid;
    for (const Run &run : runs) {
        const int start = static_cast<int>(laid.text.size());
        laid.text += run.text;
        const QFont font = fontFor(run.style);
        laid.formats.append({start, static_cast<int>(run.text.size()), formatOf(font, run.color)});
        if (run.style != Style::Formula && run.style != Style::FormulaBold)
            continue;
        QFont italic = font;
        italic.setItalic(true);
        for (auto match = symbol.globalMatch(run.text); match.hasNext();) {
            const QRegularExpressionMatch m = match.next();
            if (!uprightWord(m.captured()))
                laid.formats.append({start + static_cast<int>(m.capturedStart()), static_cast<int>(m.capturedLength()),
                                     formatOf(italic, run.color)});
        }
    }
    return laid;
}

// Lines stand a little apart from one another: long formulas wrap over several lines.
constexpr double LineSpacing = 1.12;

// Lays the text out line by line; returns the height used.
double layOut(QTextLayout &layout, double width, double hangingIndent, bool alignRight)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    double y = 0;
    layout.beginLayout();
    for (bool first = true;; first = false) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        const double indent = first ? 0 : hangingIndent;
        line.setLeadingIncluded(true);
        line.setLineWidth(std::max(1.0, width - indent));
        const double x = alignRight ? std::max(0.0, width - line.naturalTextWidth()) : indent;
        line.setPosition(QPointF(x, y + (line.height() * (LineSpacing - 1) / 2)));
        y += line.height() * LineSpacing;
    }
    layout.endLayout();
    return y;
}

}  // namespace

QFont fontFor(Style style)
{
    switch (style) {
    case Style::Title:
        return makeFont(SansFamilies, 28, true);
    case Style::Subtitle:
        return makeFont(SansFamilies, 14);
    case Style::Heading:
        return makeFont(SansFamilies, 17, true);
    case Style::Subheading:
        return makeFont(SansFamilies, 11, true);
    case Style::Body:
        return makeFont(SansFamilies, 9.5);
    case Style::BodyBold:
        return makeFont(SansFamilies, 9.5, true);
    case Style::Small:
        return makeFont(SansFamilies, 8);
    case Style::Formula:
        return makeFont(SerifFamilies, 10);
    case Style::FormulaBold:
        return makeFont(SerifFamilies, 10, true);
    }
    return makeFont(SansFamilies, 9.5);
}

Paragraph::Paragraph(std::vector<Run> runs, double hangingIndent, bool alignRight)
    : m_runs(std::move(runs)), m_hangingIndent(hangingIndent), m_alignRight(alignRight)
{
}

double Paragraph::height(const QPaintDevice *device, double width) const
{
    if (m_runs.empty())
        return 0;
    const Laid laid = combine(m_runs);
    QTextLayout layout(laid.text, fontFor(m_runs.front().style), device);
    layout.setFormats(laid.formats);
    return layOut(layout, width, m_hangingIndent, m_alignRight);
}

void Paragraph::draw(QPainter &painter, const QPointF &topLeft, double width) const
{
    if (m_runs.empty())
        return;
    const Laid laid = combine(m_runs);
    QTextLayout layout(laid.text, fontFor(m_runs.front().style), painter.device());
    layout.setFormats(laid.formats);
    layOut(layout, width, m_hangingIndent, m_alignRight);
    layout.draw(&painter, topLeft);
}

Flow::Flow(const Paragraph &paragraph)
    : height([paragraph](const QPaintDevice *device, double width) { return paragraph.height(device, width); }),
      draw([paragraph](QPainter &painter, const QPointF &topLeft, double width) {
          paragraph.draw(painter, topLeft, width);
      })
{
}

Block flowBlock(const QPaintDevice *device, std::vector<Flow> flows, double gap)
{
    auto shared = std::make_shared<std::vector<Flow>>(std::move(flows));
    Block block;
    block.height = [device, shared, gap](double width) {
        double h = 0;
        for (const Flow &f : *shared)
            h += f.height(device, width) + gap;
        return shared->empty() ? 0 : h - gap;
    };
    block.draw = [device, shared, gap](QPainter &painter, const QRectF &rect) {
        double y = rect.top();
        for (const Flow &f : *shared) {
            f.draw(painter, QPointF(rect.left(), y), rect.width());
            y += f.height(device, rect.width()) + gap;
        }
    };
    return block;
}

Block paragraphBlock(const QPaintDevice *device, std::vector<Paragraph> paragraphs, double gap)
{
    return flowBlock(device, std::vector<Flow>(paragraphs.begin(), paragraphs.end()), gap);
}

Block tableRow(const QPaintDevice *device, double millimetre, std::vector<double> fractions,
               std::vector<std::vector<Flow>> cells, const QColor &background)
{
    struct Row {
        std::vector<double> fractions;
        std::vector<std::vector<Flow>> cells;
    };
    auto row = std::make_shared<Row>(Row{std::move(fractions), std::move(cells)});
    const double padX = 1.5 * millimetre;
    const double padY = 1.1 * millimetre;
    const double gap = 0.6 * millimetre;
    const auto cellHeight = [device, gap](const std::vector<Flow> &cell, double width) {
        double h = 0;
        for (const Flow &p : cell)
            h += p.height(device, width) + gap;
        return cell.empty() ? 0 : h - gap;
    };
    Block block;
    block.height = [row, cellHeight, padX, padY](double width) {
        double tallest = 0;
        for (std::size_t k = 0; k < row->cells.size() && k < row->fractions.size(); ++k)
            tallest = std::max(tallest, cellHeight(row->cells[k], (width * row->fractions[k]) - (2 * padX)));
        return tallest + (2 * padY);
    };
    block.draw = [device, row, padX, padY, gap, background, millimetre](QPainter &painter, const QRectF &rect) {
        if (background.alpha() > 0)
            painter.fillRect(rect, background);
        double x = rect.left();
        for (std::size_t k = 0; k < row->cells.size() && k < row->fractions.size(); ++k) {
            const double width = rect.width() * row->fractions[k];
            double y = rect.top() + padY;
            for (const Flow &p : row->cells[k]) {
                p.draw(painter, QPointF(x + padX, y), width - (2 * padX));
                y += p.height(device, width - (2 * padX)) + gap;
            }
            x += width;
        }
        painter.save();
        painter.setPen(QPen(QColor(170, 170, 170), 0.15 * millimetre));
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.restore();
    };
    return block;
}

PageGeometry PageGeometry::a4(double dpi)
{
    return page(dpi, 210, 297);
}

PageGeometry PageGeometry::page(double dpi, double widthMm, double heightMm)
{
    PageGeometry g;
    g.dpi = dpi;
    g.pageWidth = g.mm(widthMm);
    g.pageHeight = g.mm(heightMm);
    g.left = g.mm(20);
    g.width = g.mm(widthMm - 40);
    g.top = g.mm(22);
    g.bottom = g.mm(heightMm - 20);
    return g;
}

namespace {

// The rows of the table `blocks[first]` belongs to, from `first` on.
std::size_t rowsFrom(const std::vector<Block> &blocks, std::size_t first)
{
    std::size_t k = first;
    while (k < blocks.size() && blocks[k].continuedHeader == blocks[first].continuedHeader)
        ++k;
    return k - first;
}

}  // namespace

std::vector<Page> paginate(const std::vector<Block> &blocks, const PageGeometry &geometry)
{
    // A table that breaks over a page takes at least this many rows over with its header.
    constexpr std::size_t RowsCarried = 3;
    std::vector<Page> pages(1);
    QString runningHead;
    double y = geometry.top;
    std::size_t breakBefore = blocks.size();  // a row chosen to start the next page
    const auto turnPage = [&] {
        pages.emplace_back();
        pages.back().runningHead = runningHead;
        y = geometry.top;
    };
    const auto place = [&](const Block *block, double height) {
        pages.back().blocks.push_back({block, y, height});
        y += height;
    };
    const auto heightWithSpace = [&](std::size_t k) {
        return blocks[k].spaceBefore + blocks[k].height(geometry.width);
    };
    const double roomPerPage = geometry.bottom - geometry.top;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block &block = blocks[i];
        if (!block.runningHead.isEmpty())
            runningHead = block.runningHead;
        if (block.newPage && !pages.back().blocks.empty())
            turnPage();
        if (pages.back().blocks.empty())
            pages.back().runningHead = runningHead;
        const double height = block.height(geometry.width);
        const bool fresh = pages.back().blocks.empty();
        double needed = (fresh ? 0 : block.spaceBefore) + height;
        if (block.keepWithNext && i + 1 < blocks.size() && !blocks[i + 1].newPage)
            needed += heightWithSpace(i + 1);
        if (block.keepTogether > 0 && !fresh) {
            double together = needed;
            for (std::size_t k = i + 1; k <= i + static_cast<std::size_t>(block.keepTogether) && k < blocks.size(); ++k)
                together += (k == i + 1 && block.keepWithNext) ? 0 : heightWithSpace(k);
            if (y + together > geometry.bottom && together - block.spaceBefore <= roomPerPage)
                needed = geometry.bottom + 1 - y;  // the whole group to the next page
        }
        // A row that would leave fewer than RowsCarried rows of its table for the next page
        // hands the page over earlier.
        if (block.continuedHeader && !fresh && breakBefore == blocks.size()) {
            const std::size_t rows = rowsFrom(blocks, i);
            double bottom = y;
            std::size_t fit = 0;
            while (fit < rows && bottom + heightWithSpace(i + fit) <= geometry.bottom)
                bottom += heightWithSpace(i + fit++);
            if (fit < rows && rows - fit < RowsCarried && rows > RowsCarried)
                breakBefore = i + rows - RowsCarried;
        }
        const bool forced = i == breakBefore && !fresh;
        if (i == breakBefore)
            breakBefore = blocks.size();
        if ((forced || y + needed > geometry.bottom) && !pages.back().blocks.empty()) {
            turnPage();
            if (block.continuedHeader) {
                const double headerHeight = block.continuedHeader->height(geometry.width);
                if (headerHeight + height <= roomPerPage)
                    place(block.continuedHeader.get(), headerHeight);
            }
        } else if (!pages.back().blocks.empty()) {
            y += block.spaceBefore;
        }
        place(&block, height);
    }
    return pages;
}

std::vector<int> sectionPages(const std::vector<Page> &pages, int sections)
{
    std::vector<int> numbers(static_cast<std::size_t>(std::max(0, sections)), 0);
    for (std::size_t n = 0; n < pages.size(); ++n)
        for (const PlacedBlock &placed : pages[n].blocks) {
            const int anchor = placed.block->anchor;
            if (anchor >= 0 && anchor < sections && numbers[static_cast<std::size_t>(anchor)] == 0)
                numbers[static_cast<std::size_t>(anchor)] = static_cast<int>(n) + 1;
        }
    return numbers;
}

void drawPages(QPainter &painter, const std::vector<Page> &pages, const PageGeometry &geometry, const QString &title,
               const std::function<void()> &newPage, bool headFirstPage)
{
    const QString total = QString::number(pages.size());
    const QFont small = fontFor(Style::Small);
    const double headLine = geometry.top - geometry.mm(7);
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n > 0)
            newPage();
        const Page &page = pages[n];
        painter.save();
        painter.setFont(small);
        painter.setPen(QColor(90, 90, 90));
        const QFontMetricsF metrics(small, painter.device());
        if (n > 0 || headFirstPage) {
            painter.drawText(QPointF(geometry.left, headLine), title);
            const double headWidth = metrics.horizontalAdvance(page.runningHead);
            painter.drawText(QPointF(geometry.left + geometry.width - headWidth, headLine), page.runningHead);
            painter.setPen(QPen(QColor(150, 150, 150), geometry.mm(0.2)));
            const double rule = headLine + geometry.mm(1.8);
            painter.drawLine(QPointF(geometry.left, rule), QPointF(geometry.left + geometry.width, rule));
            painter.setPen(QColor(90, 90, 90));
        }
        const QString number = QString::number(n + 1) + QStringLiteral(" / ") + total;
        painter.drawText(QPointF(geometry.left + (geometry.width - metrics.horizontalAdvance(number)) / 2,
                                 geometry.bottom + geometry.mm(10)),
                         number);
        painter.restore();
        for (const PlacedBlock &placed : page.blocks) {
            const QRectF rect(geometry.left, placed.top, geometry.width, placed.height);
            painter.save();
            painter.setClipRect(QRectF(0, geometry.top - geometry.mm(2), geometry.pageWidth,
                                       geometry.bottom - geometry.top + geometry.mm(4)));
            placed.block->draw(painter, rect);
            painter.restore();
        }
    }
}

}  // namespace sheet
