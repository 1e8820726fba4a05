// Start-up: device and screen checks, first selections, the calibration question, resizing,
// and the settings file and stored curves between one program start and the next.
#include "filesel_files.h"
#include "gui_fixture.h"

#include "app/start.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace terzlab::test {

namespace {

class StartupTest : public GuiTest {};

TEST_F(StartupTest, EachUnusableMachineIsRefused) {
    // One device per format entry; 0 lacks the 44.1 kHz, 16 bit, stereo bit.
    auto card = [](std::vector<uint32_t> in, std::vector<uint32_t> out) {
        audio::VirtualCardOptions options;
        options.inputNames.assign(in.size(), "Gerät");
        options.inputFormats = in;
        options.outputNames.assign(out.size(), "Gerät");
        options.outputFormats = out;
        return options;
    };
    const std::pair<audio::VirtualCardOptions, const char*> machines[] = {
        {card({}, {1}), "Kein Aufnahmegerät gefunden -> das Programm wird beendet"},
        {card({0}, {1}), "Kein Aufnahmegerät gefunden, dass CD-Qualität (44.1 kHz, 16 bit, "
                         "Stereo) unterstützt -> das Programm wird beendet"},
        {card({1}, {}), "Kein Wiedergabegerät gefunden -> das Programm wird beendet"},
        {card({1}, {0}), "Kein Wiedergabegerät gefunden, das CD-Qualität (44.1 kHz, 16 bit, "
                         "Stereo) unterstützt -> eine spezielle Mess-CD muss verwendet werden"},
    };
    for (const auto& [options, text] : machines) {
        boxes.clear();
        EXPECT_FALSE(load(options));
        expectLastBox(1, QString::fromUtf8(text), QString());
    }
    screenWidth = 799;
    EXPECT_FALSE(load());
    expectLastBox(2,
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
    QStringList listed;
    for (int i = 0; i < window->cmbWavOutDev->count(); ++i)
        listed << window->cmbWavOutDev->itemText(i);
    EXPECT_EQ(listed, QStringList({"Lautsprecher", "Test-CD"}));
}

// Out-of-range device indexes fall back to entry 0; the other stored selections survive the
// reactions that the first selections trigger.
TEST_F(StartupTest, StoredSelectionsAreTakenOrFallBackToTheFirstEntry) {
    audio::VirtualCardOptions options;
    options.inputNames = {"Line", "Mikrofon", "Mono"};
    options.inputFormats = {0xFFFFF, 0xFFFFF, 0};
    app::Settings settings;
    settings.WavInDevIndex = 2; // the list holds two usable devices
    settings.WavOutDevIndex = 5;
    settings.AvgCountIndex = -4;
    settings.FreqResIndex = 1;
    settings.ActiveChannel = 0;
    ASSERT_TRUE(load(options, settings));
    EXPECT_EQ(window->cmbWavInDev->count(), 2);
    EXPECT_EQ(std::tuple(window->cmbWavInDev->currentIndex(), window->cmbWavOutDev->currentIndex(),
                         window->cmbAvgCnt->currentIndex(), window->cmbFreqRes->currentIndex()),
              std::tuple(0, 0, 3, 1));
    EXPECT_TRUE(window->chkAvgType->isChecked());
    EXPECT_EQ(window->settings().AvgCountIndex, -4);
    EXPECT_EQ(window->run().MeasLimit, 8);
    EXPECT_EQ(window->chkAvgType->text(), QStringLiteral("Stop &nach 8 Mittelungen"));
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

TEST_F(StartupTest, SettingsAndCurvesSurviveStartAndUnload) {
    const QString settingsPath = filePath(QStringLiteral("Terzlab.def"));
    const QString reference = filePath(QStringLiteral("Bezug.oct"));
    put(QStringLiteral("Bezug.oct"), measurementFile("Bezug", 1.5));
    put(QStringLiteral("Terzlab.def"), "Fsample=48000\r\nCalibrationValueRightChannel=1.5\r\n"
                                       "SensorCompFile=" +
                                           filePath(QStringLiteral("weg.sen")).toStdString() +
                                           "\r\nRefMeasFile=" + reference.toStdString() +
                                           "\r\nFileDescriptionMic=Box\t\t100\r\n");
    boxes.answerNext(platform::MsgAnswer::No);
    const app::Settings start = app::startSettings(settingsPath.toStdString(), boxes);
    ASSERT_EQ(boxes.boxes().size(), 1u); // the calibration question, worded in the files tests
    EXPECT_EQ(start.CalibValue[1], 0.0);
    EXPECT_EQ(start.SampleRate, 48000);

    makeWindow({}, start);
    app::loadStoredCurves(*window, start, boxes);
    ASSERT_EQ(boxes.boxes().size(), 2u); // the sensor file that is gone
    EXPECT_TRUE(boxes.boxes()[1].text.contains(QStringLiteral("weg.sen")));
    ASSERT_TRUE(window->Form_Load());
    EXPECT_TRUE(window->mnu48k->isChecked() && window->chkLoaded[kReferenceSlot]->isChecked());
    EXPECT_EQ(window->chkLoaded[kReferenceSlot]->text(), QStringLiteral("R&eferenz: Bezug"));
    EXPECT_FALSE(window->chkLoaded[kSensorSlot]->isChecked());
    EXPECT_EQ(window->dispOct().Curves[kReferenceSlot].CurveAmp[0], 1.5f);

    window->settings().InfoTexts[0][1] = "Nahfeld";
    window->Form_Unload();
    EXPECT_EQ(boxes.boxes().size(), 2u);
    Settings stored;
    ReadSettings(settingsPath.toStdString(), stored);
    EXPECT_EQ(std::pair(stored.SampleRate, stored.CalibValue[1]), std::pair(48000, 0.0));
    EXPECT_EQ(stored.CurveFiles, (std::array<std::string, 3>{"", reference.toStdString(), ""}));
    EXPECT_EQ(stored.InfoTexts[1][2], "100");
    EXPECT_EQ(stored.InfoTexts[0][1], "Nahfeld");
}

TEST_F(StartupTest, AFailedSettingsWriteIsReportedOnceAtUnload) {
    ASSERT_TRUE(load());
    ASSERT_TRUE(QDir(folderPath()).mkdir(QStringLiteral("Terzlab.def")));
    window->Form_Unload();
    window->close();
    expectLastBox(1,
                  QStringLiteral("Die Datei ") + filePath(QStringLiteral("Terzlab.def")) +
                      QStringLiteral(" konnte nicht geschrieben werden!"),
                  QStringLiteral("Fehler"));
}

TEST(StartProcedure, CommandLineFaultsAreReported) {
    auto parse = [](QStringList args) {
        args.prepend(QStringLiteral("terzlab"));
        return app::parseCommandLine(args);
    };
    const app::CommandLine full = parse({"--virtual", "--added-mass", "12.5", "--screenshot",
                                         "a.png", "--measure", "--thiele-small"});
    EXPECT_TRUE(full.error.isEmpty() && full.virtualCard && full.measure && full.thieleSmall);
    EXPECT_EQ(full.screenshot, QStringLiteral("a.png"));
    EXPECT_EQ(full.addedMassGrams, 12.5);
    const QStringList wrong[] = {{"--screenshot"},
                                 {"--measure"},
                                 {"--bogus"},
                                 {"--screenshot", "a.png", "--thiele-small"},
                                 {"--added-mass", "10"},
                                 {"--virtual", "--added-mass", "0"},
                                 {"--virtual", "--added-mass"}};
    for (const QStringList& args : wrong)
        EXPECT_FALSE(parse(args).error.isEmpty()) << qPrintable(args.join(u' '));
    EXPECT_EQ(app::programFolderOf(QStringLiteral("/opt/terzlab/bin/terzlab")), "/opt/terzlab/bin");
}

} // namespace

} // namespace terzlab::test
