#include "files/curve_values.h"
#include "files/disp_oct.h"
#include "support.h"

namespace terzlab {
namespace {

using test::RecordingMessages;

constexpr int16_t kLastBand = 134;

// A sensor file picked in the dialog arrives as type 10 with its title already known.
bool LoadSensor(DispOct& store, const std::string& fixture, RecordingMessages& messages) {
    auto& curve = store.Curves[kSensorSlot];
    curve.CurveDir = test::DataDir().string();
    curve.CurveFile = fixture;
    curve.CurveLoaded = 1;
    curve.CurveType = kCurveSensor;
    return LoadCurve(store, kSensorSlot, kLastBand, messages);
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

TEST(SensorFile, BandsOutsideTheFileStayEmptyAndMidwayIsTheMean) {
    DispOct store;
    RecordingMessages messages;
    ASSERT_TRUE(LoadSensor(store, "sen_100hz_10khz.SEN", messages));
    const auto& curve = store.Curves[0];
    EXPECT_EQ(curve.CurveAmp[39], kNoValueSingle);
    EXPECT_NEAR(curve.CurveAmp[40], 0.0f, 1e-4);
    EXPECT_NEAR(curve.CurveAmp[60], 5.0f, 1e-4);
    EXPECT_NEAR(curve.CurvePhase[60], 15.0f, 1e-4);
    EXPECT_NEAR(curve.CurveAmp[120], 20.0f, 1e-4);
    for (int j = 121; j < CorrectionCurve::kEntries; ++j) {
        EXPECT_EQ(curve.CurveAmp[j], kNoValueSingle) << j;
    }
}

TEST(SensorFile, ManyPointsBelowTheTopStillEndTheCurveThere) {
    DispOct store;
    RecordingMessages messages;
    ASSERT_TRUE(LoadSensor(store, "sen_dense_low.SEN", messages));
    const auto& curve = store.Curves[0];
    for (int j = 0; j <= 80; ++j)
        EXPECT_NEAR(curve.CurveAmp[j], 1.0f, 1e-5) << j;
    for (int j = 81; j < CorrectionCurve::kEntries; ++j)
        EXPECT_EQ(curve.CurveAmp[j], kNoValueSingle);
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
