// refdoc: writes the reference document that Help opens beside a program.
//
//     refdoc Beams build/beams/Beams.pdf     the file name must be the program's help file
//     refdoc --lang en Beams build/beams/Beams.en.pdf
//                                            in English, under the name Help opens in English
//
// Runs without a display (the offscreen platform is chosen where none is set).

#include "registry/registry.h"
#include "shell/language/translator.h"
#include "shell/sheet/referencedocument.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <optional>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: refdoc [--lang ja|en] PROGRAM OUTPUT.pdf\n");
    return 2;
}

bool write(const shell::Program &program, const QString &path)
{
    const sheet::WriteResult result = sheet::writeReference(program, path, {STRUCTCALC_VERSION, STRUCTCALC_BUILD_DATE});
    if (!result.ok)
        std::fprintf(stderr, "refdoc: %s\n", qPrintable(result.error));
    return result.ok;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    std::optional<shell::Language> language;
    if (args.size() == 4 && args[0] == QLatin1String("--lang")) {
        language = shell::languageOfCode(args[1].toStdString());
        if (!language)
            return usage();
        language::load(*language);
        shell::installTranslation(&language::translate, language);
        args = args.mid(2);
    }
    if (args.size() != 2)
        return usage();

    const shell::Program *program = registry::find(args[0].toStdString());
    if (!program) {
        std::fprintf(stderr, "refdoc: no program named %s\n", qPrintable(args[0]));
        return 2;
    }
    // Help looks for the file under the program's own help file name: any other name would
    // never be opened.
    const QString helpFile = QString::fromStdString(shell::helpFileIn(program->helpFile, language));
    if (QFileInfo(args[1]).fileName() != helpFile) {
        std::fprintf(stderr, "refdoc: Help of %s opens %s, not %s\n", program->name.c_str(), qPrintable(helpFile),
                     qPrintable(QFileInfo(args[1]).fileName()));
        return 2;
    }
    return write(*program, args[1]) ? 0 : 1;
}
