// What a window loads: at start nothing of the calculation sheet, the printer or the PDF finishing
// (the sheet's library, qpdf and the TLS libraries it brings, Qt Print Support) and no image
// format plugin; Export then opens the sheet's library and writes the sheet. What the style
// draws without reading image files at start is what the desktop's style draws.
//
// A test program of its own, linked as the programs are (the other window tests make a printer).

#include "registry/registry.h"
#include "shell/core/testing/recordingplatform.h"
#include "shell/qt/calculatorwindow.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMenuBar>
#include <QProxyStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string mappedFiles()
{
    std::ifstream maps("/proc/self/maps");
    std::ostringstream text;
    text << maps.rdbuf();
    return text.str();
}

struct Window {
    Window() : window(*registry::find("Beams"), &platform)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.grab();  // every control painted once
    }
    shell::testing::RecordingPlatform platform;
    shell::CalculatorWindow window;
};

TEST(windowStart, loadsNothingOfTheSheetNorAnImagePluginUntilExport)
{
    Window w;
    const std::string atStart = mappedFiles();
    for (const char *library : {"libstructcalc-sheet.so", "libstructcalc-printer.so", "libQt6PrintSupport", "libqpdf",
                                "libgnutls", "libjpeg", "/imageformats/"})
        EXPECT_EQ(atStart.find(library), std::string::npos) << library << " is loaded at start";

    QTemporaryDir folder;
    ASSERT_TRUE(w.window.exportCalculation(folder.filePath(QStringLiteral("sheet.pdf")))) << w.platform.messages.size();
    QFile sheet(folder.filePath(QStringLiteral("sheet.pdf")));
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sheet.read(5).startsWith("%PDF-"));
    const std::string afterExport = mappedFiles();
    for (const char *library : {"libstructcalc-sheet.so", "libqpdf"})
        EXPECT_NE(afterExport.find(library), std::string::npos) << library << " is not loaded by Export";
}

TEST(windowStart, theStyleDrawsTheMenuBarsButtonAndGroupBoxesAsTheDesktopsStyle)
{
    Window w;
    const auto *style = dynamic_cast<const QProxyStyle *>(QApplication::style());
    ASSERT_NE(style, nullptr);
    QStyle *desktop = style->baseStyle();

    const auto *button = w.window.menuBar()->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
    ASSERT_NE(button, nullptr);
    const QImage shown = button->icon().pixmap(16).toImage();
    EXPECT_FALSE(shown.isNull());
    EXPECT_EQ(shown, desktop->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage());

    for (const QString &title : {QStringLiteral("Beam (1)"), QString()}) {
        QGroupBox box(title);
        box.resize(200, 120);
        const QImage drawn = box.grab().toImage();
        box.setStyle(desktop);
        EXPECT_EQ(drawn, box.grab().toImage()) << title.toStdString();
    }
}

}  // namespace
