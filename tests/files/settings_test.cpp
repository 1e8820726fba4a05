#include "files/locations.h"
#include "files/settings.h"
#include "support.h"

namespace terzlab {
namespace {

using namespace test;

bool SameAsStart(const Settings& s) {
    return SettingsFileText(s) == SettingsFileText(Settings{});
}

// Every setting away from its start value, paths and texts in the code page, the digits a
// float or double must keep: written by the program, read and written again, byte for byte.
TEST(SettingsFile, EverySettingSurvivesReadAndWrite) {
    TempFolder dir;
    const auto golden = kDataDir / "def_round_trip.def";
    Settings read;
    ReadSettings(golden, read);
    RecordingMessages messages;
    ASSERT_TRUE(WriteSettings(dir.path() / "neu" / "Terzlab.def", read, messages));
    EXPECT_EQ(test::readFile(dir.path() / "neu" / "Terzlab.def"), test::readFile(golden));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(SettingsFileText(Settings{}).find("CmpMeasFile2"), std::string::npos)
        << "no lines for a user of one comparison curve";
    read.InfoTexts[2][1] = "mit\tTab";
    EXPECT_NE(SettingsFileText(read).find("\tmit Tab\t"), std::string::npos);
}

// Malformed, unknown and out-of-range lines keep the start values.
TEST(SettingsFile, ASingleKeyChangesOnlyItsSettingAndBadLinesNone) {
    Settings s;
    ReadSettings(kDataDir / "def_only_fsample.def", s);
    EXPECT_EQ(s.SampleRate, 48000);
    s.SampleRate = 44100;
    EXPECT_TRUE(SameAsStart(s));
    ReadSettings(kDataDir / "def_malformed.def", s);
    EXPECT_EQ(std::pair(s.ExchangeChannel, s.WavOutDevIndex), std::pair(true, int16_t{1}));
    s.ExchangeChannel = false;
    s.WavOutDevIndex = 0;
    EXPECT_TRUE(SameAsStart(s));
    ReadSettings(kDataDir / "no_such_file.def", s);
    EXPECT_TRUE(SameAsStart(s));
}

// Each number is taken up to its limits and not one past them.
TEST(SettingsFile, NumbersAreTakenOnlyWithinTheirLimits) {
    TempFolder dir;
    const std::pair<const char*, bool> cases[] = {
        {"FreqResIndex=0", true},
        {"FreqResIndex=2", true},
        {"FreqResIndex=-1", false},
        {"FreqResIndex=3", false},
        {"ActiveChannel=0", true},
        {"ActiveChannel=1", true},
        {"ActiveChannel=-1", false},
        {"ActiveChannel=2", false},
        {"MeasTypeIndex=4", true},
        {"MeasTypeIndex=5", true},
        {"MeasTypeIndex=6", false},
        {"AvgCountIndex=-7", true},
        {"AvgCountIndex=-8", false},
        {"AvgCountIndex=7", true},
        {"AvgCountIndex=8", false},
        {"DisplayTypeIndex=2", false},
        {"WavOutDevIndex=2", false},
        {"ShowPhase=-1", true},
        {"ShowPhase=1", false},
        // The sweep's lines: a length is a power of two, the window one of three.
        {"SweepSamples=2097152", true},
        {"SweepSamples=40000", false},
        {"SweepGateWindow=2", true},
        {"SweepGateWindow=3", false},
        {"SweepLevel=-60", true},
        {"SweepLevel=1", false}};
    for (const auto& [line, taken] : cases) {
        test::writeFile(dir.path() / "Terzlab.def", std::string(line) + "\r\n");
        Settings s;
        ReadSettings(dir.path() / "Terzlab.def", s);
        const auto at = SettingsFileText(s).find("\r\n" + std::string(line) + "\r\n");
        EXPECT_EQ(at != std::string::npos, taken) << line;
    }
}

TEST(SettingsStart, OnlyNonZeroCalibrationIsQuestionedAndNeinDropsIt) {
    Settings s{.CalibValue = {0.0, 1.5}};
    RecordingMessages messages;
    messages.answer = MsgAnswer::No;
    ConfirmStoredCalibration(s, messages, ",");
    EXPECT_EQ(messages.only(),
              ": Gespeicherten Kalibrierwert für rechten Kanal von 1,50 dB übernehmen?\n\n"
              "Eine Übernahme macht nur dann Sinn, wenn sich die Stellung\n"
              "des Aufnahmemixers seit der Kalibrierung nicht verändert hat!");
    EXPECT_EQ(std::tuple(messages.shown[0].buttons, messages.shown[0].icon, s.CalibValue[1]),
              std::tuple(MsgButtons::YesNo, MsgIcon::Question, 0.0));
}

TEST(SettingsStart, StoredCurvesLoadAtStartAndMissingOnesAreNamed) {
    const Settings s{.CurveFiles = {(kDataDir / "sen_flat_s10.SEN").string(),
                                    (kDataDir / "gone.OCT").string(),
                                    (kDataDir / "oct_word_in_line.OCT").string()}};
    DispOct store;
    RecordingMessages messages;
    LoadStoredCurves(store, s, 134, messages);
    EXPECT_EQ(std::tuple(store.Curves[0].CurveType, store.Curves[0].CurveAmp[10],
                         store.Curves[1].CurveLoaded, store.Curves[2].CurveTitle),
              std::tuple(kCurveSensor, -40.0f, 0, "Vergleich"));
    ASSERT_EQ(messages.shown.size(), 2u); // the missing file, the corrupt line
    EXPECT_NE(messages.shown[0].text.find("gone.OCT wurde nicht gefunden"), std::string::npos);
    Settings remembered;
    RememberCurveFiles(store, remembered);
    EXPECT_EQ(remembered.CurveFiles,
              (decltype(s.CurveFiles){s.CurveFiles[0], "", s.CurveFiles[2]}));
}

// One layout on disk with the program in bin/; the expected paths are relative to the root.
struct Layout {
    const char* what;
    std::vector<const char*> files;
    bool xdgSet;
    Locations want; // programFolder unused
};

// clang-format off
const Layout kLayouts[] = {
    {"build folder", {"bin/pseudo.wav"}, true, {"", "bin/Terzlab.def", "bin", "", "bin"}},
    {"program copied alone", {"bin/terzlab"}, false, {"", "bin/Terzlab.def", "bin", "", "bin"}},
    {"installed", {"bin/terzlab", "share/terzlab/pseudo.wav"}, false,
     {"", "h/.config/terzlab/Terzlab.def", "share/terzlab", "h/.local/share/terzlab", "h"}},
    {"installed, XDG set", {"bin/terzlab", "share/terzlab/pseudo.wav"}, true,
     {"", "cfg/terzlab/Terzlab.def", "share/terzlab", "data/terzlab", "h"}},
    {"installed, portable settings", {"bin/Terzlab.def", "share/terzlab/pseudo.wav"}, true,
     {"", "bin/Terzlab.def", "share/terzlab", "data/terzlab", "bin"}},
};
// clang-format on

TEST(Locations, EachLayoutKeepsItsFilesWhereItsUserExpectsThem) {
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.what);
        test::TempFolder dir;
        const auto at = [&](const std::string& relative) {
            return relative.empty() ? relative : (dir.path() / relative).string();
        };
        for (const char* file : layout.files) {
            std::filesystem::create_directories((dir.path() / file).parent_path());
            test::writeFile(dir.path() / file, "x");
        }
        const Locations got = FindLocations(
            at("bin"), {at("h"), layout.xdgSet ? at("cfg") : "", layout.xdgSet ? at("data") : ""});
        const Locations& w = layout.want;
        EXPECT_EQ(
            (std::vector{got.settingsFile, got.stimulusFolder, got.copyFolder, got.documentFolder}),
            (std::vector{at(w.settingsFile), at(w.stimulusFolder), at(w.copyFolder),
                         at(w.documentFolder)}));
    }
}

} // namespace
} // namespace terzlab
