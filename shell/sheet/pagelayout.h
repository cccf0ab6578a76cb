#pragma once

// A small page layout for the reference documents: paragraphs of styled runs that wrap to a
// width, blocks stacked down an A4 page, page breaks that never cut a block, a heading kept
// with what follows it, a table header repeated on the page a table continues on, and a
// running head and page numbers. Heights are measured on the target device before anything
// is painted, so the table of contents can name the page each section starts on.

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QPainter;
class QPaintDevice;
class QPointF;
class QRectF;

namespace sheet {

enum class Style {
    Title,  // the program's name on the title page
    Subtitle,
    Heading,     // a case caption
    Subheading,  // "Inputs", "Results", ...
    Body,
    BodyBold,
    Small,    // running head, footnotes
    Formula,  // formulas and worked lines: symbols in italics, numbers and operators upright
    FormulaBold
};

QFont fontFor(Style style);

struct Run {
    QString text;
    Style style = Style::Body;
    QColor color = Qt::black;
};

// Runs of text laid out as one paragraph. Continuation lines are indented by `hangingIndent`
// (device units), so that a long formula wrapped after "RA = " stays readable.
class Paragraph
{
public:
    Paragraph() = default;
    explicit Paragraph(std::vector<Run> runs, double hangingIndent = 0, bool alignRight = false);
    Paragraph(const QString &text, Style style) : Paragraph(std::vector<Run>{{text, style, Qt::black}}) {}

    double height(const QPaintDevice *device, double width) const;
    void draw(QPainter &painter, const QPointF &topLeft, double width) const;
    bool empty() const { return m_runs.empty(); }

private:
    std::vector<Run> m_runs;
    double m_hangingIndent = 0;
    bool m_alignRight = false;
};

// Something laid out to a width inside a table cell: a paragraph or a typeset formula.
struct Flow {
    std::function<double(const QPaintDevice *device, double width)> height;
    std::function<void(QPainter &painter, const QPointF &topLeft, double width)> draw;
    Flow(const Paragraph &paragraph);  // NOLINT(google-explicit-constructor): a cell of paragraphs reads as one
    Flow(std::function<double(const QPaintDevice *, double)> measure,
         std::function<void(QPainter &, const QPointF &, double)> paint)
        : height(std::move(measure)), draw(std::move(paint))
    {
    }
};

// Something stacked down the page: measured for a width, then drawn into its rectangle.
struct Block {
    std::function<double(double width)> height;
    std::function<void(QPainter &painter, const QRectF &rect)> draw;
    double spaceBefore = 0;                  // left out at the top of a page
    bool newPage = false;                    // starts a page (each case begins on its own page)
    bool keepWithNext = false;               // a heading does not stand alone at the foot of a page
    std::shared_ptr<Block> continuedHeader;  // drawn first where a page break falls before this block
    QString runningHead;                     // the running head of the pages from here on (empty: none)
    int anchor = -1;                         // the section (case) that starts with this block
    int linkTarget = -1;                     // the section this block links to (a line of the contents)
    // The number of blocks after this one that go with it to the next page rather than be split
    // from it, where together they fit on a page (a heading with the first rows of its table).
    int keepTogether = 0;
};

// Paragraphs, or formulas among them, stacked in one block with `gap` between them.
Block flowBlock(const QPaintDevice *device, std::vector<Flow> flows, double gap = 0);
Block paragraphBlock(const QPaintDevice *device, std::vector<Paragraph> paragraphs, double gap = 0);

// One row of a table: cell k takes `fractions[k]` of the width, its paragraphs stacked with
// padding; the row is shaded with `background` (transparent: none) and ruled below.
Block tableRow(const QPaintDevice *device, double millimetre, std::vector<double> fractions,
               std::vector<std::vector<Flow>> cells, const QColor &background = Qt::transparent);

// The page geometry in device units of a device of `dpi` dots per inch: A4 with margins.
struct PageGeometry {
    double dpi = 600;
    double pageWidth = 0, pageHeight = 0;
    double left = 0, top = 0, width = 0, bottom = 0;  // the text area; `bottom` is its lower edge
    double mm(double millimetres) const { return millimetres * dpi / 25.4; }
    static PageGeometry a4(double dpi);
    // A page of another size (a printer's paper) with the same margins.
    static PageGeometry page(double dpi, double widthMm, double heightMm);
};

struct PlacedBlock {
    const Block *block = nullptr;
    double top = 0;
    double height = 0;
};

struct Page {
    std::vector<PlacedBlock> blocks;
    QString runningHead;
};

// Places the blocks on pages; never splits a block. A block taller than a page gets a page
// of its own and is drawn clipped there. A table that goes on over a page (rows sharing a
// `continuedHeader`) carries at least three rows over, so that no page holds only a row or two
// of it.
std::vector<Page> paginate(const std::vector<Block> &blocks, const PageGeometry &geometry);
// The page (from 1) each section starts on, by its anchor; 0 where a section has no block.
std::vector<int> sectionPages(const std::vector<Page> &pages, int sections);

// Draws the pages after one another (the painter is active on a paged device, `newPage` turns
// to the next sheet). Every page but the first (every page, `headFirstPage`) has `title` and its
// running head at the top; every page has "n / N" at the foot.
void drawPages(QPainter &painter, const std::vector<Page> &pages, const PageGeometry &geometry, const QString &title,
               const std::function<void()> &newPage, bool headFirstPage = false);

}  // namespace sheet
