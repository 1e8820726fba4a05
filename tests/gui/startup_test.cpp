// Start-up: device and screen checks, first selections, the calibration question, resizing,
// and the settings file and stored curves between one program start and the next.
#include "filesel_files.h"
#include "gui_fixture.h"

#include "app/start.h"

#include <QCoreApplication>
#include <QDir>

#include <sstream>

namespace terzlab::test {

namespace {

class StartupTest : public GuiTest {};

// Each unusable machine is refused with its reason; a second usable playback device is named
// once and left out of the list.
TEST_F(StartupTest, EachMachineGetsItsNotice) {
    // Playback devices named by their number; format 0 lacks the 44.1 kHz, 16 bit, stereo bit.
    auto card = [](std::vector<uint32_t> in, std::vector<uint32_t> out) {
        audio::VirtualCardOptions options;
        options.inputNames.assign(in.size(), "Gerät");
        options.inputFormats = in;
        options.outputNames.clear();
        for (size_t i = 0; i < out.size(); ++i)
            options.outputNames.push_back("Gerät " + std::to_string(i));
        options.outputFormats = out;
        return options;
    };
    const std::tuple<audio::VirtualCardOptions, bool, const char*> machines[] = {
        {card({}, {1}), false, "Kein Aufnahmegerät gefunden -> das Programm wird beendet"},
        {card({0}, {1}), false,
         "Kein Aufnahmegerät gefunden, dass CD-Qualität (44.1 kHz, 16 bit, Stereo) unterstützt "
         "-> das Programm wird beendet"},
        {card({1}, {}), false, "Kein Wiedergabegerät gefunden -> das Programm wird beendet"},
        {card({1}, {0}), false,
         "Kein Wiedergabegerät gefunden, das CD-Qualität (44.1 kHz, 16 bit, Stereo) unterstützt "
         "-> eine spezielle Mess-CD muss verwendet werden"},
        {card({1}, {0, 1, 1}), true,
         "Es wurde mehr als ein Wiedergabegerät gefunden,\r\nes kann jedoch nur das "
         "Standardgerät verwendet werden!"},
    };
    for (const auto& [options, starts, text] : machines) {
        boxes.clear();
        EXPECT_EQ(load(options), starts) << text;
        expectLastBox(1, QString::fromUtf8(text), QString());
    }
    QStringList listed;
    for (int i = 0; i < window->cmbWavOutDev->count(); ++i)
        listed << window->cmbWavOutDev->itemText(i);
    EXPECT_EQ(listed, QStringList({"Gerät 1", "Test-CD"}));
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

// The window as a stored settings file starts it: lists, boxes, menus, channel and rate.
std::string shown(app::frmMain& w) {
    std::ostringstream out;
    out << "in " << w.cmbWavInDev->currentIndex() << '/' << w.cmbWavInDev->count() << " out "
        << w.cmbWavOutDev->currentIndex() << " type " << w.cmbMeasType->currentIndex() << " avg "
        << w.cmbAvgCnt->currentIndex() << " [" << w.chkAvgType->text().toStdString() << "] "
        << w.chkAvgType->isChecked() << " limit " << w.run().MeasLimit << " stored "
        << w.settings().AvgCountIndex << " res " << w.cmbFreqRes->currentIndex() << " block "
        << w.run().BlockSize << " rate " << w.settings().SampleRate << " 48k "
        << w.mnu48k->isChecked() << w.mnu48k->isEnabled() << " xchan " << w.mnuXchan->isChecked()
        << " help " << w.mnuHelpShow->isChecked() << " left " << w.optChannel[0]->isChecked();
    return out.str();
}

// Stored selections start the window without a word: out-of-range device indexes fall back to
// entry 0 and the other selections survive the reactions that the first ones trigger; a stored
// 48 kHz with the test CD starts at 44100 Hz; a file with every key, written by hand, comes back
// line for line.
TEST_F(StartupTest, StoredSettingsStartTheWindowQuietly) {
    const std::string everyKeyFile = TERZLAB_TEST_DATA "/def_every_key.def";
    Settings everyKey;
    ReadSettings(everyKeyFile, everyKey);
    EXPECT_EQ(SettingsFileText(everyKey), readFile(everyKeyFile));
    audio::VirtualCardOptions threeInputs; // two of them usable
    threeInputs.inputNames = {"Line", "Mikrofon", "Mono"};
    threeInputs.inputFormats = {0xFFFFF, 0xFFFFF, 0};
    Settings outOfRange;
    outOfRange.WavInDevIndex = 2;
    outOfRange.WavOutDevIndex = 5;
    outOfRange.AvgCountIndex = -4;
    outOfRange.FreqResIndex = 1;
    outOfRange.ActiveChannel = 0;
    Settings testCd48k;
    testCd48k.WavOutDevIndex = 1;
    testCd48k.SampleRate = 48000;
    const struct {
        Settings stored;
        const char* shown;
        audio::VirtualCardOptions card = {};
    } rows[] = {
        {outOfRange,
         "in 0/2 out 0 type 0 avg 3 [Stop &nach 8 Mittelungen] 1 limit 8 stored -4 res 1 block "
         "16384 rate 44100 48k 01 xchan 0 help 1 left 1",
         threeInputs},
        {testCd48k,
         "in 0/1 out 1 type 0 avg 2 [Stop &nach 4 Mittelungen] 1 limit 4 stored -3 res 2 block "
         "16384 rate 44100 48k 00 xchan 0 help 1 left 0"},
        {everyKey,
         "in 0/1 out 0 type 1 avg 1 [Stop &nach 2 Mittelungen] 1 limit 2 stored -2 res 1 block "
         "16384 rate 48000 48k 11 xchan 1 help 0 left 1"},
    };
    for (const auto& row : rows) {
        boxes.clear();
        app::Settings stored;
        static_cast<Settings&>(stored) = row.stored;
        ASSERT_TRUE(load(row.card, stored));
        EXPECT_TRUE(boxes.boxes().empty());
        EXPECT_EQ(shown(*window), row.shown);
    }
    EXPECT_EQ(SettingsFileText(window->settings()), readFile(everyKeyFile));
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
                                           "\r\nRefMeasFile=" + reference.toStdString() + "\r\n");
    boxes.answerNext(platform::MsgAnswer::No);
    const app::Settings start = app::startSettings(settingsPath.toStdString(), boxes);
    ASSERT_EQ(boxes.boxes().size(), 1u); // the calibration question, worded in the files tests

    makeWindow({}, start);
    app::loadStoredCurves(*window, start, boxes);
    ASSERT_EQ(boxes.boxes().size(), 2u); // the sensor file that is gone
    EXPECT_TRUE(boxes.boxes()[1].text.contains(QStringLiteral("weg.sen")));
    ASSERT_TRUE(window->Form_Load());
    EXPECT_TRUE(window->mnu48k->isChecked() && window->chkLoaded[kReferenceSlot]->isChecked());
    EXPECT_EQ(window->chkLoaded[kReferenceSlot]->text(), QStringLiteral("R&eferenz: Bezug"));
    EXPECT_EQ(window->dispOct().Curves[kReferenceSlot].CurveAmp[0], 1.5f);

    window->settings().InfoTexts[0][1] = "Nahfeld";
    window->Form_Unload();
    EXPECT_EQ(boxes.boxes().size(), 2u);
    Settings stored;
    ReadSettings(settingsPath.toStdString(), stored);
    EXPECT_EQ(std::pair(stored.SampleRate, stored.CalibValue[1]), std::pair(48000, 0.0));
    EXPECT_EQ(stored.CurveFiles, (std::array<std::string, 3>{"", reference.toStdString(), ""}));
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
