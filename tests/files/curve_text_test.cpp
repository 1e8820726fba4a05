// Curves of other tools: messy files read whole, bad ones refused naming file and line, curves
// onto the band grid with the phase unwrapped, microphone files in the sensor slot.
#include "analysis/constants.h"
#include "files/curve_text.h"
#include "support.h"

#include <array>
#include <cstdlib>
#include <sstream>

namespace terzlab::test {
namespace {

// Per file in tests/data/curve_text_read.txt: the points read, the first one, the kind of curve
// and whether it has a phase.
TEST(CurveText, MessyFilesOfOtherToolsReadWhole) {
    std::ostringstream read;
    read.precision(12);
    for (const char* file :
         {"curve_frd_tabs_crlf_bom.frd", "curve_zma_blanks_no_phase.zma",
          "curve_csv_semicolon_decimal_comma.csv", "curve_csv_impedance_exponents.csv"}) {
        CurveText curve;
        std::string error;
        ASSERT_TRUE(ReadCurveText(kDataDir / file, curve, error)) << error;
        const CurveTextPoint& p = curve.Points.front();
        read << file << ": " << curve.Points.size() << " points, first " << p.Freq << " Hz "
             << p.Value << " phase " << p.Phase << ", "
             << std::array{"no kind", "level", "impedance"}.at(static_cast<size_t>(curve.Kind))
             << (curve.HasPhase ? " with" : " without") << " phase\n";
    }
    if (std::getenv("TERZLAB_WRITE_GOLDEN"))
        writeFile(kDataDir / "curve_text_read.txt", read.str());
    EXPECT_EQ(read.str(), readFile(kDataDir / "curve_text_read.txt"));
}

TEST(CurveText, ARefusalNamesFileAndLineAndLeavesTheSlotAsItWas) {
    const std::pair<const char*, const char*> cases[] = {
        {"curve_word_in_value.frd", "(Zeile 3: keine Zahl"},
        {"curve_falling_frequency.frd", "(Zeile 3: Frequenz nicht höher"},
        {"curve_comments_only.frd", "keine Kurve"},
        {"missing.frd", "fehlt oder ist nicht lesbar"},
    };
    for (const auto& [file, reason] : cases) {
        DispOct store;
        store.Curves[kComparisonSlot].CurveTitle = "before";
        RecordingMessages messages;
        EXPECT_FALSE(LoadCurveTextFile(store, kComparisonSlot, kDataDir / file, CurveKind::None,
                                       135, messages));
        const std::string shown = messages.only();
        EXPECT_TRUE(shown.find(reason) != std::string::npos &&
                    shown.find((kDataDir / file).string()) != std::string::npos)
            << shown;
        EXPECT_EQ(store.Curves[kComparisonSlot].CurveTitle, "before");
    }
}

// Points at 100, 200, 400, 800 Hz lie at bands 40, 52.04, 64.08, 76.12 of the grid.
TEST(CurveText, OnTheBandGridByLogFrequencyWithThePhaseUnwrapped) {
    DispOct store;
    RecordingMessages messages;
    ASSERT_TRUE(LoadCurveTextFile(store, kComparisonSlot, kDataDir / "curve_frd_tabs_crlf_bom.frd",
                                  CurveKind::Impedance, 135, messages));
    const StoredCurve& c = store.Curves[kComparisonSlot];
    EXPECT_EQ(std::tuple(c.CurveType, c.CurveTitle, c.CurveCount),
              std::tuple(kCurveLevel, "curve_frd_tabs_crlf_bom.frd", 136));
    EXPECT_TRUE(isNoValue(c.CurveAmp[39])) << "below the file's range";
    EXPECT_TRUE(isNoValue(c.CurveAmp[77])) << "above the file's range";
    EXPECT_FLOAT_EQ(c.CurveAmp[40], -3.0f);
    EXPECT_NEAR(c.CurveAmp[46], -2.0f, 0.01) << "halfway in log frequency";
    EXPECT_NEAR(std::fabs(c.CurvePhase[46]), 180.0f, 0.1) << "170 to -170 passes 180, not 0";
    EXPECT_NEAR(c.CurvePhase[70], -135.0f, 0.5);
}

// The file gives the microphone's response, which is subtracted; its sensitivity in dB re
// 1 V/Pa is the sensor offset with the sign turned.
TEST(CurveText, AMicrophoneFileIsTheSensorWithItsSensitivity) {
    const std::tuple<const char*, double, int, float> cases[] = {
        {"mic_sens_factor_line.txt", 1.23, 80, -1.23f},    // 0 dB at 1 kHz
        {"mic_star_1000hz_line.txt", 38.5, 40, 1 - 38.5f}, // +1 dB at 100 Hz
    };
    for (const auto& [file, offset, band, amp] : cases) {
        DispOct store;
        RecordingMessages messages;
        ASSERT_TRUE(LoadCurveTextFile(store, kSensorSlot, kDataDir / file, CurveKind::Level, 135,
                                      messages));
        EXPECT_NEAR(store.SensorOffset, offset, 1e-9) << file;
        EXPECT_EQ(store.Curves[kSensorSlot].CurveType, kCurveSensor);
        EXPECT_NEAR(store.Curves[kSensorSlot].CurveAmp[band], amp, 1e-4) << file;
    }
}

TEST(CurveText, EqualTitlesAreToldApartByFileName) {
    StoredCurve a, b, c;
    a.CurveTitle = b.CurveTitle = "Bass";
    a.CurveFile = "a.oct";
    b.CurveFile = "b.oct";
    c.CurveTitle = "Hoch";
    EXPECT_EQ(DistinctTitles({&a, &b, &c}),
              (std::vector<std::string>{"Bass (a.oct)", "Bass (b.oct)", "Hoch"}));
}

} // namespace
} // namespace terzlab::test
