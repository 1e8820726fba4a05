// The live analysis in the window on the virtual card: the program's pink noise followed until
// ESC, read as the block mode reads it, and ended by a normal run's start.
#include "gui_fixture.h"

#include "analysis/constants.h"
#include "app/live_controller.h"
#include "files/settings.h"

namespace terzlab::test {

namespace {

class LiveViewTest : public GuiTest {
  protected:
    void SetUp() override { loadWithProgramStimuli(); }
    QAction* command(const char* name) { return window->findChild<QAction*>(name); }
};

TEST_F(LiveViewTest, FollowsThePinkNoiseUntilEscAndReadsWhatTheBlockModeReads) {
    startRun(0); // one block
    const std::vector<double> block = window->valuesAt(kTwelfthOctave);
    int looks = 0;
    keys.onAsk = [&] { return ++looks == 5; }; // a second of the stream at each look
    command("mnuLiveRun")->trigger();
    EXPECT_FALSE(window->live().on());
    EXPECT_GE(window->live().updates(), 30);
    expectIdle();
    const std::vector<double> live = window->valuesAt(kTwelfthOctave);
    ASSERT_EQ(live.size(), block.size());
    // The bands the pink noise is flat in, 20 Hz to 20 kHz; outside them only the bench's noise.
    for (size_t b = 12; b <= 132; ++b)
        EXPECT_NEAR(live[b], block[b], 0.1) << "band " << b;
    EXPECT_TRUE(window->mnuFileSaveAs->isEnabled());
    EXPECT_EQ(window->measurementHeader().Note,
              "Live analysis\tExponential averaging\tTime constant 0.125 s");
    EXPECT_EQ(bench().playLog().back(), "Stop.wav ");
    EXPECT_TRUE(boxes.boxes().empty());

    // The choice is the settings file's.
    window->findChildren<QAction*>("mnuLiveAveraging").at(5)->trigger(); // linear over 64
    const std::string text = SettingsFileText(window->settings());
    EXPECT_NE(text.find("\r\nLiveAveraging=3\r\n# LiveAverageCount: 2 ... 256 (default = 16)\r\n"
                        "LiveAverageCount=64\r\n"),
              std::string::npos);
}

// The live analysis runs from the event loop; a normal start ends it before its own run.
TEST_F(LiveViewTest, ANormalStartEndsTheLiveAnalysisFirst) {
    scheduler.queued = true;
    command("mnuLiveRun")->trigger();
    EXPECT_TRUE(window->live().on());
    EXPECT_EQ(window->cmdStart->text(), "Live-Analyse läuft. Ende mit ESC");
    platform::waitUntil([this] { return window->live().updates() >= 3; });
    startRun(0);
    EXPECT_FALSE(window->live().on());
    platform::waitUntil([this] { return !window->isRunning(); });
    expectIdle();
    EXPECT_EQ(window->measurementHeader().Note, "");
}

} // namespace
} // namespace terzlab::test
