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
#include "shell/core/language.h"
#include "shell/core/shellmodel.h"
#include "shell/qt/chartview.h"
#include "shell/qt/controls.h"
#include "shell/qt/diagramview.h"
#include "shell/qt/resultsview.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
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
        setFrameShape(QFrame::StyledPanel);
        setAutoFillBackground(true);
        retranslate();
        fitName();
    }

    void retranslate()
    {
        m_tagline = QCoreApplication::translate("FormWidgets", "structural calculator");
        // What a screen reader reads; the painting below draws the same two lines.
        setText(m_name + QLatin1Char('\n') + m_tagline);
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
                         Qt::AlignHCenter | Qt::AlignTop, m_tagline);
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
    QString m_tagline;  // "structural calculator"
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
void buildHead(FormWidgets &w, const Program &program)
{
    w.banner = named(new Banner(qs(program.windowTitle), w.form), QStringLiteral("Image2"));
    for (int i = 0; i < 2; ++i) {
        auto *title = named(new QLabel(w.form), indexed("Label3", i));
        QFont font = title->font();
        font.setPointSizeF(font.pointSizeF() * (i == 0 ? 1.35 : 1.0));
        font.setBold(i == 0);
        title->setFont(font);
        w.titles.push_back(title);
    }
    w.reference = named(new QLabel(w.form), QStringLiteral("ReferenceLink"));
    w.reference->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
}

// Exit, Help and, where the cases fill two pages, the labels that switch them.
void buildCommandLabels(FormWidgets &w, const Program &program)
{
    const int commandCount = program.hasPages() ? 4 : 2;
    for (int i = 0; i < commandCount; ++i) {
        auto *label = named(new CommandButton(QString(), w.form), indexed("Label1", i));
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
        auto *button = named(new CommandButton(QString(), page), indexed("Command1", i));
        button->setCheckable(true);
        w.caseButtons.push_back(button);
    }
}

// Reset, the note lines beside the inputs, the results frame, the case title and the advisory.
void buildCaseTexts(FormWidgets &w)
{
    w.reset = named(new CommandButton(QString(), w.form), QStringLiteral("Command2"));
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
    w.resultsSwitch = named(new CommandButton(QString(), w.form), QStringLiteral("ChartSwitch_0"));
    w.diagramsSwitch = named(new CommandButton(QString(), w.form), QStringLiteral("ChartSwitch_1"));
    for (QPushButton *button : {w.resultsSwitch, w.diagramsSwitch}) {
        button->setCheckable(true);
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
    }
    w.windowButton = named(new CommandButton(QString(), w.form), QStringLiteral("DiagramWindowButton"));
    w.windowButton->setFlat(true);
    w.windowButton->setCursor(Qt::PointingHandCursor);
    w.windowButton->hide();
    if (!program.memberEditor)
        return;
    w.influenceSwitch = named(new CommandButton(QString(), w.form), QStringLiteral("ChartSwitch_2"));
    w.envelopeSwitch = named(new CommandButton(QString(), w.form), QStringLiteral("ChartSwitch_3"));
    for (QPushButton *button : {w.influenceSwitch, w.envelopeSwitch}) {
        button->setCheckable(true);
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
    }
    w.influenceChoice = named(new QComboBox(w.form), QStringLiteral("InfluenceOf"));
    w.influenceChoice->hide();
    w.envelopeChoice = named(new QComboBox(w.form), QStringLiteral("EnvelopeOf"));
    w.envelopeChoice->hide();
}

}  // namespace

FormWidgets buildFormWidgets(QWidget *form, const Program &program, const QString &helpPath)
{
    FormWidgets w;
    w.form = form;
    buildBands(w);
    buildHead(w, program);
    buildCommandLabels(w, program);
    buildCaseButtons(w, program);
    buildCaseTexts(w);
    buildChartArea(w, program);
    retranslateFormWidgets(w, program, helpPath);
    return w;
}

void retranslateFormWidgets(FormWidgets &w, const Program &program, const QString &helpPath)
{
    const auto text = [](const char *source) { return QCoreApplication::translate("FormWidgets", source); };
    static_cast<Banner *>(w.banner)->retranslate();
    w.titles[0]->setText(qs(translated("Title", program.titleLine0)));
    w.titles[1]->setText(qs(translated("Title", program.titleLine1)));
    // The handbook of the language shown.
    const QString helpFile = QFileInfo(helpPath).fileName();
    w.reference->setText(QStringLiteral("<a href=\"help\">%1</a>").arg(helpFile.toHtmlEscaped()));
    w.reference->setToolTip(helpPath);
    w.reference->setAccessibleName(text("Reference: ") + helpFile);
    const char *const commands[] = {QT_TRANSLATE_NOOP("FormWidgets", "Exit"), QT_TRANSLATE_NOOP("FormWidgets", "Help"),
                                    QT_TRANSLATE_NOOP("FormWidgets", "Next Page ->"),
                                    QT_TRANSLATE_NOOP("FormWidgets", "<- Pre Page")};
    for (std::size_t i = 0; i < w.commandLabels.size(); ++i)
        w.commandLabels[i]->setText(text(commands[i]));
    for (std::size_t i = 0; i < w.caseButtons.size(); ++i) {
        const CaseDef &c = program.cases[i];
        const QString caption = qs(translatedCaption(c.caption, "Case"));
        const QString title = qs(translated("Title", c.title));
        w.caseButtons[i]->setText(caption);
        w.caseButtons[i]->setToolTip(title);
        w.caseButtons[i]->setAccessibleName(title.isEmpty() ? caption : caption + QStringLiteral(", ") + title);
    }
    w.reset->setText(text("Reset"));
    w.resultsSwitch->setText(text("Results"));
    w.diagramsSwitch->setText(text("Diagrams"));
    w.resultsSwitch->setToolTip(text("The chart of the result rows"));
    w.diagramsSwitch->setToolTip(text("Shear, moment and deflection along the member"));
    w.windowButton->setText(text("In a window"));
    w.windowButton->setToolTip(text("The diagrams in a window of their own, which can be maximised"));
    if (!w.influenceSwitch)
        return;
    w.influenceSwitch->setText(text("Influence"));
    w.envelopeSwitch->setText(text("Envelope"));
    w.influenceSwitch->setToolTip(text("The influence line of a quantity as a unit load moves along the member"));
    w.envelopeSwitch->setToolTip(
        text("The largest and smallest V, M and \u03b4 over the combinations and the moving loads"));
    w.influenceChoice->setToolTip(
        text("The quantity whose influence line shows: at the point x, or a support's reaction"));
    w.influenceChoice->setAccessibleName(text("Influence line of"));
    w.envelopeChoice->setToolTip(
        text("The envelope over every combination and the moving loads, or one combination alone with its diagrams"));
    w.envelopeChoice->setAccessibleName(text("Envelope of"));
}

std::vector<QPushButton *> FormWidgets::switches() const
{
    std::vector<QPushButton *> all{resultsSwitch, diagramsSwitch};
    if (influenceSwitch)
        all.insert(all.end(), {influenceSwitch, envelopeSwitch});
    return all;
}

}  // namespace shell
