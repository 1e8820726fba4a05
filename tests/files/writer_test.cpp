#include "files/disp_oct.h"
#include "files/measurement_writer.h"
#include "support.h"

namespace terzlab {
namespace {

using test::RecordingMessages;
using test::TempFolder;

BandState Bands(int16_t lastBand, double value) {
    BandState bands;
    bands.Table.LastBand = lastBand;
    for (int b = 0; b <= lastBand + 1; ++b)
        bands.Table.BandFreq.push_back(NominalBandFreq(b));
    bands.BandValue.assign(lastBand + 1, value);
    return bands;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

TEST(MeasurementWriter, HeaderLinesAreExactAndTypedControlCharactersBecomeBlanks) {
    MeasurementHeader header;
    header.Title = "Tief\ttöner\r\nneu";
    header.InfoType = kInfoMicrophone;
    header.InfoValues = {"100", "1.5", "0", "-15"};
    header.CurveOn = {true, false};
    header.CurveFile = {"MIC.SEN", "ignored.OCT"};
    const auto lines = Lines(MeasurementFileText(header, Bands(134, -61.374)));
    ASSERT_EQ(lines.size(), 13u + 134u);
    const std::vector<std::string> expected = {"#This file contains data created by Terzlab",
                                               "Title\tTief t\xF6ner  neu",
                                               "Info\t100\t1.5\t0\t-15",
                                               "Sample frequency [Hz]\t44100",
                                               "Block size\t16384",
                                               "Time window\tUniform",
                                               "Result type\tAutopower Spectrum [dB]",
                                               "Octave resolution\t1/12",
                                               "Signal input\tunknown\tunknown",
                                               "Calibrated input\tNo\t1.000",
                                               "Sensor Compensation Spectrum\tYes\tMIC.SEN",
                                               "Reference Spectrum\tNo\tNone",
                                               "F [Hz]\tAmpl [dB]\tPhase [\xF8]",
                                               "10.00\t-61.37\t0.0",
                                               "10.59\t-61.37\t0.0"};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << i;
    EXPECT_EQ(lines.back(), "21135\t-61.37\t0.0");
}

TEST(MeasurementWriter, TwoChannelImpedanceWritesItsPhase) {
    auto bands = Bands(133, 8.0);
    bands.Results.RowCount = 4;
    bands.Results.BandCount = 134;
    bands.Results.Cells.assign(5 * 134, 0.0);
    bands.Results(4, 0) = -45.25;
    MeasurementHeader header;
    header.MeasTypeIndex = 4;
    header.InfoType = kInfoImpedance;
    header.InfoValues = {"10", "2", "30", "unused"};
    const auto lines = Lines(MeasurementFileText(header, bands));
    EXPECT_EQ(lines[2], "Info\t10\t2\t30");
    EXPECT_EQ(lines[6], "Result type\tImpedance Spectrum [Ohm]");
    EXPECT_EQ(lines[12], "F [Hz]\tImp [Ohm]\tPhase [\xF8]");
    EXPECT_EQ(lines[13], "10.00\t8.00\t-45.3");
}

TEST(MeasurementWriter, SavesTheValuesItIsGiven) {
    TempFolder dir;
    const auto bands = Bands(134, 3.0); // the values shown at another resolution
    RecordingMessages messages;
    const std::vector<double> twelfth(135, 12.0);
    ASSERT_TRUE(SaveMeasurementFile(dir.path() / "a.OCT", {}, bands, twelfth, messages));
    const auto lines = Lines(test::ReadBytes(dir.path() / "a.OCT"));
    EXPECT_EQ(lines[12], "10.00\t12.00\t0.0");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(MeasurementWriter, FailedSaveKeepsTheOldFileAndSaysSo) {
    TempFolder dir;
    // The longest name the file system allows leaves no room for a temporary name beside it.
    const auto target = dir.path() / (std::string(251, 'x') + ".OCT");
    test::WriteBytes(target, "old contents");
    RecordingMessages messages;
    EXPECT_FALSE(SaveMeasurementFile(target, {}, Bands(134, 1.0), {}, messages));
    EXPECT_EQ(test::ReadBytes(target), "old contents");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Die Datei " + target.string() + " konnte nicht geschrieben werden!");
    EXPECT_EQ(messages.shown[0].title, "Fehler");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(
        SaveMeasurementFile(dir.path() / "no" / "folder.OCT", {}, Bands(134, 1.0), {}, messages));
}

} // namespace
} // namespace terzlab
