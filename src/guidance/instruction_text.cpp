#include "guidance/instruction_text.h"

namespace terzlab::guidance {

namespace {

const std::string kNewLine = "\r\n";
const std::string kTwoLines = kNewLine + kNewLine;

const std::string kHeading = "Verkabelung:" + kNewLine;
const std::string kPlugs = "Steckerbelegung:";

const std::string kWarning =
    "ACHTUNG:" + kNewLine +
    "Bitte beachten Sie, dass der Soundkarteneingang an der Abschirmung/Masse geerdet ist! Bei "
    "der Messung von Spannungen an ebenfalls geerdeten Geräten (z.B. Verstärker) kann es bei "
    "falscher Polung zu Kurzschlüssen kommen! Dadurch kann sowohl die Soundkarte als auch der "
    "Verstärker zerstört werden!";

const std::string kCompensationHead = "Kompensation von Frequenzgangfehlern:" + kNewLine;

const std::string kCompensationOne =
    kCompensationHead +
    "Um mögliche Frequenzgangfehler der gesamten Messkette zu kompensieren sollten Sie mit den "
    "aktuellen Einstellungen (Messungsart, Auflösung, Mixereinstellung und gewähltem Eingang) "
    "vorab eine Spannungsmessung durchführen und z.B. unter dem Namen 'LineTmp' abspeichern. "
    "Wenn Sie diese Messung dann als Referenzmessung laden, werden alle aktuellen "
    "Frequenzgangfehler numerisch kompensiert.";

const std::string kCompensationTwo =
    kCompensationHead +
    "Sofern beide Signale wie oben beschrieben angeschlossen sind werden mögliche "
    "Frequenzgangfehler der gesamten Messkette automatisch kompensiert. Das Ergebnis hängt "
    "allerdings auch von der Stellung des Balancereglers des LINE-Eingangs am Mixer bzw. von "
    "externen Abschwächern ab!";

const std::string kCompensationImpedance =
    kCompensationHead +
    "Im Verlauf der 2-stufigen Impedanzmessung heben sich mögliche Frequenzgangfehler der "
    "gesamten Messkette gegenseitig auf. Zwischen den beiden Teilmessungen darf jedoch keinerlei "
    "Veränderung der Lautstärke vorgenommen werden!";

const std::string kCompensationPolarity =
    kCompensationHead +
    "Es wird das Zeitsignal wie gemessen angezeigt. Mögliche Frequenzgangfehler werden nicht "
    "korrigiert, da bei dieser Messung lediglich die Polarität gecheckt werden soll!";

const std::string kSensor =
    "Stammt das Antwortsignal von einem Sensor (z.B. Mikrofon), dann kann dessen Frequenzgang "
    "durch Laden einer Kompensationsdatei ggf. zusätzlich korrigiert werden.";

const std::string kNote = "HINWEIS:" + kNewLine +
                          "Nicht normgerechte Messabstände oder Anregungspegel oder bekannte "
                          "Pegelabschwächungen können im Menüpunkt 'Pegel/Messabstand/-pegel' "
                          "kompensiert werden.";

const std::string kSetUp = "Messaufbau:" + kNewLine + "(schwarz=Masse)";

// Shared by both two-channel modes after "Beide Signale MÜSSEN am ".
const std::string kLineInput =
    "LINE-Eingang angeschlossen werden, da der MIC-Eingang nur Mono misst und das dort "
    "eingespeiste Signal ansonsten automatisch auf beide Kanäle gleichmäßig verteilt! Bitte "
    "schließen Sie die Signale entsprechend an!";

const std::string kPlugsAndWarning = kTwoLines + kPlugs + kTwoLines + kWarning + kTwoLines;

std::string channelWord(bool left) {
    return left ? "linken" : "rechten";
}

std::string oneSignal(bool left) {
    return kHeading + "Das Signal am " + channelWord(left) +
           " Kanal wird gemessen. Bitte schließen Sie das Signal entsprechend an!";
}

std::string twoChannelLevel() {
    return kHeading +
           "Das Anregungssignal (z.B. Verstärkerausgang) wird am rechten Kanal erwartet, das "
           "Antwortsignal (z.B. Mikrofon) am linken Kanal. Beide Signale MÜSSEN am " +
           kLineInput + kPlugsAndWarning + kCompensationTwo + kNewLine + kSensor + kTwoLines +
           kSetUp;
}

std::string oneChannelImpedance(bool left, int part) {
    const std::string across = part == 2 ? "Im 2. Teil der Messung wird die Spannung über der "
                                           "unbekannten Impedanz am "
                                         : "Im 1. Teil der Messung wird die Spannung über dem "
                                           "Vorwiderstand Rvor am ";
    return kHeading + across + channelWord(left) +
           " Kanal gemessen. Bitte schließen Sie die Signale entsprechend an!" + kPlugsAndWarning +
           kCompensationImpedance + kTwoLines + kSetUp;
}

std::string twoChannelImpedance() {
    return kHeading +
           "Das Anregungssignal (z.B. Verstärkerausgang) wird am rechten Kanal erwartet, das "
           "Antwortsignal (Spannung über unbekannter Impedanz) am linken Kanal. Beide Signale "
           "MÜSSEN am " +
           kLineInput + kPlugsAndWarning + kCompensationTwo + kTwoLines + kSetUp;
}

} // namespace

std::string InstructionText(const InstructionInputs& inputs) {
    const bool left = inputs.leftChannel;
    switch (inputs.mode) {
    case 0:
        return oneSignal(left) + kPlugsAndWarning + kCompensationOne + kNewLine + kSensor +
               kTwoLines + kNote;
    case 1:
        return twoChannelLevel();
    case 2:
        return oneSignal(left) + kPlugsAndWarning + kCompensationPolarity;
    case 3:
        return oneChannelImpedance(left, inputs.impedancePart);
    case 4:
        return twoChannelImpedance();
    case 5:
        return kHeading + "Bitte speisen Sie das Kalibriersignal am " + channelWord(left) +
               " Kanal ein!" + kTwoLines + kNewLine + kPlugs + kTwoLines + kWarning;
    default:
        return {};
    }
}

} // namespace terzlab::guidance
