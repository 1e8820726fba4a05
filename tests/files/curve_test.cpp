#include "files/curve_values.h"
#include "files/measurement_writer.h"
#include "support.h"
#include <algorithm>
#include <random>

namespace terzlab {
namespace {

using namespace test;

constexpr int16_t kLastBand = 134;

// One curve store and the messages its loading showed.
struct Loader {
    DispOct store;
    RecordingMessages messages;

    const StoredCurve& operator[](int slot) const { return store.Curves[slot]; }
    bool load(int slot, const std::filesystem::path& path) {
        store.Curves[slot].CurveDir = path.parent_path().string();
        store.Curves[slot].CurveFile = path.filename().string();
        return LoadCurve(store, slot, kLastBand, messages);
    }
    bool fixture(int slot, const char* name) { return load(slot, kDataDir / name); }
    // A sensor file picked in the dialog arrives as type 10 with its title already known.
    bool sensor(const char* name) {
        store.Curves[kSensorSlot].CurveLoaded = 1;
        store.Curves[kSensorSlot].CurveType = kCurveSensor;
        return fixture(kSensorSlot, name);
    }
    std::string only() const { return messages.only(); }
};

template <std::size_t N> std::vector<float> Head(const std::array<float, N>& values, int count) {
    return {values.begin(), values.begin() + count};
}

// A live spectrum's note on its averaging is a comment line the reader passes over.
TEST(LoadCurve, WrittenLevelFileLoadsBackAsReferenceBandForBand) {
    TempFolder dir;
    const auto bands = test::Bands(kLastBand, -60.0, 0.4567);
    const std::string text = MeasurementFileText(
        {.Title = "Box ä ö ü ß 30° 漢", .Note = "Live analysis\tslow\t1 s"}, bands);
    EXPECT_NE(text.find("\r\n#Live analysis\tslow\t1 s\r\nTitle\t"), std::string::npos);
    test::writeFile(dir.path() / "m.OCT", text);
    Loader l;
    ASSERT_TRUE(l.load(kComparisonSlot, dir.path() / "m.OCT"));
    EXPECT_EQ(std::pair(l.messages.shown.size(), l[kComparisonSlot].CurveCount),
              std::pair(size_t{0}, kLastBand));
    ASSERT_TRUE(l.load(kReferenceSlot, dir.path() / "m.OCT"));
    const auto& curve = l[kReferenceSlot];
    EXPECT_EQ(
        std::tuple(l.messages.shown.size(), curve.CurveTitle, curve.CurveType, curve.CurveCount),
        std::tuple(0u, "Box ä ö ü ß 30° ?", kCurveLevel, kLastBand));
    for (int b = 0; b < kLastBand; ++b) {
        EXPECT_NEAR(curve.CurveAmp[b], bands.BandValue[b], 0.00501) << b;
        EXPECT_EQ(curve.CurvePhase[b], 0.0f);
    }
    EXPECT_EQ(curve.CurveAmp[kLastBand], kNoValueSingle);
}

// A wrong start line or resolution, no data line, or a sensor table that cannot be interpolated.
TEST(LoadCurve, UnreadableTablesAreReadErrorsThatLeaveTheSlotWithoutValues) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"oct_start_two_fields.OCT", kComparisonSlot, "falsche Startzeile"},
        {"oct_start_other_phase_byte.OCT", kComparisonSlot, "falsche Startzeile"},
        {"oct_header_no_data.OCT", kComparisonSlot, "keine Zeile mit Frequenz und Wert"},
        {"sen_flat_s10.SEN", kReferenceSlot, "Oktav-Auflösung"},
        {"sen_descending.SEN", kSensorSlot, ""},
        {"sen_single_point.SEN", kSensorSlot, ""}};
    for (const auto& [fixture, slot, says] : cases) {
        Loader l;
        EXPECT_FALSE(slot == kSensorSlot ? l.sensor(fixture) : l.fixture(slot, fixture));
        EXPECT_EQ(l.only().substr(0, 22), "Fehler beim Einlesen: ") << fixture;
        EXPECT_NE(l.only().find(says), std::string::npos) << l.only();
        EXPECT_EQ(l.messages.shown.at(0).icon, MsgIcon::Exclamation);
        const auto& amp = l[slot].CurveAmp;
        EXPECT_EQ(std::tuple(l[slot].CurveLoaded, l[slot].CurveType,
                             std::count(amp.begin(), amp.end(), kNoValueSingle)),
                  std::tuple(0, 0, CorrectionCurve::kEntries))
            << fixture << ": loaded, type, entries without value";
    }
}

// The reference reads strictly (two commas, a leading blank: no value), the comparison trims;
// a word in a data line leaves its band without a value. Each file warns once (the warning is
// worded in window_texts.txt).
TEST(LoadCurve, CommaDecimalsAndBlanksAreReadStrictlyInReferenceTrimmedInComparison) {
    Loader l;
    ASSERT_TRUE(l.fixture(kReferenceSlot, "oct_number_forms.OCT"));
    EXPECT_EQ(std::pair(Head(l[kReferenceSlot].CurveAmp, 4), l.messages.shown.size()),
              std::pair(std::vector{1.25f, kNoValueSingle, kNoValueSingle, 4.75f}, 1ul));
    const std::tuple<const char*, int, std::vector<float>> comparisons[] = {
        {"oct_number_forms.OCT", 4, {1.25f, kNoValueSingle, 3.5f}},
        {"oct_word_in_line.OCT", 3, {1.0f, kNoValueSingle, 3.0f}}};
    for (const auto& [fixture, count, amps] : comparisons) {
        Loader c;
        ASSERT_TRUE(c.fixture(kComparisonSlot, fixture));
        const auto& cmp = c[kComparisonSlot];
        EXPECT_EQ(std::tuple(cmp.CurveCount, Head(cmp.CurveFreq, 3), Head(cmp.CurveAmp, 3),
                             c.messages.shown.size()),
                  std::tuple(count, std::vector{10.0f, 10.59f, 11.22f}, amps, 1ul))
            << fixture;
    }
}

// Each fixture in a fresh store: off-grid reference, keys in any order, surplus lines.
TEST(LoadCurve, OffGridKeysAnywhereAndSurplusLines) {
    Loader offGrid, keys, surplus;
    ASSERT_TRUE(offGrid.fixture(kReferenceSlot, "oct_off_grid.OCT"));
    for (float amp : offGrid[kReferenceSlot].CurveAmp)
        EXPECT_EQ(amp, kNoValueSingle);
    ASSERT_TRUE(keys.fixture(kReferenceSlot, "oct_header_order.OCT"));
    EXPECT_EQ(offGrid.messages.shown.size() + keys.messages.shown.size(), 0u) << "no warning";
    EXPECT_EQ(keys[kReferenceSlot].CurveTitle, "Erster Titel äöüß°"); // the first wins
    EXPECT_EQ(keys[kReferenceSlot].CurveAmp[40], 5.0f);               // LF line ends
    ASSERT_TRUE(surplus.fixture(kComparisonSlot, "oct_too_many_lines.OCT"));
    EXPECT_EQ(surplus[kComparisonSlot].CurveCount, CorrectionCurve::kEntries);
    EXPECT_EQ(surplus[kComparisonSlot].CurveAmp[150], 150.0f);
    EXPECT_EQ(surplus.messages.shown.size(), 1u);
}

TEST(LoadCurve, GarbageOversizedAndMissingFilesAreReportedNotFatal) {
    TempFolder dir;
    std::mt19937 random(4);
    std::string garbage(200000, '\0');
    std::generate(garbage.begin(), garbage.end(), [&] { return static_cast<char>(random()); });
    test::writeFile(dir.path() / "garbage.OCT", garbage);
    test::writeFile(dir.path() / "huge.OCT",
                    "F [Hz]\tAmpl [dB]\tPhase [\xF8]\r\n" + std::string(5 << 20, '7'));
    test::writeFile(dir.path() / "keys.OCT", "Title\r\nOctave resolution\r\nF [Hz]\r\n");
    for (const char* name : {"garbage.OCT", "huge.OCT", "keys.OCT", "absent.OCT"})
        for (int slot = 0; slot < 3; ++slot) {
            Loader l;
            l.load(slot, dir.path() / name);
            EXPECT_FALSE(l.messages.shown.empty()) << name << " slot " << slot;
        }
}

TEST(SensorFile, SensitivityBecomesOffsetSubtractedFromEveryBandUnlessNotAboveZero) {
    Loader l, negative;
    ASSERT_TRUE(l.sensor("sen_flat_s10.SEN"));
    EXPECT_TRUE(l.messages.shown.empty());
    EXPECT_DOUBLE_EQ(l.store.SensorOffset, 40.0);
    for (int j = 0; j <= kLastBand; ++j)
        EXPECT_FLOAT_EQ(l[0].CurveAmp[j], -40.0f);
    EXPECT_EQ(std::pair(l[0].CurveFreq[1], l[0].CurveFreq[42]), std::pair(10.59f, 112.2f));
    ASSERT_TRUE(negative.sensor("sen_sensitivity_negative.SEN"));
    EXPECT_DOUBLE_EQ(negative.store.SensorOffset, 3.0);
    EXPECT_NE(negative.only().find("Empfindlichkeit"), std::string::npos) << negative.only();
    EXPECT_FLOAT_EQ(negative[0].CurveAmp[50], -3.0f);
}

// Bands outside the file's range stay empty, also when many points crowd below its top.
TEST(SensorFile, BandsOutsideTheFileStayEmptyAndMidwayIsTheMean) {
    // the file, its first and last band and their values
    const std::tuple<const char*, int, int, float, float> spans[] = {
        {"sen_100hz_10khz.SEN", 40, 120, 0.0f, 20.0f}, {"sen_dense_low.SEN", 0, 80, 1.0f, 1.0f}};
    for (const auto& [fixture, first, last, atFirst, atLast] : spans) {
        Loader l;
        ASSERT_TRUE(l.sensor(fixture));
        const auto& curve = l[0];
        for (int j = 0; j < CorrectionCurve::kEntries; ++j)
            EXPECT_EQ(curve.CurveAmp[j] == kNoValueSingle, j < first || j > last) << fixture << j;
        EXPECT_NEAR(curve.CurveAmp[first], atFirst, 1e-4);
        EXPECT_NEAR(curve.CurveAmp[last], atLast, 1e-4);
        if (first == 40) {
            EXPECT_NEAR(curve.CurveAmp[60], 5.0f, 1e-4);
            EXPECT_NEAR(curve.CurvePhase[60], 15.0f, 1e-4);
        }
    }
}

} // namespace
} // namespace terzlab
