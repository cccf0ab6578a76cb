// Calculation sheets: one case of every program written as a PDF whose text names the header,
// the case, every input and every result row; every case of every program on two pages at
// most; refused inputs shown as refused, without numbers that would not be theirs.

#include "refdoc/tests/pdffiles.h"
#include "registry/registry.h"
#include "shell/core/language.h"
#include "shell/core/membertables.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"
#include "shell/language/translator.h"
#include "shell/sheet/calculationsheet.h"
#include "shell/sheet/pdffinish.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <sys/resource.h>

namespace {

using sheet::testing::comparable;
using sheet::testing::pageObjects;
using sheet::testing::pdfText;
using sheet::testing::q;

using shell::Units;

// A window of the program showing one case in some units, as a user left it.
struct Window {
    shell::testing::RecordingPlatform platform;
    std::unique_ptr<shell::ShellModel> model;
    Window(const shell::Program &program, int caseIndex, Units units)
        : model(std::make_unique<shell::ShellModel>(program, platform))
    {
        model->start();
        model->selectCase(caseIndex);
        model->chooseUnit(units.length);
        model->chooseForceUnit(units.force);
    }
};

// The case of a program with the most result rows: the largest sheet it has.
int largestCase(const shell::Program &program)
{
    int largest = 0;
    for (int k = 1; k < program.caseCount(); ++k)
        if (program.cases[static_cast<std::size_t>(k)].rowCount() >
            program.cases[static_cast<std::size_t>(largest)].rowCount())
            largest = k;
    return largest;
}

class ProgramSheet : public ::testing::TestWithParam<const shell::Program *>
{
};

TEST_P(ProgramSheet, NamesTheHeaderTheCaseAndEveryRow)
{
    const shell::Program &program = *GetParam();
    const int index = largestCase(program);
    const Units units = program.forceUnits ? Units{shell::LengthUnit::Metre, shell::ForceUnit::Kilonewton}
                                           : Units{shell::LengthUnit::Centimetre, shell::ForceUnit::Newton};
    Window window(program, index, units);
    window.model->setNames({"Hall 3 north", "Member B12", "佐藤 花子"});
    ASSERT_FALSE(window.model->lastRejected()) << window.model->statusText();

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    const sheet::SheetResult written = sheet::writeSheet(
        path, sheet::sheetCase(*window.model), sheet::sheetHeader(window.model->names(), "2024-05-01", "9.9"));
    ASSERT_TRUE(written.ok) << written.error.toStdString();
    EXPECT_GE(written.pages, 1);
    // Two pages, and for any member two more at most for its influence line and envelopes.
    EXPECT_LE(written.pages, program.memberEditor ? 4 : 2);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pageObjects(pdf), written.pages);

    const QString text = pdfText(path);
    if (text.isNull())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the text layer cannot be read back";
    const QString all = comparable(text);
    for (const char *word : {"Hall3north", "MemberB12", "佐藤花子", "2024-05-01", "version9.9"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(word))) << word;
    const shell::CaseDef &c = program.cases[static_cast<std::size_t>(index)];
    EXPECT_TRUE(all.contains(comparable(q(c.caption + ": " + c.title)))) << c.title;
    for (const shell::RowDef &row : c.rows)
        EXPECT_TRUE(all.contains(comparable(q(row.caption)))) << row.caption;
    // The values as the window shows them, in the window's units.
    for (int r = 0; r < c.rowCount(); ++r) {
        const shell::ResultRow &row = window.model->rows()[static_cast<std::size_t>(r)];
        if (!row.text.empty()) {
            EXPECT_TRUE(all.contains(q(row.text))) << row.caption << " " << row.text;
        }
    }
    EXPECT_TRUE(all.contains(comparable(q(window.model->inputUnit(index, 0)))));
}

INSTANTIATE_TEST_SUITE_P(family, ProgramSheet, ::testing::ValuesIn(registry::programs()),
                         [](const ::testing::TestParamInfo<const shell::Program *> &param) {
                             return param.param->name;
                         });

// The sheet of the largest case of every program in Japanese and in English: no English word is
// left in the Japanese (beyond units, symbols, names and the words typed into the member's
// tables) and no Japanese in the English. The member's sheet describes every table filled in.
TEST_P(ProgramSheet, ReadsInTheLanguageOfTheWindow)
{
    const shell::Program &program = *GetParam();
    static const QStringList kept =
        QStringLiteral("Hall north Member Beams Cantilever cantilever Rahmen Buckling buckling Profilor profilor "
                       "rad max min dia ULS SLS pinned roller fixed spring permanent variable Euler section "
                       "structcalc Sato Hanako self weight and finishes imposed")
            .split(QLatin1Char(' '));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    for (const shell::Language language : {shell::Language::Japanese, shell::Language::English}) {
        language::load(language);
        shell::installTranslation(&language::translate, language);
        Window window(program, largestCase(program), Units{});
        if (program.memberEditor) {
            shell::MemberTables tables = shell::startMemberTables();
            tables.tables[shell::HingeTable] = {{"4500"}};
            tables.tables[shell::SupportTable].push_back({"6000", "spring", "1000", "", "2"});
            tables.tables[shell::SupportTable][2][0] = "5500";
            tables.tables[shell::CoupleTable] = {{"2000", "1000", "G"}};
            tables.tables[shell::SegmentTable] = {{"0", "1000", "", "3e7"}};
            tables.tables[shell::MovingLoadTable] = {{"0", "10000"}, {"1500", "10000"}};
            tables.tables[shell::TrainTable] = {{"2", "rightward"}};
            window.model->setMemberTables(tables);
        }
        window.model->setNames({"Hall 3 north", "Member B12", "Sato Hanako"});
        // The symbols of the results (Mmax, MEA) read the same in every language.
        QStringList symbols;
        for (const shell::ResultRow &row : window.model->rows())
            for (auto match = word.globalMatch(q(row.caption).section(QLatin1Char('('), -1)); match.hasNext();)
                symbols << match.next().captured();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
        const sheet::SheetResult written = sheet::writeSheet(
            path, sheet::sheetCase(*window.model), sheet::sheetHeader(window.model->names(), "2024-05-01", "9.9"));
        shell::installTranslation(nullptr);
        ASSERT_TRUE(written.ok) << written.error.toStdString();
        const QString text = pdfText(path);
        if (text.isNull())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        QStringList left;
        for (auto match = word.globalMatch(text); match.hasNext();) {
            const QString w = match.next().captured();
            if (!kept.contains(w) && !symbols.contains(w))
                left << w;
        }
        if (language == shell::Language::Japanese)
            EXPECT_TRUE(left.isEmpty()) << left.join(QLatin1Char(' ')).toStdString();
        else
            EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[\\x{3040}-\\x{9fff}]"))))
                << text.toStdString();
    }
}

// The pages of a sheet as a PDF writer lays them out, without writing them.
int pagesOf(const sheet::SheetCase &sheet)
{
    QBuffer buffer;
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::A4));
    return sheet::sheetPageCount(sheet, {"Project", "Member", "Engineer", "2024-05-01", "1.0"}, writer,
                                 sheet::PageGeometry::a4(600));
}

// Every case fits on two pages (any member on two more for its influence line and envelopes) at
// its start values, in mm and N and in the units that write the longest numbers (m and kN:
// 8.33 × 10⁻¹⁰ m⁴).
TEST(calculationsheet, EveryCaseOfEveryProgramFitsOnTwoPages)
{
    for (const shell::Program *program : registry::programs())
        for (int k = 0; k < program->caseCount(); ++k)
            for (const Units units :
                 {Units{shell::LengthUnit::Millimetre, shell::ForceUnit::Newton},
                  Units{shell::LengthUnit::Metre,
                        program->forceUnits ? shell::ForceUnit::Kilonewton : shell::ForceUnit::Newton}}) {
                Window window(*program, k, units);
                const int pages = pagesOf(sheet::sheetCase(*window.model));
                EXPECT_GE(pages, 1);
                EXPECT_LE(pages, program->memberEditor ? 4 : 2)
                    << program->name << " " << program->cases[static_cast<std::size_t>(k)].caption << " in "
                    << shell::lengthUnitName(units.length);
            }
}

// What a sheet says of the inputs given, read back from its text: a refused input with its reason
// and no result; the member's true extreme beside a row that claims it and is not it, and the
// range a value lies outside of, neither where the inputs give no cause; rows too large for a
// double and a member too large to solve, said once; a long input and a three-digit exponent
// whole in their cells.
TEST(calculationsheet, SaysWhatTheInputsGive)
{
    const struct {
        const char *program;
        int caseIndex;
        std::vector<std::pair<int, const char *>> texts;  // input field, text typed
        std::vector<const char *> present, absent;        // in the text layer, blanks removed
    } sheets[] = {
        {"Beams", 0, {{1, "500"}}, {"Theseinputsarerefused:amustliebetween0andl"}, {"e+0", "Diagrams"}},
        {"Beams", 0, {{1, "30"}}, {"Member'sextremefromitsdiagrams:largest2.006e-02mmatx=44.92mm"}, {}},
        {"Beams", 0, {{1, "50"}}, {}, {"Member'sextreme"}},
        {"buckling",
         5,
         {{0, "721.5"}},
         {"⚠Outsidetheformula'srange:thewrought-ironformulaholdsforλupto112;Eulerappliesbeyond"},
         {}},
        {"buckling", 5, {{0, "100"}}, {}, {"Outsidetheformula'srange"}},
        {"Beams",
         0,
         {{0, "8e306"}},
         {"(novalue:toolargetocompute:astepofitsformulagoesbeyond1.8e308)",
          "Themembercannotbesolved:itsnumbersleavetherangeofadouble"},
         {"\u221e"}},  // a row without a value is not worked through in another
        {"Profilor", 0, {{0, "1e150"}, {1, "3.14159265358979"}}, {"3.14159265358979", "3.142e+150"}, {}},
    };
    for (const auto &s : sheets) {
        Window window(*registry::find(s.program), s.caseIndex, shell::CatalogueUnits);
        for (const auto &[field, typed] : s.texts)
            window.model->setText(field, typed);
        const sheet::SheetCase sheet = sheet::sheetCase(*window.model);
        EXPECT_EQ(sheet.refusal, window.model->lastRejected() ? window.model->rejectionReason() : "");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
        ASSERT_TRUE(sheet::writeSheet(path, sheet, {"", "", "", "2024-05-01", "1.0"}).ok);
        const QString text = pdfText(path);
        if (text.isNull())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        const QString all = comparable(text);
        for (const char *present : s.present)
            EXPECT_TRUE(all.contains(QString::fromUtf8(present))) << s.program << " " << present << "\n"
                                                                  << text.toStdString();
        EXPECT_LE(all.count(QStringLiteral("cannotbesolved")), 1) << text.toStdString();
        for (const char *absent : s.absent)
            EXPECT_FALSE(all.contains(QString::fromUtf8(absent))) << s.program << " " << absent;
    }
}

// Where the window could not bring a case's texts into its units, the sheet keeps the units the
// texts are written in and the window's reason.
TEST(calculationsheet, TheSheetOfAModelTakesTheUnitsOfItsTexts)
{
    const shell::Program &beams = *registry::find("Beams");
    Window window(beams, 0, {shell::LengthUnit::Centimetre, shell::ForceUnit::Kilonewton});
    const sheet::SheetCase sheet = sheet::sheetCase(*window.model);
    EXPECT_EQ(sheet.program, &beams);
    EXPECT_EQ(sheet.caseIndex, 0);
    EXPECT_EQ(sheet.units, (Units{shell::LengthUnit::Centimetre, shell::ForceUnit::Kilonewton}));
    EXPECT_EQ(sheet.inputs, window.model->inputNumbers(0));
    EXPECT_EQ(sheet.refusal, "");
    // E = 10³⁰⁶ N/mm² is 10³⁰⁹ kN/m², beyond a double: shown again in m and kN, the case keeps
    // its texts in mm and N and the window refuses them.
    Window far(beams, 0, shell::CatalogueUnits);
    far.model->setText(5, "1e306");
    far.model->selectCase(1);
    far.model->chooseUnit(shell::LengthUnit::Metre);
    far.model->chooseForceUnit(shell::ForceUnit::Kilonewton);
    far.model->selectCase(0);
    ASSERT_TRUE(far.model->lastRejected());
    const sheet::SheetCase refused = sheet::sheetCase(*far.model);
    EXPECT_EQ(refused.units, shell::CatalogueUnits) << "the texts stay in mm and N";
    EXPECT_EQ(refused.inputs[5], 1e306);
    EXPECT_EQ(refused.refusal, far.model->rejectionReason());
    EXPECT_NE(refused.refusal, "");
}

TEST(calculationsheet, PaintsOntoAnyPagedDevice)
{
    const shell::Program &rahmen = *registry::find("Rahmen");
    Window window(rahmen, 0, shell::CatalogueUnits);
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    const sheet::SheetCase sheet = sheet::sheetCase(*window.model);
    const sheet::SheetResult painted = sheet::paintSheet(writer, sheet, {"", "", "", "2024-05-01", "1.0"});
    ASSERT_TRUE(painted.ok) << painted.error.toStdString();
    EXPECT_EQ(painted.pages, pagesOf(sheet)) << "the same pages at another resolution";
    EXPECT_TRUE(buffer.data().startsWith("%PDF-"));
    EXPECT_EQ(pageObjects(buffer.data()), painted.pages);
    EXPECT_NEAR(writer.pageLayout().fullRect(QPageLayout::Millimeter).width(), 210, 0.5) << "A4";
}

// The sheet goes only to a regular file and appears whole or not at all: a folder is named as one,
// a missing folder said, a failed write keeps the old sheet, and qpdf never prints a line of its own.
TEST(calculationsheet, ASheetIsWrittenWholeOrNotAtAll)
{
    const shell::Program &beams = *registry::find("Beams");
    Window window(beams, 0, shell::CatalogueUnits);
    const sheet::SheetCase sheet = sheet::sheetCase(*window.model);
    const sheet::SheetHeader header{"", "", "", "2024-05-01", "1.0"};
    QTemporaryDir folder;
    const sheet::SheetResult toFolder = sheet::writeSheet(folder.path(), sheet, header);
    EXPECT_FALSE(toFolder.ok);
    EXPECT_EQ(toFolder.error, QStringLiteral("cannot write ") + folder.path() + QStringLiteral(": it is a folder"));
    const sheet::SheetResult nowhere =
        sheet::writeSheet(QStringLiteral("/nonexistent-folder/sheet.pdf"), sheet, header);
    EXPECT_FALSE(nowhere.ok);
    EXPECT_TRUE(nowhere.error.startsWith(QStringLiteral("cannot write /nonexistent-folder/sheet.pdf")))
        << nowhere.error.toStdString();

    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old sheet");
    old.close();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    rlimit small = limit;
    small.rlim_cur = 16384;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const sheet::SheetResult full = sheet::writeSheet(path, sheet, header);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(full.ok);
    EXPECT_EQ(full.error, QStringLiteral("cannot write ") + path + QStringLiteral(": File too large"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the old sheet"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);

    // A PDF cut short is refused with qpdf's reason, and qpdf prints nothing.
    ASSERT_TRUE(sheet::writeSheet(path, sheet, header).ok);
    old.close();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray whole = old.readAll();
    ::testing::internal::CaptureStderr();
    std::string finished, error;
    const bool done = sheet::finishPdfText(whole.left(whole.size() / 2).toStdString(), {}, finished, error);
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(done);
    EXPECT_NE(error, "");
    EXPECT_EQ(printed, "");
}

}  // namespace
