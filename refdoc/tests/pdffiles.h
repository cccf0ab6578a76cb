// Reading back the PDFs the tests write: the page count and the text layer, compared without blanks.

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <string>

namespace sheet::testing {

// The number of page objects in a PDF.
inline int pageObjects(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page(?![A-Za-z]))"));
    int count = 0;
    for (auto match = page.globalMatch(QString::fromLatin1(pdf)); match.hasNext(); match.next())
        ++count;
    return count;
}

// The text of the PDF as pdftotext gives it, in drawing order, pages split by form feeds; a
// null text where pdftotext is not installed.
inline QString pdfText(const QString &path)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return {};
    QProcess process;
    process.start(pdftotext,
                  {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Text compared without blanks, character for character: a caption wrapped in its cell reads on
// in one piece, and a radical or a ligature in the text layer is a fault (no compatibility folding).
inline QString comparable(const QString &text)
{
    QString s = text;
    s.remove(QRegularExpression(QStringLiteral(R"(\s)")));
    return s;
}

inline QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

}  // namespace sheet::testing
