// Device faults of the virtual card beyond the first run: each ends in its message, the window
// takes the next start, and that start opens the device again (a device left open would answer
// "allocated" and give the open-failure message instead).
#include "gui_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace terzlab::test {

namespace {

const QString kNoData =
    QStringLiteral("Das Aufnahmegerät liefert keine Daten. Die Messung wurde abgebrochen!");
const QString kOpenFailed = QStringLiteral("Das Aufnahmegerät konnte nicht gestartet werden!");

class DeviceFaultTest : public GuiTest {
  protected:
    // Presses start; the texts of the boxes that press brought up.
    std::vector<QString> start() {
        const size_t before = boxes.boxes().size();
        window->cmdStart->click();
        std::vector<QString> texts;
        for (size_t i = before; i < boxes.boxes().size(); ++i)
            texts.push_back(boxes.boxes()[i].text);
        return texts;
    }

    void expectReady() {
        EXPECT_EQ(window->cmdStart->text(), QStringLiteral("&Starte Messung"));
        EXPECT_TRUE(window->cmdStart->isEnabled());
        EXPECT_TRUE(window->cmbMeasType->isEnabled());
        EXPECT_FALSE(window->isRunning());
        EXPECT_EQ(window->run().CaptureHandle, 0);
        EXPECT_FALSE(card->capture->isOpen());
    }
};

// Samples lost on the way in and a stimulus with a gap both spoil a block: it is captured
// again. One hook of each kind, set to `count` per block.
audio::VirtualCardOptions startingOver(bool starved, int count) {
    audio::VirtualCardOptions options;
    (starved ? options.underflowsPerBlock : options.overflowsPerBlock) = count;
    return options;
}

TEST_F(DeviceFaultTest, SpoiltBlocksAreCapturedAgainWithinTheWait) {
    for (const bool starved : {false, true}) {
        // Three block durations each, well inside 2 s + 4 blocks.
        ASSERT_TRUE(load(startingOver(starved, 2)));
        platform::selectListIndex(window->cmbAvgCnt, 1);
        platform::setChecked(window->chkAvgType, true);
        EXPECT_TRUE(start().empty()) << starved;
        EXPECT_EQ(blocks(), 3); // settling block and two measurements, none lost
        EXPECT_EQ(starved ? bench().underflowsReported() : bench().overflowsReported(), 6);
        EXPECT_EQ(card->capture->blocksStartedOver(), 6);
        expectReady();
    }
}

TEST_F(DeviceFaultTest, EndlessSpoilingEndsInNoDataAndTheNextStartOpensAgain) {
    for (const bool starved : {false, true}) {
        ASSERT_TRUE(load(startingOver(starved, 100)));
        for (int run = 0; run < 2; ++run) {
            EXPECT_EQ(start(), std::vector<QString>{kNoData}) << starved << run;
            expectReady();
        }
        EXPECT_EQ(blocks(), 0);
    }
}

TEST_F(DeviceFaultTest, NextStartAfterAFaultOpensTheDeviceAgain) {
    audio::VirtualCardOptions silent;
    silent.neverCompletes = true;
    ASSERT_TRUE(load(silent));
    EXPECT_EQ(start(), std::vector<QString>{kNoData});
    EXPECT_EQ(start(), std::vector<QString>{kNoData});
    expectReady();

    audio::VirtualCardOptions vanishing;
    vanishing.goneAfterBlocks = true;
    vanishing.blocksUntilGone = 2;
    ASSERT_TRUE(load(vanishing));
    EXPECT_EQ(start(), std::vector<QString>{kNoData});
    EXPECT_EQ(start(), std::vector<QString>{kOpenFailed}); // unplugged for good
    expectReady();
    EXPECT_TRUE(window->cmdStart->isEnabled());
}

} // namespace

} // namespace terzlab::test
