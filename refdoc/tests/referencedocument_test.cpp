#include "refdoc/referencedocument.h"
#include "registry/registry.h"

#include "programpaths.h"

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

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pageObjects(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page(?![A-Za-z]))"));
    int count = 0;
    for (auto match = page.globalMatch(QString::fromLatin1(pdf)); match.hasNext(); match.next())
        ++count;
    return count;
}

// Text compared without blanks and in compatibility form (ligatures such as "ﬁ" undone).
QString comparable(const QString &text)
{
    QString s = text.normalized(QString::NormalizationForm_KC);
    s.remove(QRegularExpression(QStringLiteral(R"(\s)")));
    return s;
}

// Whether `text` names `caption` (both comparable). The PDF's text layer gives an ideograph
// whose glyph the font shares with a radical as that radical (長 as ⻑, 力 as ⼒): a radical
// there stands for any ideograph.
bool names(const QString &text, const QString &caption)
{
    QString pattern;
    for (const QChar c : caption) {
        const bool ideograph =
            (c.unicode() >= 0x3400 && c.unicode() <= 0x4DBF) || (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF);
        pattern += ideograph ? QStringLiteral("(?:") + c + QStringLiteral(R"(|[\x{2E80}-\x{2FDF}]))")
                             : QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(pattern).match(text).hasMatch();
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
        m_result = refdoc::writeReference(*GetParam(), m_path);
        ASSERT_TRUE(m_result.ok) << m_result.error.toStdString();
    }

    QTemporaryDir m_folder;
    QString m_path;
    refdoc::WriteResult m_result;
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
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the text layer cannot be read back";
    QProcess process;
    // In the order drawn, so that a caption wrapped in its table cell reads on in one piece.
    process.start(pdftotext, {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), m_path,
                              QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0);
    const QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));

    const shell::Program &program = *GetParam();
    const int cases = program.caseCount();
    ASSERT_FALSE(pages.isEmpty());
    for (const shell::CaseDef &c : program.cases)
        EXPECT_TRUE(names(comparable(pages[0]), comparable(q(c.caption)))) << "title page lists " << c.caption;

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
        EXPECT_TRUE(names(text, comparable(q(c.caption)))) << c.caption;
        EXPECT_TRUE(text.contains(QStringLiteral("Entrycheck:"))) << c.caption;
        for (const shell::RowDef &row : c.rows)
            EXPECT_TRUE(names(text, comparable(q(row.caption)))) << c.caption << ": " << row.caption;
    }
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
    const refdoc::WriteResult result = refdoc::writeReference(*registry::programs().front(), path);
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
