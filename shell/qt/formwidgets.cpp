// The controls of the calculator form outside the case pages, made once from the program value.
//
// Object names: every control is given here the fixed object name by which tests, automation
// and accessibility tools find it, and these names never change: a case button is Command1_3,
// the results frame is Frame2, the chart Chart1, the notes Label4_0 to Label4_3; the case pages
// name their fields in casepages.cpp, the menus theirs in windowmenus.cpp, the parts of a result
// row are named in resultsview.h (Check1_4, Tx_4, Label5_4). The code and its comments otherwise
// speak of inputs, rows, the chart and pixels.

#include "shell/qt/formwidgets.h"

#include "shell/core/catalogue.h"
#include "shell/core/shellmodel.h"
#include "shell/qt/chartview.h"
#include "shell/qt/controls.h"
#include "shell/qt/diagramview.h"
#include "shell/qt/resultsview.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace shell {

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// The banner: the program's name as large as the banner holds it (up to 15 points, demi-bold)
// over "structural calculator" in 8 points, both centred, painted as two plain lines.
class Banner : public QLabel
{
public:
    Banner(const QString &name, QWidget *parent) : QLabel(parent), m_name(name)
    {
        // What a screen reader reads; the painting below draws the same two lines.
        setText(name + QStringLiteral("\nstructural calculator"));
        setFrameShape(QFrame::StyledPanel);
        setAutoFillBackground(true);
        fitName();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics nameMetrics(m_nameFont);
        const QFontMetrics taglineMetrics(m_taglineFont);
        const QRect inside = contentsRect().adjusted(4, 2, -4, -2);
        // The name wraps where even its least size does not hold it on one line.
        const QRect nameBox = nameMetrics.boundingRect(inside, Qt::AlignHCenter | Qt::TextWordWrap, m_name);
        const int total = nameBox.height() + taglineMetrics.height();
        const int top = inside.top() + std::max((inside.height() - total) / 2, 0);
        painter.setFont(m_nameFont);
        painter.drawText(QRect(inside.left(), top, inside.width(), nameBox.height()),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_name);
        painter.setFont(m_taglineFont);
        painter.drawText(QRect(inside.left(), top + nameBox.height(), inside.width(), taglineMetrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("structural calculator"));
    }
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::FontChange)
            fitName();
        QLabel::changeEvent(event);
    }

private:
    void fitName()
    {
        m_nameFont = font();
        m_nameFont.setWeight(QFont::DemiBold);
        double points = 15;
        for (; points > 8; points -= 0.5) {
            m_nameFont.setPointSizeF(points);
            if (QFontMetrics(m_nameFont).horizontalAdvance(m_name) <= (1850 / ShellModel::LayoutUnitsPerPixel) - 12)
                break;
        }
        m_taglineFont = font();
        m_taglineFont.setPointSizeF(8);
    }

    QString m_name;
    QFont m_nameFont;
    QFont m_taglineFont;
};

// The band behind the case buttons and two rules, under everything else; recoloured by
// "Program color ...".
void buildBands(FormWidgets &w)
{
    for (int i = 1; i <= 3; ++i) {
        auto *band = named(new QFrame(w.form), indexed("Shape", i).remove(QLatin1Char('_')));
        band->setAutoFillBackground(true);
        band->lower();
        w.bands.push_back(band);
    }
}

// The banner, the two title lines and the reference's file name after "Reference :", a link
// that opens it.
void buildHead(FormWidgets &w, const Program &program, const QString &helpPath)
{
    w.banner = named(new Banner(qs(program.windowTitle), w.form), QStringLiteral("Image2"));
    for (int i = 0; i < 2; ++i) {
        auto *title =
            named(new QLabel(qs(i == 0 ? program.titleLine0 : program.titleLine1), w.form), indexed("Label3", i));
        QFont font = title->font();
        font.setPointSizeF(font.pointSizeF() * (i == 0 ? 1.35 : 1.0));
        font.setBold(i == 0);
        title->setFont(font);
        w.titles.push_back(title);
    }
    w.reference = named(new QLabel(w.form), QStringLiteral("ReferenceLink"));
    w.reference->setText(QStringLiteral("<a href=\"help\">%1</a>").arg(qs(program.helpFile).toHtmlEscaped()));
    w.reference->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    w.reference->setToolTip(helpPath);
    w.reference->setAccessibleName(QStringLiteral("Reference: ") + qs(program.helpFile));
}

// Exit, Help and, where the cases fill two pages, the labels that switch them.
void buildCommandLabels(FormWidgets &w, const Program &program)
{
    const QString commandCaptions[] = {QStringLiteral("Exit"), QStringLiteral("Help"), QStringLiteral("Next Page ->"),
                                       QStringLiteral("<- Pre Page")};
    const int commandCount = program.hasPages() ? 4 : 2;
    for (int i = 0; i < commandCount; ++i) {
        auto *label = named(new CommandButton(commandCaptions[i], w.form), indexed("Label1", i));
        label->setFlat(true);
        label->setCursor(Qt::PointingHandCursor);
        w.commandLabels.push_back(label);
    }
}

// The case buttons, on one page or two.
void buildCaseButtons(FormWidgets &w, const Program &program)
{
    const int pageCount = program.hasPages() ? 2 : 1;
    for (int p = 0; p < pageCount; ++p) {
        auto *page = new QFrame(w.form);
        if (program.hasPages())
            page->setObjectName(indexed("Frame3", p));
        page->setFrameShape(QFrame::NoFrame);
        page->setAutoFillBackground(false);
        w.pages.push_back(page);
    }
    for (int i = 0; i < program.caseCount(); ++i) {
        QFrame *page = w.pages[static_cast<std::size_t>(program.pageOf(i))];
        const CaseDef &c = program.cases[static_cast<std::size_t>(i)];
        auto *button = named(new CommandButton(qs(c.caption), page), indexed("Command1", i));
        button->setToolTip(qs(c.title));
        button->setAccessibleName(c.title.empty() ? qs(c.caption) : qs(c.caption) + QStringLiteral(", ") + qs(c.title));
        button->setCheckable(true);
        w.caseButtons.push_back(button);
    }
}

// Reset, the note lines beside the inputs, the results frame, the case title and the advisory.
void buildCaseTexts(FormWidgets &w)
{
    w.reset = named(new CommandButton(QStringLiteral("Reset"), w.form), QStringLiteral("Command2"));
    for (int j = 0; j < 4; ++j) {
        auto *note = named(new QLabel(w.form), indexed("Label4", j));
        note->hide();
        w.notes.push_back(note);
    }
    w.results = named(new ResultsView(w.form), QStringLiteral("Frame2"));

    w.caseTitle = named(new QLabel(w.form), QStringLiteral("CaseTitle"));
    QFont titleFont = w.caseTitle->font();
    titleFont.setBold(true);
    w.caseTitle->setFont(titleFont);

    w.advisory = named(new QLabel(w.form), QStringLiteral("Advisory"));
    w.advisory->setWordWrap(true);
    w.advisory->setStyleSheet(QStringLiteral("QLabel { color: #7a4a00; background: #fff6dc; border: 1px solid #e0c070;"
                                             " padding: 2px 6px; }"));
    w.advisory->hide();
}

// The chart and the diagrams in one place; two flat toggles above it choose between them and,
// beside them while the diagrams show, a third opens the diagrams in a window of their own.
void buildChartArea(FormWidgets &w, const Program &program)
{
    w.chart = named(new ChartView(w.form), QStringLiteral("Chart1"));
    w.diagramView = named(new DiagramView(w.form), QStringLiteral("Diagrams1"));
    w.diagramView->hide();
    w.resultsSwitch = named(new CommandButton(QStringLiteral("Results"), w.form), QStringLiteral("ChartSwitch_0"));
    w.diagramsSwitch = named(new CommandButton(QStringLiteral("Diagrams"), w.form), QStringLiteral("ChartSwitch_1"));
    for (QPushButton *button : {w.resultsSwitch, w.diagramsSwitch}) {
        button->setCheckable(true);
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
    }
    w.resultsSwitch->setToolTip(QStringLiteral("The chart of the result rows"));
    w.diagramsSwitch->setToolTip(QStringLiteral("Shear, moment and deflection along the member"));
    w.windowButton =
        named(new CommandButton(QStringLiteral("In a window"), w.form), QStringLiteral("DiagramWindowButton"));
    w.windowButton->setFlat(true);
    w.windowButton->setCursor(Qt::PointingHandCursor);
    w.windowButton->setToolTip(QStringLiteral("The diagrams in a window of their own, which can be maximised"));
    w.windowButton->hide();
    if (!program.memberEditor)
        return;
    w.influenceSwitch = named(new CommandButton(QStringLiteral("Influence"), w.form), QStringLiteral("ChartSwitch_2"));
    w.envelopeSwitch = named(new CommandButton(QStringLiteral("Envelope"), w.form), QStringLiteral("ChartSwitch_3"));
    for (QPushButton *button : {w.influenceSwitch, w.envelopeSwitch}) {
        button->setCheckable(true);
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
    }
    w.influenceSwitch->setToolTip(
        QStringLiteral("The influence line of a quantity as a unit load moves along the member"));
    w.envelopeSwitch->setToolTip(
        QStringLiteral("The largest and smallest V, M and \u03b4 over the combinations and the moving loads"));
    w.influenceChoice = named(new QComboBox(w.form), QStringLiteral("InfluenceOf"));
    w.influenceChoice->setToolTip(
        QStringLiteral("The quantity whose influence line shows: at the point x, or a support's reaction"));
    w.influenceChoice->setAccessibleName(QStringLiteral("Influence line of"));
    w.influenceChoice->hide();
    w.envelopeChoice = named(new QComboBox(w.form), QStringLiteral("EnvelopeOf"));
    w.envelopeChoice->setToolTip(QStringLiteral(
        "The envelope over every combination and the moving loads, or one combination alone with its diagrams"));
    w.envelopeChoice->setAccessibleName(QStringLiteral("Envelope of"));
    w.envelopeChoice->hide();
}

}  // namespace

FormWidgets buildFormWidgets(QWidget *form, const Program &program, const QString &helpPath)
{
    FormWidgets w;
    w.form = form;
    buildBands(w);
    buildHead(w, program, helpPath);
    buildCommandLabels(w, program);
    buildCaseButtons(w, program);
    buildCaseTexts(w);
    buildChartArea(w, program);
    return w;
}

std::vector<QPushButton *> FormWidgets::switches() const
{
    std::vector<QPushButton *> all{resultsSwitch, diagramsSwitch};
    if (influenceSwitch)
        all.insert(all.end(), {influenceSwitch, envelopeSwitch});
    return all;
}

}  // namespace shell
