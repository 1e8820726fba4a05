#include "app/start.h"

#include "app/frm_main.h"
#include "audio/virtual/virtual_card.h"
#include "guidance/frm_help.h"
#include "platform/key_state.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>

namespace terzlab::app {

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
                result.error = QStringLiteral("--added-mass braucht eine Masse in Gramm "
                                              "(über 0 bis 10000).");
                return result;
            }
            result.addedMassGrams = grams;
            ++i;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            result.help = true;
        } else if (argument == QLatin1String("--screenshot")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--"))) {
                result.error = QStringLiteral("--screenshot braucht einen Dateinamen (PNG).");
                return result;
            }
            result.screenshot = arguments[++i];
        } else {
            result.error = QStringLiteral("Unbekannte Option: ") + argument;
            return result;
        }
    }
    if (result.measure && result.screenshot.isEmpty())
        result.error = QStringLiteral("--measure gilt nur zusammen mit --screenshot.");
    if (result.thieleSmall && !result.measure)
        result.error = QStringLiteral("--thiele-small gilt nur zusammen mit --screenshot und "
                                      "--measure.");
    if (result.addedMassGrams > 0.0 && !result.virtualCard)
        result.error = QStringLiteral("--added-mass gilt nur zusammen mit --virtual.");
    return result;
}

QString usageText() {
    return QStringLiteral(
        "Aufruf: terzlab [Optionen]\n"
        "  --virtual              virtuelle Soundkarte verwenden, auch wenn echte Geräte da sind\n"
        "  --screenshot DATEI.png starten, Informationsfenster bestätigen, Hauptfenster als Bild\n"
        "                         speichern und beenden\n"
        "  --measure              (mit --screenshot) vorher eine Messung durchführen\n"
        "  --thiele-small         (mit --measure) den Dialog Thiele-Small-Parameter mit ins Bild\n"
        "  --added-mass GRAMM     (mit --virtual) Zusatzmasse auf der Membran des virtuellen\n"
        "                         Lautsprechers, für die Zusatzmassen-Methode\n"
        "  --help                 diese Übersicht\n");
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
    return QStringLiteral("Terzlab braucht einen Bildschirm (DISPLAY oder WAYLAND_DISPLAY); ohne "
                          "Bildschirm läuft es offscreen mit: terzlab --screenshot DATEI.png "
                          "[--measure]");
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
