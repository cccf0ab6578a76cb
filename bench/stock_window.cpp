// The stock-Qt window (Qt Widgets and a Qt Charts bar chart) of cantilever's case with the most
// result rows, as a program of its own, at the size of the program's form: the yardstick of the
// window's start in start_bench.

#include "benchcase.h"
#include "referencewindow.h"

#include "cantilever/cantilever.h"
#include "shell/core/shellmodel.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const shell::Program &program = cantilever::program();
    ReferenceWindow window(program.cases[static_cast<std::size_t>(caseWithMostRows(program))]);
    const int perPixel = shell::ShellModel::LayoutUnitsPerPixel;
    window.resize(program.windowWidth / perPixel, program.windowHeight / perPixel);
    window.show();
    return QApplication::exec();
}
