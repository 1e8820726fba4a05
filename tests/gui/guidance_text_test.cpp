// The instruction texts, written out here as the user must read them, against what the
// dialog composes; and the key filter and range check behind every number field.
#include "calibration/numeric_input.h"
#include "guidance/instruction_text.h"

#include <gtest/gtest.h>

#include <string>

namespace terzlab::test {

namespace {

using guidance::InstructionText;

const std::string kWarning =
    "ACHTUNG:\r\nBitte beachten Sie, dass der Soundkarteneingang an der Abschirmung/Masse "
    "geerdet ist! Bei der Messung von Spannungen an ebenfalls geerdeten Geräten (z.B. "
    "Verstärker) kann es bei falscher Polung zu Kurzschlüssen kommen! Dadurch kann sowohl die "
    "Soundkarte als auch der Verstärker zerstört werden!";
const std::string kTwoChannels =
    "Kompensation von Frequenzgangfehlern:\r\nSofern beide Signale wie oben beschrieben "
    "angeschlossen sind werden mögliche Frequenzgangfehler der gesamten Messkette automatisch "
    "kompensiert. Das Ergebnis hängt allerdings auch von der Stellung des Balancereglers des "
    "LINE-Eingangs am Mixer bzw. von externen Abschwächern ab!";
const std::string kSensor = "Stammt das Antwortsignal von einem Sensor (z.B. Mikrofon), dann "
                            "kann dessen Frequenzgang durch Laden einer Kompensationsdatei ggf. "
                            "zusätzlich korrigiert werden.";
const std::string kLineIn =
    "Beide Signale MÜSSEN am LINE-Eingang angeschlossen werden, da der MIC-Eingang nur Mono "
    "misst und das dort eingespeiste Signal ansonsten automatisch auf beide Kanäle gleichmäßig "
    "verteilt! Bitte schließen Sie die Signale entsprechend an!";
const std::string kPlugs = "\r\n\r\nSteckerbelegung:\r\n\r\n" + kWarning + "\r\n\r\n";
const std::string kSetUp = "Messaufbau:\r\n(schwarz=Masse)";

std::string oneChannel(const std::string& word) {
    return "Verkabelung:\r\nDas Signal am " + word +
           " Kanal wird gemessen. Bitte schließen Sie das Signal entsprechend an!" + kPlugs;
}

TEST(InstructionText, OneChannelLevelAndPolarityNameTheActiveChannel) {
    const std::string level =
        "Kompensation von Frequenzgangfehlern:\r\nUm mögliche Frequenzgangfehler der gesamten "
        "Messkette zu kompensieren sollten Sie mit den aktuellen Einstellungen (Messungsart, "
        "Auflösung, Mixereinstellung und gewähltem Eingang) vorab eine Spannungsmessung "
        "durchführen und z.B. unter dem Namen 'LineTmp' abspeichern. Wenn Sie diese Messung "
        "dann als Referenzmessung laden, werden alle aktuellen Frequenzgangfehler numerisch "
        "kompensiert.\r\n" +
        kSensor +
        "\r\n\r\nHINWEIS:\r\nNicht normgerechte Messabstände oder Anregungspegel oder bekannte "
        "Pegelabschwächungen können im Menüpunkt 'Pegel/Messabstand/-pegel' kompensiert werden.";
    const std::string polarity =
        "Kompensation von Frequenzgangfehlern:\r\nEs wird das Zeitsignal wie gemessen angezeigt. "
        "Mögliche Frequenzgangfehler werden nicht korrigiert, da bei dieser Messung lediglich "
        "die Polarität gecheckt werden soll!";
    for (const bool left : {true, false}) {
        const std::string head = oneChannel(left ? "linken" : "rechten");
        EXPECT_EQ(InstructionText({0, left, 0}), head + level);
        EXPECT_EQ(InstructionText({2, left, 0}), head + polarity);
    }
}

TEST(InstructionText, TwoChannelModesKeepTheirFixedChannels) {
    const std::string level =
        "Verkabelung:\r\nDas Anregungssignal (z.B. Verstärkerausgang) wird am linken Kanal "
        "erwartet, das Antwortsignal (z.B. Mikrofon) am rechten Kanal. " +
        kLineIn + kPlugs + kTwoChannels + "\r\n" + kSensor + "\r\n\r\n" + kSetUp;
    const std::string impedance =
        "Verkabelung:\r\nDas Anregungssignal (z.B. Verstärkerausgang) wird am rechten Kanal "
        "erwartet, das Antwortsignal (Spannung über unbekannter Impedanz) am linken Kanal. " +
        kLineIn + kPlugs + kTwoChannels + "\r\n\r\n" + kSetUp;
    for (const bool left : {true, false}) {
        EXPECT_EQ(InstructionText({1, left, 0}), level);
        EXPECT_EQ(InstructionText({4, left, 0}), impedance);
    }
}

TEST(InstructionText, OneChannelImpedanceExplainsEachPartAndCalibrationHasNoCompensation) {
    const std::string rest =
        " Kanal gemessen. Bitte schließen Sie die Signale entsprechend an!" + kPlugs +
        "Kompensation von Frequenzgangfehlern:\r\nIm Verlauf der 2-stufigen Impedanzmessung "
        "heben sich mögliche Frequenzgangfehler der gesamten Messkette gegenseitig auf. Zwischen "
        "den beiden Teilmessungen darf jedoch keinerlei Veränderung der Lautstärke vorgenommen "
        "werden!\r\n\r\n" +
        kSetUp;
    const std::string first =
        "Verkabelung:\r\nIm 1. Teil der Messung wird die Spannung über dem Vorwiderstand Rvor am ";
    const std::string second = "Verkabelung:\r\nIm 2. Teil der Messung wird die Spannung über der "
                               "unbekannten Impedanz am ";
    const std::string tail = " Kanal ein!\r\n\r\n\r\nSteckerbelegung:\r\n\r\n" + kWarning;
    for (const bool left : {true, false}) {
        const std::string word = left ? "linken" : "rechten";
        EXPECT_EQ(InstructionText({3, left, 1}), first + word + rest);
        EXPECT_EQ(InstructionText({3, left, 2}), second + word + rest);
        // Calibration has three breaks before the plugs and no compensation paragraph.
        EXPECT_EQ(InstructionText({5, left, 0}),
                  "Verkabelung:\r\nBitte speisen Sie das Kalibriersignal am " + word + tail);
    }
    EXPECT_EQ(InstructionText({6, true, 0}), "");
    EXPECT_EQ(InstructionText({-1, true, 0}), "");
}

TEST(NumericInput, KeyFilterPassesOnlyWhatMakesANumber) {
    using calibration::FilterNumericKey;
    for (const int key : {8, int{'.'}, int{'0'}, int{'5'}, int{'9'}})
        EXPECT_EQ(FilterNumericKey(key, false), key);
    EXPECT_EQ(FilterNumericKey(',', false), '.');
    EXPECT_EQ(FilterNumericKey('-', false), 0);
    EXPECT_EQ(FilterNumericKey('-', true), '-');
    for (const int key : {int{'+'}, int{'e'}, int{'a'}, int{' '}, 13, 0xE4})
        EXPECT_EQ(FilterNumericKey(key, true), 0) << key;
}

TEST(NumericInput, RangeCheckIsInclusiveAndRefusesWhatIsNoNumber) {
    using calibration::CheckRange;
    for (const char* text : {"0.1", "100", "4,7", ".5"})
        EXPECT_TRUE(CheckRange(std::string_view(text), 0.1, 100.0)) << text;
    for (const char* text : {"0.05", "100.001"})
        EXPECT_FALSE(CheckRange(std::string_view(text), 0.1, 100.0)) << text;
    EXPECT_TRUE(CheckRange(std::string_view("-99.99"), -99.99, 99.99));
    for (const char* text : {"", ".", "-", "1.2.3", "1,2,3", "1e1", "12abc", " 5", "5 ", "inf"})
        EXPECT_FALSE(CheckRange(std::string_view(text), -1e9, 1e9)) << text;
}

} // namespace

} // namespace terzlab::test
