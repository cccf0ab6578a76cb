// What a window remembers between runs, in the groups window, results, state, names and files.

#include "shell/qt/windowsettings.h"

#include "shell/core/savedcalculation.h"
#include "shell/core/shellmodel.h"
#include "shell/qt/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

#include <cstdio>

namespace shell {

namespace {

constexpr int RecentFiles = 6;

// The groups of the keys the window writes; a file with others is not its settings.
const QStringList &groups()
{
    static const QStringList all{QStringLiteral("window"), QStringLiteral("results"), QStringLiteral("state"),
                                 QStringLiteral("names"),  QStringLiteral("files"),   QStringLiteral("view")};
    return all;
}

const QString GeometryKey = QStringLiteral("window/geometry");
const QString FormatKey = QStringLiteral("results/format");
const QString StateKey = QStringLiteral("state/calculation");
const QString ProjectKey = QStringLiteral("names/project");
const QString EngineerKey = QStringLiteral("names/engineer");
const QString RecentKey = QStringLiteral("files/recent");
const QString LanguageKey = QStringLiteral("view/language");

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

QString cleaned(const QVariant &name)
{
    return qs(cleanName(name.toString().toStdString()));
}

// The first few recent files a value holds; of a list of any length, only they are looked at.
QStringList recentIn(const QVariant &value)
{
    QStringList recent;
    for (const QString &path : value.toStringList()) {
        if (recent.size() == RecentFiles)
            break;
        if (!path.isEmpty() && !recent.contains(path))
            recent.append(path);
    }
    return recent;
}

// Settings as the window writes them back: of the recent files only those it shows, so that a
// list grown out of bounds is cut at the first write.
void tidy(QVariantMap &values)
{
    if (values.contains(RecentKey))
        values.insert(RecentKey, recentIn(values.value(RecentKey)));
}

}  // namespace

WindowSettings::WindowSettings(QWidget &window, const Program &program, ShellModel &model)
    : m_window(window), m_program(program), m_model(model)
{
}

WindowSettings::~WindowSettings() = default;

QString WindowSettings::open(const QString &file, bool restoreAll)
{
    m_file = std::make_unique<SettingsFile>(file.isEmpty() ? SettingsFile::pathFor(QCoreApplication::organizationName(),
                                                                                   QCoreApplication::applicationName())
                                                           : file);
    return restore(restoreAll);
}

QString WindowSettings::restore(bool everything)
{
    QString problem;
    const QVariantMap values = m_file->read(groups(), problem);
    // The recent files are offered even to a window that starts fresh.
    m_recent = recentIn(values.value(RecentKey));
    if (!everything)
        return problem.isEmpty() ? QString()
                                 : QCoreApplication::translate("Settings", "Settings not read from %1: %2")
                                       .arg(m_file->path(), problem);
    QStringList unused;  // what was there but could not be used
    if (values.contains(GeometryKey) && !m_window.restoreGeometry(values.value(GeometryKey).toByteArray()))
        unused << QCoreApplication::translate("Settings", "the window's place");
    if (values.contains(LanguageKey)) {
        m_language = languageOfCode(values.value(LanguageKey).toString().toStdString());
        if (!m_language)
            unused << QCoreApplication::translate("Settings", "the language");
    }
    if (values.contains(FormatKey)) {
        const QString format = values.value(FormatKey).toString();
        if (format == QLatin1String("true") || format == QLatin1String("false")) {
            if ((format == QLatin1String("true")) != m_model.formatResults())
                m_model.toggleFormat();
        } else {
            unused << QCoreApplication::translate("Settings", "the result format");
        }
    }
    // Names that a Save would refuse (a line break, too long) are cleaned as if typed.
    CalculationNames names;
    names.project = cleaned(values.value(ProjectKey)).toStdString();
    names.engineer = cleaned(values.value(EngineerKey)).toStdString();
    m_model.setNames(names);
    if (values.contains(StateKey)) {
        const SavedCalculationRead read = readSavedCalculation(values.value(StateKey).toString().toStdString());
        if (read.ok && read.calculation.program == m_program.name &&
            checkSavedCalculation(read.calculation, m_program).empty()) {
            SavedCalculation calculation = read.calculation;
            // The names of a calculation belong to it; the sheet's standing names come from above.
            if (calculation.names.project.empty())
                calculation.names.project = names.project;
            if (calculation.names.engineer.empty())
                calculation.names.engineer = names.engineer;
            m_model.open(calculation);
        } else {
            unused << QCoreApplication::translate("Settings", "the calculation on display");
        }
    }
    if (!problem.isEmpty())
        return QCoreApplication::translate("Settings",
                                           "Settings not read from %1: %2; the window starts with the defaults")
            .arg(m_file->path(), problem);
    if (!unused.isEmpty())
        return QCoreApplication::translate("Settings", "Some settings in %1 could not be used (%2); the window starts "
                                                       "with the defaults for them")
            .arg(m_file->path(), unused.join(QStringLiteral(", ")));
    return QString();
}

void WindowSettings::save() const
{
    if (!m_file)
        return;
    const QByteArray geometry = m_window.saveGeometry();
    const bool format = m_model.formatResults();
    const QString state = qs(writeSavedCalculation(m_model.save()));
    const QString problem = m_file->update(groups(), [&](QVariantMap &values) {
        tidy(values);
        values.insert(GeometryKey, geometry);
        values.insert(FormatKey, format);
        values.insert(StateKey, state);
    });
    if (!problem.isEmpty())
        std::fprintf(stderr, "%s: settings not saved in %s: %s\n", m_program.name.c_str(),
                     QFile::encodeName(m_file->path()).constData(), problem.toLocal8Bit().constData());
}

QString WindowSettings::rememberLanguage(Language language)
{
    m_language = language;
    if (!m_file)
        return QString();
    const QString problem = m_file->update(groups(), [&](QVariantMap &values) {
        tidy(values);
        values.insert(LanguageKey, QLatin1String(languageCode(language)));
    });
    return problem.isEmpty()
               ? QString()
               : QCoreApplication::translate("Settings", "Settings not saved in %1: %2").arg(m_file->path(), problem);
}

QString WindowSettings::rememberNames(const CalculationNames &names)
{
    if (!m_file)
        return QString();
    const QString problem = m_file->update(groups(), [&](QVariantMap &values) {
        tidy(values);
        values.insert(ProjectKey, qs(names.project));
        values.insert(EngineerKey, qs(names.engineer));
    });
    return problem.isEmpty()
               ? QString()
               : QCoreApplication::translate("Settings", "Settings not saved in %1: %2").arg(m_file->path(), problem);
}

QString WindowSettings::rememberFile(const QString &path)
{
    rememberFolder(path);
    if (!m_file)
        return QString();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString problem = m_file->update(groups(), [&](QVariantMap &values) {
        // Another window of the program may have opened files since: its list, this file first.
        QStringList recent = recentIn(values.value(RecentKey));
        recent.removeAll(absolute);
        recent.prepend(absolute);
        while (recent.size() > RecentFiles)
            recent.removeLast();
        values.insert(RecentKey, recent);
        m_recent = recent;
    });
    if (problem.isEmpty())
        return QString();
    m_recent.removeAll(absolute);
    m_recent.prepend(absolute);
    while (m_recent.size() > RecentFiles)
        m_recent.removeLast();
    return QCoreApplication::translate("Settings", "Settings not saved in %1: %2").arg(m_file->path(), problem);
}

void WindowSettings::rememberFolder(const QString &path)
{
    m_lastFolder = QFileInfo(path).absolutePath();
}

QString WindowSettings::lastFolder() const
{
    // The folder of the last file saved, opened or exported; else that of the last recent file;
    // else the user's documents (never the working folder, "/" for a program started from the
    // desktop).
    if (!m_lastFolder.isEmpty())
        return m_lastFolder;
    if (!m_recent.isEmpty()) {
        const QString folder = QFileInfo(m_recent.front()).absolutePath();
        if (QFileInfo(folder).isDir())
            return folder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QStringList WindowSettings::recentFiles() const
{
    return m_file ? m_recent : QStringList();
}

}  // namespace shell
