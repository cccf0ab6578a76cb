#include "shell/core/language.h"

namespace shell {

namespace {

// The translation and its language, set together by the thread that starts the program (the
// window's, or structcalc's when it reads --lang) before any text is handed out.
struct Installed {
    Translation translation = nullptr;
    std::optional<Language> language;
};
Installed installed;

}  // namespace

const char *languageCode(Language language)
{
    return language == Language::Japanese ? "ja" : "en";
}

std::optional<Language> languageOfCode(const std::string &code)
{
    if (code == "ja")
        return Language::Japanese;
    if (code == "en")
        return Language::English;
    return std::nullopt;
}

void installTranslation(Translation translation, std::optional<Language> language)
{
    installed = {translation, translation ? language : std::nullopt};
}

Translation installedTranslation()
{
    return installed.translation;
}

std::optional<Language> installedLanguage()
{
    return installed.language;
}

std::string helpFileIn(const std::string &helpFile, std::optional<Language> language)
{
    const std::size_t dot = helpFile.rfind('.');
    if (language != Language::English || dot == std::string::npos)
        return helpFile;
    return helpFile.substr(0, dot) + ".en" + helpFile.substr(dot);
}

std::string translated(const char *context, const std::string &text)
{
    const Translation translation = installed.translation;
    return translation && !text.empty() ? translation(context, text) : text;
}

std::string translatedPattern(const char *context, const std::string &pattern,
                              const std::vector<std::string> &arguments)
{
    const std::string translation = translated(context, pattern);
    std::string text;
    for (std::size_t i = 0; i < translation.size(); ++i) {
        const char next = i + 1 < translation.size() ? translation[i + 1] : '\0';
        const std::size_t place = static_cast<std::size_t>(next - '1');
        if (translation[i] == '%' && next >= '1' && next <= '9' && place < arguments.size()) {
            text += arguments[place];
            ++i;
        } else {
            text += translation[i];
        }
    }
    return text;
}

std::string translatedMessage(const mechanics::Message &message)
{
    if (message.verbatim || !installed.translation)
        return message.text();
    std::vector<std::string> arguments;
    for (const mechanics::Message &argument : message.arguments)
        arguments.push_back(translatedMessage(argument));
    return translatedPattern("Reason", message.pattern, arguments);
}

std::string translatedCaption(const std::string &caption, const char *context)
{
    if (!installed.translation)
        return caption;
    // The symbol is what follows the last " (" up to the closing bracket at the end.
    const std::size_t open = caption.rfind(" (");
    if (open == std::string::npos || caption.back() != ')')
        return translated(context, caption);
    return translated(context, caption.substr(0, open)) + caption.substr(open);
}

}  // namespace shell
