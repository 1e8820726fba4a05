#include "text/language.h"

#include <cstdlib>

namespace terzlab::text {

std::optional<Language> ParseLanguage(std::string_view code) {
    if (code == "de") return Language::German;
    if (code == "en") return Language::English;
    return std::nullopt;
}

std::string_view LanguageCode(Language language) {
    return language == Language::German ? "de" : "en";
}

Language LanguageOfLocale(std::string_view localeName) {
    const bool german =
        localeName.substr(0, 2) == "de" && (localeName.size() == 2 || localeName[2] == '_' ||
                                            localeName[2] == '.' || localeName[2] == '@');
    return german ? Language::German : Language::English;
}

std::string MessageLocaleFromEnvironment() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return {};
}

Language LanguageOfEnvironment() {
    return LanguageOfLocale(MessageLocaleFromEnvironment());
}

Language ChooseLanguage(std::optional<Language> commandLine, std::optional<Language> stored,
                        std::string_view localeName) {
    if (commandLine) return *commandLine;
    if (stored) return *stored;
    return LanguageOfLocale(localeName);
}

} // namespace terzlab::text
