// Start-up: device and screen checks, first selections, the calibration question, resizing.
#include "gui_fixture.h"

#include "app/start.h"
#include "guidance/frm_help.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace terzlab::test {

namespace {

using platform::MsgIcon;

class StartupTest : public GuiTest {
  protected:
    // Loads with the given lists and expects exactly one refusal with this text and title.
    void expectRefusal(const audio::VirtualCardOptions& options, const QString& text,
                       const QString& title = QString()) {
        EXPECT_FALSE(load(options));
        ASSERT_EQ(boxes.boxes().size(), 1u) << qPrintable(text);
        EXPECT_EQ(boxes.boxes()[0].text, text);
        EXPECT_EQ(boxes.boxes()[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(boxes.boxes()[0].title, title);
        boxes.clear();
    }
};

TEST_F(StartupTest, EachUnusableMachineIsRefused) {
    audio::VirtualCardOptions noInput;
    noInput.inputNames = {};
    noInput.inputFormats = {};
    expectRefusal(noInput,
                  QStringLiteral("Kein Aufnahmegerät gefunden -> das Programm wird beendet"));

    audio::VirtualCardOptions noCdInput;
    noCdInput.inputNames = {"Mono-Mikrofon"};
    noCdInput.inputFormats = {0};
    expectRefusal(noCdInput, QStringLiteral("Kein Aufnahmegerät gefunden, dass CD-Qualität (44.1 "
                                            "kHz, 16 bit, Stereo) unterstützt -> das Programm "
                                            "wird beendet"));

    audio::VirtualCardOptions noOutput;
    noOutput.outputNames = {};
    noOutput.outputFormats = {};
    expectRefusal(noOutput,
                  QStringLiteral("Kein Wiedergabegerät gefunden -> das Programm wird beendet"));

    audio::VirtualCardOptions noCdOutput;
    noCdOutput.outputNames = {"HDMI"};
    noCdOutput.outputFormats = {0};
    expectRefusal(
        noCdOutput,
        QStringLiteral("Kein Wiedergabegerät gefunden, das CD-Qualität (44.1 kHz, 16 bit, "
                       "Stereo) unterstützt -> eine spezielle Mess-CD muss verwendet "
                       "werden"));

    screenWidth = 799;
    expectRefusal({},
                  QStringLiteral("Für die Darstellung wird eine Bildschirmauflösung\r\nvon "
                                 "mindestens 800 x 600 Punkten benötigt!\r\nDas Programm wird "
                                 "angehalten!"),
                  QStringLiteral("Unzureichende Bildschirmauflösung!"));
    screenWidth = 800;
    EXPECT_TRUE(load());
}

TEST_F(StartupTest, SecondUsablePlaybackDeviceGivesOneNoticeAndIsNotListed) {
    audio::VirtualCardOptions options;
    options.outputNames = {"Lautsprecher", "Kopfhörer", "HDMI"};
    options.outputFormats = {0xFFFFF, 0xFFFFF, 0xFFFFF};
    ASSERT_TRUE(load(options));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              QStringLiteral("Es wurde mehr als ein Wiedergabegerät gefunden,\r\nes kann jedoch "
                             "nur das Standardgerät verwendet werden!"));
    ASSERT_EQ(window->cmbWavOutDev->count(), 2);
    EXPECT_EQ(window->cmbWavOutDev->itemText(0), QStringLiteral("Lautsprecher"));
    EXPECT_EQ(window->cmbWavOutDev->itemText(1), QStringLiteral("Test-CD"));
}

TEST_F(StartupTest, StoredIndexesOutsideTheListsSelectTheFirstEntry) {
    audio::VirtualCardOptions options;
    options.inputNames = {"Line", "Mikrofon", "Mono"};
    options.inputFormats = {0xFFFFF, 0xFFFFF, 0};
    app::Settings settings;
    settings.WavInDevIndex = 2; // the list holds two usable devices
    settings.WavOutDevIndex = 5;
    ASSERT_TRUE(load(options, settings));
    EXPECT_EQ(window->cmbWavInDev->count(), 2);
    EXPECT_EQ(window->cmbWavInDev->currentIndex(), 0);
    EXPECT_EQ(window->cmbWavOutDev->currentIndex(), 0);
}

TEST_F(StartupTest, StoredSettingsSurviveTheFirstSelections) {
    app::Settings settings;
    settings.AvgCountIndex = -4;
    settings.FreqResIndex = 1;
    settings.ActiveChannel = 0;
    ASSERT_TRUE(load({}, settings));
    EXPECT_EQ(window->cmbAvgCnt->currentIndex(), 3);
    EXPECT_TRUE(window->chkAvgType->isChecked());
    EXPECT_EQ(window->settings().AvgCountIndex, -4);
    EXPECT_EQ(window->run().MeasLimit, 8);
    EXPECT_EQ(window->cmbFreqRes->currentIndex(), 1);
    EXPECT_EQ(window->chkAvgType->text(), QStringLiteral("Stop &nach 8 Mittelungen"));
    EXPECT_EQ(window->cmdStart->text(), QStringLiteral("&Starte Messung"));
    EXPECT_EQ(window->run().BlockSize, 16384);
}

TEST_F(StartupTest, WindowSnapsBackToItsMinimumSize) {
    ASSERT_TRUE(load());
    window->resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_GE(window->frameGeometry().width(), app::kMinWidthTwips / app::kTwipsPerPixel);
    EXPECT_GE(window->frameGeometry().height(), app::kMinHeightTwips / app::kTwipsPerPixel);
    window->resize(900, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->cmdStart->width(), window->picGraph->width());
    EXPECT_GT(window->picGraph->width(), 7455 / app::kTwipsPerPixel);
}

TEST(StartProcedure, InformationWindowReleasesTheStartHoweverItCloses) {
    for (bool byButton : {true, false}) {
        app::DialogState dialogs{0, true};
        auto* about = new guidance::frmHelp(dialogs);
        about->show();
        if (byButton)
            about->cmdOK->click();
        else
            about->close();
        EXPECT_FALSE(dialogs.AboutOpen);
        EXPECT_EQ(dialogs.DialogPage, -1);
    }
}

TEST(StartProcedure, CommandLineFaultsAreReported) {
    auto parse = [](QStringList args) {
        args.prepend(QStringLiteral("terzlab"));
        return app::parseCommandLine(args);
    };
    const app::CommandLine full = parse({"--virtual", "--screenshot", "a.png", "--measure"});
    EXPECT_TRUE(full.error.isEmpty());
    EXPECT_TRUE(full.virtualCard && full.measure);
    EXPECT_EQ(full.screenshot, QStringLiteral("a.png"));
    EXPECT_FALSE(parse({"--screenshot"}).error.isEmpty());
    EXPECT_FALSE(parse({"--measure"}).error.isEmpty());
    EXPECT_FALSE(parse({"--bogus"}).error.isEmpty());
    EXPECT_EQ(app::programFolderOf(QStringLiteral("/opt/terzlab/bin/terzlab")), "/opt/terzlab/bin");
}

} // namespace

} // namespace terzlab::test
