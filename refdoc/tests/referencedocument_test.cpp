#include "refdoc/tests/pdffiles.h"
#include "registry/registry.h"
#include "shell/core/language.h"
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

using sheet::testing::comparable;
using sheet::testing::pageObjects;
using sheet::testing::pdfText;
using sheet::testing::q;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Reference : public ::testing::TestWithParam<const shell::Program *>
{
};

// One document per program, written once and read back: a PDF with a title page and a section per
// case; the text layer names every case and result row in its section, gives back the characters
// drawn and reads as an engineer writes; one bookmark and one contents link per section.
TEST_P(Reference, IsWrittenWholeAndReadsBack)
{
    const shell::Program &program = *GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(q(program.helpFile));
    const sheet::WriteResult result = sheet::writeReference(program, path, {"1.0", "2024-05-01"});
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    const QByteArray pdf = readAll(path);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(pageObjects(pdf), result.pages);
    EXPECT_GE(result.pages, program.caseCount() + 1);
    const int cases = program.caseCount();
    const std::vector<int> starts = result.sections;
    ASSERT_EQ(starts.size(), static_cast<std::size_t>(cases) + 1);

    // One bookmark per case and one for the sources, each opening the page its section starts on;
    // a link from each line of the contents to the same page.
    QPDF document;
    document.processFile(path.toStdString().c_str());
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
    const auto pageOf = [&](QPDFObjectHandle destination) {
        if (!destination.isArray() || destination.getArrayNItems() < 1)
            return -1;
        const QPDFObjGen target = destination.getArrayItem(0).getObjGen();
        for (std::size_t n = 0; n < pages.size(); ++n)
            if (pages[n].getObjectHandle().getObjGen() == target)
                return static_cast<int>(n);
        return -1;
    };
    std::vector<QPDFOutlineObjectHelper> bookmarks = QPDFOutlineDocumentHelper(document).getTopLevelOutlines();
    ASSERT_EQ(bookmarks.size(), starts.size());
    std::vector<int> expected;
    for (std::size_t k = 0; k < bookmarks.size(); ++k) {
        EXPECT_EQ(bookmarks[k].getTitle(), sheet::sectionTitle(program, static_cast<int>(k)).toStdString());
        EXPECT_EQ(pageOf(bookmarks[k].getDest()), starts[k] - 1) << bookmarks[k].getTitle();
        EXPECT_TRUE(k == static_cast<std::size_t>(cases) ||
                    bookmarks[k].getTitle().rfind(program.cases[k].caption, 0) == 0)
            << bookmarks[k].getTitle();
        expected.push_back(starts[k] - 1);
    }
    std::vector<int> linked;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        QPDFObjectHandle annotations = pages[n].getObjectHandle().getKey("/Annots");
        for (int a = 0; annotations.isArray() && a < annotations.getArrayNItems(); ++a) {
            QPDFObjectHandle annotation = annotations.getArrayItem(a);
            if (annotation.getKey("/Subtype").isName() && annotation.getKey("/Subtype").getName() == "/Link") {
                linked.push_back(pageOf(annotation.getKey("/Dest")));
                EXPECT_LT(static_cast<int>(n), starts.front() - 1) << "links stand on the contents pages";
            }
        }
    }
    EXPECT_EQ(linked, expected);

    // In the order drawn, so that a caption wrapped in its table cell reads on in one piece.
    const QString all = pdfText(path);
    if (all.isNull())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the text layer cannot be read back";
    const QStringList textPages = all.split(QLatin1Char('\f'));
    // The title page and the contents: purpose, version, build date and sign convention, every
    // case listed; not the window's banner text.
    QString title;
    for (int n = 0; n + 1 < starts.front() && n < textPages.size(); ++n)
        title += comparable(textPages[n]);
    for (const shell::CaseDef &c : program.cases)
        EXPECT_TRUE(title.contains(comparable(q(c.caption)))) << "the contents list " << c.caption;
    EXPECT_TRUE(title.contains(comparable(q(program.desktopComment))));
    EXPECT_TRUE(title.contains(QStringLiteral("Version1.0,built2024-05-01")));
    EXPECT_TRUE(title.contains(QStringLiteral("Signconvention.")));
    EXPECT_FALSE(title.contains(QStringLiteral("Reference:")));
    EXPECT_FALSE(title.contains(comparable(q(program.titleLine0))));
    EXPECT_FALSE(comparable(all).contains(QStringLiteral("Step")));  // a detail of the window
    EXPECT_TRUE(comparable(all).contains(QStringLiteral("Sourcesandassumptions")));

    // Each case's section (from its first page to the next case's) names the case and every one
    // of its result rows.
    std::vector<int> firstPage;
    for (int k = 0; k < cases; ++k) {
        const QString marker = comparable(QStringLiteral("Case %1 of %2").arg(k + 1).arg(cases));
        int found = -1;
        for (int n = 1; n < textPages.size() && found < 0; ++n)
            if (comparable(textPages[n]).contains(marker))
                found = n;
        ASSERT_GE(found, 1) << "no section for case " << k + 1;
        ASSERT_TRUE(firstPage.empty() || found > firstPage.back()) << "sections in case order";
        firstPage.push_back(found);
    }
    for (int k = 0; k < cases; ++k) {
        const shell::CaseDef &c = program.cases[static_cast<std::size_t>(k)];
        const int end = k + 1 < cases ? firstPage[static_cast<std::size_t>(k) + 1] : static_cast<int>(textPages.size());
        QString section;
        for (int n = firstPage[static_cast<std::size_t>(k)]; n < end; ++n)
            section += comparable(textPages[n]);
        EXPECT_TRUE(section.contains(comparable(q(c.caption)))) << c.caption;
        EXPECT_TRUE(section.contains(comparable(q(c.title)))) << c.caption;
        EXPECT_TRUE(section.contains(QStringLiteral("Validfor:"))) << c.caption;
        for (const shell::RowDef &row : c.rows)
            EXPECT_TRUE(section.contains(comparable(q(row.caption)))) << c.caption << ": " << row.caption;
    }

    // The characters drawn, with no radical standing in for an ideograph and no ligature for its
    // letters; the words an engineer searches for, wherever the program's captions hold them.
    static const QRegularExpression radical(QStringLiteral(R"([\x{2E80}-\x{2FDF}])"));
    static const QRegularExpression ligature(QStringLiteral(R"([\x{FB00}-\x{FB06}])"));
    EXPECT_FALSE(radical.match(all).hasMatch()) << radical.match(all).captured().toStdString();
    EXPECT_FALSE(ligature.match(all).hasMatch());
    for (const char *word : {"反力", "最大", "断面", "細長比", "水平", "重心", "変位", "曲げモーメント"}) {
        bool captioned = false;
        for (const shell::CaseDef &c : program.cases)
            for (const shell::RowDef &row : c.rows)
                captioned = captioned || row.caption.find(word) != std::string::npos;
        EXPECT_TRUE(!captioned || all.contains(QString::fromUtf8(word))) << word;
    }
    // Worked lines: true minus signs, a negative value in brackets after an operator, no number
    // with more digits than can be read whole, no "E" notation.
    static const QRegularExpression doubleSign(QStringLiteral(R"([+\-\x{2212}]\s*[+\-\x{2212}])"));
    EXPECT_FALSE(doubleSign.match(all).hasMatch()) << doubleSign.match(all).captured().toStdString();
    static const QRegularExpression number(QStringLiteral(R"(\d[\d.]*)"));
    for (auto match = number.globalMatch(all); match.hasNext();) {
        const QString found = match.next().captured();
        QString digits = found;
        digits.remove(QLatin1Char('.'));
        while (digits.startsWith(QLatin1Char('0')) && digits.size() > 1)
            digits.remove(0, 1);
        EXPECT_LE(digits.size(), 7) << found.toStdString();
    }
    static const QRegularExpression eNotation(QStringLiteral(R"(\dE[-+]?\d)"));
    EXPECT_FALSE(eNotation.match(all).hasMatch()) << eNotation.match(all).captured().toStdString();
}

std::string programName(const ::testing::TestParamInfo<const shell::Program *> &program)
{
    return program.param->name;
}

INSTANTIATE_TEST_SUITE_P(refdoc, Reference, ::testing::ValuesIn(registry::programs()), programName);

// The build writes each program's documents beside its executable, under the names Help opens in
// Japanese and in English.
TEST(refdoc, BuildTreeDocumentLiesBesideEachProgram)
{
    for (const auto &[name, executable] : ProgramPaths) {
        const shell::Program *program = registry::find(name);
        ASSERT_NE(program, nullptr) << name;
        for (const shell::Language language : {shell::Language::Japanese, shell::Language::English}) {
            const QString document = QFileInfo(QString::fromUtf8(executable))
                                         .dir()
                                         .filePath(q(shell::helpFileIn(program->helpFile, language)));
            EXPECT_TRUE(readAll(document).startsWith("%PDF-")) << document.toStdString();
        }
    }
}

// The generator refuses a file name Help would never open; a folder that cannot be written is reported.
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
    // A folder that cannot be written is reported.
    const sheet::WriteResult missing = sheet::writeReference(
        *registry::programs().front(), folder.filePath(QStringLiteral("missing/Beams.pdf")), {"1.0", "2024-05-01"});
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.isEmpty());
}

}  // namespace
