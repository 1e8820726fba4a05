// The measurement settings and the main window's commands, and one whole measurement per type
// on the virtual sound card with the program's own stimuli, checked against what the bench is
// known to do.
#include "analysis/meas_type.h"
#include "audio/virtual/divider_model.h"
#include "gui_fixture.h"
#include "guidance/instruction_text.h"

#include <sstream>

namespace terzlab::test {

namespace {

using platform::MsgAnswer;

class SettingsTest : public GuiTest {
  protected:
    void SetUp() override { ASSERT_TRUE(load()); }
    app::frmMain& w() { return *window; }
};

// Whichever type came before (the polarity type forces the time view on the way, the impedance
// types 1/12 octave), a type in a view starts with the same commands, boxes, axis and block, and
// neither forced choice is taken for the user's.
TEST_F(SettingsTest, CommandsControlsAndAxisFollowTypeAndDisplayWhateverTheTypeBefore) {
    w().hooks.loadedCurveType = [](int slot) {
        return std::array{kCurveSensor, kCurveLevel, kCurveImpedance}[slot];
    };
    // Per type and view, in tests/data/type_controls.txt: the enabled loads, channels,
    // exchange, level, resolution, display, save and curve boxes (of a sensor, a level and an
    // impedance curve); the axis and the block. No curve is loaded in the time view.
    std::string shown;
    for (const auto& [type, display] : {std::pair{0, kFrequencyView},
                                        {1, kFrequencyView},
                                        {1, kTimeView},
                                        {2, kTimeView},
                                        {3, kFrequencyView},
                                        {4, kFrequencyView},
                                        {3, kTimeView},
                                        {4, kTimeView},
                                        {5, kFrequencyView}}) {
        std::string first; // the state after type 0
        for (const int before : {0, 1, 2, 3, 4, 5}) {
            choose(w().cmbMeasType, 0);
            choose(w().cmbFreqRes, 0);
            choose(w().cmbDisplay, display);
            choose(w().cmbMeasType, before);
            choose(w().cmbMeasType, type);
            SCOPED_TRACE(testing::Message() << "type " << type << " after " << before);
            const AxisRange& axis = w().run().Range;
            std::ostringstream state;
            state << "type " << type << (display == kTimeView ? ", time: " : ", frequency: ")
                  << enabledNames({w().mnuLoadCorr, w().mnuLoadRef, w().mnuLoadComp,
                                   w().optChannel[0], w().optChannel[1], w().mnuXchan,
                                   w().mnuLevel->menuAction(), w().cmbFreqRes, w().cmbDisplay,
                                   w().mnuFileSaveAs, w().chkLoaded[0], w().chkLoaded[1],
                                   w().chkLoaded[2]})
                  << " | axis " << axis.RangeTop << '/' << axis.RangeBottom << '/' << axis.RangeStep
                  << ", block " << w().run().BlockSize << '\n';
            if (before == 0) shown += first = state.str();
            EXPECT_EQ(state.str(), first);
            // The greyed list of the polarity type shows what it found.
            const bool fine = PropertiesOf(*MeasTypeOf(type)).FixedFineGrid ||
                              (type == IndexOf(MeasType::Pulse) &&
                               PropertiesOf(*MeasTypeOf(before)).FixedFineGrid);
            EXPECT_EQ(std::tuple(w().cmbDisplay->currentIndex(), w().cmbFreqRes->currentIndex(),
                                 w().settings().FreqResIndex),
                      std::tuple(display, fine ? 2 : 0, 0));
            EXPECT_TRUE(type != 2 || w().chkAvgType->text() == "Stop &nach 4 Messungen");
        }
    }
    expectGoldenFile("type_controls.txt", shown);
}

// The time view chosen survives a detour through the views the sweep and the polarity types
// force, one after the other.
TEST_F(SettingsTest, TheChosenViewSurvivesTheForcedViewsOfSweepAndPolarity) {
    choose(w().cmbDisplay, kTimeView);
    for (const MeasType type : {MeasType::Sweep, MeasType::Pulse, MeasType::LevelOneChannel})
        choose(w().cmbMeasType, IndexOf(type));
    EXPECT_EQ(w().cmbDisplay->currentIndex(), kTimeView);
}

// A ticked reference box that the type has greyed (an impedance curve under a level
// measurement) keeps its curve out of the values.
TEST_F(SettingsTest, AGreyedReferenceStaysOutOfTheValues) {
    StoredCurve& reference = w().dispOct().Curves[kReferenceSlot];
    reference.CurveAmp.fill(20.0f);
    reference.CurveType = kCurveImpedance;
    reference.CurveLoaded = 1;
    reference.CurveCount = 135;
    w().hooks.loadedCurveType = [](int slot) { return slot == 1 ? kCurveImpedance : 0; };
    choose(w().cmbMeasType, 0);
    ASSERT_FALSE(w().chkLoaded[kReferenceSlot]->isEnabled());
    platform::setChecked(w().chkLoaded[kReferenceSlot], true);
    w().cmdStart->click();
    const std::vector<double> ticked = w().bands().BandValue;
    platform::setChecked(w().chkLoaded[kReferenceSlot], false);
    w().GetDbRange(false);
    EXPECT_EQ(w().bands().BandValue, ticked);
}

// The test CD's notice (in gui_boxes.txt) comes once, for the switch with 48 kHz ticked.
TEST_F(SettingsTest, TestCdClocksAt44100AndKeepsThe48kChoiceAndARateChangeDropsTheResult) {
    const auto state = [this] {
        std::ostringstream out;
        out << "rate " << w().settings().SampleRate << " out " << w().settings().WavOutDevIndex
            << " 48k " << w().mnu48k->isChecked() << w().mnu48k->isEnabled() << " result "
            << w().run().MeasValid << " ["
            << enabledNames({w().mnuFileSaveAs, w().mnuExport, w().mnuGraphSave}) << "]";
        return out.str();
    };
    w().cmdStart->click();
    w().mnu48k->trigger();
    EXPECT_EQ(state(), "rate 48000 out 0 48k 11 result 0 []");
    w().cmdStart->click();
    choose(w().cmbWavOutDev, 1);
    EXPECT_EQ(state(), "rate 44100 out 1 48k 10 result 0 []");
    choose(w().cmbWavOutDev, 0);
    EXPECT_EQ(state(), "rate 48000 out 0 48k 11 result 0 []");
    w().mnu48k->trigger();
    choose(w().cmbWavOutDev, 1);
    expectBoxesAsGolden();
}

// The mixer button opens the playback and recording pages (only recording for the test CD), or
// says that no tool is there; the calibration command warns first (its words are held by the
// golden window texts) and waits for OK; each menu command reaches its dialog or setting.
TEST_F(SettingsTest, MixerCalibrationAndMenuCommandsReachTheirTargets) {
    const platform::CommandLine playback{"pavucontrol", {"--tab=3"}},
        recording{"pavucontrol", {"--tab=4"}};
    w().cmdMixer->click();
    choose(w().cmbWavOutDev, 1);
    w().cmdMixer->click();
    processes.installedPrograms.clear();
    w().cmdMixer->click();
    EXPECT_EQ(processes.started, (std::vector{playback, recording, recording}));
    std::vector<int> opened; // file dialog modes, -1 the level and -2 the calibration dialog
    w().hooks.openFileDialog = [&opened](int mode) { opened.push_back(mode); };
    w().hooks.openLevelDialog = [&opened] { opened.push_back(-1); };
    w().hooks.openCalibration = [&opened] { opened.push_back(-2); };
    boxes.answerNext(MsgAnswer::Cancel);
    boxes.answerNext(MsgAnswer::Ok);
    for (QAction* command : {w().mnuCalib, w().mnuCalib, w().mnuFileSaveAs, w().mnuLoadCorr,
                             w().mnuLoadRef, w().mnuLoadComp, w().mnuMicDist}) {
        command->setEnabled(true);
        command->trigger();
    }
    choose(w().cmbMeasType, 3); // the shortcut of a greyed menu reaches nothing
    w().mnuCalib->trigger();
    EXPECT_EQ(opened, (std::vector{-2, 0, 1, 2, 3, -1}));
    choose(w().cmbMeasType, 1);
    w().show();
    for (QAction* command : {w().mnuXchan, w().mnuHelpShow, w().mnuAbout, w().mnuEnd})
        command->trigger();
    EXPECT_EQ(std::tuple(w().settings().ExchangeChannel, w().settings().ShowHelp, helpPages,
                         w().isVisible()),
              std::tuple(true, false, std::vector<int>{0}, false));
    ASSERT_EQ(boxes.boxes().size(), 3u);
    EXPECT_EQ(std::pair(boxes.boxes()[0].icon, boxes.boxes()[1].buttons),
              std::pair(platform::MsgIcon::Information, platform::MsgButtons::OkCancel));
}

class MeasureTest : public GuiTest {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(loadWithProgramStimuli());
        recordCaptions();
    }

    // A whole run of the type in stop mode; the captions it showed.
    std::vector<QString> measure(int type, bool wire = true, bool inverted = false) {
        choose(window->cmbMeasType, type);
        card->bench->setSettings({.gain = wire ? 1.0 : audio::BenchSettings{}.gain,
                                  .invertPolarity = inverted,
                                  .straightThrough = wire});
        captions.clear();
        window->cmdStart->click();
        EXPECT_EQ(window->cmdStart->text(), QStringLiteral("&Starte Messung"));
        EXPECT_TRUE(boxes.boxes().empty());
        return captions;
    }

    // Band frequencies and values between the two frequencies.
    std::vector<std::pair<double, double>> bandsBetween(double low, double high) {
        const BandState& bands = window->bands();
        std::vector<std::pair<double, double>> out;
        for (int b = 0; b <= bands.Table.LastBand; ++b)
            if (bands.Table.BandFreq[b] >= low && bands.Table.BandFreq[b] <= high)
                out.emplace_back(bands.Table.BandFreq[b], bands.BandValue[b]);
        return out;
    }
    const std::vector<QString> oneRun{noch(3), noch(2), noch(1), QStringLiteral("Fertig!")};
};

// The transfer shows the total level offset as any level does.
TEST_F(MeasureTest, LevelAndTransferThroughAWireReadZeroDecibels) {
    const double total = window->settings().LevelCorr[5];
    for (const auto& [type, offset, tolerance] : {std::tuple{0, 0.0, 0.3}, {1, total, 0.05}}) {
        EXPECT_EQ(measure(type), oneRun);
        const auto values = bandsBetween(20.0, 20000.0);
        ASSERT_GT(values.size(), 100u);
        for (const auto& [f, level] : values)
            EXPECT_NEAR(level - offset, 0.0, tolerance) << type << ": " << f << " Hz";
    }
}

// The impedance bands lie about 6 % apart; above the resonance the voice coil's inductance
// makes the impedance rise again.
TEST_F(MeasureTest, BothImpedanceTypesFindTheResonance) {
    const audio::DriverImpedance driver;
    const double peakOhm = driver.re + driver.res();
    std::vector<QString> twoParts{noch(3), noch(2), noch(1), QStringLiteral("Messung 2.Teil")};
    twoParts.insert(twoParts.end(), oneRun.begin(), oneRun.end());
    for (int type : {3, 4}) {
        EXPECT_EQ(measure(type, false), type == 3 ? twoParts : oneRun);
        const auto values = bandsBetween(10.0, 1000.0);
        const auto [f, ohm] = *std::max_element(values.begin(), values.end(),
                                                [](auto a, auto b) { return a.second < b.second; });
        EXPECT_NEAR(f, driver.fs, 0.04 * driver.fs) << type;
        EXPECT_NEAR(ohm, peakOhm, 0.02 * peakOhm) << type;
    }
}

// The time plot shows the pulse pointing the way the bench's polarity makes it point.
TEST_F(MeasureTest, PolarityShowsThePulseWithTheBenchPolarity) {
    for (bool inverted : {false, true}) {
        EXPECT_EQ(measure(2, true, inverted).back(), QStringLiteral("Fertig!"));
        const QImage& image = window->picGraph->Surface().Image();
        const QColor curve = platform::ToQColor(window->run().CurveColour);
        const int third = image.height() / 3;
        const auto curveIn = [&](int top) { // pixels of the curve in the third from `top` down
            return countPixels(image.copy(0, top, image.width(), third),
                               [&curve](QColor c) { return c == curve; });
        };
        EXPECT_EQ(std::pair(curveIn(0) > 0, curveIn(2 * third) > 0),
                  std::pair(!inverted, inverted));
    }
}

// Wired as the text of type 1 says (as its sketch, golden-checked with the texts, and the bench
// are wired), the transfer shows the loudspeaker upright: its bass falls off below the box
// resonance (compared at 200 Hz, where the floor's reflection neither adds nor takes away).
TEST_F(MeasureTest, TransferWiredAsItsTextSaysShowsTheDeviceUpright) {
    const std::string text = guidance::InstructionText({1, true, 0});
    const auto channelAfter = [&text](const char* signal) {
        const size_t at = text.find(signal);
        return text.substr(text.find(" Kanal", at) - 7, 7);
    };
    EXPECT_EQ(channelAfter("Anregungssignal") + channelAfter("Antwortsignal"), "rechten linken");
    measure(1, false);
    const auto level = [this](double f) { return bandsBetween(f, 1.06 * f).at(0).second; };
    EXPECT_LT(level(20.0), level(200.0) - 10.0);
}

} // namespace

} // namespace terzlab::test
