// FRD, ZMA and CSV hold the measurement file's own band lines, and nothing for bands without a
// value.
#include "analysis/constants.h"
#include "files/atomic_write.h"
#include "files/export_writer.h"
#include "support.h"
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace terzlab {
namespace {

using namespace test;

// Levels and impedances with halves that must round as the file rounds them, and a gap.
BandState Bands(MeasType type) {
    BandState bands = test::Bands(40, IsImpedanceType(type) ? 8.0 : -60.0, 0.125);
    for (int b = 0; b <= 41; ++b) {
        bands.Table.BandFreq[b] *= 1.0004;
        if (b < 41) bands.Results(4, b) = -90.0 + b * 4.25;
    }
    bands.BandValue[3] = bands.BandValue[17] = kNoValue;
    return bands;
}

// A saved file and the run give the same export: each format's header and the measurement
// file's band lines without the bands that have no value, as tests/data/exports.txt holds them
// (TERZLAB_WRITE_GOLDEN=1 rewrites it). Only the date and the type (a file names only the kind)
// are the run's.
TEST(ExportWriter, SavedFileAndRunGiveTheFilesBandLinesWithoutNoValue) {
    TempFolder dir;
    using enum ExportFormat;
    using enum MeasType;
    const std::pair<MeasType, ExportFormat> roundTrips[] = {{LevelOneChannel, Frd},
                                                            {LevelTwoChannel, Csv},
                                                            {ImpedanceOneChannel, Zma},
                                                            {ImpedanceTwoChannel, Zma},
                                                            {ImpedanceTwoChannel, Csv}};
    std::string all;
    for (const auto& [type, format] : roundTrips) {
        const MeasurementHeader header{.Title = "Box\tA", .Type = type};
        const BandState bands = Bands(type);
        ASSERT_TRUE(ReplaceFile(dir.path() / "m.oct", MeasurementFileText(header, bands)));
        ExportSource saved, run = ExportSourceFor(header, bands, 0);
        std::string error;
        ASSERT_TRUE(ReadExportSource(dir.path() / "m.oct", saved, error)) << error;
        saved.Date = run.Date = "(date)";
        saved.Type = type;
        EXPECT_EQ(ExportRefusal(format, saved) + ExportRefusal(format, run), "");
        all += ExportText(format, run);
        EXPECT_EQ(ExportText(format, saved), ExportText(format, run)) << IndexOf(type);
    }
    const auto golden = kDataDir / "exports.txt";
    if (std::getenv("TERZLAB_WRITE_GOLDEN")) writeFile(golden, all);
    EXPECT_EQ(all, readFile(golden));
}

// The data rows of an export (its comment and column lines left out).
std::vector<std::string> DataRows(const std::string& text) {
    std::vector<std::string> rows;
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        const std::string line = text.substr(at, text.find('\n', at) - at);
        if (!line.empty() && (std::isdigit(static_cast<unsigned char>(line[0])) != 0))
            rows.push_back(line);
    }
    return rows;
}

// A two-channel impedance at 65536 points, whose low bands sit on bins off the nominal grid:
// the saved file exports every row the window exports, and each export reads back to the same
// rows, values and phase signs.
TEST(ExportWriter, ATypeFourFileKeepsEveryRowAndEachExportReadsBackTheSame) {
    TempFolder dir;
    BandState bands;
    BuildBandTable(bands, {.BlockSize = 65536, .Type = MeasType::ImpedanceTwoChannel});
    const int16_t last = bands.Table.LastBand;
    bands.BandValue.assign(last + 1, 0.0);
    for (int b = 0; b <= last; ++b) {
        bands.BandValue[b] = 6.0 + 20.0 / (1.0 + std::pow(b / 10.0 - 4.0, 2));
        bands.Results(4, b) = 70.0 * std::sin(b / 7.0);
    }
    const MeasurementHeader header{.Type = MeasType::ImpedanceTwoChannel};
    ASSERT_TRUE(ReplaceFile(dir.path() / "imp.oct", MeasurementFileText(header, bands)));
    ExportSource saved;
    std::string error;
    ASSERT_TRUE(ReadExportSource(dir.path() / "imp.oct", saved, error)) << error;
    const auto rows = DataRows(ExportText(ExportFormat::Zma, ExportSourceFor(header, bands, 0)));
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(last));
    EXPECT_EQ(DataRows(ExportText(ExportFormat::Zma, saved)), rows);
    for (const char* name : {"imp.zma", "imp.csv"}) {
        const auto format = *ExportFormatFor(name);
        ASSERT_TRUE(WriteExport(dir.path() / name, format, saved, error)) << error;
        ExportSource back;
        ASSERT_TRUE(ReadExportSource(dir.path() / name, back, error)) << error;
        EXPECT_EQ(DataRows(ExportText(format, back)), DataRows(ExportText(format, saved))) << name;
    }
}

// Each refusal's message is pinned by the terzlab-export tests; here the old file survives it.
TEST(ExportWriter, ARefusalKeepsTheOldFileAndExtensionsMatchInAnyCase) {
    TempFolder dir;
    const auto target = dir.path() / "old.frd";
    test::writeFile(target, "old");
    std::string error;
    EXPECT_FALSE(WriteExport(target, ExportFormat::Frd,
                             ExportSourceFor({.Type = MeasType::ImpedanceOneChannel},
                                             Bands(MeasType::ImpedanceOneChannel), 0),
                             error));
    EXPECT_EQ(test::readFile(target), "old");
    EXPECT_EQ(ExportFormatFor("a/B.ZmA"), ExportFormat::Zma);
    EXPECT_FALSE(ExportFormatFor("a.txt").has_value());
}

} // namespace
} // namespace terzlab
