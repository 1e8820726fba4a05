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

// A sensor file picked in the dialog arrives as type 10 with its title already known.
bool LoadSensor(DispOct& store, const std::string& fixture, RecordingMessages& messages) {
    store.Curves[kSensorSlot].CurveLoaded = 1;
    store.Curves[kSensorSlot].CurveType = kCurveSensor;
    return Load(store, kSensorSlot, fixture, messages);
}

TEST(LoadCurve, WrittenLevelFileLoadsBackAsReferenceBandForBand) {
    TempFolder dir;
    const auto bands = test::Bands(kLastBand, -60.0, 0.4567);
    MeasurementHeader header;
    header.Title = "Box ä ö ü ß 30° 漢";
    test::writeFile(dir.path() / "m.OCT", MeasurementFileText(header, bands));
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
    const struct {
        const char* fixture;
        int slot;
        const char* says;
    } cases[] = {{"oct_start_two_fields.OCT", kComparisonSlot, "falsche Startzeile"},
                 {"oct_start_other_phase_byte.OCT", kComparisonSlot, "falsche Startzeile"},
                 {"sen_flat_s10.SEN", kReferenceSlot, "Oktav-Auflösung"}};
    for (const auto& c : cases) {
        DispOct store;
        RecordingMessages messages;
        EXPECT_FALSE(Load(store, c.slot, c.fixture, messages));
        ASSERT_EQ(messages.shown.size(), 1u) << c.fixture;
        EXPECT_NE(messages.shown[0].text.find(c.says), std::string::npos) << c.fixture;
        EXPECT_EQ(messages.shown[0].title, "Fehler beim Einlesen");
        EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
        EXPECT_TRUE(store.Curves[c.slot].CurveLoaded == 0 && store.Curves[c.slot].CurveType == 0);
    }
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
    test::writeFile(dir.path() / "garbage.OCT", garbage);
    test::writeFile(dir.path() / "huge.OCT",
                    "F [Hz]\tAmpl [dB]\tPhase [\xF8]\r\n" + std::string(5 << 20, '7'));
    test::writeFile(dir.path() / "keys.OCT", "Title\r\nOctave resolution\r\nF [Hz]\r\n");
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

TEST(SensorFile, SensitivityBecomesOffsetSubtractedFromEveryBandUnlessNotAboveZero) {
    DispOct store;
    RecordingMessages messages;
    ASSERT_TRUE(LoadSensor(store, "sen_flat_s10.SEN", messages));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_DOUBLE_EQ(store.SensorOffset, 40.0);
    for (int j = 0; j <= kLastBand; ++j)
        EXPECT_FLOAT_EQ(store.Curves[0].CurveAmp[j], -40.0f);
    EXPECT_EQ(store.Curves[0].CurveFreq[1], 10.59f);
    EXPECT_EQ(store.Curves[0].CurveFreq[42], 112.2f);

    DispOct negative;
    RecordingMessages warned;
    ASSERT_TRUE(LoadSensor(negative, "sen_sensitivity_negative.SEN", warned));
    EXPECT_DOUBLE_EQ(negative.SensorOffset, 3.0);
    ASSERT_EQ(warned.shown.size(), 1u);
    EXPECT_NE(warned.shown[0].text.find("Empfindlichkeit"), std::string::npos);
    EXPECT_FLOAT_EQ(negative.Curves[0].CurveAmp[50], -3.0f);
}

// Bands outside the file's range stay empty, also when many points crowd below its top.
TEST(SensorFile, BandsOutsideTheFileStayEmptyAndMidwayIsTheMean) {
    const struct {
        const char* fixture;
        int first, last;
        float atFirst, atLast;
    } spans[] = {{"sen_100hz_10khz.SEN", 40, 120, 0.0f, 20.0f},
                 {"sen_dense_low.SEN", 0, 80, 1.0f, 1.0f}};
    for (const auto& c : spans) {
        DispOct store;
        RecordingMessages messages;
        ASSERT_TRUE(LoadSensor(store, c.fixture, messages));
        const auto& curve = store.Curves[0];
        for (int j = 0; j < CorrectionCurve::kEntries; ++j)
            EXPECT_EQ(curve.CurveAmp[j] == kNoValueSingle, j < c.first || j > c.last)
                << c.fixture << j;
        EXPECT_NEAR(curve.CurveAmp[c.first], c.atFirst, 1e-4);
        EXPECT_NEAR(curve.CurveAmp[c.last], c.atLast, 1e-4);
    }
    DispOct store;
    RecordingMessages messages;
    ASSERT_TRUE(LoadSensor(store, "sen_100hz_10khz.SEN", messages));
    EXPECT_NEAR(store.Curves[0].CurveAmp[60], 5.0f, 1e-4);
    EXPECT_NEAR(store.Curves[0].CurvePhase[60], 15.0f, 1e-4);
}

TEST(SensorFile, TablesThatCannotBeInterpolatedAreReadErrorsWithoutValues) {
    for (const char* fixture : {"sen_descending.SEN", "sen_single_point.SEN"}) {
        DispOct store;
        RecordingMessages messages;
        EXPECT_FALSE(LoadSensor(store, fixture, messages));
        ASSERT_EQ(messages.shown.size(), 1u) << fixture;
        EXPECT_EQ(messages.shown[0].title, "Fehler beim Einlesen");
        EXPECT_EQ(store.Curves[0].CurveLoaded, 0);
        for (float amp : store.Curves[0].CurveAmp)
            EXPECT_EQ(amp, kNoValueSingle);
    }
}

} // namespace
} // namespace terzlab
