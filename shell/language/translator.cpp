#include "shell/language/translator.h"

#include <QString>
#include <QTranslator>

namespace language {

QTranslator &translator()
{
    static QTranslator loaded;
    return loaded;
}

bool load(shell::Language language)
{
    return translator().load(QStringLiteral(":/i18n/structcalc_") + QLatin1String(shell::languageCode(language)));
}

std::string translate(const char *context, const std::string &text)
{
    const QString found = translator().translate(context, text.c_str());
    return found.isEmpty() ? text : found.toStdString();
}

}  // namespace language
