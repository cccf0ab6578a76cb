// The window in Japanese and in English: every text of the window in the language chosen, the
// switch in View > Language at once and remembered, the result names translated with their
// symbols kept, captions whole in either language, and the results on the clipboard in Japanese
// exactly as they are without a translation.

#include "mechanics/beam.h"
#include "mechanics/movingload.h"
#include "mechanics/portalframe.h"
#include "shell/core/memberdescription.h"
#include "shell/core/membertables.h"
#include "shell/core/savedcalculation.h"
#include "shell/core/traindescription.h"
#include "shell/qt/tests/shownwindow.h"
#include "shell/qt/windowlanguage.h"
#include "shell/qt/windowsettings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using shell::Language;

// Japanese script: kana and the CJK ideographs (the unit's "･" is neither).
bool hasJapanese(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x3040 && c.unicode() <= 0x9fff)
            return true;
    return false;
}

// Each test starts and ends with the texts as written, as every other test of the window expects.
class language : public ::testing::Test
{
protected:
    void SetUp() override { shell::useSourceTexts(); }
    void TearDown() override { shell::useSourceTexts(); }
};

// Every text a user reads in the window's widgets, menus and actions, with where it stands.
std::vector<std::pair<QString, QString>> windowTexts(const QWidget &window)
{
    std::vector<std::pair<QString, QString>> texts;
    const auto add = [&](const QObject *where, const QString &text) {
        if (!text.isEmpty())
            texts.emplace_back(where->objectName(), text);
    };
    for (const QAction *action : window.findChildren<QAction *>()) {
        add(action, action->text());
        if (action->toolTip() != action->text() &&
            action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
            add(action, action->toolTip());
    }
    for (const QMenu *menu : window.findChildren<QMenu *>())
        add(menu, menu->title());
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            add(button, button->text());
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            add(label, label->text());
        add(widget, widget->toolTip());
        if (const auto *tabs = qobject_cast<const QTabWidget *>(widget))
            for (int t = 0; t < tabs->count(); ++t) {
                add(tabs, tabs->tabText(t));
                add(tabs, tabs->tabToolTip(t));
            }
        if (const auto *table = qobject_cast<const QTableWidget *>(widget))
            for (int c = 0; c < table->columnCount(); ++c) {
                add(table, table->horizontalHeaderItem(c)->text());
                add(table, table->horizontalHeaderItem(c)->toolTip());
            }
        if (const auto *choice = qobject_cast<const QComboBox *>(widget))
            for (int i = 0; i < choice->count(); ++i)
                add(choice, choice->itemText(i));
        if (const auto *status = qobject_cast<const QStatusBar *>(widget))
            add(status, status->currentMessage());
        if (const auto *results = qobject_cast<const shell::ResultsView *>(widget))
            for (int r = 0; r < results->rowCount(); ++r)
                // The caption's name: its symbol is the same in every language.
                for (const QString &text :
                     {results->row(r).caption.section(QStringLiteral(" ("), 0, 0), results->row(r).meaning,
                      results->row(r).largest, results->row(r).outsideRange, results->row(r).reason})
                    add(results, text);
    }
    return texts;
}

// Every text of every case of every program's window in the language installed, each once,
// with where it stands: "Beams Label4_0: P : Load N".
std::vector<std::pair<QString, std::string>> everyWindowText()
{
    std::vector<std::pair<QString, std::string>> all;
    for (const shell::Program *program : registry::programs()) {
        ShownWindow w(program->name.c_str());
        for (int i = 0; i < program->caseCount(); ++i) {
            w.model().selectCase(i);
            w.window->refresh();
            for (const auto &[where, text] : windowTexts(*w.window))
                all.emplace_back(text, program->name + " " + where.toStdString() + ": " + text.toStdString());
        }
    }
    std::sort(all.begin(), all.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

// English: no Japanese anywhere in the window of any program (the language menu names Japanese
// in its own words), and the result rows named in English with their symbols.
TEST_F(language, englishLeavesNoJapaneseInAnyWindow)
{
    shell::useLanguage(Language::English);
    for (const auto &[text, where] : everyWindowText())
        EXPECT_TRUE(where.find(" Language_ja: ") != std::string::npos || !hasJapanese(text)) << where;
}

// The English words a Japanese window still shows: words of three letters or more outside the
// units, the programs' names, the language menu's "English", the keys' names and the words typed
// into the member's tables (pinned, roller, ...), which are read back as written.
QStringList englishWords(const QString &text)
{
    static const QStringList kept =
        QStringLiteral("English Language Beams Cantilever cantilever Rahmen Buckling buckling Profilor profilor Member "
                       "pdf PDF rad max min dia Ctrl Insert Delete Down href help span style color nbsp "
                       "pinned roller fixed spring permanent variable yes both strength deflection rightward "
                       "leftward steel stainless aluminium alloy rectangular circular bar tube section ULS SLS")
            .split(QLatin1Char(' '));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    QStringList words;
    for (auto match = word.globalMatch(text); match.hasNext();) {
        const QString w = match.next().captured();
        if (!kept.contains(w))
            words << w;
    }
    return words;
}

// Japanese: no English word left in the window of any program, in any case (the link's tooltip
// is the handbook's path).
TEST_F(language, japaneseLeavesNoEnglishInAnyWindow)
{
    shell::useLanguage(Language::Japanese);
    for (const auto &[text, where] : everyWindowText())
        EXPECT_TRUE(where.find(" ReferenceLink: ") != std::string::npos || englishWords(text).isEmpty()) << where;
}

// Japanese: the menus, the File commands and the window's buttons are all Japanese; only the
// units, the case buttons' captions (which files and scripts name the cases by) and the
// language menu's English stay as they are.
TEST_F(language, japaneseTranslatesEveryMenuAndCommand)
{
    shell::useLanguage(Language::Japanese);
    ShownWindow w("Member");
    const QStringList untranslated{QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("m"),
                                   QStringLiteral("N"),  QStringLiteral("kN"), QStringLiteral("English")};
    int menus = 0;
    for (const QAction *action : w.window->findChildren<QAction *>()) {
        const QString text = action->text();
        if (text.isEmpty() || untranslated.contains(text) || action->isSeparator())
            continue;
        ++menus;
        EXPECT_TRUE(hasJapanese(text)) << action->objectName().toStdString() << ": " << text.toStdString();
    }
    EXPECT_GT(menus, 30);
    for (const char *name : {"Label1_0", "Label1_1", "Command2", "ChartSwitch_0", "ChartSwitch_1", "ChartSwitch_2",
                             "ChartSwitch_3", "DiagramWindowButton"})
        EXPECT_TRUE(hasJapanese(w.get<QAbstractButton>(name)->text())) << name;
}

// View > Language switches at once, without a new window, and the choice is what the next start
// of the program restores.
TEST_F(language, theMenuSwitchesAtOnceAndIsRemembered)
{
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("Beams.conf"));
    shell::useLanguage(Language::English);
    {
        ShownWindow w("Beams");
        w.window->rememberSettings(true, settings);
        EXPECT_EQ(w.model().rows()[0].caption, "Reaction (RA)");
        EXPECT_EQ(w.get<QMenu>("MenuFile")->title(), QStringLiteral("&File"));
        EXPECT_TRUE(w.get<QAction>("Language_en")->isChecked());
        // Help opens the handbook of the language, and the link names it.
        EXPECT_EQ(QFileInfo(QString::fromStdString(w.model().helpPath())).fileName(), QStringLiteral("Beams.en.pdf"));
        EXPECT_EQ(w.get<QLabel>("ReferenceLink")->text(), QStringLiteral("<a href=\"help\">Beams.en.pdf</a>"));
        w.model().setText(0, "250");
        w.window->refresh();

        w.get<QAction>("Language_ja")->trigger();
        QApplication::processEvents();
        EXPECT_EQ(w.model().rows()[0].caption, "反力 (RA)");
        EXPECT_EQ(w.results()->row(0).caption, QStringLiteral("反力 (RA)"));
        EXPECT_EQ(w.get<QMenu>("MenuFile")->title(), QStringLiteral("ファイル(&F)"));
        EXPECT_EQ(w.get<QAbstractButton>("Command2")->text(), QStringLiteral("リセット"));
        EXPECT_TRUE(w.get<QAction>("Language_ja")->isChecked());
        EXPECT_FALSE(w.get<QAction>("Language_en")->isChecked());
        EXPECT_EQ(QFileInfo(QString::fromStdString(w.model().helpPath())).fileName(), QStringLiteral("Beams.pdf"));
        EXPECT_EQ(w.get<QLabel>("ReferenceLink")->text(), QStringLiteral("<a href=\"help\">Beams.pdf</a>"));
        // The inputs typed stay: only the words change.
        EXPECT_EQ(w.text("Text1_0"), QStringLiteral("250"));
    }
    shell::useLanguage(Language::English);
    ShownWindow again("Beams");
    again.window->rememberSettings(true, settings);
    QApplication::processEvents();
    EXPECT_EQ(again.model().rows()[0].caption, "反力 (RA)");
    EXPECT_TRUE(again.get<QAction>("Language_ja")->isChecked());

    // The member's envelopes, made once per member, are named again in the language chosen.
    shell::useLanguage(Language::English);
    ShownWindow member("Member");
    member.model().chooseView(shell::ChartArea::Envelope);
    ASSERT_FALSE(member.model().diagrams().members.empty());
    EXPECT_EQ(member.model().diagrams().members.front().name, "Envelope over the combinations");
    member.get<QAction>("Language_ja")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(member.model().diagrams().members.front().name, "組合せの包絡線");

    // Given on the command line, a language holds for the run over the one remembered.
    shell::useLanguage(Language::English);
    ShownWindow given("Beams");
    given.window->keepLanguage();
    given.window->rememberSettings(true, settings);
    EXPECT_EQ(given.model().rows()[0].caption, "Reaction (RA)");
}

// Every result caption, case button and command shows whole in either language, in every case of
// every program (in English the names are longer, in Japanese wider per character).
TEST_F(language, textsShowWholeInBothLanguages)
{
    for (const Language shown : {Language::English, Language::Japanese}) {
        shell::useLanguage(shown);
        for (const shell::Program *program : registry::programs()) {
            ShownWindow w(program->name.c_str());
            std::vector<const QAbstractButton *> buttons{w.get<QAbstractButton>("Label1_0"),
                                                         w.get<QAbstractButton>("Label1_1"),
                                                         w.get<QAbstractButton>("Command2")};
            for (int i = 0; i < program->caseCount(); ++i)
                buttons.push_back(w.get<QAbstractButton>(QStringLiteral("Command1_%1").arg(i).toLatin1().constData()));
            for (const QAbstractButton *button : buttons)
                EXPECT_GE(button->width() - 4, button->fontMetrics().horizontalAdvance(button->text()))
                    << program->name << " " << button->text().toStdString();
            for (int i = 0; i < program->caseCount(); ++i) {
                w.model().selectCase(i);
                w.window->refresh();
                QApplication::processEvents();
                const shell::ResultsView *results = w.results();
                const QStyle *style = results->style();
                for (int r = 0; r < results->rowCount(); ++r) {
                    const int needs = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, results) +
                                      style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, results) +
                                      results->fontMetrics().horizontalAdvance(results->row(r).caption);
                    EXPECT_GE(results->partRect(r, shell::ResultsView::Part::Check).width(), needs)
                        << program->name << " case " << i + 1 << " " << results->row(r).caption.toStdString();
                }
            }
        }
    }
}

// Japanese leaves no English in what the catalogues say: every case's caption, title, row
// meanings and refusals, the program's title lines and the member's tables have their Japanese.
TEST_F(language, japaneseTranslatesEveryCatalogueText)
{
    shell::useLanguage(Language::Japanese);
    std::vector<std::string> missing;
    const auto check = [&](const char *context, const std::string &text) {
        if (!text.empty() && !hasJapanese(QString::fromStdString(shell::translated(context, text))))
            missing.push_back(std::string(context) + ": " + text);
    };
    for (const shell::Program *program : registry::programs()) {
        check("Title", program->titleLine0);
        check("Title", program->titleLine1);
        for (const shell::CaseDef &c : program->cases) {
            check("Title", c.title);
            if (!hasJapanese(QString::fromStdString(shell::translatedCaption(c.caption, "Case"))))
                missing.push_back("Case: " + c.caption);
            for (const shell::RowDef &row : c.rows) {
                check("Meaning", row.meaning);
                if (row.range)
                    check("Reason", row.range->reason);
            }
            for (const shell::Check &domain : c.checks)
                check("Reason", domain.reason);
            for (const shell::Advisory &advisory : c.advisories)
                check("Text", advisory.text);
        }
    }
    for (const shell::MemberTableDef &table : shell::memberTableDefs()) {
        check("Table", table.title);
        check("Table", table.tab);
        for (const shell::MemberColumn &column : table.columns) {
            check("Meaning", column.meaning);
            // A symbol (x, P, w1, kθ, δs) is the same in every language; a word (to, kind) is
            // translated.
            const bool word = column.caption.size() > 1 && std::all_of(column.caption.begin(), column.caption.end(),
                                                                       [](char c) { return c >= 'a' && c <= 'z'; });
            if (word)
                check("Column", column.caption);
        }
    }
    EXPECT_TRUE(missing.empty()) << missing.size() << " untranslated, the first: " << missing.front();
}

// Japanese: why the member's tables or the solver refuse a member, in Japanese whole, from the
// first cell that does not describe one to the member that cannot stand; the numbers, symbols and
// the words typed into the tables stay as they are.
TEST_F(language, japaneseRefusesTheMemberInJapanese)
{
    using shell::MemberTables;
    struct Edit {
        int table;
        int row;
        int column;
        const char *text;
    };
    const std::vector<std::vector<Edit>> refused{
        {{shell::SupportTable, 1, 0, "7000"}},          // a support off the member
        {{shell::SupportTable, 1, 0, "1e999"}},         // too large a number
        {{shell::PointLoadTable, 0, 1, "1e-320"}},      // too small a number
        {{shell::SupportTable, 1, 1, "glued"}},         // a kind the tables do not know
        {{shell::SupportTable, 1, 2, "-1"}},            // a stiffness below zero
        {{shell::DistributedLoadTable, 0, 1, "-0"}},    // a load that ends before it starts
        {{shell::LoadCaseTable, 1, 0, "1Q"}},           // a name that is not a name
        {{shell::LoadCaseTable, 1, 0, "G"}},            // two cases of one name
        {{shell::PointLoadTable, 0, 2, "W"}},           // a case the cases do not name
        {{shell::CombinationTable, 0, 1, "1.35 G +"}},  // factors that do not read
        {{shell::CombinationTable, 0, 1, "1.35 G + 1.5 W"}},
        {{shell::CombinationTable, 0, 2, "perhaps"}},
        {{shell::SectionTable, 0, 0, "hexagon"}},
        {{shell::SectionTable, 0, 0, ""}},  // dimensions without a shape
        {{shell::SectionTable, 0, 5, "wood"}},
        {{shell::SectionTable, 0, 5, "steel"}},  // Z typed and given by the section
        {{shell::SectionTable, 0, 0, "rectangular bar"}, {shell::CheckTable, 0, 0, ""}},
        {{shell::SupportTable, 1, 0, "0"}},                                      // two supports at one point
        {{shell::HingeTable, 0, 0, "0"}},                                        // a hinge at an end
        {{shell::HingeTable, 0, 0, "1000"}, {shell::HingeTable, 1, 0, "2000"}},  // a part held by nothing
    };
    shell::useLanguage(Language::Japanese);
    for (const std::vector<Edit> &edits : refused) {
        MemberTables tables = shell::startMemberTables();
        for (const Edit &e : edits) {
            auto &rows = tables.tables[static_cast<std::size_t>(e.table)];
            while (static_cast<int>(rows.size()) <= e.row)
                rows.push_back(shell::newMemberRow(e.table, 6000));
            rows[static_cast<std::size_t>(e.row)][static_cast<std::size_t>(e.column)] = e.text;
        }
        const shell::MemberTablesRead read =
            shell::readMemberTables(tables, 6000, 205000, 2e7, registry::find("Member")->sectionShapes);
        std::string reason = read.reason;
        if (read.member) {
            const auto solved = mechanics::solveBeam(read.member->beam());
            ASSERT_FALSE(solved) << edits.front().text;
            reason = shell::translatedMessage(solved.error().reason);
        }
        const QString text = QString::fromStdString(reason);
        EXPECT_TRUE(hasJapanese(text) && englishWords(text).isEmpty()) << reason;
    }

    // What only the solver refuses: a portal frame, a train, a member without supports.
    mechanics::PortalFrame frame;
    frame.height = -3;
    mechanics::Train train;
    train.axles = {{0, 100}, {-2, 100}};
    mechanics::Beam loose;
    loose.length = 10;
    loose.supports = {{5, mechanics::SupportKind::Pinned}};
    mechanics::Beam held = loose;
    held.flexuralRigidity = 1;
    held.supports = {{0, mechanics::SupportKind::Pinned}, {10, mechanics::SupportKind::Roller}};
    for (const mechanics::Message &message :
         {mechanics::solvePortalFrame(frame).error().reason, mechanics::trainEnvelope(held, train, 100).error().reason,
          mechanics::solveBeam(loose).error().reason}) {
        const QString text = QString::fromStdString(shell::translatedMessage(message));
        EXPECT_TRUE(hasJapanese(text) && englishWords(text).isEmpty()) << text.toStdString();
        shell::useSourceTexts();
        EXPECT_EQ(shell::translatedMessage(message), message.text());
        shell::useLanguage(Language::Japanese);
    }
}

// The texts a source hands to a translation by name, as lupdate finds tr()'s: the context and the
// text of every translated("Context", "text" ...), translatedPattern(...), QCoreApplication::
// translate(...), the sheet's tx("text") and a file's own say("...") or wording("..."), adjacent
// literals joined and escapes read.
std::vector<std::pair<QString, QString>> textsToTranslate(const QString &source, const QString &ownContext)
{
    static const QRegularExpression call(QStringLiteral(
        R"re((?:\btranslated|\btranslatedPattern|QCoreApplication::translate)\(\s*"(\w+)",\s*"|\b(tx|say|wording)\(\s*")re"));
    std::vector<std::pair<QString, QString>> texts;
    for (auto match = call.globalMatch(source); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        QString text;
        qsizetype i = m.capturedEnd();
        while (true) {
            for (; i < source.size() && source[i] != QLatin1Char('"'); ++i) {
                if (source[i] != QLatin1Char('\\')) {
                    text += source[i];
                    continue;
                }
                const QChar escaped = source[++i];
                if (escaped == QLatin1Char('n'))
                    text += QLatin1Char('\n');
                else if (escaped == QLatin1Char('u'))
                    text += QChar(source.mid(i + 1, 4).toUShort(nullptr, 16)), i += 4;
                else
                    text += escaped;
            }
            // "one " "literal" written over two lines is one text.
            qsizetype next = i + 1;
            while (next < source.size() && source[next].isSpace())
                ++next;
            if (next >= source.size() || source[next] != QLatin1Char('"'))
                break;
            i = next + 1;
        }
        // A text composed as the program runs ("largest " + what) is checked where it is shown.
        qsizetype after = i + 1;
        while (after < source.size() && source[after].isSpace())
            ++after;
        if (after < source.size() && source[after] == QLatin1Char('+'))
            continue;
        if (!m.captured(1).isEmpty())
            texts.emplace_back(m.captured(1), text);
        else if (m.captured(2) == QLatin1String("tx"))
            texts.emplace_back(QStringLiteral("Sheet"), text);
        else if (!ownContext.isEmpty())
            texts.emplace_back(ownContext, text);
    }
    return texts;
}

// Every text the sources hand to a translation has its Japanese, and every Japanese text its
// English: a text added without its translation is listed here, as lupdate lists tr()'s.
TEST_F(language, everyTextTheSourcesTranslateHasItsTranslation)
{
    std::vector<std::pair<QString, QString>> texts;
    for (const char *folder : {"shell", "cli", "refdoc", "beams", "cantilever", "rahmen", "buckling", "profilor"}) {
        QDirIterator files(QStringLiteral(STRUCTCALC_SOURCE_DIR "/") + QLatin1String(folder),
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            if (path.contains(QLatin1String("/tests/")) || path.endsWith(QLatin1String("/language.h")))
                continue;
            // The context of the file's own helper, where it has one.
            static const std::vector<std::pair<QString, QString>> helpers{
                {QStringLiteral("/shell/core/membertables.cpp"), QStringLiteral("Reason")},
                {QStringLiteral("/shell/core/savedcalculation.cpp"), QStringLiteral("Reason")},
                {QStringLiteral("/shell/sheet/memberblocks.cpp"), QStringLiteral("Sheet")},
                {QStringLiteral("/shell/paint/diagramfigures.cpp"), QStringLiteral("Text")},
                {QStringLiteral("/cli/"), QStringLiteral("Text")}};
            QString ownContext;
            for (const auto &[where, context] : helpers)
                if (path.contains(where))
                    ownContext = context;
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            for (const auto &text : textsToTranslate(QString::fromUtf8(file.readAll()), ownContext))
                texts.push_back(text);
        }
    }
    ASSERT_GT(texts.size(), 300u);
    QStringList missing;
    for (const Language shown : {Language::Japanese, Language::English}) {
        shell::useLanguage(shown);
        for (const auto &[context, text] : texts) {
            const QString translation =
                QCoreApplication::translate(context.toUtf8().constData(), text.toUtf8().constData());
            const bool needed =
                shown == Language::Japanese ? !englishWords(text).isEmpty() && !hasJapanese(text) : hasJapanese(text);
            if (needed && (shown == Language::Japanese ? !hasJapanese(translation) : hasJapanese(translation)))
                missing << context + QStringLiteral(": ") + text;
        }
    }
    missing.removeDuplicates();
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " without a translation:\n"
                                   << missing.join(QLatin1Char('\n')).toStdString();
}

// Japanese: why a saved calculation, a member description or a train is refused when it is read,
// one damaged text for each kind of refusal, in Japanese whole but for the field names in quotes,
// the numbers and the words of JSON itself. Without a translation each reason is the English one
// (its telling part given beside each text), never Japanese.
TEST_F(language, japaneseRefusesDamagedFilesInJapanese)
{
    enum Reader { Saved, Member, Train };
    const std::string calculation =
        R"({"format": "structcalc calculation", "version": 1, "program": "Beams", "case": 1, "caption": "c",
            "units": {"length": "mm", "force": "N"}, "inputs": [], "ticked": [],
            "chart": {"type": "2D Bar", "logScale": false, "view": "results", "slope": false},
            "colours": {"plot": "#000000", "program": "#FFFFFF"},
            "names": {"project": "", "member": "", "engineer": ""}})";
    ASSERT_TRUE(shell::readSavedCalculation(calculation).ok);
    const auto damaged = [&](const std::string &from, const std::string &to) {
        std::string text = calculation;
        return text.replace(text.find(from), from.size(), to);
    };
    const auto many = [](const char *item, std::size_t count) {
        std::string items = item;
        for (std::size_t k = 1; k < count; ++k)
            items += std::string(", ") + item;
        return items;
    };
    const struct {
        Reader reader;
        std::string text;
        const char *english;
    } refused[] = {
        {Saved, "  \n", "it is empty"},
        {Saved, "{\n \xff}", "not UTF-8 text (a byte that no UTF-8 character starts or continues with at line 2"},
        {Saved, "{\"format\": ", "it is cut short: the text ends (line 1, column 12)"},
        {Saved, "{]", "it is not valid JSON (line 1, column 2)"},
        {Saved, "[1e400]", "it holds a number too large for a double: 1e400"},
        {Saved, R"({"a": 1, "a": 2})", "the field \"a\" is given twice"},
        {Saved, std::string(shell::SavedCalculationMaxBytes + 1, ' '), "too large to be a saved calculation"},
        {Saved, R"({"format": "other"})", "it is not a structcalc calculation"},
        {Saved, damaged("\"version\": 1", "\"version\": \"1\""), "\"version\" must be a whole number, not a text"},
        {Saved, damaged("\"version\": 1", "\"version\": 0"), "\"version\" must be 1 or more"},
        {Saved, damaged("\"version\": 1", "\"version\": 99"), "written by a newer version of structcalc (format 99)"},
        {Saved, damaged("\"case\": 1", "\"case\": 1, \"window\": 1"), "the file has an unknown field \"window\""},
        {Saved, damaged("\"case\": 1", "\"case\": 0"), "\"case\" must be a whole number from 1 to 9999"},
        {Saved, damaged("\"case\": 1", "\"case\": 1.5"), "from 1 to 9999, not a number"},
        {Saved, damaged("\"caption\": \"c\",", ""), "the field \"caption\" is missing"},
        {Saved, damaged("\"caption\": \"c\"", "\"caption\": {}"), "\"caption\" must be a text, not an object"},
        {Saved, damaged("\"project\": \"\"", "\"project\": \"" + std::string(201, 'x') + "\""),
         "\"names.project\" is longer than 200 bytes"},
        {Saved, damaged("\"project\": \"\"", "\"project\": \"a\\u0001\""), "holds a control character"},
        {Saved, damaged("\"mm\"", "\"km\""), "\"units.length\" must be \"mm\", \"cm\" or \"m\""},
        {Saved, damaged("\"N\"", "null"), "\"units.force\" must be \"N\" or \"kN\", not null"},
        {Saved, damaged("\"force\": \"N\"", "\"force\": \"N\", \"time\": \"s\""),
         "\"units\" has an unknown field \"time\""},
        {Saved, damaged("\"units\": {\"length\": \"mm\", \"force\": \"N\"}", "\"units\": []"),
         "\"units\" must be an object, not a list"},
        {Saved, damaged("\"inputs\": []", "\"inputs\": {}"), "\"inputs\" must be a list, not an object"},
        {Saved, damaged("\"ticked\": []", "\"ticked\": [1]"), "\"ticked[0]\" must be true or false, not a whole"},
        {Saved, damaged("\"slope\": false", "\"slope\": false, \"influence\": \"Q\""), "must be M, V, theta"},
        {Saved, damaged("#FFFFFF", "#FFFFFG"), "\"colours.program\" must be a colour written #RRGGBB"},
        {Saved, damaged("\"engineer\": \"\"}", "\"engineer\": \"\"}, \"member\": {\"hinges\": [[]]}"),
         "\"member.hinges[0]\" must hold "},
        {Member, "[]", "a member description is an object {\"length\": ...}, not a list"},
        {Member, std::string(shell::MemberDescriptionMaxBytes + 1, ' '), "too large to be a member description"},
        {Member, R"({"length": 1, "width": 2})", "the member has an unknown field \"width\""},
        {Member, R"({"length": true})", "\"length\" must be a number, not true or false"},
        {Member, R"({"E": 1})", "the field \"length\" is missing"},
        {Member, R"({"length": 1, "E": 1})", "the member has E without I"},
        {Member, R"({"length": 1, "I": 1, "material": "steel", "section": {"shape": "tube", "a": 1, "b": 0.1}})",
         "the member has both \"I\" and a section"},
        {Member, R"({"length": 1, "E": 1, "material": "steel", "I": 1})", "the member has both \"E\" and a material"},
        {Member, R"({"length": 1, "supports": {}})", "\"supports\" must be a list, not an object"},
        {Member, R"({"length": 1, "supports": [{"x": 0, "kind": "glued"}]})",
         "\"supports[0].kind\" must be \"pinned\""},
        {Member, R"({"length": 1, "supports": [{"x": 0, "kind": "fixed", "k": 1}]})",
         "\"supports[0].k\" belongs to a spring support, not to a fixed one"},
        {Member, R"({"length": 1, "segments": [{"from": 0, "to": 1}]})", "\"segments[0]\" needs the member's E and I"},
        {Member, "{\"length\": 1, \"hinges\": [" + many("0", 20001) + "]}", "more than 20000 segments, supports"},
        {Member, "{\"length\": 1, \"cases\": [" + many("{}", 51) + "]}", "it holds more than 50 load cases"},
        {Member, "{\"length\": 1, \"combinations\": [" + many("{}", 101) + "]}", "it holds more than 100 combinations"},
        {Member, R"({"length": 1, "cases": [{"name": 7, "kind": "permanent"}]})", "\"cases[0].name\" must be text"},
        {Member,
         R"({"length": 1, "cases": [{"name": "G", "kind": "permanent", "meaning": ")" + std::string(201, 'x') + "\"}]}",
         "\"cases[0].meaning\" is longer than 200 bytes"},
        {Member, R"({"length": 1, "cases": [{"name": "1Q", "kind": "permanent"}]})",
         "load case 1 must be named by a letter"},
        {Member, R"({"length": 1, "cases": [{"name": "G", "kind": "variable"}, {"name": "G", "kind": "variable"}]})",
         "two load cases are named G"},
        {Member, R"({"length": 1, "loads": [{"kind": "point", "x": 0, "P": 1, "case": "W"}]})",
         "load 1 belongs to load case W, which the member does not have"},
        {Member, R"({"length": 1, "combinations": [{"name": "U", "factors": []}]})",
         "\"combinations[0].factors\" must be an object {\"G\": 1.35, ...}, not a list"},
        {Member, R"({"length": 1, "combinations": [{"name": "U", "factors": {}}]})", "combination 1 has no factor"},
        {Member, R"({"length": 1, "combinations": [{"name": "U", "factors": {"Q": 1.5}}]})",
         "combination 1 names load case Q"},
        {Member, R"({"length": 1, "combinations": [{"name": "U", "factors": {}, "pattern": "yes"}]})",
         "\"combinations[0].pattern\" must be true or false, not a text"},
        {Train, "7", "a train is an object {\"axles\": [...]}, not a whole number"},
        {Train, std::string(shell::TrainDescriptionMaxBytes + 1, ' '), "too large to be a train"},
        {Train, R"({"axles": [], "v": 1})", "the train has an unknown field \"v\""},
        {Train, R"({"axles": {}})", "\"axles\" must be a list, not an object"},
        {Train, "{\"axles\": [" + many(R"({"a": 0, "P": 1})", 201) + "]}", "the train has 201 axles, at most 200"},
        {Train, R"({"axles": [{"a": 0}]})", "the field \"axles[0].P\" is missing"},
        {Train, R"({"axles": [{"a": "0", "P": 1}]})", "\"axles[0].a\" must be a number, not a text"},
        {Train, R"({"axles": [{"a": -1, "P": 1}]})", "\"axles[0].a\" is the distance behind the first axle"},
        {Train, R"({"axles": [{"a": 0, "P": 1, "e": 1}]})", "\"axles[0]\" has an unknown field \"e\""},
        {Train, R"({"axles": [], "ways": "up"})", "\"ways\" must be \"both\", \"rightward\" or \"leftward\""},
        {Train, R"({"axles": []})", "the train has neither axles nor a uniform load \"w\""},
    };
    const auto reason = [](Reader reader, const std::string &text) {
        switch (reader) {
        case Saved:
            return shell::readSavedCalculation(text).error;
        case Member:
            return shell::readMemberDescription(text).error;
        case Train:
            break;
        }
        return shell::readTrainDescription(text).error;
    };
    // The words of JSON, of the file's format and of the influence lines' keys, as written in a file.
    const QStringList kept =
        QStringLiteral("JSON UTF null true false RRGGBB structcalc theta delta").split(QLatin1Char(' '));
    static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\""));
    for (const auto &[reader, text, english] : refused) {
        shell::useSourceTexts();
        const std::string written = reason(reader, text);
        EXPECT_NE(written.find(english), std::string::npos) << written;
        EXPECT_FALSE(hasJapanese(QString::fromStdString(written))) << written;
        shell::useLanguage(Language::Japanese);
        const QString shown = QString::fromStdString(reason(reader, text));
        QStringList words = englishWords(QString(shown).remove(quoted));
        words.removeIf([&](const QString &w) { return kept.contains(w); });
        EXPECT_TRUE(hasJapanese(shown) && words.isEmpty()) << shown.toStdString() << " (" << english << ")";
    }
}

// The results and the calculation copied in Japanese are byte for byte those copied without any
// translation: what engineers paste into their spreadsheets does not change.
TEST_F(language, japaneseClipboardIsTheSameBytes)
{
    shell::testing::RecordingPlatform platform;
    for (const shell::Program *program : registry::programs()) {
        shell::ShellModel model(*program, platform);
        model.start();
        for (int i = 0; i < program->caseCount(); ++i) {
            shell::installTranslation(nullptr);
            model.selectCase(i);
            const std::string results = model.resultsText();
            const std::string calculation = model.calculationText();
            shell::useLanguage(Language::Japanese);
            model.reselect();
            EXPECT_EQ(model.resultsText(), results) << program->name << " case " << i + 1;
            EXPECT_EQ(model.calculationText(), calculation) << program->name << " case " << i + 1;
        }
    }
}

}  // namespace
