#include "guidance/help_pages.h"

namespace terzlab::guidance {

namespace {

const std::string kNewLine = "\r\n";
const std::string kStart = "Messung &Start";
const std::string kManualStart = "Manueller Start des Testsignals";

HelpPage testSignal(const std::string& request, const std::string& trackData,
                    const std::string& window) {
    return {kManualStart, "",
            "Bitte starten Sie " + request + kNewLine + kNewLine + "Spezifikation: " + trackData +
                kNewLine + "Zeitfenster: " + window,
            kStart, HelpIcon::Information};
}

} // namespace

std::optional<HelpPage> HelpPageFor(int page, bool calibrationLowSine) {
    switch (page) {
    case 1:
        return HelpPage{"Generelle Hinweise", "",
                        "Die Liste der verfügbaren" + kNewLine + "Aufnahme- und Wiedergabegeräte" +
                            kNewLine + "wird nur während des Programmstarts ermittelt" + kNewLine +
                            "-> ggf. Programm neu starten!" + kNewLine + kNewLine +
                            "Zur Wiedergabe kann nur das Standardgerät verwendet werden" +
                            kNewLine + "(oberste Position in der Geräteliste)",
                        "OK", HelpIcon::Information};
    case kOverloadPage:
        return HelpPage{"Warnung", "Messung übersteuert!", "", "OK", HelpIcon::Warning};
    case 10:
        return testSignal("das Pseudo-Rauschen" + kNewLine + "von der Mess-CD!", "16384 Werte",
                          "nein");
    case 11:
        return testSignal("das Zufalls-Rauschen" + kNewLine + "von der Mess-CD!", "beliebig",
                          "Hanning");
    case 12:
        return testSignal("die Pulsfolge" + kNewLine + "von der Mess-CD",
                          "8192 Werte, davon 256 ON", "nein");
    case 13:
    case 14:
        return testSignal("das Multi-Sinus-Signal" + kNewLine + "von der Mess-CD", "65536 Werte",
                          "nein");
    case kCalibrationSignalPage:
        return HelpPage{"Manueller Start des Kalibriersignals", "",
                        "Bitte starten Sie das Sinus-Signal" + kNewLine + "von der Mess-CD" +
                            kNewLine + kNewLine +
                            "Frequenz: " + (calibrationLowSine ? "50 Hz" : "1000 Hz") + kNewLine +
                            "Analyse: 16384 Werte" + kNewLine + "Zeitfenster: ja",
                        "OK", HelpIcon::Information};
    default:
        return std::nullopt;
    }
}

} // namespace terzlab::guidance
