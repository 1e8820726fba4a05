#include "analysis/constants.h"
#include "files/curve_values.h"
#include "files/disp_oct.h"
#include "files/measurement_writer.h"
#include "support.h"
#include <random>

namespace terzlab {
namespace {

using test::DataDir;
using test::RecordingMessages;
using test::TempFolder;

constexpr int16_t kLastBand = 134;

void PointAt(DispOct& store, int slot, const std::filesystem::path& path) {
    store.Curves[slot].CurveDir = path.parent_path().string();
    store.Curves[slot].CurveFile = path.filename().string();
}

bool Load(DispOct& store, int slot, const std::string& fixture, RecordingMessages& messages) {
    PointAt(store, slot, DataDir() / fixture);
    return LoadCurve(store, slot, kLastBand, messages);
}

BandState LevelBands() {
    BandState bands;
    bands.Table.LastBand = kLastBand;
    for (int b = 0; b <= kLastBand + 1; ++b)
        bands.Table.BandFreq.push_back(NominalBandFreq(b));
    for (int b = 0; b <= kLastBand; ++b)
        bands.BandValue.push_back(-60.0 + b * 0.4567);
    return bands;
}

TEST(LoadCurve, WrittenLevelFileLoadsBackAsReferenceBandForBand) {
    TempFolder dir;
    const auto bands = LevelBands();
    MeasurementHeader header;
    header.Title = "Box ä ö ü ß 30° 漢";
    test::WriteBytes(dir.path() / "m.OCT", MeasurementFileText(header, bands));
    DispOct store;
    RecordingMessages messages;
    PointAt(store, kReferenceSlot, dir.path() / "m.OCT");
    ASSERT_TRUE(LoadCurve(store, kReferenceSlot, kLastBand, messages));
    const auto& curve = store.Curves[kReferenceSlot];
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(curve.CurveTitle, "Box ä ö ü ß 30° ?");
    EXPECT_EQ(curve.CurveType, kCurveLevel);
    EXPECT_EQ(curve.CurveCount, kLastBand);
    for (int b = 0; b < kLastBand; ++b) {
        EXPECT_NEAR(curve.CurveAmp[b], bands.BandValue[b], 0.00501) << b;
        EXPECT_EQ(curve.CurvePhase[b], 0.0f);
    }
    EXPECT_EQ(curve.CurveAmp[kLastBand], kNoValueSingle);
}

TEST(LoadCurve, WrongStartLineOrResolutionIsAReadError) {
    for (const char* fixture : {"oct_start_two_fields.OCT", "oct_start_other_phase_byte.OCT"}) {
        DispOct store;
        RecordingMessages messages;
        EXPECT_FALSE(Load(store, kComparisonSlot, fixture, messages));
        ASSERT_EQ(messages.shown.size(), 1u) << fixture;
        EXPECT_NE(messages.shown[0].text.find("falsche Startzeile"), std::string::npos);
        EXPECT_EQ(messages.shown[0].title, "Fehler beim Einlesen");
        EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(store.Curves[kComparisonSlot].CurveLoaded, 0);
        EXPECT_EQ(store.Curves[kComparisonSlot].CurveType, 0);
    }
    DispOct store;
    RecordingMessages messages;
    EXPECT_FALSE(Load(store, kReferenceSlot, "sen_flat_s10.SEN", messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("Oktav-Auflösung"), std::string::npos);
}

TEST(LoadCurve, CommaDecimalsAndBlanksAreReadStrictlyInReferenceTrimmedInComparison) {
    DispOct store;
    RecordingMessages messages;
    ASSERT_TRUE(Load(store, kReferenceSlot, "oct_number_forms.OCT", messages));
    const auto& ref = store.Curves[kReferenceSlot];
    EXPECT_EQ(ref.CurveAmp[0], 1.25f);
    EXPECT_EQ(ref.CurveAmp[1], kNoValueSingle); // two commas
    EXPECT_EQ(ref.CurveAmp[2], kNoValueSingle); // leading blank in the frequency
    EXPECT_EQ(ref.CurveAmp[3], 4.75f);
    EXPECT_EQ(messages.shown.size(), 1u);

    ASSERT_TRUE(Load(store, kComparisonSlot, "oct_number_forms.OCT", messages));
    const auto& cmp = store.Curves[kComparisonSlot];
    EXPECT_EQ(cmp.CurveCount, 4);
    EXPECT_EQ(cmp.CurveFreq[0], 10.0f);
    EXPECT_EQ(cmp.CurveFreq[2], 11.22f);
    EXPECT_EQ(cmp.CurveAmp[2], 3.5f);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST(LoadCurve, WordInDataLineKeepsClearedValueAndWarnsOnce) {
    DispOct store;
    RecordingMessages messages;
    ASSERT_TRUE(Load(store, kComparisonSlot, "oct_word_in_line.OCT", messages));
    const auto& cmp = store.Curves[kComparisonSlot];
    EXPECT_EQ(cmp.CurveCount, 3);
    EXPECT_EQ(cmp.CurveFreq[1], 10.59f);
    EXPECT_EQ(cmp.CurveAmp[1], kNoValueSingle);
    EXPECT_EQ(cmp.CurveAmp[2], 3.0f);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Warnung");
    EXPECT_NE(messages.shown[0].text.find("waren korrupt"), std::string::npos);
}

// Each fixture in a fresh store: off-grid reference, keys in any order, surplus lines.
TEST(LoadCurve, OffGridKeysAnywhereAndSurplusLines) {
    DispOct store;
    RecordingMessages messages;
    ASSERT_TRUE(Load(store, kReferenceSlot, "oct_off_grid.OCT", messages));
    EXPECT_TRUE(messages.shown.empty());
    for (float amp : store.Curves[kReferenceSlot].CurveAmp)
        EXPECT_EQ(amp, kNoValueSingle);

    DispOct keys;
    ASSERT_TRUE(Load(keys, kReferenceSlot, "oct_header_order.OCT", messages));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(keys.Curves[kReferenceSlot].CurveTitle, "Erster Titel äöüß°"); // the first wins
    EXPECT_EQ(keys.Curves[kReferenceSlot].CurveAmp[40], 5.0f);               // LF line ends

    DispOct surplus;
    ASSERT_TRUE(Load(surplus, kComparisonSlot, "oct_too_many_lines.OCT", messages));
    EXPECT_EQ(surplus.Curves[kComparisonSlot].CurveCount, CorrectionCurve::kEntries);
    EXPECT_EQ(surplus.Curves[kComparisonSlot].CurveAmp[150], 150.0f);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(LoadCurve, GarbageOversizedAndMissingFilesAreReportedNotFatal) {
    TempFolder dir;
    std::mt19937 random(4);
    std::string garbage(200000, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    test::WriteBytes(dir.path() / "garbage.OCT", garbage);
    test::WriteBytes(dir.path() / "huge.OCT",
                     "F [Hz]\tAmpl [dB]\tPhase [\xF8]\r\n" + std::string(5 << 20, '7'));
    test::WriteBytes(dir.path() / "keys.OCT", "Title\r\nOctave resolution\r\nF [Hz]\r\n");
    for (const char* name : {"garbage.OCT", "huge.OCT", "keys.OCT", "absent.OCT"}) {
        for (int slot = 0; slot < 3; ++slot) {
            DispOct store;
            RecordingMessages messages;
            PointAt(store, slot, dir.path() / name);
            LoadCurve(store, slot, kLastBand, messages);
            EXPECT_FALSE(messages.shown.empty()) << name << " slot " << slot;
        }
    }
}

} // namespace
} // namespace terzlab
