#include "guidance/instruction_text.h"

#include "text/translate.h"

namespace terzlab::guidance {

namespace {

// Each heading, sentence and paragraph is one text to translate; the line breaks that join
// them are the layout, the same in every language.
const std::string kNewLine = "\r\n";
const std::string kTwoLines = kNewLine + kNewLine;

const char* const kWiring = TZ_TRANSLATE_NOOP("Instructions", "Verkabelung:");
const char* const kPlugs = TZ_TRANSLATE_NOOP("Instructions", "Steckerbelegung:");

const char* const kAttention = TZ_TRANSLATE_NOOP("Instructions", "ACHTUNG:");
const char* const kWarning = TZ_TRANSLATE_NOOP(
    "Instructions",
    "Bitte beachten Sie, dass der Soundkarteneingang an der Abschirmung/Masse geerdet ist! Bei "
    "der Messung von Spannungen an ebenfalls geerdeten Geräten (z.B. Verstärker) kann es bei "
    "falscher Polung zu Kurzschlüssen kommen! Dadurch kann sowohl die Soundkarte als auch der "
    "Verstärker zerstört werden!");

const char* const kCompensation =
    TZ_TRANSLATE_NOOP("Instructions", "Kompensation von Frequenzgangfehlern:");

const char* const kCompensationOne = TZ_TRANSLATE_NOOP(
    "Instructions",
    "Um mögliche Frequenzgangfehler der gesamten Messkette zu kompensieren sollten Sie mit den "
    "aktuellen Einstellungen (Messungsart, Auflösung, Mixereinstellung und gewähltem Eingang) "
    "vorab eine Spannungsmessung durchführen und z.B. unter dem Namen 'LineTmp' abspeichern. "
    "Wenn Sie diese Messung dann als Referenzmessung laden, werden alle aktuellen "
    "Frequenzgangfehler numerisch kompensiert.");

const char* const kCompensationTwo = TZ_TRANSLATE_NOOP(
    "Instructions",
    "Sofern beide Signale wie oben beschrieben angeschlossen sind werden mögliche "
    "Frequenzgangfehler der gesamten Messkette automatisch kompensiert. Das Ergebnis hängt "
    "allerdings auch von der Stellung des Balancereglers des LINE-Eingangs am Mixer bzw. von "
    "externen Abschwächern ab!");

const char* const kCompensationImpedance = TZ_TRANSLATE_NOOP(
    "Instructions",
    "Im Verlauf der 2-stufigen Impedanzmessung heben sich mögliche Frequenzgangfehler der "
    "gesamten Messkette gegenseitig auf. Zwischen den beiden Teilmessungen darf jedoch keinerlei "
    "Veränderung der Lautstärke vorgenommen werden!");

const char* const kCompensationPolarity = TZ_TRANSLATE_NOOP(
    "Instructions",
    "Es wird das Zeitsignal wie gemessen angezeigt. Mögliche Frequenzgangfehler werden nicht "
    "korrigiert, da bei dieser Messung lediglich die Polarität gecheckt werden soll!");

const char* const kSensor = TZ_TRANSLATE_NOOP(
    "Instructions",
    "Stammt das Antwortsignal von einem Sensor (z.B. Mikrofon), dann kann dessen Frequenzgang "
    "durch Laden einer Kompensationsdatei ggf. zusätzlich korrigiert werden.");

const char* const kNoteHead = TZ_TRANSLATE_NOOP("Instructions", "HINWEIS:");
const char* const kNote =
    TZ_TRANSLATE_NOOP("Instructions", "Nicht normgerechte Messabstände oder Anregungspegel oder "
                                      "bekannte Pegelabschwächungen können im Menüpunkt "
                                      "'Pegel/Messabstand/-pegel' kompensiert werden.");

const char* const kSetUp = TZ_TRANSLATE_NOOP("Instructions", "Messaufbau:");
const char* const kGroundIsBlack = TZ_TRANSLATE_NOOP("Instructions", "(schwarz=Masse)");

// Follows the first sentence of both two-channel modes.
const char* const kLineInput = TZ_TRANSLATE_NOOP(
    "Instructions",
    "Beide Signale MÜSSEN am LINE-Eingang angeschlossen werden, da der MIC-Eingang nur Mono "
    "misst und das dort eingespeiste Signal ansonsten automatisch auf beide Kanäle gleichmäßig "
    "verteilt! Bitte schließen Sie die Signale entsprechend an!");

std::string said(const char* source) {
    return text::translate("Instructions", source);
}

// A sentence whose %1 names the measured channel.
std::string onChannel(const char* pattern, bool left) {
    const char* word = left ? TZ_TRANSLATE_NOOP("Instructions", "linken")
                            : TZ_TRANSLATE_NOOP("Instructions", "rechten");
    return text::arg(said(pattern), {said(word)});
}

std::string section(const char* heading, const char* body) {
    return said(heading) + kNewLine + said(body);
}

std::string wiring(const std::string& connection) {
    return said(kWiring) + kNewLine + connection;
}

std::string plugsAndWarning() {
    return kTwoLines + said(kPlugs) + kTwoLines + section(kAttention, kWarning) + kTwoLines;
}

std::string setUp() {
    return section(kSetUp, kGroundIsBlack);
}

std::string oneSignal(bool left) {
    return wiring(
        onChannel(TZ_TRANSLATE_NOOP("Instructions", "Das Signal am %1 Kanal wird gemessen. Bitte "
                                                    "schließen Sie das Signal entsprechend an!"),
                  left));
}

std::string twoSignals(const char* expected) {
    return wiring(said(expected) + " " + said(kLineInput)) + plugsAndWarning() +
           section(kCompensation, kCompensationTwo);
}

std::string twoChannelLevel() {
    return twoSignals(TZ_TRANSLATE_NOOP(
               "Instructions",
               "Das Anregungssignal (z.B. Verstärkerausgang) wird am rechten Kanal erwartet, das "
               "Antwortsignal (z.B. Mikrofon) am linken Kanal.")) +
           kNewLine + said(kSensor) + kTwoLines + setUp();
}

std::string oneChannelImpedance(bool left, int part) {
    const char* across =
        part == 2
            ? TZ_TRANSLATE_NOOP("Instructions", "Im 2. Teil der Messung wird die Spannung über der "
                                                "unbekannten Impedanz am %1 Kanal gemessen. Bitte "
                                                "schließen Sie die Signale entsprechend an!")
            : TZ_TRANSLATE_NOOP("Instructions", "Im 1. Teil der Messung wird die Spannung über dem "
                                                "Vorwiderstand Rvor am %1 Kanal gemessen. Bitte "
                                                "schließen Sie die Signale entsprechend an!");
    return wiring(onChannel(across, left)) + plugsAndWarning() +
           section(kCompensation, kCompensationImpedance) + kTwoLines + setUp();
}

std::string twoChannelImpedance() {
    return twoSignals(TZ_TRANSLATE_NOOP(
               "Instructions",
               "Das Anregungssignal (z.B. Verstärkerausgang) wird am rechten Kanal erwartet, das "
               "Antwortsignal (Spannung über unbekannter Impedanz) am linken Kanal.")) +
           kTwoLines + setUp();
}

std::string calibrationSignal(bool left) {
    return wiring(onChannel(
               TZ_TRANSLATE_NOOP("Instructions",
                                 "Bitte speisen Sie das Kalibriersignal am %1 Kanal ein!"),
               left)) +
           kTwoLines + kNewLine + said(kPlugs) + kTwoLines + section(kAttention, kWarning);
}

} // namespace

std::string InstructionText(const InstructionInputs& inputs) {
    const bool left = inputs.leftChannel;
    switch (inputs.mode) {
    case 0:
        return oneSignal(left) + plugsAndWarning() + section(kCompensation, kCompensationOne) +
               kNewLine + said(kSensor) + kTwoLines + section(kNoteHead, kNote);
    case 1:
        return twoChannelLevel();
    case 2:
        return oneSignal(left) + plugsAndWarning() + section(kCompensation, kCompensationPolarity);
    case 3:
        return oneChannelImpedance(left, inputs.impedancePart);
    case 4:
        return twoChannelImpedance();
    case 5:
        return calibrationSignal(left);
    default:
        return {};
    }
}

} // namespace terzlab::guidance
