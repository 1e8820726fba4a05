#include "text/translate.h"

#include <charconv>

#include <atomic>

namespace terzlab::text {

namespace {

std::atomic<Translator> activeTranslator{nullptr};

} // namespace

void setTranslator(Translator translator) {
    activeTranslator.store(translator);
}

bool translating() {
    return activeTranslator.load() != nullptr;
}

std::string translate(const char* context, const char* source) {
    const Translator translator = activeTranslator.load();
    if (translator == nullptr) return source;
    std::string translated = translator(context, source);
    return translated.empty() ? std::string(source) : translated;
}

std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t index = static_cast<size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out += values.begin()[index];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string fixed(double value, int digits) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, digits);
    return end.ec == std::errc() ? std::string(text, end.ptr) : std::string("?");
}

} // namespace terzlab::text
