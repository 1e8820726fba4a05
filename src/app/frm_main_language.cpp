// The choice of language under "Hilfe": it is remembered in the settings file and takes effect
// at the next start, because every caption is set once, as the window is built.
#include "app/frm_main.h"

#include "text/translate.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace terzlab::app {

void frmMain::buildLanguageCommands() {
    QMenu* menu = mnuHelp->addMenu(tr("&Sprache"));
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(menu);
    const text::Language running =
        text::translating() ? text::Language::English : text::Language::German;
    // Each language is named in itself, so that it can be found whichever is running.
    for (const auto& [language, name] : {std::pair{text::Language::German, "Deutsch"},
                                         std::pair{text::Language::English, "English"}}) {
        QAction* item = menu->addAction(QString::fromLatin1(name));
        item->setObjectName(QStringLiteral("mnuLanguage_") +
                            QString::fromLatin1(text::LanguageCode(language).data()));
        item->setCheckable(true);
        item->setChecked(language == running);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
    }
}

void frmMain::chooseLanguage(text::Language language) {
    settings_.UiLanguage = language;
    services_.messages->show(tr("Die gewählte Sprache gilt ab dem nächsten Start von Terzlab."),
                             platform::MsgButtons::Ok, platform::MsgIcon::Information, QString());
}

} // namespace terzlab::app
