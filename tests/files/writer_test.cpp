#include "analysis/constants.h"
#include "files/atomic_write.h"
#include "files/measurement_writer.h"
#include "files/numbers.h"
#include "support.h"

#include <cerrno>
#include <cstdlib>

namespace terzlab {
namespace {

using namespace test;

// Whole files, header and every band line: a microphone measurement whose typed fields carry
// control characters (written as blanks), and a two-channel impedance with its phase.
// TERZLAB_WRITE_GOLDEN=1 rewrites the golden files.
TEST(MeasurementWriter, WrittenFilesReadAsTheirGoldenFiles) {
    const MeasurementHeader microphone{.Title = "Tief\ttöner\r\nneu",
                                       .InfoType = kInfoMicrophone,
                                       .InfoValues = {"100", "1.5", "0", "-15"},
                                       .CurveOn = {true, false},
                                       .CurveFile = {"MIC.SEN", "ignored.OCT"}};
    const MeasurementHeader impedance{.InfoType = kInfoImpedance,
                                      .InfoValues = {"10", "2", "30", "unused"},
                                      .Type = MeasType::ImpedanceTwoChannel};
    auto withPhase = Bands(133, 8.0);
    withPhase.Results(4, 0) = -45.25;
    for (const auto& [name, text] :
         {std::pair{"written_microphone.OCT", MeasurementFileText(microphone, Bands(134, -61.374))},
          {"written_impedance.OCT", MeasurementFileText(impedance, withPhase)}}) {
        if (std::getenv("TERZLAB_WRITE_GOLDEN")) writeFile(kDataDir / name, text);
        EXPECT_EQ(text, readFile(kDataDir / name)) << name;
    }
}

// The values given are saved (a file keeps 1/12 octave whatever is shown) and nothing else is
// left beside the file; a failed save keeps the old file and says so, with the system's reason.
TEST(MeasurementWriter, SavesTheGivenValuesAndAFailedSaveKeepsTheOldFile) {
    TempFolder dir;
    RecordingMessages messages;
    ASSERT_TRUE(SaveMeasurementFile(dir.path() / "a.OCT", {}, Bands(134, 3.0),
                                    std::vector<double>(135, 12.0), messages));
    EXPECT_NE(test::readFile(dir.path() / "a.OCT").find("\r\n10.00\t12.00\t0.0\r\n"),
              std::string::npos);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    // The longest name the file system allows leaves no room for a temporary name beside it.
    const auto target = dir.path() / (std::string(251, 'x') + ".OCT");
    test::writeFile(target, "old contents");
    EXPECT_FALSE(SaveMeasurementFile(target, {}, Bands(134, 1.0), {}, messages));
    EXPECT_EQ(test::readFile(target), "old contents");
    EXPECT_EQ(messages.only(),
              "Fehler: Die Datei " + target.string() +
                  " konnte nicht geschrieben werden: " + SystemReason(ENAMETOOLONG));
    EXPECT_EQ(messages.shown.at(0).icon, MsgIcon::Exclamation);
    EXPECT_FALSE(
        SaveMeasurementFile(dir.path() / "no" / "folder.OCT", {}, Bands(134, 1.0), {}, messages));
}

TEST(ParseNumber, AcceptsOnlyPlainDecimalsWithPointOrOneComma) {
    EXPECT_EQ(ParseNumber("-12.25"), -12.25);
    EXPECT_EQ(ParseNumber("1,5"), 1.5);
    EXPECT_EQ(ParseNumber("1.5.2"), 1.5);
    EXPECT_EQ(ParseNumber("-"), 0.0);
    for (const char* bad : {"", "1,5,2", " 1", "1 ", "+1", "1e3", "x", "1\t"})
        EXPECT_EQ(ParseNumber(bad), kNoValue) << '"' << bad << '"';
}

// 10.00, 10.59 and -61.37 are pinned by the measurement file's lines.
TEST(FormatNumbers, FourSignificantFrequencyDigitsAndHalvesAwayFromZero) {
    EXPECT_EQ(FormatFrequency(NominalBandFreq(42), true), "112.2");
    EXPECT_EQ(FormatFrequency(NominalBandFreq(134), true), "22387");
    EXPECT_EQ(FormatFrequency(9.71628, true), "9.716");
    EXPECT_EQ(FormatFrequency(NominalBandFreq(1), false), "10,59");
    const std::tuple<double, const char*, const char*> rows[] = {
        {0.125, "0.00", "0.13"},  {-0.125, "0.00", "-0.13"},
        {2.5, "0", "3"},          {kNoValue, "0.00", "-999.99"},
        {-0.004, "0.00", "0.00"}, {-0.0, "0.0", "0.0"},
        {-0.4, "0", "0"},         {-0.005, "0.00", "-0.01"}};
    for (const auto& [value, pattern, text] : rows)
        EXPECT_EQ(FormatValue(value, pattern), text) << value;
    EXPECT_EQ(FormatRoundTrip(-0.0), "0");
    EXPECT_EQ(FormatRoundTrip(-0.0f), "0");
    EXPECT_EQ(FormatRoundTrip(-2.5f), "-2.5");
}

TEST(SplitFields, EmptyFieldsSurviveAndShortLinesStayWhole) {
    EXPECT_EQ(SplitFields("a\t\tb", '\t'), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitFields("ab\t", '\t'), (std::vector<std::string>{"ab", ""}));
    EXPECT_EQ(SplitFields("\t", '\t'), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitFields("", '\t'), (std::vector<std::string>{""}));
}

} // namespace
} // namespace terzlab
