#include "refdoc/tests/pdffiles.h"
#include "registry/registry.h"
#include "shell/sheet/casepages.h"
#include "shell/sheet/referencedocument.h"

#include "programpaths.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

using sheet::testing::pageObjects;
using sheet::testing::pdfText;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Text compared without blanks, character for character (no compatibility folding: a radical
// or a ligature in the text layer is a fault).
QString comparable(const QString &text)
{
    QString s = text;
    s.remove(QRegularExpression(QStringLiteral(R"(\s)")));
    return s;
}

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

class Reference : public ::testing::TestWithParam<const shell::Program *>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_path = m_folder.filePath(q(GetParam()->helpFile));
        m_result = sheet::writeReference(*GetParam(), m_path, {"1.0", "2024-05-01"});
        ASSERT_TRUE(m_result.ok) << m_result.error.toStdString();
    }

    QTemporaryDir m_folder;
    QString m_path;
    sheet::WriteResult m_result;
};

TEST_P(Reference, IsAPdfWithATitlePageAndASectionPerCase)
{
    const QByteArray pdf = readAll(m_path);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(pageObjects(pdf), m_result.pages);
    EXPECT_GE(m_result.pages, GetParam()->caseCount() + 1);
}

// Each case's section (from its first page to the next case's) names the case and every one
// of its result rows.
TEST_P(Reference, TextNamesEveryCaseAndEveryResultInItsSection)
{
    // In the order drawn, so that a caption wrapped in its table cell reads on in one piece.
    const QString all = pdfText(m_path);
    if (all.isNull())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the text layer cannot be read back";
    const QStringList pages = all.split(QLatin1Char('\f'));

    const shell::Program &program = *GetParam();
    const int cases = program.caseCount();
    ASSERT_FALSE(pages.isEmpty());
    QString contents;
    for (int n = 0; n + 1 < m_result.sections.front() && n < pages.size(); ++n)
        contents += comparable(pages[n]);
    for (const shell::CaseDef &c : program.cases)
        EXPECT_TRUE(contents.contains(comparable(q(c.caption)))) << "the contents list " << c.caption;

    std::vector<int> firstPage;
    for (int k = 0; k < cases; ++k) {
        const QString marker = comparable(QStringLiteral("Case %1 of %2").arg(k + 1).arg(cases));
        int found = -1;
        for (int n = 1; n < pages.size() && found < 0; ++n)
            if (comparable(pages[n]).contains(marker))
                found = n;
        ASSERT_GE(found, 1) << "no section for case " << k + 1;
        if (!firstPage.empty()) {
            EXPECT_GT(found, firstPage.back()) << "sections in case order";
        }
        firstPage.push_back(found);
    }
    for (int k = 0; k < cases; ++k) {
        const shell::CaseDef &c = program.cases[static_cast<std::size_t>(k)];
        const int end = k + 1 < cases ? firstPage[static_cast<std::size_t>(k) + 1] : static_cast<int>(pages.size());
        QString section;
        for (int n = firstPage[static_cast<std::size_t>(k)]; n < end; ++n)
            section += pages[n];
        const QString text = comparable(section);
        EXPECT_TRUE(text.contains(comparable(q(c.caption)))) << c.caption;
        EXPECT_TRUE(text.contains(comparable(q(c.title)))) << c.caption;
        EXPECT_TRUE(text.contains(QStringLiteral("Validfor:"))) << c.caption;
        for (const shell::RowDef &row : c.rows)
            EXPECT_TRUE(text.contains(comparable(q(row.caption)))) << c.caption << ": " << row.caption;
    }
}

// The text layer as a reader gets it by searching or copying: the characters drawn, with no
// radical standing in for an ideograph and no ligature for its letters.
TEST_P(Reference, TextLayerGivesBackTheCharactersDrawn)
{
    const QString text = pdfText(m_path);
    if (text.isNull())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    static const QRegularExpression radical(QStringLiteral(R"([\x{2E80}-\x{2FDF}])"));
    static const QRegularExpression ligature(QStringLiteral(R"([\x{FB00}-\x{FB06}])"));
    EXPECT_FALSE(radical.match(text).hasMatch()) << radical.match(text).captured().toStdString();
    EXPECT_FALSE(ligature.match(text).hasMatch());
    // Words an engineer searches for, wherever the program's captions hold them.
    for (const char *word : {"反力", "最大", "断面", "細長比", "水平", "重心", "変位", "曲げモーメント"}) {
        bool captioned = false;
        for (const shell::CaseDef &c : GetParam()->cases)
            for (const shell::RowDef &row : c.rows)
                captioned = captioned || row.caption.find(word) != std::string::npos;
        if (captioned) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
        }
    }
}

// Worked lines as an engineer writes them: true minus signs, a negative value in brackets after
// an operator, no number with more digits than can be read whole, no "E" notation.
TEST_P(Reference, WorkedLinesReadAsAnEngineerWritesThem)
{
    const QString text = pdfText(m_path);
    if (text.isNull())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    static const QRegularExpression doubleSign(QStringLiteral(R"([+\-\x{2212}]\s*[+\-\x{2212}])"));
    EXPECT_FALSE(doubleSign.match(text).hasMatch()) << doubleSign.match(text).captured().toStdString();
    static const QRegularExpression number(QStringLiteral(R"(\d[\d.]*)"));
    for (auto match = number.globalMatch(text); match.hasNext();) {
        const QString found = match.next().captured();
        QString digits = found;
        digits.remove(QLatin1Char('.'));
        while (digits.startsWith(QLatin1Char('0')) && digits.size() > 1)
            digits.remove(0, 1);
        EXPECT_LE(digits.size(), 7) << found.toStdString();
    }
    static const QRegularExpression eNotation(QStringLiteral(R"(\dE[-+]?\d)"));
    EXPECT_FALSE(eNotation.match(text).hasMatch()) << eNotation.match(text).captured().toStdString();
}

// The title page: the program's purpose, version and build date, the sign convention; not the
// window's banner text.
TEST_P(Reference, TitlePageStatesPurposeVersionDateAndConvention)
{
    const QString text = pdfText(m_path);
    if (text.isNull())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    // The title page and the contents that follow it, up to the first case.
    const QStringList pages = text.split(QLatin1Char('\f'));
    QString title;
    for (int n = 0; n + 1 < m_result.sections.front() && n < pages.size(); ++n)
        title += comparable(pages[n]);
    EXPECT_TRUE(title.contains(comparable(q(GetParam()->desktopComment))));
    EXPECT_TRUE(title.contains(QStringLiteral("Version1.0,built2024-05-01")));
    EXPECT_TRUE(title.contains(QStringLiteral("Signconvention.")));
    EXPECT_FALSE(title.contains(QStringLiteral("Reference:")));
    EXPECT_FALSE(title.contains(comparable(q(GetParam()->titleLine0))));
    EXPECT_FALSE(comparable(text).contains(QStringLiteral("Step")));  // a detail of the window
    EXPECT_TRUE(comparable(text).contains(QStringLiteral("Sourcesandassumptions")));
}

// One bookmark per case and one for the sources, in order, each opening the page its section
// starts on; a link from each line of the contents to the same page.
TEST_P(Reference, OutlineAndContentsLinksOpenEachSection)
{
    QPDF pdf;
    pdf.processFile(m_path.toStdString().c_str());
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
    const auto pageOf = [&](QPDFObjectHandle destination) {
        if (!destination.isArray() || destination.getArrayNItems() < 1)
            return -1;
        const QPDFObjGen target = destination.getArrayItem(0).getObjGen();
        for (std::size_t n = 0; n < pages.size(); ++n)
            if (pages[n].getObjectHandle().getObjGen() == target)
                return static_cast<int>(n);
        return -1;
    };
    const shell::Program &program = *GetParam();
    const std::vector<int> starts = m_result.sections;
    ASSERT_EQ(starts.size(), static_cast<std::size_t>(program.caseCount()) + 1);

    QPDFOutlineDocumentHelper outline(pdf);
    std::vector<QPDFOutlineObjectHelper> bookmarks = outline.getTopLevelOutlines();
    ASSERT_EQ(bookmarks.size(), starts.size());
    for (std::size_t k = 0; k < bookmarks.size(); ++k) {
        QPDFOutlineObjectHelper bookmark = bookmarks[k];
        EXPECT_EQ(bookmark.getTitle(), sheet::sectionTitle(program, static_cast<int>(k)).toStdString());
        EXPECT_EQ(pageOf(bookmark.getDest()), starts[k] - 1) << bookmark.getTitle();
    }
    for (int k = 0; k < program.caseCount(); ++k)
        EXPECT_EQ(bookmarks[static_cast<std::size_t>(k)].getTitle().rfind(
                      program.cases[static_cast<std::size_t>(k)].caption, 0),
                  0u);

    std::vector<int> linked;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        QPDFObjectHandle annotations = pages[n].getObjectHandle().getKey("/Annots");
        if (!annotations.isArray())
            continue;
        for (int a = 0; a < annotations.getArrayNItems(); ++a) {
            QPDFObjectHandle annotation = annotations.getArrayItem(a);
            if (annotation.getKey("/Subtype").isName() && annotation.getKey("/Subtype").getName() == "/Link") {
                linked.push_back(pageOf(annotation.getKey("/Dest")));
                EXPECT_LT(static_cast<int>(n), starts.front() - 1) << "links stand on the contents pages";
            }
        }
    }
    std::vector<int> expected;
    for (const int start : starts)
        expected.push_back(start - 1);
    EXPECT_EQ(linked, expected);
}

std::string programName(const ::testing::TestParamInfo<const shell::Program *> &program)
{
    return program.param->name;
}

INSTANTIATE_TEST_SUITE_P(refdoc, Reference, ::testing::ValuesIn(registry::programs()), programName);

TEST(refdoc, AFolderThatCannotBeWrittenIsReported)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("missing/Beams.pdf"));
    const sheet::WriteResult result = sheet::writeReference(*registry::programs().front(), path, {"1.0", "2024-05-01"});
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}

// The build writes each program's document beside its executable, under the name Help opens.
TEST(refdoc, BuildTreeDocumentLiesBesideEachProgram)
{
    for (const auto &[name, executable] : ProgramPaths) {
        const shell::Program *program = registry::find(name);
        ASSERT_NE(program, nullptr) << name;
        const QString document = QFileInfo(QString::fromUtf8(executable)).dir().filePath(q(program->helpFile));
        EXPECT_TRUE(readAll(document).startsWith("%PDF-")) << document.toStdString();
    }
}

// The generator refuses a file name Help would never open.
TEST(refdoc, GeneratorRefusesAFileNameHelpDoesNotOpen)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess process;
    const QString wrong = folder.filePath(QStringLiteral("beams.pdf"));
    process.start(QString::fromUtf8(RefdocExecutable), {QStringLiteral("Beams"), wrong});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_FALSE(QFileInfo::exists(wrong));
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("Beams.pdf")));
}

}  // namespace
