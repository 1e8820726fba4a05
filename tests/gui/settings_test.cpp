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
    std::vector<bool> enabled(std::vector<QObject*> controls) {
        std::vector<bool> out;
        for (QObject* c : controls)
            out.push_back(c->property("enabled").toBool());
        return out;
    }
    std::vector<bool> curveBoxes() {
        return enabled({w().chkLoaded[0], w().chkLoaded[1], w().chkLoaded[2]});
    }
};

// The impedance types put 1/12 octave into the list; neither the polarity type nor the time
// display may take that for the user's choice.
TEST_F(SettingsTest, PolarityAndImpedanceTypesForceTheirChoicesAndLevelTypesRestoreThem) {
    choose(w().cmbFreqRes, 0);
    choose(w().cmbMeasType, 2);
    EXPECT_EQ(w().cmbDisplay->currentIndex(), kTime);
    EXPECT_EQ(enabled({w().cmbDisplay, w().cmbFreqRes}), (std::vector{false, false}));
    EXPECT_EQ(w().chkAvgType->text(), QStringLiteral("Stop &nach 4 Messungen"));
    EXPECT_EQ(w().run().BlockSize, 8192);
    choose(w().cmbMeasType, 0);
    EXPECT_EQ(w().cmbDisplay->currentIndex(), kFrequency);
    EXPECT_EQ(w().cmbFreqRes->currentIndex(), 0);
    EXPECT_EQ(enabled({w().cmbDisplay, w().cmbFreqRes}), (std::vector{true, true}));
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
    EXPECT_EQ(w().cmbDisplay->currentIndex(), kTime);
    EXPECT_FALSE(w().cmbFreqRes->isEnabled());
    EXPECT_EQ(w().settings().FreqResIndex, 1);
}

TEST_F(SettingsTest, CommandsAndControlsFollowTypeAndDisplay) {
    struct Case {
        int type, display;
        std::vector<bool> loads; // correction, reference, comparison
        bool channels, exchange, level;
    };
    const Case cases[] = {
        {0, kFrequency, {true, true, true}, true, false, true},
        {1, kFrequency, {true, true, true}, false, true, true},
        {1, kTime, {false, false, false}, true, true, true},
        {2, kTime, {false, false, false}, true, false, false},
        {3, kFrequency, {false, false, true}, true, false, false},
        {4, kFrequency, {false, true, true}, false, true, false},
        // No curve is loaded in the time view, whatever the type.
        {3, kTime, {false, false, false}, true, false, false},
        {4, kTime, {false, false, false}, true, true, false},
    };
    for (const Case& c : cases) {
        choose(w().cmbMeasType, 0);
        choose(w().cmbFreqRes, 0);
        choose(w().cmbDisplay, c.display);
        choose(w().cmbMeasType, c.type);
        const auto label = ::testing::Message() << "type " << c.type << " display " << c.display;
        EXPECT_EQ(enabled({w().mnuLoadCorr, w().mnuLoadRef, w().mnuLoadComp}), c.loads) << label;
        EXPECT_EQ(enabled({w().optChannel[0], w().optChannel[1], w().mnuXchan,
                           w().mnuLevel->menuAction(), w().mnuFileSaveAs}),
                  (std::vector{c.channels, c.channels, c.exchange, c.level, false}))
            << label;
        // The axis of the view, whichever type came before.
        const AxisRange range = w().run().Range;
        const auto axis = std::tuple(range.RangeTop, range.RangeBottom, range.RangeStep);
        if (c.display == kTime)
            EXPECT_EQ(axis, std::tuple(100, -100, 20)) << label;
        else
            EXPECT_EQ(axis, c.type == 4 ? std::tuple(20, 0, 4) : std::tuple(0, -100, 20)) << label;
        if (c.type < 3) continue; // impedance: finest resolution whatever the display
        EXPECT_EQ(w().cmbFreqRes->currentIndex(), 2) << label;
        EXPECT_FALSE(w().cmbFreqRes->isEnabled()) << label;
        EXPECT_EQ(w().run().BlockSize, 65536);
    }
    EXPECT_EQ(w().settings().FreqResIndex, 0);
}

// Curve boxes only for curves that suit the type. A ticked reference box that the type has
// greyed (an impedance curve under a level measurement) keeps its curve out of the values.
TEST_F(SettingsTest, CurveBoxesFollowTheTypeAndAGreyedReferenceStaysOutOfTheValues) {
    w().hooks.loadedCurveType = [](int slot) { return slot == 0 ? 10 : kCurveImpedance; };
    choose(w().cmbMeasType, 1);
    EXPECT_EQ(curveBoxes(), (std::vector{true, false, false}));
    choose(w().cmbMeasType, 3);
    EXPECT_EQ(curveBoxes(), (std::vector{false, false, true}));
    choose(w().cmbMeasType, 0);
    choose(w().cmbDisplay, kTime);
    EXPECT_EQ(curveBoxes(), (std::vector{false, false, false}));
    // Back in frequency display the boxes are the ones the type itself offers.
    choose(w().cmbDisplay, kFrequency);
    EXPECT_EQ(curveBoxes(), (std::vector{true, false, false}));

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
        boxes.clear();
        choose(w().cmbDisplay, kTime);
        EXPECT_EQ(boxes.boxes().size(), count == 0 ? 0u : 1u);
    }
    expectLastBox(1, QStringLiteral("Es wird nur das Zeitsignal der letzten Messung angezeigt"),
                  QStringLiteral("Warnung"));
    EXPECT_FALSE(w().mnuFileSaveAs->isEnabled());
    // A new type drops the result: no warning for a result that is gone.
    choose(w().cmbDisplay, kFrequency);
    choose(w().cmbMeasType, 2);
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

TEST_F(SettingsTest, TestCdClocksAt44100AndKeepsThe48kChoiceAndARateChangeDropsTheResult) {
    w().cmdStart->click();
    w().mnu48k->trigger();
    ASSERT_EQ(w().settings().SampleRate, 48000);
    EXPECT_EQ(enabled({w().mnuFileSaveAs, w().mnuExport, w().mnuGraphSave}),
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

    boxes.clear();
    int opened = 0;
    w().hooks.openCalibration = [&opened] { ++opened; };
    boxes.answerNext(MsgAnswer::Cancel);
    w().mnuCalib->trigger();
    EXPECT_EQ(opened, 0);
    const platform::RecordedBox box = boxes.boxes().at(0);
    EXPECT_EQ(box.title, QStringLiteral("Wichtiger Hinweis zur Kalibrierung:"));
    EXPECT_TRUE(box.buttons == platform::MsgButtons::OkCancel && box.icon == MsgIcon::Critical);
    EXPECT_TRUE(box.text.contains(QStringLiteral("Referenzdatei !\r\n\r\nBitte")));
    EXPECT_TRUE(box.text.endsWith(QStringLiteral("ansonsten ist die Kalibrierung ungültig!")));
    boxes.answerNext(MsgAnswer::Ok);
    w().mnuCalib->trigger();
    EXPECT_EQ(opened, 1);
    choose(w().cmbMeasType, 3); // the shortcut of a greyed menu reaches nothing
    w().mnuCalib->trigger();
    EXPECT_EQ(boxes.boxes().size(), 2u);
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
    EXPECT_FALSE(w().mnuRange->isVisible() || w().mnuTimeChk->isVisible());
    EXPECT_TRUE(w().mnuRange->isChecked() && !w().mnuTimeChk->isChecked());
    w().mnuRange_Click();
    w().mnuTimeChk_Click();
    EXPECT_TRUE(!w().mnuRange->isChecked() && w().mnuTimeChk->isChecked());
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

} // namespace

} // namespace terzlab::test
