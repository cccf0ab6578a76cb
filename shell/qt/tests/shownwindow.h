#pragma once

// A program's calculator window shown offscreen, with a platform that records what the window
// asks of the desktop; its controls are found by their object names:
//
//     ShownWindow w("Beams");
//     QTest::keyClicks(w.get<QLineEdit>("Text1_0"), QStringLiteral("250"));

#include "registry/registry.h"
#include "shell/core/testing/recordingplatform.h"
#include "shell/qt/calculatorwindow.h"
#include "shell/qt/resultsview.h"

#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

class ShownWindow
{
public:
    explicit ShownWindow(const char *program)
        : window(std::make_unique<shell::CalculatorWindow>(*registry::find(program), &platform))
    {
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    // The control of that name; a missing one ends the test there with its name.
    template <typename W> W *get(const char *name) const
    {
        W *widget = window->findChild<W *>(QString::fromLatin1(name));
        if (!widget)
            throw std::runtime_error(std::string("no control ") + name);
        return widget;
    }
    QString text(const char *lineEdit) const { return get<QLineEdit>(lineEdit)->text(); }
    QString status() const { return get<QStatusBar>("StatusBar1")->currentMessage(); }
    shell::ResultsView *results() const { return get<shell::ResultsView>("Frame2"); }
    shell::ShellModel &model() const { return window->model(); }

    shell::testing::RecordingPlatform platform;
    std::unique_ptr<shell::CalculatorWindow> window;
};
