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
    return result;
}

QString usageText() {
    return QStringLiteral(
        "Aufruf: terzlab [Optionen]\n"
        "  --virtual              virtuelle Soundkarte verwenden, auch wenn echte Geräte da sind\n"
        "  --screenshot DATEI.png starten, Informationsfenster bestätigen, Hauptfenster als Bild\n"
        "                         speichern und beenden\n"
        "  --measure              (mit --screenshot) vorher eine Messung durchführen\n"
        "  --help                 diese Übersicht\n");
}

std::string programFolderOf(const QString& executablePath) {
    QString folder = QDir::cleanPath(QFileInfo(executablePath).absolutePath());
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    return folder.toStdString();
}

std::string settingsPathOf(const std::string& programFolder) {
    if (!programFolder.empty() && programFolder.back() == '/') return programFolder + "Terzlab.def";
    return programFolder + "/Terzlab.def";
}

void readSettings(Settings&, const std::string&) {}

void askCalibrationTakeover(Settings& settings, platform::MessageService& messages) {
    const char* channelNames[] = {"linken", "rechten"};
    for (int channel = 0; channel < 2; ++channel) {
        double& value = settings.CalibValue[static_cast<size_t>(channel)];
        if (value == 0.0) continue;
        const QString text =
            QStringLiteral("Gespeicherten Kalibrierwert für %1 Kanal von ")
                .arg(QLatin1String(channelNames[channel])) +
            QLocale().toString(value, 'f', 2) +
            QStringLiteral(" dB übernehmen?\r\n\r\nEine Übernahme macht nur dann Sinn, wenn sich "
                           "die Stellung\r\ndes Aufnahmemixers seit der Kalibrierung nicht "
                           "verändert hat!");
        if (messages.show(text, platform::MsgButtons::YesNo, platform::MsgIcon::Question,
                          QString()) == platform::MsgAnswer::No)
            value = 0.0;
    }
}

} // namespace terzlab::app
