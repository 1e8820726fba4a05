// Start-up: device and screen checks, first selections, the calibration question, resizing,
// and the settings file and stored curves between one program start and the next.
#include "app/start.h"
#include "filesel_files.h"
#include "gui_fixture.h"

#include <QCoreApplication>
#include <QDir>

#include <sstream>

namespace terzlab::test {

namespace {

class StartupTest : public GuiTest {};

// Each unusable machine is refused with its reason, a second usable playback device is named
// once and left out of the list, a screen narrower than 800 pixels stops the start; the notices
// are worded in gui_boxes.txt.
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
    const std::pair<audio::VirtualCardOptions, bool> machines[] = {{card({}, {1}), false},
                                                                   {card({0}, {1}), false},
                                                                   {card({1}, {}), false},
                                                                   {card({1}, {0}), false},
                                                                   {card({1}, {0, 1, 1}), true}};
    for (const auto& [options, starts] : machines)
        EXPECT_EQ(load(options), starts) << boxes.boxes().size();
    EXPECT_EQ(window->cmbWavOutDev->count(), 2);
    EXPECT_EQ(window->cmbWavOutDev->itemText(0), "Gerät 1");
    screenWidth = 799;
    EXPECT_FALSE(load());
    screenWidth = 800;
    EXPECT_TRUE(load());
    expectBoxesAsGolden();
}

// The window as a stored settings file starts it: lists, boxes, menus, channel and rate; for
// each stored file a line of tests/data/stored_settings_shown.txt.
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
    const Settings outOfRange{.WavInDevIndex = 2,
                              .WavOutDevIndex = 5,
                              .AvgCountIndex = -4,
                              .FreqResIndex = 1,
                              .ActiveChannel = 0};
    const std::tuple<const char*, Settings, audio::VirtualCardOptions> rows[] = {
        {"out of range",
         outOfRange, // two of the three inputs usable
         {.inputNames = {"Line", "Mikrofon", "Mono"}, .inputFormats = {0xFFFFF, 0xFFFFF, 0}}},
        {"test CD at 48k", {.WavOutDevIndex = 1, .SampleRate = 48000}, {}},
        {"every key", everyKey, {}}};
    std::string shownAtStart;
    for (const auto& [name, settings, card] : rows) {
        app::Settings stored;
        static_cast<Settings&>(stored) = settings;
        ASSERT_TRUE(load(card, stored));
        shownAtStart += name + (": " + shown(*window)) + '\n';
    }
    expectGoldenFile("stored_settings_shown.txt", shownAtStart);
    EXPECT_TRUE(boxes.boxes().empty());
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

// The calibration question (answered No) and the gone sensor file are the boxes of the start, a
// settings file the program cannot write the one box of the unload (gui_boxes.txt words them).
TEST_F(StartupTest, SettingsAndCurvesSurviveStartAndUnload) {
    const std::string settingsPath = filePath("Terzlab.def").toStdString();
    const std::string reference = filePath("Bezug.oct").toStdString();
    put("Bezug.oct", measurementFile("Bezug", 1.5));
    put("Terzlab.def", "Fsample=48000\r\nCalibrationValueRightChannel=1.5\r\nSensorCompFile=" +
                           filePath("weg.sen").toStdString() + "\r\nRefMeasFile=" + reference);
    boxes.answerNext(platform::MsgAnswer::No);
    const app::Settings start = app::startSettings(settingsPath, boxes);
    makeWindow({}, start);
    app::loadStoredCurves(*window, start, boxes);
    ASSERT_TRUE(window->Form_Load());
    EXPECT_EQ(
        std::pair(window->mnu48k->isChecked(), window->chkLoaded[kReferenceSlot]->isChecked()),
        std::pair(true, true))
        << "48 kHz, the reference";
    EXPECT_EQ(window->chkLoaded[kReferenceSlot]->text(), QStringLiteral("R&eferenz: Bezug"));
    EXPECT_EQ(window->dispOct().Curves[kReferenceSlot].CurveAmp[0], 1.5f);
    window->settings().InfoTexts[0][1] = "Nahfeld";
    window->Form_Unload();
    Settings stored;
    ReadSettings(settingsPath, stored);
    EXPECT_EQ(std::tuple(stored.SampleRate, stored.CalibValue[1], stored.InfoTexts[0][1]),
              std::tuple(48000, 0.0, "Nahfeld"));
    EXPECT_EQ(stored.CurveFiles, (std::array<std::string, 3>{"", reference, ""}));
    QDir programFolder(folderPath());
    ASSERT_TRUE(programFolder.remove("Terzlab.def") && programFolder.mkdir("Terzlab.def"));
    ASSERT_TRUE(load()); // a window unloads once
    window->Form_Unload();
    window->close();
    expectBoxesAsGolden();
}

TEST(StartProcedure, CommandLineFaultsAreReported) {
    auto parse = [](const QString& args) {
        return app::parseCommandLine(("terzlab " + args).split(u' ', Qt::SkipEmptyParts));
    };
    const app::CommandLine full =
        parse("--virtual --added-mass 12.5 --distance 1.5 --screenshot a.png --measure "
              "--thiele-small");
    EXPECT_EQ(full.error, QString());
    EXPECT_EQ(std::tuple(full.virtualCard, full.measure, full.thieleSmall),
              std::tuple(true, true, true))
        << "virtual card, measure, Thiele-Small";
    EXPECT_EQ(std::tuple(full.screenshot, full.addedMassGrams, full.distanceM),
              std::tuple(QString("a.png"), 12.5, 1.5));
    for (const char* wrong :
         {"--screenshot", "--measure", "--bogus", "--screenshot a.png --thiele-small",
          "--added-mass 10", "--virtual --added-mass 0", "--virtual --added-mass", "--distance 1",
          "--virtual --distance -1", "--virtual --distance far"})
        EXPECT_FALSE(parse(wrong).error.isEmpty()) << wrong;
    EXPECT_EQ(app::programFolderOf(QStringLiteral("/opt/terzlab/bin/terzlab")), "/opt/terzlab/bin");
}

} // namespace

} // namespace terzlab::test
