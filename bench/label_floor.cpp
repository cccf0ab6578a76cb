// The floor of a window's start: a QLabel as a window of its own, in a program that links Qt
// Widgets and nothing else. "ja" shows a Japanese caption, as the family's result rows do, so
// that the fonts with Japanese glyphs are loaded as they are for the calculators.
//
//     label_floor | label_floor ja

#include <QApplication>
#include <QLabel>

#include <cstring>

int main(int argc, char **argv)
{
    const bool japanese = argc > 1 && std::strcmp(argv[1], "ja") == 0;
    QApplication app(argc, argv);
    QLabel label(japanese ? QStringLiteral(u"断面2次モーメント (I)") : QStringLiteral("structcalc"));
    label.show();
    return QApplication::exec();
}
