#pragma once

// A window's settings between runs, in the file and format QSettings uses
// (~/.config/structcalc/Beams.conf), but read and written by the window itself: the file's kind
// and size are checked before it is parsed (a FIFO is never waited on, a folder or a device never
// taken for settings, a huge file never parsed) and it is written whole to a temporary file that
// replaces the old one only when complete (a link is followed to its target; a device is never
// written).
//
//     SettingsFile file(SettingsFile::pathFor("structcalc", "Beams"));
//     QString problem;
//     const QVariantMap values = file.read(problem);   // {"files/recent": [...], ...}
//     problem = file.update([](QVariantMap &v) { v["names/project"] = "Hall 3"; });

#include <QString>
#include <QVariantMap>

#include <cstddef>
#include <functional>

namespace shell {

class SettingsFile
{
public:
    // The settings the window writes are a few kilobytes; a file far larger is not one of them.
    static constexpr std::size_t MaxBytes = 8 << 20;

    // Where QSettings keeps the user's settings of `application` (its default format and folder,
    // QSettings::setPath included), found without letting QSettings open that file.
    static QString pathFor(const QString &organisation, const QString &application);

    explicit SettingsFile(QString path) : m_path(std::move(path)) {}
    const QString &path() const { return m_path; }

    // The file's values by key ("group/name"). A missing file holds none, silently; otherwise
    // `problem` says why none were taken: "it is a folder", "it is a FIFO (named pipe)", "it is
    // larger than 8388608 bytes", "it is not a settings file of the window" (a key outside
    // `groups`, as random bytes give).
    QVariantMap read(const QStringList &groups, QString &problem) const;

    // Changes the values the file holds now (re-read, so that another window's settings are
    // kept; a damaged file starts empty) and writes them whole. "" where written; otherwise why
    // not, and the old file is as it was.
    QString update(const QStringList &groups, const std::function<void(QVariantMap &values)> &change) const;

private:
    static QVariantMap readSettings(const QString &path, const QStringList &groups, QString &problem);

    QString m_path;
};

}  // namespace shell
