#include "shell/qt/windowlanguage.h"

#include "shell/language/translator.h"

#include <QCoreApplication>
#include <QLocale>

namespace shell {

namespace {

std::optional<Language> installed;

}  // namespace

Language systemLanguage()
{
    return QLocale::system().language() == QLocale::Japanese ? Language::Japanese : Language::English;
}

void useLanguage(Language language)
{
    // Removed and installed again, so that the application tells every widget the texts changed.
    QCoreApplication::removeTranslator(&language::translator());
    language::load(language);
    QCoreApplication::installTranslator(&language::translator());
    installTranslation(&language::translate, language);
    installed = language;
}

void useSourceTexts()
{
    QCoreApplication::removeTranslator(&language::translator());
    installTranslation(nullptr);
    installed.reset();
}

Language languageInUse()
{
    return installed.value_or(systemLanguage());
}

}  // namespace shell
