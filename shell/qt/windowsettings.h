#pragma once

// What a window remembers between runs: its place and size, the result format, the case on
// display (kept as a calculation of its own), the names on the sheet, the recent files, the
// folder of the last file and the language chosen. Nothing is kept until open() names the file (a program does, a test
// need not). The file is read once at start and changed key by key, so that two windows of a
// program keep each other's settings. Each call that can fail returns what the window should
// say in its status bar, or an empty text.

#include "shell/core/language.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QWidget;

namespace shell {

struct CalculationNames;
struct Program;
class SettingsFile;
class ShellModel;

class WindowSettings
{
public:
    // The settings of `window`, showing `model` of `program`.
    WindowSettings(QWidget &window, const Program &program, ShellModel &model);
    ~WindowSettings();

    // From now on keeps the settings in `file` (by default where QSettings keeps the
    // application's); restores them where `restore` (the recent files in any case). Settings
    // that cannot be used are left aside, and the text returned says so.
    QString open(const QString &file, bool restore);
    // At close: the window's place, the result format and the case on display. A failure is said
    // on the standard error, as a program of the desktop does: nothing shows a message then.
    void save() const;
    QString rememberNames(const CalculationNames &names);
    // The language chosen in View > Language; the one remembered, where restored.
    QString rememberLanguage(Language language);
    std::optional<Language> language() const { return m_language; }
    // A file saved or opened: first of the recent files, its folder the last one.
    QString rememberFile(const QString &path);
    void rememberFolder(const QString &path);
    // Where a file dialog starts.
    QString lastFolder() const;
    // The recent files, the last first; none while nothing is kept.
    QStringList recentFiles() const;

private:
    QString restore(bool everything);

    QWidget &m_window;
    const Program &m_program;
    ShellModel &m_model;
    std::unique_ptr<SettingsFile> m_file;
    QStringList m_recent;  // the recent files, the last first
    QString m_lastFolder;  // where the last file was saved, opened or exported
    std::optional<Language> m_language;
};

}  // namespace shell
