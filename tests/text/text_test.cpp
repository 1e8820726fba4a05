// The choice of language and the door every text passes through.
#include "text/language.h"
#include "text/translate.h"

#include <gtest/gtest.h>

namespace terzlab::text {

namespace {

std::string shout(const char*, const char* source) {
    return std::string(source) == "Pegel" ? "LEVEL" : "";
}

// The locale decides unless the user chose; a text without a translation comes back as
// written, and values may change their order.
TEST(Language, TheLocaleDecidesUnlessTheUserChoseAndTextsFallBackToGerman) {
    using enum Language;
    for (const char* german : {"de_DE.UTF-8", "de_AT", "de", "de.UTF-8"})
        EXPECT_EQ(ChooseLanguage({}, {}, german), German) << german;
    for (const char* other : {"en_US.UTF-8", "C.UTF-8", "", "dex_XY"})
        EXPECT_EQ(ChooseLanguage({}, {}, other), English) << other;
    // locale, command line, stored choice: the language
    const std::tuple<const char*, std::optional<Language>, std::optional<Language>, Language>
        chosen[] = {{"fr_FR", {}, German, German},
                    {"de_DE", {}, English, English},
                    {"de_DE", English, German, English},
                    {"en_GB", German, English, German}};
    for (const auto& [locale, commandLine, stored, language] : chosen)
        EXPECT_EQ(ChooseLanguage(commandLine, stored, locale), language) << locale;
    EXPECT_EQ(ParseLanguage("EN"), std::nullopt);
    setTranslator(shout);
    EXPECT_EQ(translate("Ctx", "Pegel") + translate("Ctx", "Größe"), "LEVELGröße");
    setTranslator(nullptr);
    EXPECT_EQ(translate("Ctx", "Pegel"), "Pegel");
    EXPECT_EQ(arg("%2 von %1 (%3) 100%", {"a", "b"}), "b von a (%3) 100%");
}

} // namespace

} // namespace terzlab::text
