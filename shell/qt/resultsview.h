#pragma once

// The result rows of the window as one opaque widget that paints them all: per row a check box
// with the row's caption (ticked rows go on the chart), the value in a read-only field and its
// unit. A keystroke repaints only the values that changed.
//
// Two things stand beside a value that it alone would not tell: under a row that claims the
// member's largest value but is not it, a line in smaller type with the member's true extreme
// ("largest 2.006e-02 mm at x = 44.92 mm"); and after the unit of a value outside its formula's
// range, the field shaded and a mark "⚠ outside range" whose tooltip gives the range.
//
// The rows keep the names of the controls they stand for, as names of their parts: row 3 is
// "Check1_3" (the box with its caption), "Tx_3" (the value) and "Label5_3" (the unit), with
// "Largest_3" (the line under it) and "Range_3" (the mark); partNamed() reads such a name and
// partRect() tells where the part is. Screen readers find the same parts as accessible children:
// per row a check box named by the caption and a text named "<caption>, value" whose value is the
// number with its unit and whose description is the line under it and the range it is outside.
//
// Keyboard: Tab and Shift+Tab go from row to row before they leave the rows, Up, Down, Home
// and End move between rows, Space ticks or unticks the row with the focus, Ctrl+A selects its
// value, and Ctrl+C copies the selected value (without a selection the window copies all rows).
// A click on a box or a caption ticks it; a click on a value selects it.

#include <QGlyphRun>
#include <QPixmap>
#include <QRawFont>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QPainter;

namespace shell {

// Numbers drawn from glyphs looked up once: a value holds only digits, a sign, a point and an
// exponent ("-1.234e+05"), which need no shaping, so that a new value costs a few lookups.
class NumberGlyphs
{
public:
    void setFont(const QFont &font);
    // Lays out `text` with its baseline at the font's ascent; false where it holds a character
    // that is not part of a number.
    bool layout(const QString &text, QGlyphRun &run, qreal &width) const;

private:
    QRawFont m_font;
    std::array<quint32, 128> m_glyph{};
    std::array<qreal, 128> m_advance{};
    std::array<bool, 128> m_known{};
};

class ResultsView : public QWidget
{
    Q_OBJECT
public:
    struct Row {
        QString caption;  // "反力 (RA)"
        QString text;     // the value as displayed, "" where it cannot be computed
        QString unit;     // "N"
        QString meaning;  // what the row is, for its tooltip
        bool ticked = true;
        // Room under the row for the member's extreme (the row claims one), and the line itself
        // where the two differ: "largest 2.006e-02 mm at x = 44.92 mm".
        bool largestSlot = false;
        QString largest{};
        // Room after the unit for the mark of a value outside its formula's range (the row has a
        // range), and why the value is outside it; "" where it lies inside.
        bool rangeSlot = false;
        QString outsideRange{};
        QString reason{};  // why the value field is empty, for its tooltip
    };
    enum class Part { Check, Value, Unit, Largest, Range };

    explicit ResultsView(QWidget *parent = nullptr);

    // Takes the rows on display; repaints only what differs. True where the rows need other
    // widths than before (other captions or units, more or fewer rows).
    bool setRows(std::vector<Row> rows);
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const Row &row(int r) const { return m_rows[static_cast<std::size_t>(r)]; }

    // The longest value the fields must show whole (in the format on display).
    void setLongestValue(const QString &text);

    // Rows in two columns where one column would squeeze them below a readable height, for a
    // view `heightUnits` high (layout units: 15 to a pixel).
    static int columnsFor(int heightUnits, int count);
    // The least width (pixels) in which `columns` columns of the rows show their captions,
    // values and units whole.
    int leastWidth(int columns) const;
    // The least width the rows of another case would need in `columns` columns: their captions,
    // units and range marks in this view's font, the values as long as the longest this view
    // shows.
    int leastWidthFor(const std::vector<Row> &rows, int columns) const;

    QRect partRect(int r, Part part) const;
    // The room inside a value field for its text.
    QRect valueTextRect(int r) const;
    // Reads the object name of a row's part (named as above) as the row and the part.
    static bool partNamed(const QString &name, int &r, Part &part);

    int currentRow() const { return m_current; }
    void setCurrentRow(int r);
    int selectedRow() const { return m_selected; }
    // Asks for the row's tick to be turned over (the window answers with setRows).
    void toggle(int r);
    QString toolTipAt(const QPoint &pos) const;

signals:
    void tickToggled(int row, bool ticked);
    void valueCopied(const QString &text);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    struct Geometry {
        QRect check;
        QRect value;
        QRect unit;
        QRect largest;  // empty where the row has no room for the line
        QRect range;    // empty where the row has no room for the mark
    };
    // Each row's texts laid out once, drawn as often as the row is painted; a value that is
    // not a plain number (none is, so far) is laid out as a text too.
    struct Texts {
        QStaticText caption;
        QStaticText value;
        QStaticText unit;
        qreal captionAscent = 0;  // of the line above its baseline
        qreal valueAscent = 0;
        qreal unitAscent = 0;
    };
    struct ColumnWidths {
        int box = 0;      // the tick box and the gap after it
        int caption = 0;  // the box and the longest caption
        int unit = 1;
        int mark = 0;  // the range mark and the gap before it; 0 where no row has a range
    };
    ColumnWidths columnWidths(const std::vector<Row> &rows) const;
    void measure();
    // Lays out `content` once; its ascent, which places it on the row's baseline.
    qreal prepare(QStaticText &text, const QString &content) const;
    void prepareValue(int r);
    // Lays out every row's texts and places the rows.
    void prepareRows();
    void layoutRows();
    int rowAt(const QPoint &pos, Part &part) const;
    void select(int r);
    void notifyFocus();
    const QPixmap &indicator(bool ticked);
    // The parts of row `r`, painted where exposed.
    void paintCheck(QPainter &painter, int r);
    void paintValue(QPainter &painter, int r);
    void paintUnitAndNotes(QPainter &painter, int r, const QRegion &exposed);
    // The baseline of a row's texts in `box`.
    int baseline(const QRect &box) const;
    // A colour of the text, greyed while the results are stale.
    QColor ink(QPalette::ColorRole role) const;
    // The smaller type of the line under a row and of the range mark.
    QFont smallFont(bool bold) const;

    std::vector<Row> m_rows;
    std::vector<Geometry> m_geometry;
    std::vector<Texts> m_texts;
    NumberGlyphs m_numbers;
    QString m_longestValue;
    int m_captionWidth = 0;  // the box and the longest caption
    int m_valueWidth = 0;
    int m_unitWidth = 0;
    int m_boxWidth = 0;    // the check box and the space before its caption
    int m_markWidth = 0;   // the range mark and the gap before it; 0 where no row has a range
    int m_lineHeight = 0;  // the line under a row, in the smaller type
    int m_current = 0;
    int m_selected = -1;
    int m_pressed = -1;  // the row whose box the button went down on
    // The check box in its four looks (ticked or not, enabled or not) at the device pixel ratio
    // it was drawn for: the style draws it once, the rows copy it.
    std::array<QPixmap, 4> m_indicators;
};

}  // namespace shell
