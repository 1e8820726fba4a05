// FRD, ZMA and CSV hold the measurement file's own band lines, and nothing for bands without a
// value.
#include "analysis/constants.h"
#include "files/atomic_write.h"
#include "files/export_writer.h"
#include "support.h"
#include <algorithm>
#include <array>

namespace terzlab {
namespace {

using namespace test;

// Levels and impedances with halves that must round as the file rounds them, and a gap.
BandState Bands(int16_t type) {
    BandState bands = test::Bands(40, type > 2 ? 8.0 : -60.0, 0.125);
    for (int b = 0; b <= 41; ++b) {
        bands.Table.BandFreq[b] *= 1.0004;
        if (b < 41) bands.Results(4, b) = -90.0 + b * 4.25;
    }
    bands.BandValue[3] = bands.BandValue[17] = kNoValue;
    return bands;
}

// The band lines of a measurement file as the export must show them.
std::vector<std::string> ExpectedRows(const std::string& oct, char separator, bool phase) {
    std::vector<std::string> rows;
    bool data = false;
    for (std::string line : Lines(oct)) {
        if (line.starts_with("F [Hz]")) {
            data = true;
        } else if (data && line.find("\t-999.99\t") == std::string::npos) {
            if (!phase) line = line.substr(0, line.rfind('\t')) + "\t0.0";
            std::replace(line.begin(), line.end(), '\t', separator);
            rows.push_back(line);
        }
    }
    return rows;
}

TEST(ExportWriter, SavedFileAndRunGiveTheFilesBandLinesWithoutNoValue) {
    TempFolder dir;
    // measurement type, format, the first line
    const std::tuple<int16_t, ExportFormat, const char*> roundTrips[] = {
        {0, ExportFormat::Frd, "* Terzlab-Export"},
        {1, ExportFormat::Csv, "frequency_hz,level_db,phase_deg"},
        {3, ExportFormat::Zma, "* Terzlab-Export"},
        {4, ExportFormat::Zma, "* Terzlab-Export"},
        {4, ExportFormat::Csv, "frequency_hz,impedance_ohm,phase_deg"}};
    for (const auto& [type, format, first] : roundTrips) {
        SCOPED_TRACE(type);
        MeasurementHeader header;
        header.MeasTypeIndex = type, header.Title = "Box\tA";
        const BandState bands = Bands(type);
        const std::string oct = MeasurementFileText(header, bands);
        ASSERT_TRUE(ReplaceFile(dir.path() / "m.oct", oct));
        ExportSource saved;
        std::string error;
        ASSERT_TRUE(ReadExportSource(dir.path() / "m.oct", saved, error)) << error;
        const ExportSource run = ExportSourceFor(header, bands, 0);
        const bool csv = format == ExportFormat::Csv;
        const auto expected = ExpectedRows(oct, csv ? ',' : '\t', type == 4);
        ASSERT_EQ(expected.size(), 38u);
        for (const ExportSource* source : std::array<const ExportSource*, 2>{&saved, &run}) {
            EXPECT_EQ(ExportRefusal(format, *source), "");
            const auto lines = Lines(ExportText(format, *source));
            ASSERT_GT(lines.size(), expected.size());
            EXPECT_EQ(lines.front(), first);
            const std::vector<std::string> rows(lines.end() - expected.size(), lines.end());
            EXPECT_EQ(rows, expected);
            const std::size_t comments = lines.size() - expected.size() - (csv ? 1 : 0);
            for (std::size_t i = 0; i < comments; ++i)
                EXPECT_EQ(lines[i][0], '*') << lines[i];
            EXPECT_EQ(comments, csv ? 0u : (type == 4 ? 7u : 8u));
        }
    }
}

// Each refusal's message is pinned by the terzlab-export tests; here the old file survives it.
TEST(ExportWriter, ARefusalKeepsTheOldFileAndExtensionsMatchInAnyCase) {
    TempFolder dir;
    const auto target = dir.path() / "old.frd";
    test::writeFile(target, "old");
    MeasurementHeader header;
    header.MeasTypeIndex = 3;
    std::string error;
    EXPECT_FALSE(
        WriteExport(target, ExportFormat::Frd, ExportSourceFor(header, Bands(3), 0), error));
    EXPECT_EQ(test::readFile(target), "old");
    EXPECT_EQ(ExportFormatFor("a/B.ZmA"), ExportFormat::Zma);
    EXPECT_FALSE(ExportFormatFor("a.txt").has_value());
}

} // namespace
} // namespace terzlab
