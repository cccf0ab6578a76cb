// refdoc: writes the reference document that Help opens beside a program.
//
//     refdoc Beams build/beams/Beams.pdf     one program; the file name must be its help file
//     refdoc --all DIR                       every program, each under its help file's name
//
// Runs without a display (the offscreen platform is chosen where none is set).

#include "referencedocument.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: refdoc PROGRAM OUTPUT.pdf\n       refdoc --all DIRECTORY\n");
    return 2;
}

bool write(const shell::Program &program, const QString &path)
{
    const refdoc::WriteResult result = refdoc::writeReference(program, path);
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
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 2)
        return usage();

    if (args[0] == QStringLiteral("--all")) {
        const QDir folder(args[1]);
        if (!folder.mkpath(QStringLiteral(".")))
            return usage();
        bool ok = true;
        for (const shell::Program *program : refdoc::documentedPrograms())
            ok = write(*program, folder.filePath(QString::fromStdString(program->helpFile))) && ok;
        return ok ? 0 : 1;
    }

    const shell::Program *program = refdoc::findProgram(args[0].toStdString());
    if (!program) {
        std::fprintf(stderr, "refdoc: no program named %s\n", qPrintable(args[0]));
        return 2;
    }
    // Help looks for the file under the program's own help file name: any other name would
    // never be opened.
    const QString helpFile = QString::fromStdString(program->helpFile);
    if (QFileInfo(args[1]).fileName() != helpFile) {
        std::fprintf(stderr, "refdoc: Help of %s opens %s, not %s\n", program->name.c_str(), qPrintable(helpFile),
                     qPrintable(QFileInfo(args[1]).fileName()));
        return 2;
    }
    return write(*program, args[1]) ? 0 : 1;
}
