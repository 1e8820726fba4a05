#pragma once
// The language of the user interface and of the tools' messages: German for a German locale,
// English for every other, unless the user chose one explicitly.
#include <optional>
#include <string>
#include <string_view>

namespace terzlab::text {

enum class Language { German, English };

// "de" or "en"; anything else is no language.
std::optional<Language> ParseLanguage(std::string_view code);
std::string_view LanguageCode(Language language);

// German for "de" and "de_*" (de_DE.UTF-8, de_AT, ...), English for every other name.
Language LanguageOfLocale(std::string_view localeName);

// The locale that governs messages, as POSIX orders it: LC_ALL, LC_MESSAGES, LANG.
std::string MessageLocaleFromEnvironment();

// The language the environment's locale asks for.
Language LanguageOfEnvironment();

// The command line's choice before the stored one, and either before the locale.
Language ChooseLanguage(std::optional<Language> commandLine, std::optional<Language> stored,
                        std::string_view localeName);

// Makes translate() and Qt's tr() speak the language (German needs nothing). False when the
// English catalogue is missing; the texts then stay German.
bool InstallLanguage(Language language);

} // namespace terzlab::text
