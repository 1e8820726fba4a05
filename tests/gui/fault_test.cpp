// Device faults of the virtual card: each ends in its message and leaves the window ready, and
// the next start opens the device again (a device left open would answer "allocated" and give
// the open-failure message instead). Nothing hangs.
#include "gui_fixture.h"

namespace terzlab::test {

namespace {

class DeviceFaultTest : public GuiTest {};

TEST_F(DeviceFaultTest, EachFaultEndsInItsMessageAndTheNextStartOpensAgain) {
    const QString noData =
        "Fehler: Das Aufnahmegerät liefert keine Daten. Die Messung wurde abgebrochen!";
    const QString openFailed = ": Das Aufnahmegerät konnte nicht gestartet werden!";
    const struct {
        audio::VirtualCardOptions options;
        QString first, second; // the box of each start, empty: none
        int blocks;            // captured by the first start
        int spoilt;            // blocks captured again, -1: not checked
    } cases[] = {
        // Overflows lose samples on the way in, underflows leave a gap in the stimulus: either
        // spoils the block, which is captured again. Two per block cost three block durations,
        // well inside 2 s + 4 blocks: the settling block and two measurements, none lost.
        {{.overflowsPerBlock = 2}, {}, {}, 3, 6},
        {{.underflowsPerBlock = 2}, {}, {}, 3, 6},
        {{.overflowsPerBlock = 100}, noData, noData, 0, -1},
        {{.underflowsPerBlock = 100}, noData, noData, 0, -1},
        {{.neverCompletes = true}, noData, noData, 0, -1},
        {{.goneAfterBlocks = true, .blocksUntilGone = 2}, noData, openFailed, 2, -1}, // for good
        {{.openResult = 4}, openFailed, openFailed, 0, -1},
    };
    for (const auto& c : cases) {
        const auto label = ::testing::Message() << "case " << (&c - cases);
        ASSERT_TRUE(load(c.options));
        for (int press = 0; press < 2; ++press) {
            const QString& expected = press == 0 ? c.first : c.second;
            const size_t before = boxes.boxes().size();
            startRun(1);
            const auto& shown = boxes.boxes();
            EXPECT_EQ(shown.size(), before + !expected.isEmpty()) << label;
            const QString last =
                shown.empty() ? QString() : shown.back().title + u':' + u' ' + shown.back().text;
            EXPECT_EQ(shown.size() > before ? last : QString(), expected) << label;
            expectIdle();
            if (press == 1) continue;
            EXPECT_EQ(blocks(), c.blocks) << label;
            if (c.spoilt >= 0) {
                EXPECT_EQ(bench().overflowsReported() + bench().underflowsReported(), c.spoilt);
                EXPECT_EQ(card->capture->blocksStartedOver(), c.spoilt) << label;
            }
            EXPECT_TRUE(c.options.openResult == 0 || bench().playLog().empty()) << label;
        }
    }
}

} // namespace

} // namespace terzlab::test
