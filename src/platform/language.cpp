#include "text/language.h"
#include "text/translate.h"

#include <QCoreApplication>
#include <QTranslator>

namespace terzlab::text {

namespace {

// The compiled English catalogue lies in the program itself, so no install path can lose it.
QTranslator& englishCatalogue() {
    static QTranslator catalogue;
    return catalogue;
}

std::string translateWithCatalogue(const char* context, const char* source) {
    return englishCatalogue().translate(context, source).toStdString();
}

} // namespace

// Called once before the application object exists (for the command line's messages) and once
// after, so that Qt's own tr() speaks the language too.
bool InstallLanguage(Language language) {
    QTranslator& catalogue = englishCatalogue();
    if (language == Language::German) {
        setTranslator(nullptr);
        if (QCoreApplication::instance() != nullptr) QCoreApplication::removeTranslator(&catalogue);
        return true;
    }
    if (catalogue.isEmpty() && !catalogue.load(QStringLiteral(":/i18n/terzlab_en.qm")))
        return false;
    setTranslator(translateWithCatalogue);
    if (QCoreApplication::instance() != nullptr) QCoreApplication::installTranslator(&catalogue);
    return true;
}

} // namespace terzlab::text
