// The measurement settings and the main window's commands.
#include "gui_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace terzlab::test {

namespace {

using platform::CommandLine;
using platform::MsgAnswer;
using platform::MsgIcon;

constexpr int kTime = 0;
constexpr int kFrequency = 1;

class SettingsTest : public GuiTest {
  protected:
    void SetUp() override { ASSERT_TRUE(load()); }

    void choose(QComboBox* list, int index) { platform::selectListIndex(list, index); }
    app::frmMain& w() { return *window; }

    std::vector<bool> loadsEnabled() {
        return {w().mnuLoadCorr->isEnabled(), w().mnuLoadRef->isEnabled(),
                w().mnuLoadComp->isEnabled()};
    }
    std::vector<bool> boxesEnabled() {
        return {w().chkLoaded[0]->isEnabled(), w().chkLoaded[1]->isEnabled(),
                w().chkLoaded[2]->isEnabled()};
    }
    bool channelsEnabled() {
        return w().optChannel[0]->isEnabled() && w().optChannel[1]->isEnabled();
    }
};

// The impedance types put 1/12 octave into the list; neither the polarity type nor the time
// display may take that for the user's choice.
TEST_F(SettingsTest, PolarityAndImpedanceTypesForceTheirChoicesAndLevelTypesRestoreThem) {
    choose(w().cmbFreqRes, 0);
    choose(w().cmbMeasType, 2);
    EXPECT_EQ(w().cmbDisplay->currentIndex(), kTime);
    EXPECT_FALSE(w().cmbDisplay->isEnabled());
    EXPECT_FALSE(w().cmbFreqRes->isEnabled());
    EXPECT_EQ(w().chkAvgType->text(), QStringLiteral("Stop &nach 4 Messungen"));
    EXPECT_EQ(w().run().BlockSize, 8192);
    choose(w().cmbMeasType, 0);
    EXPECT_EQ(w().cmbDisplay->currentIndex(), kFrequency);
    EXPECT_TRUE(w().cmbDisplay->isEnabled());
    EXPECT_EQ(w().cmbFreqRes->currentIndex(), 0);
    EXPECT_TRUE(w().cmbFreqRes->isEnabled());

    choose(w().cmbFreqRes, 1);
    for (int via : {2, 0}) {
        choose(w().cmbMeasType, 3);
        choose(w().cmbMeasType, via);
        choose(w().cmbMeasType, 0);
        EXPECT_EQ(w().cmbFreqRes->currentIndex(), 1) << via;
    }
    choose(w().cmbDisplay, kTime);
    choose(w().cmbMeasType, 4);
    choose(w().cmbMeasType, 1);
    EXPECT_EQ(w().cmbFreqRes->currentIndex(), 1);
    EXPECT_EQ(w().cmbDisplay->currentIndex(), kTime);
    EXPECT_FALSE(w().cmbFreqRes->isEnabled());
    EXPECT_EQ(w().settings().FreqResIndex, 1);
}

TEST_F(SettingsTest, CommandsAndControlsFollowTypeAndDisplay) {
    struct Case {
        int type;
        int display;
        std::vector<bool> loads;
        bool channels, exchange, level;
    };
    const std::vector<Case> cases{
        {0, kFrequency, {true, true, true}, true, false, true},
        {1, kFrequency, {true, true, true}, false, true, true},
        {1, kTime, {false, false, false}, true, true, true},
        {2, kTime, {false, false, false}, true, false, false},
        {3, kFrequency, {false, false, true}, true, false, false},
        {4, kFrequency, {false, true, true}, false, true, false},
        // The impedance types always offer the comparison curve, even in time display.
        {3, kTime, {false, false, true}, true, false, false},
        {4, kTime, {false, false, true}, true, true, false},
    };
    for (const Case& c : cases) {
        choose(w().cmbMeasType, 0);
        choose(w().cmbFreqRes, 0);
        choose(w().cmbDisplay, c.display);
        choose(w().cmbMeasType, c.type);
        const auto label = ::testing::Message() << "type " << c.type << " display " << c.display;
        EXPECT_EQ(loadsEnabled(), c.loads) << label;
        EXPECT_EQ(channelsEnabled(), c.channels) << label;
        EXPECT_EQ(w().mnuXchan->isEnabled(), c.exchange) << label;
        EXPECT_EQ(w().mnuLevel->menuAction()->isEnabled(), c.level) << label;
        EXPECT_FALSE(w().mnuFileSaveAs->isEnabled()) << label;
        if (c.type < 3) continue; // impedance: finest resolution whatever the display
        EXPECT_EQ(w().cmbFreqRes->currentIndex(), 2) << label;
        EXPECT_FALSE(w().cmbFreqRes->isEnabled()) << label;
        EXPECT_EQ(w().run().BlockSize, 65536);
    }
    const AxisRange range = w().run().Range; // type 4 is the last case
    EXPECT_EQ(range.RangeTop, 20);
    EXPECT_EQ(range.RangeBottom, 0);
    EXPECT_EQ(range.RangeStep, 4);
    EXPECT_EQ(w().settings().FreqResIndex, 0);
}

TEST_F(SettingsTest, CurveBoxesOnlyForCurvesThatSuitTheType) {
    const std::array<int, 3> codes{10, 2, 2}; // sensor, impedance, impedance
    w().hooks.loadedCurveType = [codes](int slot) { return codes[slot]; };
    choose(w().cmbMeasType, 1);
    EXPECT_EQ(boxesEnabled(), (std::vector<bool>{true, false, false}));
    choose(w().cmbMeasType, 3);
    EXPECT_EQ(boxesEnabled(), (std::vector<bool>{false, false, true}));
    choose(w().cmbMeasType, 0);
    choose(w().cmbDisplay, kTime);
    EXPECT_EQ(boxesEnabled(), (std::vector<bool>{false, false, false}));
    // Back in frequency display every loaded curve may be switched, whatever its kind.
    choose(w().cmbDisplay, kFrequency);
    EXPECT_EQ(boxesEnabled(), (std::vector<bool>{true, true, true}));
}

// A ticked reference box that the type has greyed (an impedance curve under a level
// measurement) keeps its curve out of the values.
TEST_F(SettingsTest, AGreyedReferenceBoxKeepsItsCurveOutOfTheValues) {
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

TEST_F(SettingsTest, TimeDisplayAfterALongerRunWarnsOnce) {
    for (int count : {0, 2}) { // 1 and 4 measurements
        choose(w().cmbDisplay, kFrequency);
        choose(w().cmbAvgCnt, count);
        w().cmdStart->click();
        ASSERT_TRUE(w().run().MeasValid);
        boxes.clear();
        choose(w().cmbDisplay, kTime);
        if (count == 0) {
            EXPECT_TRUE(boxes.boxes().empty());
            continue;
        }
        expectLastBox(1, QStringLiteral("Es wird nur das Zeitsignal der letzten Messung angezeigt"),
                      QStringLiteral("Warnung"));
        EXPECT_FALSE(w().mnuFileSaveAs->isEnabled());
    }
    // A new type drops the result: no warning for a result that is gone.
    choose(w().cmbDisplay, kFrequency);
    choose(w().cmbMeasType, 2);
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

TEST_F(SettingsTest, TestCdClocksAt44100AndKeepsThe48kChoiceAndARateChangeDropsTheResult) {
    w().cmdStart->click();
    ASSERT_TRUE(w().mnuFileSaveAs->isEnabled());
    w().mnu48k->trigger();
    ASSERT_EQ(w().settings().SampleRate, 48000);
    EXPECT_FALSE(w().run().MeasValid);
    EXPECT_FALSE(w().mnuFileSaveAs->isEnabled());
    EXPECT_FALSE(w().mnuExport->isEnabled() || w().mnuGraphSave->isEnabled());
    w().cmdStart->click();
    choose(w().cmbWavOutDev, 1);
    EXPECT_FALSE(w().run().MeasValid) << "the rate falls back with the test CD";
    EXPECT_FALSE(w().mnuFileSaveAs->isEnabled());
    expectLastBox(
        1, QStringLiteral("Bei Anregung mit Test-CD ist eine Abtastung mit 48kHz nicht möglich"),
        QStringLiteral("Hinweis"));
    EXPECT_EQ(w().settings().SampleRate, 44100);
    EXPECT_EQ(w().settings().WavOutDevIndex, 1);
    EXPECT_FALSE(w().mnu48k->isEnabled());
    EXPECT_TRUE(w().mnu48k->isChecked());
    choose(w().cmbWavOutDev, 0);
    EXPECT_EQ(w().settings().SampleRate, 48000);
    EXPECT_TRUE(w().mnu48k->isEnabled());
    w().mnu48k->trigger();
    choose(w().cmbWavOutDev, 1);
    EXPECT_EQ(boxes.boxes().size(), 1u);

    app::Settings stored;
    stored.SampleRate = 48000;
    ASSERT_TRUE(load({}, stored));
    EXPECT_TRUE(w().mnu48k->isChecked());
    EXPECT_EQ(w().settings().SampleRate, 48000);
}

TEST_F(SettingsTest, MixerOpensRecordingAlwaysAndPlaybackOnlyForTheSoundCard) {
    const CommandLine playback{QStringLiteral("pavucontrol"), {QStringLiteral("--tab=3")}};
    const CommandLine recording{QStringLiteral("pavucontrol"), {QStringLiteral("--tab=4")}};
    w().cmdMixer->click();
    EXPECT_EQ(processes.started, (std::vector<CommandLine>{playback, recording}));
    processes.started.clear();
    choose(w().cmbWavOutDev, 1);
    w().cmdMixer->click();
    EXPECT_EQ(processes.started, std::vector<CommandLine>{recording});
    // Without any sound-settings tool the user is told so, and nothing is started.
    processes.started.clear();
    processes.installedPrograms.clear();
    w().cmdMixer->click();
    EXPECT_TRUE(processes.started.empty());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].icon, MsgIcon::Information);
}

TEST_F(SettingsTest, CalibrationOpensOnlyAfterOk) {
    int opened = 0;
    w().hooks.openCalibration = [&opened] { ++opened; };
    boxes.answerNext(MsgAnswer::Cancel);
    w().mnuCalib->trigger();
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const platform::RecordedBox& box = boxes.boxes()[0];
    EXPECT_EQ(box.title, QStringLiteral("Wichtiger Hinweis zur Kalibrierung:"));
    EXPECT_EQ(box.buttons, platform::MsgButtons::OkCancel);
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_TRUE(box.text.contains(QStringLiteral("Referenzdatei !\r\n\r\nBitte")));
    EXPECT_TRUE(box.text.endsWith(QStringLiteral("ansonsten ist die Kalibrierung ungültig!")));
    boxes.answerNext(MsgAnswer::Ok);
    w().mnuCalib->trigger();
    EXPECT_EQ(opened, 1);
    // The shortcut of a greyed menu reaches nothing.
    choose(w().cmbMeasType, 3);
    w().mnuCalib->trigger();
    EXPECT_EQ(boxes.boxes().size(), 2u);
}

TEST_F(SettingsTest, MenuCommandsReachTheirTargets) {
    std::vector<int> modes;
    w().hooks.openFileDialog = [&modes](int mode) { modes.push_back(mode); };
    int levelDialogs = 0;
    w().hooks.openLevelDialog = [&levelDialogs] { ++levelDialogs; };
    for (QAction* command : {w().mnuFileSaveAs, w().mnuLoadCorr, w().mnuLoadRef, w().mnuLoadComp}) {
        command->setEnabled(true);
        command->trigger();
    }
    EXPECT_EQ(modes, (std::vector<int>{0, 1, 2, 3}));
    w().mnuMicDist->trigger();
    EXPECT_EQ(levelDialogs, 1);
    EXPECT_TRUE(w().mnuRange->isChecked());
    EXPECT_FALSE(w().mnuRange->isVisible() || w().mnuTimeChk->isVisible());
    w().mnuRange_Click();
    w().mnuTimeChk_Click();
    EXPECT_FALSE(w().mnuRange->isChecked());
    EXPECT_TRUE(w().mnuTimeChk->isChecked());
    choose(w().cmbMeasType, 1);
    w().mnuXchan->trigger();
    EXPECT_TRUE(w().settings().ExchangeChannel);
    w().mnuHelpShow->trigger();
    EXPECT_FALSE(w().settings().ShowHelp);
    w().mnuAbout->trigger();
    EXPECT_EQ(helpPages, std::vector<int>{0});
    w().show();
    w().mnuEnd->trigger();
    EXPECT_FALSE(w().isVisible());
}

} // namespace

} // namespace terzlab::test
