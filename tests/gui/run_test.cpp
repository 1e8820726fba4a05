// The measurement run on the virtual sound card.
#include "gui_fixture.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

namespace terzlab::test {

namespace {

class RunTest : public GuiTest {
  protected:
    void SetUp() override { ASSERT_TRUE(load()); }
};

TEST_F(RunTest, StopModeCapturesSettlingAndCountContinuousModeCountsOnUntilEsc) {
    recordCaptions();
    EXPECT_FALSE(window->mnuExport->isEnabled());
    startRun(0);
    EXPECT_EQ(blocks(), 2);
    EXPECT_EQ(captions, std::vector<QString>{"Fertig!"});
    EXPECT_EQ(window->run().AvgCount, -1);
    expectIdle();
    EXPECT_TRUE(window->mnuFileSaveAs->isEnabled() && window->mnuExport->isEnabled() &&
                window->mnuGraphSave->isEnabled());
    EXPECT_EQ(bench().playLog(),
              (std::vector<std::string>{filePath("pseudo.wav").toStdString(), "Stop.wav "}));
    // The graph with its labels, as shown.
    window->mnuGraphCopy->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_GT(copied.width(), window->picGraph->width());
    EXPECT_GT(copied.height(), window->picGraph->height());

    captions.clear();
    recordCaptions(6);
    startRun(2, false);
    EXPECT_EQ(window->settings().AvgCountIndex, 3);
    EXPECT_EQ(captions,
              (std::vector<QString>{noch(3), noch(2), noch(1), noch(4), noch(3), noch(2)}));
    EXPECT_EQ(blocks(), 2 + 7);
    expectIdle();
    EXPECT_TRUE(boxes.boxes().empty());

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
}

TEST_F(RunTest, ScopeModeShowsOneBlockAtATimeAndRestoresTheSettings) {
    window->cmdScope->click(); // its caption is checked with the access keys
    EXPECT_FALSE(window->chkAvgType->isChecked());
    EXPECT_EQ(window->run().MeasLimit, 1);
    recordCaptions(3);
    window->cmdStart->click();
    EXPECT_EQ(captions.back(), noch(1));
    window->cmdScope->click();
    EXPECT_TRUE(window->chkAvgType->isChecked());
    EXPECT_EQ(window->cmbAvgCnt->currentIndex(), 2);
    EXPECT_EQ(window->settings().AvgCountIndex, -3);
}

TEST_F(RunTest, EscInFirstImpedancePartLeadsIntoSecondPart) {
    platform::selectListIndex(window->cmbMeasType, 3);
    EXPECT_EQ(window->captureBuffer().size(), 2u * 65536u);
    window->cmdAutoRange->click(); // the axis part 2 starts with stays up
    std::vector<int> parts;
    keys.onAsk = [this, &parts] {
        if (!window->isRunning()) return false;
        parts.push_back(window->run().ImpedancePart);
        return parts.size() == 1; // ESC in part 1
    };
    startRun(0);
    EXPECT_EQ(parts, (std::vector<int>{1, 2}));
    EXPECT_EQ(window->run().Range.RangeTop, 10);
    EXPECT_EQ(window->run().Range.RangeStep, 2);
    EXPECT_EQ(blocks(), 4);
    expectIdle();
}

TEST_F(RunTest, FortyEightKilohertzDoublesOnlyTheRateFields) {
    window->mnu48k->trigger();
    window->cmdStart->click();
    const audio::WaveFormat& format = window->captureFormat();
    EXPECT_EQ(format.samplesPerSec, 48000u);
    EXPECT_EQ(format.avgBytesPerSec, 192000u);
    EXPECT_EQ(format.blockAlign, 4);
    EXPECT_EQ(window->captureHeader().bufferLength, 65536u);
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
    EXPECT_EQ(blocks(), 2);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(card->capture->isOpen());
}

} // namespace

} // namespace terzlab::test
