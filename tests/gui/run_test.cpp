// The measurement run on the virtual sound card.
#include "filesel_files.h"
#include "gui_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>

namespace terzlab::test {

namespace {

class RunTest : public GuiTest {
  protected:
    void SetUp() override { ASSERT_TRUE(load()); }

    // Records the start button's caption each block and presses ESC at block `escAt` (0: never).
    void recordCaptions(int escAt = 0) {
        keys.onAsk = [this, escAt] {
            if (!window->isRunning()) return false; // the discard at the start of a run
            captions.push_back(window->cmdStart->text());
            return escAt > 0 && static_cast<int>(captions.size()) == escAt;
        };
    }

    void expectIdle() {
        EXPECT_EQ(window->cmdStart->text(), QStringLiteral("&Starte Messung"));
        EXPECT_EQ(window->run().CaptureHandle, 0);
        EXPECT_FALSE(card->capture->isOpen());
        EXPECT_TRUE(window->cmbMeasType->isEnabled());
        EXPECT_TRUE(window->chkAvgType->isEnabled());
    }

    std::vector<QString> captions;
};

TEST_F(RunTest, OneMeasurementInStopModeCapturesSettlingAndOneBlock) {
    platform::selectListIndex(window->cmbAvgCnt, 0);
    platform::setChecked(window->chkAvgType, true);
    recordCaptions();
    EXPECT_FALSE(window->mnuExport->isEnabled());
    window->cmdStart->click();
    EXPECT_EQ(blocks(), 2);
    EXPECT_EQ(captions, std::vector<QString>{QStringLiteral("Fertig!")});
    EXPECT_EQ(window->run().AvgCount, -1);
    expectIdle();
    EXPECT_TRUE(window->mnuFileSaveAs->isEnabled());
    EXPECT_TRUE(window->mnuExport->isEnabled() && window->mnuGraphSave->isEnabled());
    // The graph with its labels, as shown.
    window->mnuGraphCopy->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_GT(copied.width(), window->picGraph->width());
    EXPECT_GT(copied.height(), window->picGraph->height());
    const auto log = bench().playLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], filePath(QStringLiteral("pseudo.wav")).toStdString());
    EXPECT_EQ(log[1], "Stop.wav ");
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(RunTest, ContinuousRunCountsDownToOneThenShowsFullCountUntilEsc) {
    platform::selectListIndex(window->cmbAvgCnt, 2);
    platform::setChecked(window->chkAvgType, false);
    EXPECT_EQ(window->settings().AvgCountIndex, 3);
    recordCaptions(6);
    window->cmdStart->click();
    auto noch = [](int n) { return QStringLiteral("Noch %1 Messungen. Abbruch mit ESC!").arg(n); };
    EXPECT_EQ(captions,
              (std::vector<QString>{noch(3), noch(2), noch(1), noch(4), noch(3), noch(2)}));
    EXPECT_EQ(blocks(), 7);
    expectIdle();
}

TEST_F(RunTest, ScopeModeShowsOneBlockAtATimeAndRestoresTheSettings) {
    window->cmdScope->click();
    EXPECT_EQ(window->cmdScope->text(), QStringLiteral("Check &Off"));
    EXPECT_FALSE(window->chkAvgType->isChecked());
    EXPECT_EQ(window->run().MeasLimit, 1);
    recordCaptions(3);
    window->cmdStart->click();
    EXPECT_EQ(captions.back(), QStringLiteral("Noch 1 Messungen. Abbruch mit ESC!"));
    window->cmdScope->click();
    EXPECT_TRUE(window->chkAvgType->isChecked());
    EXPECT_EQ(window->cmbAvgCnt->currentIndex(), 2);
    EXPECT_EQ(window->settings().AvgCountIndex, -3);
}

TEST_F(RunTest, EscInFirstImpedancePartLeadsIntoSecondPart) {
    platform::selectListIndex(window->cmbMeasType, 3);
    platform::selectListIndex(window->cmbAvgCnt, 0);
    EXPECT_EQ(window->captureBuffer().size(), 2u * 65536u);
    window->cmdAutoRange->click(); // the axis part 2 starts with stays up
    std::vector<int> parts;
    keys.onAsk = [this, &parts] {
        if (!window->isRunning()) return false;
        parts.push_back(window->run().ImpedancePart);
        return parts.size() == 1; // ESC in part 1
    };
    window->cmdStart->click();
    EXPECT_EQ(parts, (std::vector<int>{1, 2}));
    EXPECT_EQ(instructionPages, (std::vector<int>{23, 23}));
    EXPECT_EQ(window->run().Range.RangeTop, 10);
    EXPECT_EQ(window->run().Range.RangeStep, 2);
    EXPECT_EQ(blocks(), 4);
    expectIdle();
}

TEST_F(RunTest, FortyEightKilohertzDoublesOnlyTheRateFields) {
    window->mnu48k->trigger();
    ASSERT_EQ(window->settings().SampleRate, 48000);
    window->cmdStart->click();
    const audio::WaveFormat& format = window->captureFormat();
    EXPECT_EQ(format.samplesPerSec, 48000u);
    EXPECT_EQ(format.avgBytesPerSec, 192000u);
    EXPECT_EQ(format.blockAlign, 4);
    EXPECT_EQ(window->captureHeader().bufferLength, 65536u);
}

TEST_F(RunTest, AMissingOrBrokenStimulusEndsTheStartWithoutCapture) {
    const QString path = filePath(QStringLiteral("pseudo.wav"));
    QFile::remove(path);
    window->cmdStart->click();
    expectLastBox(1,
                  QStringLiteral("Datei ") + path +
                      QStringLiteral(" nicht gefunden, Messung abgebrochen!"),
                  QStringLiteral("Fehler"));
    writeBytes(path, "no wave at all");
    window->cmdStart->click();
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[1].text,
              QStringLiteral("Die Datei ") + path +
                  QStringLiteral(" ist keine gültige WAV-Datei, Messung abgebrochen!"));
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

TEST_F(RunTest, UnwritableRateFieldFallsBackTo44100AndEndsTheRun) {
    const QString path = filePath(QStringLiteral("pseudo.wav"));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (QFile(path).open(QIODevice::WriteOnly)) GTEST_SKIP() << "running as root";
    window->mnu48k->trigger();
    window->cmdStart->click();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("Fehler:"));
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith(QStringLiteral("Die WAV-Datei ") + path));
    EXPECT_FALSE(window->mnu48k->isChecked());
    EXPECT_EQ(window->settings().SampleRate, 44100);
    EXPECT_EQ(blocks(), 0);
    expectIdle();
}

} // namespace

} // namespace terzlab::test
