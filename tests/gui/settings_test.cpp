// The measurement settings and the main window's commands, and one whole measurement per type
// on the virtual sound card with the program's own stimuli, checked against what the bench is
// known to do.
#include "audio/virtual/divider_model.h"
#include "gui_fixture.h"
#include "guidance/instruction_text.h"

#include <cmath>

namespace terzlab::test {

namespace {

using platform::CommandLine;
using platform::MsgAnswer;
using platform::MsgIcon;

constexpr int kTime = kTimeView;
constexpr int kFrequency = kFrequencyView;

class SettingsTest : public GuiTest {
  protected:
    void SetUp() override { ASSERT_TRUE(load()); }
    void choose(QComboBox* list, int index) { platform::selectListIndex(list, index); }
    app::frmMain& w() { return *window; }
    std::vector<bool> curveBoxes() {
        return enabledStates({w().chkLoaded[0], w().chkLoaded[1], w().chkLoaded[2]});
    }
};

// Whichever type came before (the polarity type forces the time view on the way, the impedance
// types 1/12 octave), a type in a view starts with the same commands, boxes, axis and block, and
// neither forced choice is taken for the user's.
TEST_F(SettingsTest, CommandsControlsAndAxisFollowTypeAndDisplayWhateverTheTypeBefore) {
    w().hooks.loadedCurveType = [](int slot) {
        return std::array{kCurveSensor, kCurveLevel, kCurveImpedance}[slot];
    };
    struct Case {
        int type, display;
        std::vector<bool> loads; // correction, reference, comparison
        bool channels, exchange, level, resolution;
        std::vector<bool> curves; // the boxes of a sensor, a level and an impedance curve
        int block;
    };
    const Case cases[] = {
        {0, kFrequency, {true, true, true}, true, false, true, true, {true, true, false}, 16384},
        {1, kFrequency, {true, true, true}, false, true, true, true, {true, true, false}, 16384},
        {1, kTime, {false, false, false}, true, true, true, false, {false, false, false}, 16384},
        {2, kTime, {false, false, false}, true, false, false, false, {false, false, false}, 8192},
        {3,
         kFrequency,
         {false, false, true},
         true,
         false,
         false,
         false,
         {false, false, true},
         65536},
        {4, kFrequency, {false, true, true}, false, true, false, false, {false, true, true}, 65536},
        // No curve is loaded in the time view, whatever the type.
        {3, kTime, {false, false, false}, true, false, false, false, {false, false, false}, 65536},
        {4, kTime, {false, false, false}, true, true, false, false, {false, false, false}, 65536},
    };
    for (const Case& c : cases) {
        for (const int before : {0, 1, 2, 3, 4}) {
            choose(w().cmbMeasType, 0);
            choose(w().cmbFreqRes, 0);
            choose(w().cmbDisplay, c.display);
            choose(w().cmbMeasType, before);
            choose(w().cmbMeasType, c.type);
            const auto label = ::testing::Message() << "type " << c.type << " display " << c.display
                                                    << " after " << before;
            EXPECT_EQ(enabledStates({w().mnuLoadCorr, w().mnuLoadRef, w().mnuLoadComp}), c.loads)
                << label;
            EXPECT_EQ(enabledStates({w().optChannel[0], w().optChannel[1], w().mnuXchan,
                                     w().mnuLevel->menuAction(), w().cmbFreqRes, w().cmbDisplay,
                                     w().mnuFileSaveAs}),
                      (std::vector{c.channels, c.channels, c.exchange, c.level, c.resolution,
                                   c.type != 2, false}))
                << label;
            EXPECT_EQ(curveBoxes(), c.curves) << label;
            const AxisRange range = w().run().Range;
            const auto axis = std::tuple(range.RangeTop, range.RangeBottom, range.RangeStep);
            if (c.display == kTime)
                EXPECT_EQ(axis, std::tuple(100, -100, 20)) << label;
            else
                EXPECT_EQ(axis, c.type == 4 ? std::tuple(20, 0, 4) : std::tuple(0, -100, 20))
                    << label;
            // The greyed list of the polarity type shows what it found.
            const bool fine = c.type >= 3 || (c.type == 2 && before >= 3);
            EXPECT_EQ(std::tuple(w().cmbDisplay->currentIndex(), w().cmbFreqRes->currentIndex(),
                                 w().settings().FreqResIndex, w().run().BlockSize),
                      std::tuple(c.display, fine ? 2 : 0, 0, c.block))
                << label;
            if (c.type == 2) {
                EXPECT_EQ(w().chkAvgType->text(), QStringLiteral("Stop &nach 4 Messungen"));
            }
        }
    }
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

TEST_F(SettingsTest, TestCdClocksAt44100AndKeepsThe48kChoiceAndARateChangeDropsTheResult) {
    w().cmdStart->click();
    w().mnu48k->trigger();
    ASSERT_EQ(w().settings().SampleRate, 48000);
    EXPECT_EQ(enabledStates({w().mnuFileSaveAs, w().mnuExport, w().mnuGraphSave}),
              (std::vector{false, false, false}));
    w().cmdStart->click();
    choose(w().cmbWavOutDev, 1);
    EXPECT_FALSE(w().run().MeasValid || w().mnuFileSaveAs->isEnabled()) << "rate falls back";
    expectLastBox(
        1, QStringLiteral("Bei Anregung mit Test-CD ist eine Abtastung mit 48kHz nicht möglich"),
        QStringLiteral("Hinweis"));
    EXPECT_EQ(w().settings().SampleRate, 44100);
    EXPECT_EQ(w().settings().WavOutDevIndex, 1);
    EXPECT_TRUE(!w().mnu48k->isEnabled() && w().mnu48k->isChecked());
    choose(w().cmbWavOutDev, 0);
    EXPECT_EQ(w().settings().SampleRate, 48000);
    w().mnu48k->trigger();
    choose(w().cmbWavOutDev, 1);
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

// The calibration warning's words are held by the golden window texts.
TEST_F(SettingsTest, MixerAndCalibrationCommands) {
    const CommandLine playback{QStringLiteral("pavucontrol"), {QStringLiteral("--tab=3")}};
    const CommandLine recording{QStringLiteral("pavucontrol"), {QStringLiteral("--tab=4")}};
    w().cmdMixer->click();
    choose(w().cmbWavOutDev, 1); // playback only for the sound card
    w().cmdMixer->click();
    EXPECT_EQ(processes.started, (std::vector{playback, recording, recording}));
    processes.installedPrograms.clear(); // without any sound-settings tool the user is told so
    w().cmdMixer->click();
    EXPECT_EQ(processes.started.size(), 3u);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].icon, MsgIcon::Information);

    int opened = 0;
    w().hooks.openCalibration = [&opened] { ++opened; };
    boxes.answerNext(MsgAnswer::Cancel);
    w().mnuCalib->trigger();
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(boxes.boxes().at(1).buttons, platform::MsgButtons::OkCancel);
    boxes.answerNext(MsgAnswer::Ok);
    w().mnuCalib->trigger();
    EXPECT_EQ(opened, 1);
    choose(w().cmbMeasType, 3); // the shortcut of a greyed menu reaches nothing
    w().mnuCalib->trigger();
    EXPECT_EQ(boxes.boxes().size(), 3u);
}

TEST_F(SettingsTest, MenuCommandsReachTheirTargets) {
    std::vector<int> modes;
    w().hooks.openFileDialog = [&modes](int mode) { modes.push_back(mode); };
    w().hooks.openLevelDialog = [&modes] { modes.push_back(-1); };
    for (QAction* command : {w().mnuFileSaveAs, w().mnuLoadCorr, w().mnuLoadRef, w().mnuLoadComp}) {
        command->setEnabled(true);
        command->trigger();
    }
    w().mnuMicDist->trigger();
    EXPECT_EQ(modes, (std::vector{0, 1, 2, 3, -1}));
    choose(w().cmbMeasType, 1);
    w().mnuXchan->trigger();
    w().mnuHelpShow->trigger();
    w().mnuAbout->trigger();
    EXPECT_TRUE(w().settings().ExchangeChannel && !w().settings().ShowHelp);
    EXPECT_EQ(helpPages, std::vector<int>{0});
    w().show();
    w().mnuEnd->trigger();
    EXPECT_FALSE(w().isVisible());
}

class MeasureTest : public GuiTest {
  protected:
    void SetUp() override {
        makeWindow();
        useProgramStimuli();
        ASSERT_TRUE(window->Form_Load());
        recordCaptions();
    }

    // A whole run of the type in stop mode; the captions it showed.
    std::vector<QString> measure(int type, bool wire = true, bool inverted = false) {
        platform::selectListIndex(window->cmbMeasType, type);
        audio::BenchSettings bench;
        bench.gain = wire ? 1.0 : bench.gain;
        bench.straightThrough = wire;
        bench.invertPolarity = inverted;
        card->bench->setSettings(bench);
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
    double meanBetween(double low, double high) {
        const auto values = bandsBetween(low, high);
        double sum = 0.0;
        for (const auto& [f, value] : values)
            sum += value;
        return sum / static_cast<double>(values.size());
    }
};

TEST_F(MeasureTest, LevelAndTransferThroughAWireReadZeroDecibels) {
    const QString done = QStringLiteral("Fertig!");
    EXPECT_EQ(measure(0), (std::vector<QString>{noch(3), noch(2), noch(1), done}));
    // The transfer shows the total level offset as any level does.
    const double total = window->settings().LevelCorr[5];
    for (const auto& [type, offset, tolerance] : {std::tuple{0, 0.0, 0.3}, {1, total, 0.05}}) {
        if (type == 1) {
            EXPECT_EQ(measure(1).back(), done);
        }
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
    EXPECT_EQ(measure(3, false),
              (std::vector<QString>{noch(3), noch(2), noch(1), QStringLiteral("Messung 2.Teil"),
                                    noch(3), noch(2), noch(1), QStringLiteral("Fertig!")}));
    for (int type : {3, 4}) {
        if (type == 4) {
            EXPECT_EQ(measure(4, false).back(), QStringLiteral("Fertig!"));
        }
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
        int extreme = 0; // from the zero line, upwards positive
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y) == curve &&
                    std::abs(image.height() / 2 - y) > std::abs(extreme))
                    extreme = image.height() / 2 - y;
        ASSERT_GT(std::abs(extreme), image.height() / 10) << "no pulse drawn";
        EXPECT_EQ(extreme < 0, inverted) << extreme;
    }
}

// Wired as the text of type 1 says (as its sketch, golden-checked with the texts, and the bench
// are wired), the transfer shows the loudspeaker upright: its bass falls off below the box
// resonance.
TEST_F(MeasureTest, TransferWiredAsItsTextSaysShowsTheDeviceUpright) {
    const std::string text = guidance::InstructionText({1, true, 0});
    const auto channelAfter = [&text](const char* signal) {
        const size_t at = text.find(signal);
        return text.substr(text.find(" Kanal", at) - 7, 7);
    };
    EXPECT_EQ(channelAfter("Anregungssignal"), "rechten");
    EXPECT_EQ(channelAfter("Antwortsignal"), " linken");
    measure(1, false);
    EXPECT_LT(meanBetween(20.0, 30.0), meanBetween(500.0, 2000.0) - 10.0);
}

} // namespace

} // namespace terzlab::test
