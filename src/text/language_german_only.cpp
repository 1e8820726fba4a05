#include "text/language.h"

namespace terzlab::text {

bool InstallLanguage(Language language) {
    return language == Language::German;
}

} // namespace terzlab::text
