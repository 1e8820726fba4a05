// Device faults of the virtual card: each ends in its message and leaves the window ready, and
// the next start opens the device again (a device left open would answer "allocated" and give
// the open-failure message instead). Nothing hangs.
#include "gui_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace terzlab::test {

namespace {

const QString kNoData =
    QStringLiteral("Das Aufnahmegerät liefert keine Daten. Die Messung wurde abgebrochen!");
const QString kOpenFailed = QStringLiteral("Das Aufnahmegerät konnte nicht gestartet werden!");

// Overflows lose samples on the way in, underflows leave a gap in the stimulus: either spoils
// the block, which is captured again.
audio::VirtualCardOptions faulty(int overflows, bool silent, int blocksUntilGone, int openResult,
                                 int underflows = 0) {
    audio::VirtualCardOptions options;
    options.overflowsPerBlock = overflows;
    options.underflowsPerBlock = underflows;
    options.neverCompletes = silent;
    options.goneAfterBlocks = blocksUntilGone > 0;
    options.blocksUntilGone = blocksUntilGone;
    options.openResult = openResult;
    return options;
}

class DeviceFaultTest : public GuiTest {
  protected:
    // Presses start; the boxes that press brought up, as "title: text".
    std::vector<QString> start() {
        const size_t before = boxes.boxes().size();
        window->cmdStart->click();
        std::vector<QString> shown;
        for (size_t i = before; i < boxes.boxes().size(); ++i)
            shown.push_back(boxes.boxes()[i].title + QStringLiteral(": ") + boxes.boxes()[i].text);
        EXPECT_EQ(window->cmdStart->text(), QStringLiteral("&Starte Messung"));
        EXPECT_TRUE(window->cmdStart->isEnabled() && window->cmbMeasType->isEnabled());
        EXPECT_FALSE(window->isRunning());
        EXPECT_EQ(window->run().CaptureHandle, 0);
        EXPECT_FALSE(card->capture->isOpen());
        return shown;
    }
};

TEST_F(DeviceFaultTest, EachFaultEndsInItsMessageAndTheNextStartOpensAgain) {
    const QString noData = QStringLiteral("Fehler: ") + kNoData;
    const QString openFailed = QStringLiteral(": ") + kOpenFailed;
    using Texts = std::vector<QString>;
    const struct {
        const char* what;
        audio::VirtualCardOptions options;
        Texts first, second;
        int blocks; // captured by the first start
        int spoilt; // reported by the bench, -1: not checked
    } cases[] = {
        // Two overflows per block cost three block durations, well inside 2 s + 4 blocks:
        // the settling block and two measurements, none lost.
        {"overflows", faulty(2, false, 0, 0), {}, {}, 3, 6},
        {"underflows", faulty(0, false, 0, 0, 2), {}, {}, 3, 6},
        {"endless overflow", faulty(100, false, 0, 0), {noData}, {noData}, 0, -1},
        {"endless underflow", faulty(0, false, 0, 0, 100), {noData}, {noData}, 0, -1},
        {"never completes", faulty(0, true, 0, 0), {noData}, {noData}, 0, -1},
        {"unplugged for good", faulty(0, false, 2, 0), {noData}, {openFailed}, 2, -1},
        {"cannot be opened", faulty(0, false, 0, 4), {openFailed}, {openFailed}, 0, -1},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(load(c.options));
        platform::selectListIndex(window->cmbAvgCnt, 1);
        platform::setChecked(window->chkAvgType, true);
        EXPECT_EQ(start(), c.first) << c.what;
        EXPECT_EQ(blocks(), c.blocks) << c.what;
        if (c.spoilt >= 0) {
            EXPECT_EQ(bench().overflowsReported() + bench().underflowsReported(), c.spoilt);
            EXPECT_EQ(card->capture->blocksStartedOver(), c.spoilt) << c.what;
        }
        if (c.options.openResult != 0) {
            EXPECT_TRUE(bench().playLog().empty());
        }
        EXPECT_EQ(start(), c.second) << c.what;
    }
}

} // namespace

} // namespace terzlab::test
