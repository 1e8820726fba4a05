// The choice of language and the door every text passes through.
#include "text/language.h"
#include "text/translate.h"

#include <gtest/gtest.h>

namespace terzlab::text {

namespace {

TEST(Language, TheLocaleDecidesUnlessTheUserChose) {
    using enum Language;
    const struct {
        const char* locale;
        std::optional<Language> commandLine, stored;
        Language chosen;
    } rows[] = {
        {"de_DE.UTF-8", {}, {}, German},
        {"de_AT", {}, {}, German},
        {"de", {}, {}, German},
        {"de.UTF-8", {}, {}, German},
        {"en_US.UTF-8", {}, {}, English},
        {"C.UTF-8", {}, {}, English},
        {"", {}, {}, English},
        {"dex_XY", {}, {}, English},
        {"fr_FR", {}, German, German},
        {"de_DE", {}, English, English},
        {"de_DE", English, German, English},
        {"en_GB", German, English, German},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ChooseLanguage(row.commandLine, row.stored, row.locale), row.chosen)
            << row.locale;
    EXPECT_EQ(ParseLanguage("en"), English);
    EXPECT_EQ(ParseLanguage("EN"), std::nullopt);
    EXPECT_EQ(LanguageCode(German), "de");
}

std::string shout(const char*, const char* source) {
    return std::string(source) == "Pegel" ? "LEVEL" : "";
}

// A text without a translation comes back as written; values may change their order.
TEST(Translate, FallsBackToTheSourceAndFillsValuesInAnyOrder) {
    EXPECT_EQ(translate("Ctx", "Pegel"), "Pegel");
    setTranslator(shout);
    EXPECT_EQ(translate("Ctx", "Pegel"), "LEVEL");
    EXPECT_EQ(translate("Ctx", "Größe"), "Größe");
    setTranslator(nullptr);
    EXPECT_EQ(arg("%2 von %1 (%3) 100%", {"a", "b"}), "b von a (%3) 100%");
    EXPECT_EQ(arg("%1%1%", {"x"}), "xx%");
}

} // namespace

} // namespace terzlab::text
