#pragma once
// Every text a person reads passes through here, so that the program can speak English beside
// German. German is the source language: without a translator, a text comes back as written,
// byte for byte. The modules that stay free of Qt cannot reach Qt's translator, so the platform
// layer hands one in at start, before any other thread runs; the translation tools find the
// texts by the name translate() and by the marker below.
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text in a table for the translation tools; whoever shows it passes it through
// translate() with the same context.
#define TZ_TRANSLATE_NOOP(context, source) source

namespace terzlab::text {

// Returns the translation, or an empty string where there is none.
using Translator = std::string (*)(const char* context, const char* source);

void setTranslator(Translator translator);

// Whether a translator is set, that is, whether the program speaks other than German.
bool translating();

// context and source are UTF-8 literals; the result is UTF-8.
std::string translate(const char* context, const char* source);

// "%1" to "%9" replaced by the values, so that a translation may order them otherwise.
std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values);

// A number to fill into a message: fixed point with `digits` decimals and the point, as the
// files write it ("?" for a value that has no such form).
std::string fixed(double value, int digits);

} // namespace terzlab::text
