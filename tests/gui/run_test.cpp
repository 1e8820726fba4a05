// The measurement run on the virtual sound card: counting and stopping, the stimulus and device
// faults, and a long continuous run.
#include "gui_fixture.h"
#include "support/process_use.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <filesystem>
#include <iterator>

namespace terzlab::test {

namespace {

class RunTest : public GuiTest {
  protected:
    void SetUp() override { ASSERT_TRUE(load()); }
};

TEST_F(RunTest, StopAndContinuousModesCountAQueuedStartIsIgnoredAndTheResultIsWrittenOut) {
    recordCaptions();
    EXPECT_FALSE(window->mnuExport->isEnabled());
    startRun(0);
    EXPECT_EQ(std::tuple(blocks(), captions, window->measurement().AvgCount()),
              std::tuple(2, std::vector<QString>{"Fertig!"}, -1));
    expectIdle();
    EXPECT_EQ(enabledNames({window->mnuFileSaveAs, window->mnuExport, window->mnuGraphSave}),
              "mnuFileSaveAs mnuExport mnuGraphSave");
    EXPECT_EQ(bench().playLog(),
              (std::vector<std::string>{filePath("pseudo.wav").toStdString(), "Stop.wav "}));
    // The graph with its labels, as shown.
    window->mnuGraphCopy->trigger();
    const QSize more = QGuiApplication::clipboard()->image().size() - window->picGraph->size();
    EXPECT_GT(more.width(), 0);
    EXPECT_GT(more.height(), 0);

    captions.clear();
    recordCaptions(6);
    startRun(2, false);
    EXPECT_EQ(captions,
              (std::vector<QString>{noch(3), noch(2), noch(1), noch(4), noch(3), noch(2)}));
    EXPECT_EQ(std::tuple(window->settings().AvgCountIndex, blocks()), std::tuple(3, 2 + 7));
    expectIdle();

    // A start that arrives while a run is going (a queued click, the Enter key) is ignored.
    bool again = true;
    keys.onAsk = [this, &again] {
        if (window->isRunning() && std::exchange(again, false)) window->cmdStart_Click();
        return false;
    };
    startRun(0);
    EXPECT_EQ(blocks(), 2 + 7 + 2);
    expectIdle();
    EXPECT_TRUE(boxes.boxes().empty());

    // Written for other programs, or a box each that says why not.
    window->exportMeasurementTo(filePath("m.frd"));
    window->saveGraphTo(filePath("m.svg"), false);
    window->exportMeasurementTo(filePath("weg/m.frd"));
    window->saveGraphTo(filePath("weg/m.png"), true);
    EXPECT_EQ(contents("m.frd").substr(0, 16) + " " + contents("m.svg").substr(0, 5),
              "* Terzlab export <?xml");
    EXPECT_EQ(boxes.boxes().size(), 2u);
}

// The click returns at once; the blocks come from the event loop, and the user's commands reach
// the window between them.
TEST_F(RunTest, RunGoesOnFromTheEventLoopWithTheWindowFree) {
    scheduler.queued = true;
    startRun(2);
    EXPECT_TRUE(window->isRunning());
    EXPECT_EQ(blocks(), 0) << "nothing is captured inside the click";
    platform::waitUntil([this] { return !window->isRunning(); });
    EXPECT_EQ(blocks(), 1 + 4);
    expectIdle();
}

TEST_F(RunTest, ScopeModeShowsOneBlockAtATimeAndRestoresTheSettings) {
    window->cmdScope->click(); // its caption is checked with the access keys
    EXPECT_EQ(std::pair(window->chkAvgType->isChecked(), window->run().MeasLimit),
              std::pair(false, int16_t{1}))
        << "stop mode, limit";
    recordCaptions(3);
    window->cmdStart->click();
    EXPECT_EQ(captions.back(), noch(1));
    window->cmdScope->click();
    EXPECT_EQ(std::tuple(window->chkAvgType->isChecked(), window->cmbAvgCnt->currentIndex(),
                         window->settings().AvgCountIndex),
              std::tuple(true, 2, -3));
}

TEST_F(RunTest, EscInFirstImpedancePartLeadsIntoSecondPart) {
    choose(window->cmbMeasType, 3);
    EXPECT_EQ(window->captureBuffer().size(), 2u * 65536u);
    window->cmdAutoRange->click(); // the axis part 2 starts with stays up
    std::vector<int> parts;
    keys.onAsk = [this, &parts] {
        if (!window->isRunning()) return false;
        parts.push_back(window->measurement().Part());
        return parts.size() == 1; // ESC in part 1
    };
    startRun(0);
    EXPECT_EQ(parts, (std::vector<int>{1, 2}));
    const AxisRange& range = window->run().Range;
    EXPECT_EQ(std::tuple(range.RangeTop, range.RangeStep, blocks()), std::tuple(10, 2, 4));
    expectIdle();
}

TEST_F(RunTest, FortyEightKilohertzDoublesOnlyTheRateFields) {
    window->mnu48k->trigger();
    window->cmdStart->click();
    const audio::WaveFormat& f = window->captureFormat();
    EXPECT_EQ(std::tuple(f.samplesPerSec, f.avgBytesPerSec, f.blockAlign,
                         window->captureHeader().bufferLength),
              std::tuple(48000u, 192000u, uint16_t{4}, 65536u));
}

// Missing, broken, then valid but read-only (the 48-kHz rate field cannot be written).
TEST_F(RunTest, AStimulusFaultEndsTheStartWithoutCapture) {
    const QString path = filePath("pseudo.wav");
    QFile::remove(path);
    window->cmdStart->click();
    put("pseudo.wav", "no wave at all");
    window->cmdStart->click();
    expectBoxesAsGolden(); // one box for each
    EXPECT_EQ(blocks(), 0);
    expectIdle();

    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(filePath("pulse.wav"), path));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (QFile(path).open(QIODevice::WriteOnly)) GTEST_SKIP() << "running as root";
    window->mnu48k->trigger();
    window->cmdStart->click();
    ASSERT_EQ(boxes.boxes().size(), 3u);
    EXPECT_EQ(boxes.boxes()[2].title, "Fehler:");
    EXPECT_TRUE(boxes.boxes()[2].text.startsWith("Die WAV-Datei " + path));
    EXPECT_FALSE(window->mnu48k->isChecked());
    EXPECT_EQ(window->settings().SampleRate, 44100);
    EXPECT_EQ(blocks(), 0);
    expectIdle();
}

TEST_F(RunTest, ClosingTheWindowDuringARunEndsRunThenWindow) {
    window->show();
    keys.onAsk = [this] {
        if (window->isRunning() && blocks() == 2) window->close();
        return false;
    };
    window->cmdStart->click();
    EXPECT_EQ(std::tuple(blocks(), window->isVisible(), card->capture->isOpen()),
              std::tuple(2, false, false));
}

// Each device fault ends in its message and leaves the window ready, and the next start opens the
// device again (a device left open would answer "allocated" and give the open-failure message
// instead). Nothing hangs.
TEST_F(RunTest, EachDeviceFaultEndsInItsMessageAndTheNextStartOpensAgain) {
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
        SCOPED_TRACE(::testing::Message() << "case " << (&c - cases));
        ASSERT_TRUE(load(c.options));
        for (int press = 0; press < 2; ++press) {
            const size_t before = boxes.boxes().size();
            startRun(1);
            QString said; // the boxes of this start
            for (size_t b = before; b < boxes.boxes().size(); ++b)
                said += boxes.boxes()[b].title + ": " + boxes.boxes()[b].text;
            EXPECT_EQ(said, press == 0 ? c.first : c.second);
            expectIdle();
            if (press == 1) continue;
            EXPECT_EQ(blocks(), c.blocks);
            if (c.spoilt >= 0) {
                EXPECT_EQ(bench().overflowsReported() + bench().underflowsReported(), c.spoilt);
                EXPECT_EQ(card->capture->blocksStartedOver(), c.spoilt);
            }
            EXPECT_TRUE(c.options.openResult == 0 || bench().playLog().empty());
        }
    }
}

// A long continuous run on virtual time ends with the band values of a short run and without
// having grown (heap, file descriptors, threads).
TEST_F(RunTest, ALongContinuousRunEndsAsAShortOneWithoutGrowing) {
    audio::BenchSettings quiet = bench().settings();
    quiet.noise = 0.0; // so that both runs must read the same
    bench().setSettings(quiet);
    // A continuous run of `count` blocks in each part; `onBlock` sees every block's number.
    auto run = [this](int type, int count, const std::function<void(int)>& onBlock) {
        choose(window->cmbMeasType, type);
        int block = 0, part = -1;
        keys.onAsk = [&] {
            if (!window->isRunning()) return false; // the discard at the start of a run
            if (window->measurement().Part() != part) block = 0;
            part = window->measurement().Part();
            onBlock(++block);
            return block == count;
        };
        startRun(2, false);
        return window->bands().BandValue;
    };
    // Blocks per part of a run; growth is counted after `settled` blocks, which fill the caches
    // and pools a run keeps. Under AddressSanitizer a 16384-point block takes about 45 ms (a
    // 65536-point one four times that), so the run is far shorter than a night's: long enough
    // that a leaked block buffer (64 KiB and more) shows, short enough for every test run.
    for (const auto [type, count, settled] :
         {std::array{0, 120, 40}, {1, 120, 40}, {2, 120, 40}, {3, 30, 10}, {4, 30, 10}}) {
        const std::vector<double> shortRun = run(type, 10, [](int) {});
        const auto before = processUse();
        std::array<long, 3> atSettled{};
        const std::vector<double> longRun = run(type, count, [&](int block) {
            if (block == settled) atSettled = processUse();
        });
        const auto after = processUse();
        EXPECT_LE(std::labs(after[0] - atSettled[0]), 1024) << type << ": heap KiB";
        EXPECT_EQ(after[1], before[1]) << type << ": file descriptors";
        EXPECT_EQ(after[2], before[2]) << type << ": threads";
        ASSERT_EQ(longRun.size(), shortRun.size());
        for (size_t i = 0; i < longRun.size(); ++i)
            EXPECT_NEAR(longRun[i], shortRun[i], 0.01) << type << ": band " << i;
        EXPECT_TRUE(boxes.boxes().empty()) << type;
    }
}

} // namespace

} // namespace terzlab::test
