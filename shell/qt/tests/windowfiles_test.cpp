// The window's calculations as files: saved and opened again (also in another unit system and
// chart view), a damaged or foreign file refused with a message and nothing changed, the sheet
// exported and printed, the calculation copied, and the settings a second start restores.

#include "registry/registry.h"
#include "shell/core/savedcalculation.h"
#include "shell/core/testing/recordingplatform.h"
#include "shell/qt/calculatorwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Window {
    explicit Window(const char *program)
        : window(std::make_unique<shell::CalculatorWindow>(*registry::find(program), &platform))
    {
    }
    shell::testing::RecordingPlatform platform;
    std::unique_ptr<shell::CalculatorWindow> window;
    shell::ShellModel &model() { return window->model(); }
};

class windowFiles : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString path(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }
    QTemporaryDir folder;
};

TEST_F(windowFiles, aSavedCalculationOpensAsItWasSaved)
{
    Window first("Beams");
    shell::ShellModel &m = first.model();
    m.selectCase(4);
    m.setText(0, "250");
    m.chooseUnit(2);
    m.chooseForceUnit(1);
    m.tickRow(1, false);
    m.chooseChartType(shell::ChartType::Line2D);
    ASSERT_TRUE(first.window->saveCalculation(path("beam5.structcalc.json")));

    Window second("Beams");
    ASSERT_TRUE(second.window->openCalculation(path("beam5.structcalc.json")));
    EXPECT_EQ(second.model().save(), m.save());
    EXPECT_EQ(second.model().CurrentCase, 4);
    EXPECT_EQ(second.model().text(4, 0), m.text(4, 0));
    EXPECT_FALSE(second.model().rows()[1].ticked);
    EXPECT_TRUE(second.platform.messages.empty());
}

TEST_F(windowFiles, aDamagedOrForeignFileIsRefusedAndChangesNothing)
{
    Window rahmen("Rahmen");
    ASSERT_TRUE(rahmen.window->saveCalculation(path("frame.structcalc.json")));
    QFile file(path("frame.structcalc.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    file.close();
    QFile cut(path("cut.structcalc.json"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(text.left(text.size() / 2));
    cut.close();

    Window beams("Beams");
    const shell::SavedCalculation before = beams.model().save();
    for (const char *name : {"cut.structcalc.json", "frame.structcalc.json", "missing.structcalc.json"}) {
        beams.platform.messages.clear();
        EXPECT_FALSE(beams.window->openCalculation(path(name))) << name;
        ASSERT_EQ(beams.platform.messages.size(), 1u) << name;
        EXPECT_EQ(beams.platform.messages[0].text.rfind("Cannot open " + path(name).toStdString() + ": ", 0), 0u);
        EXPECT_EQ(beams.model().save(), before) << name;
    }
    EXPECT_NE(beams.platform.messages[0].text.find("No such file"), std::string::npos)
        << beams.platform.messages[0].text;
}

TEST_F(windowFiles, theSheetIsExportedAndPrintedAndTheCalculationCopied)
{
    Window w("cantilever");
    w.model().selectCase(9);
    ASSERT_TRUE(w.window->exportCalculation(path("sheet.pdf")));
    QFile sheet(path("sheet.pdf"));
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sheet.read(5).startsWith("%PDF-"));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("printed.pdf"));
    EXPECT_TRUE(w.window->printCalculation(printer));
    EXPECT_GT(QFile(path("printed.pdf")).size(), 1000);

    QAction *copy = w.window->findChild<QAction *>(QStringLiteral("CopyCalculationAction"));
    ASSERT_NE(copy, nullptr);
    copy->trigger();
    EXPECT_EQ(w.platform.clipboard.rfind(w.model().currentCaseDef().caption, 0), 0u) << w.platform.clipboard;
    EXPECT_NE(w.platform.clipboard.find("Name\tSymbol\tValue\tUnit"), std::string::npos);
}

// A second start finds the case, inputs, units and chart of the first; --defaults starts
// fresh. The settings go to a folder of the test's own.
TEST_F(windowFiles, aSecondStartRestoresTheFirstAndDefaultsStartFresh)
{
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    QCoreApplication::setOrganizationName(QStringLiteral("structcalc-test"));
    {
        Window first("Beams");
        first.window->rememberSettings(true);
        first.model().selectCase(2);
        first.model().setText(1, "120");
        first.model().chooseUnit(1);
        first.model().chooseView(shell::ChartArea::Diagrams);
        first.window->close();
    }
    {
        Window second("Beams");
        second.window->rememberSettings(true);
        EXPECT_EQ(second.model().CurrentCase, 2);
        EXPECT_EQ(second.model().text(2, 1), "12");  // 120 mm, shown in cm
        EXPECT_EQ(second.model().UnitSystem, 1);
        EXPECT_EQ(second.model().chartArea(), shell::ChartArea::Diagrams);
        // Reset still gives the start values.
        second.model().reset();
        EXPECT_EQ(second.model().text(2, 1), "10");
    }
    {
        Window fresh("Beams");
        fresh.window->rememberSettings(false);
        EXPECT_EQ(fresh.model().CurrentCase, 0);
        EXPECT_EQ(fresh.model().UnitSystem, 0);
    }
    QCoreApplication::setOrganizationName(QString());
}

}  // namespace
