#include "guidance/help_pages.h"

#include "text/translate.h"

namespace terzlab::guidance {

namespace {

const std::string kNewLine = "\r\n";
const char* const kStart = TZ_TRANSLATE_NOOP("HelpPages", "Messung &Start");
const char* const kNo = TZ_TRANSLATE_NOOP("HelpPages", "nein");
const char* const kSixteenK = TZ_TRANSLATE_NOOP("HelpPages", "16384 Werte");

// What the user starts on the measurement CD for the test signal pages 10 to 14.
struct TestSignal {
    const char* request;
    const char* trackData;
    const char* window;
};

const TestSignal kTestSignals[] = {
    {TZ_TRANSLATE_NOOP("HelpPages", "Bitte starten Sie das Pseudo-Rauschen\r\nvon der Mess-CD!"),
     kSixteenK, kNo},
    {TZ_TRANSLATE_NOOP("HelpPages", "Bitte starten Sie das Zufalls-Rauschen\r\nvon der Mess-CD!"),
     TZ_TRANSLATE_NOOP("HelpPages", "beliebig"), TZ_TRANSLATE_NOOP("HelpPages", "Hanning")},
    {TZ_TRANSLATE_NOOP("HelpPages", "Bitte starten Sie die Pulsfolge\r\nvon der Mess-CD"),
     TZ_TRANSLATE_NOOP("HelpPages", "8192 Werte, davon 256 ON"), kNo},
    {TZ_TRANSLATE_NOOP("HelpPages", "Bitte starten Sie das Multi-Sinus-Signal\r\nvon der Mess-CD"),
     TZ_TRANSLATE_NOOP("HelpPages", "65536 Werte"), kNo},
};

std::string said(const char* source) {
    return text::translate("HelpPages", source);
}

// "Label: value" with both parts translated.
std::string line(const char* pattern, const char* value) {
    return text::arg(said(pattern), {said(value)});
}

HelpPage testSignal(const TestSignal& signal) {
    return {said(TZ_TRANSLATE_NOOP("HelpPages", "Manueller Start des Testsignals")), "",
            said(signal.request) + kNewLine + kNewLine +
                line(TZ_TRANSLATE_NOOP("HelpPages", "Spezifikation: %1"), signal.trackData) +
                kNewLine + line(TZ_TRANSLATE_NOOP("HelpPages", "Zeitfenster: %1"), signal.window),
            said(kStart), HelpIcon::Information};
}

HelpPage generalNotes() {
    return {said(TZ_TRANSLATE_NOOP("HelpPages", "Generelle Hinweise")), "",
            said(TZ_TRANSLATE_NOOP("HelpPages", "Die Liste der verfügbaren\r\n"
                                                "Aufnahme- und Wiedergabegeräte\r\n"
                                                "wird nur während des Programmstarts ermittelt\r\n"
                                                "-> ggf. Programm neu starten!")) +
                kNewLine + kNewLine +
                said(TZ_TRANSLATE_NOOP("HelpPages",
                                       "Zur Wiedergabe kann nur das Standardgerät verwendet "
                                       "werden\r\n(oberste Position in der Geräteliste)")),
            "OK", HelpIcon::Information};
}

HelpPage calibrationSignal(bool lowSine) {
    return {said(TZ_TRANSLATE_NOOP("HelpPages", "Manueller Start des Kalibriersignals")), "",
            said(TZ_TRANSLATE_NOOP("HelpPages",
                                   "Bitte starten Sie das Sinus-Signal\r\nvon der Mess-CD")) +
                kNewLine + kNewLine +
                text::arg(said(TZ_TRANSLATE_NOOP("HelpPages", "Frequenz: %1")),
                          {lowSine ? "50 Hz" : "1000 Hz"}) +
                kNewLine + line(TZ_TRANSLATE_NOOP("HelpPages", "Analyse: %1"), kSixteenK) +
                kNewLine +
                line(TZ_TRANSLATE_NOOP("HelpPages", "Zeitfenster: %1"),
                     TZ_TRANSLATE_NOOP("HelpPages", "ja")),
            "OK", HelpIcon::Information};
}

} // namespace

std::optional<HelpPage> HelpPageFor(int page, bool calibrationLowSine) {
    switch (page) {
    case 1:
        return generalNotes();
    case kOverloadPage:
        return HelpPage{said(TZ_TRANSLATE_NOOP("HelpPages", "Warnung")),
                        said(TZ_TRANSLATE_NOOP("HelpPages", "Messung übersteuert!")), "", "OK",
                        HelpIcon::Warning};
    case 10:
    case 11:
    case 12:
    case 13:
        return testSignal(kTestSignals[page - kTestSignalPageBase]);
    case 14: // the multi-sine, as page 13
        return testSignal(kTestSignals[3]);
    case kCalibrationSignalPage:
        return calibrationSignal(calibrationLowSine);
    default:
        return std::nullopt;
    }
}

} // namespace terzlab::guidance
