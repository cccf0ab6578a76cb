#include "shell/qt/settingsfile.h"

#include "shell/core/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <QUuid>

namespace shell {

namespace {

std::string local(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString fromLocal(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

bool known(const QStringList &groups, const QString &key)
{
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    return slash > 0 && groups.contains(key.left(slash));
}

// Whether two values are written the same way: a flag, a number, a text, a list of texts or
// bytes, as QSettings gives them back from its file.
bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.typeId() == QMetaType::QStringList)
        return a.toStringList() == b.toStringList();
    return a.toByteArray() == b.toByteArray();
}

}  // namespace

QString SettingsFile::pathFor(const QString &organisation, const QString &application)
{
    // QSettings reads a file as soon as it is made; one made for an organisation no one has
    // names a file that is not there, in the folder and format the real one has.
    const QString probe = QStringLiteral("structcalc-probe-") + QUuid::createUuid().toString(QUuid::Id128);
    const QString file = QSettings(QSettings::defaultFormat(), QSettings::UserScope, probe, application).fileName();
    const QString organisationFolder =
        organisation.isEmpty() ? QStringLiteral("Unknown Organization") : QString(organisation);
    QString path = file;
    const qsizetype at = path.lastIndexOf(QLatin1Char('/') + probe + QLatin1Char('/'));
    if (at >= 0)
        path.replace(at + 1, probe.size(), organisationFolder);
    return path;
}

QVariantMap SettingsFile::read(const QStringList &groups, QString &problem) const
{
    return readSettings(m_path, groups, problem);
}

QVariantMap SettingsFile::readSettings(const QString &path, const QStringList &groups, QString &problem)
{
    problem.clear();
    if (kindOf(local(path)) == FileKind::Missing)
        return {};
    const FileRead text = readRegularFile(local(path), MaxBytes);
    if (!text.ok) {
        problem = QString::fromStdString(text.error);
        return {};
    }
    // QSettings parses the copy that was checked, never the file itself (nor what it remembers
    // of a file of that name).
    QTemporaryFile copy;
    if (!copy.open() ||
        copy.write(text.text.data(), static_cast<qint64>(text.text.size())) != static_cast<qint64>(text.text.size()) ||
        !copy.flush()) {
        problem = QCoreApplication::translate("Settings", "it could not be copied to be read");
        return {};
    }
    const QSettings parsed(copy.fileName(), QSettings::IniFormat);
    QVariantMap values;
    const QStringList keys = parsed.allKeys();
    for (const QString &key : keys) {
        if (!known(groups, key) || parsed.status() != QSettings::NoError) {
            problem = QCoreApplication::translate("Settings", "it is not a settings file of the window");
            return {};
        }
        values.insert(key, parsed.value(key));
    }
    return values;
}

QString SettingsFile::update(const QStringList &groups, const std::function<void(QVariantMap &values)> &change) const
{
    QString problem;
    QVariantMap values = read(groups, problem);
    if (!problem.isEmpty())
        values.clear();
    change(values);
    // The first settings of a user make their folder.
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QFileInfo::exists(folder) && !QDir().mkpath(folder))
        return QCoreApplication::translate("Settings", "its folder %1 cannot be made").arg(folder);
    AtomicFile file(local(m_path));
    if (!file.error().empty())
        return QString::fromStdString(file.error());
    {
        QSettings written(fromLocal(file.temporaryPath()), QSettings::IniFormat);
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            if (value.value().isValid())
                written.setValue(value.key(), value.value());
        written.sync();
        if (written.status() != QSettings::NoError)
            return QCoreApplication::translate("Settings", "the settings could not be written beside it");
    }
    // QSettings does not always notice a write that failed part way (a full disk): what it wrote
    // is read back before it replaces the old file.
    const QVariantMap check = readSettings(fromLocal(file.temporaryPath()), groups, problem);
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        if (value.value().isValid() && !sameValue(value.value(), check.value(value.key())))
            return QCoreApplication::translate("Settings", "the settings could not be written in whole beside it");
    return QString::fromStdString(file.commit());
}

}  // namespace shell
