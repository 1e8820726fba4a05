#include "app/start.h"

#include "app/frm_main.h"
#include "audio/virtual/virtual_card.h"
#include "guidance/frm_help.h"
#include "platform/key_state.h"
#include "platform/services.h"
#include "text/translate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>

namespace terzlab::app {

namespace {

// The command line speaks before the application object exists, so before Qt's tr() could.
QString translate(const char* context, const char* source) {
    return QString::fromStdString(text::translate(context, source));
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--virtual")) {
            result.virtualCard = true;
        } else if (argument == QLatin1String("--measure")) {
            result.measure = true;
        } else if (argument == QLatin1String("--thiele-small")) {
            result.thieleSmall = true;
        } else if (argument == QLatin1String("--added-mass")) {
            bool number = false;
            const double grams = i + 1 < arguments.size() ? arguments[i + 1].toDouble(&number) : 0;
            if (!number || !(grams > 0.0) || grams > 10000.0) {
                result.error = translate("CommandLine", "--added-mass braucht eine Masse in Gramm "
                                                        "(über 0 bis 10000).");
                return result;
            }
            result.addedMassGrams = grams;
            ++i;
        } else if (argument == QLatin1String("--distance")) {
            bool number = false;
            const double metres = i + 1 < arguments.size() ? arguments[i + 1].toDouble(&number) : 0;
            if (!number || !(metres >= 0.0) || metres > 100.0) {
                result.error = translate("CommandLine",
                                         "--distance braucht einen Abstand in Metern (0 bis 100).");
                return result;
            }
            result.distanceM = metres;
            ++i;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            result.help = true;
        } else if (argument == QLatin1String("--version")) {
            result.version = true;
        } else if (argument == QLatin1String("--screenshot")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--"))) {
                result.error =
                    translate("CommandLine", "--screenshot braucht einen Dateinamen (PNG).");
                return result;
            }
            result.screenshot = arguments[++i];
        } else if (argument == QLatin1String("--lang")) {
            result.language = text::ParseLanguage(
                i + 1 < arguments.size() ? arguments[++i].toStdString() : std::string());
            if (!result.language) {
                result.error = translate("CommandLine", "--lang braucht de oder en.");
                return result;
            }
        } else {
            result.error = translate("CommandLine", "Unbekannte Option: %1").arg(argument);
            return result;
        }
    }
    if (result.measure && result.screenshot.isEmpty())
        result.error = translate("CommandLine", "--measure gilt nur zusammen mit --screenshot.");
    if (result.thieleSmall && !result.measure)
        result.error =
            translate("CommandLine", "--thiele-small gilt nur zusammen mit --screenshot und "
                                     "--measure.");
    if (result.addedMassGrams > 0.0 && !result.virtualCard)
        result.error = translate("CommandLine", "--added-mass gilt nur zusammen mit --virtual.");
    if (result.distanceM > 0.0 && !result.virtualCard)
        result.error = translate("CommandLine", "--distance gilt nur zusammen mit --virtual.");
    return result;
}

QString usageText() {
    return translate(
        "CommandLine",
        "Aufruf: terzlab [Optionen]\n"
        "  --virtual              virtuelle Soundkarte verwenden, auch wenn echte Geräte da sind\n"
        "  --screenshot DATEI.png starten, Informationsfenster bestätigen, Hauptfenster als Bild\n"
        "                         speichern und beenden\n"
        "  --measure              (mit --screenshot) vorher eine Messung durchführen\n"
        "  --thiele-small         (mit --measure) den Dialog Thiele-Small-Parameter mit ins Bild\n"
        "  --added-mass GRAMM     (mit --virtual) Zusatzmasse auf der Membran des virtuellen\n"
        "                         Lautsprechers, für die Zusatzmassen-Methode\n"
        "  --distance METER       (mit --virtual) Abstand des virtuellen Mikrofons vom\n"
        "                         Lautsprecher: der Schall kommt so viel später an\n"
        "  --lang de|en           Sprache der Oberfläche (gemerkt wird sie über das Menü Hilfe)\n"
        "  --help                 diese Übersicht\n"
        "  --version              die Version\n");
}

namespace {

bool isSet(const char* name) {
    return !qEnvironmentVariableIsEmpty(name);
}

} // namespace

QString prepareDisplay(const CommandLine& commandLine) {
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM")) return {};
    if (!commandLine.screenshot.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return {};
    }
    return translate("CommandLine",
                     "Terzlab braucht einen Bildschirm (DISPLAY oder WAYLAND_DISPLAY); ohne "
                     "Bildschirm läuft es offscreen mit: terzlab --screenshot DATEI.png "
                     "[--measure]");
}

text::Language startLanguage(const CommandLine& commandLine, const QString& executablePath) {
    Settings stored;
    const Locations places =
        FindLocations(programFolderOf(executablePath), UserFoldersFromEnvironment());
    ReadSettings(places.settingsFile, stored);
    return text::ChooseLanguage(commandLine.language, stored.UiLanguage,
                                text::MessageLocaleFromEnvironment());
}

std::string programFolderOf(const QString& executablePath) {
    QString folder = QDir::cleanPath(QFileInfo(executablePath).absolutePath());
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    return folder.toStdString();
}

Settings startSettings(const std::string& settingsFile, platform::MessageService& messages) {
    Settings settings;
    ReadSettings(settingsFile, settings);
    ConfirmStoredCalibration(settings, messages, QLocale().decimalPoint().toStdString());
    settings.LevelCorr = Settings{}.LevelCorr;
    return settings;
}

void loadStoredCurves(frmMain& window, const Settings& settings,
                      platform::MessageService& messages) {
    LoadStoredCurves(window.dispOct(), settings, window.curveLastBand(), messages);
    window.loadStoredComparisons(settings);
}

} // namespace terzlab::app
