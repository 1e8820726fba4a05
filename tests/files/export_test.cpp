// FRD, ZMA and CSV hold the measurement file's own band lines, and nothing for bands without a
// value.
#include "analysis/constants.h"
#include "files/atomic_write.h"
#include "files/export_writer.h"
#include "support.h"
#include <cstdlib>

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

// A saved file and the run give the same export: each format's header and the measurement
// file's band lines without the bands that have no value, as tests/data/exports.txt holds them
// (TERZLAB_WRITE_GOLDEN=1 rewrites it). Only the date and the type (a file names only the kind)
// are the run's.
TEST(ExportWriter, SavedFileAndRunGiveTheFilesBandLinesWithoutNoValue) {
    TempFolder dir;
    using enum ExportFormat;
    const std::pair<int16_t, ExportFormat> roundTrips[] = {
        {0, Frd}, {1, Csv}, {3, Zma}, {4, Zma}, {4, Csv}};
    std::string all;
    for (const auto& [type, format] : roundTrips) {
        const MeasurementHeader header{.Title = "Box\tA", .MeasTypeIndex = type};
        const BandState bands = Bands(type);
        ASSERT_TRUE(ReplaceFile(dir.path() / "m.oct", MeasurementFileText(header, bands)));
        ExportSource saved, run = ExportSourceFor(header, bands, 0);
        std::string error;
        ASSERT_TRUE(ReadExportSource(dir.path() / "m.oct", saved, error)) << error;
        saved.Date = run.Date = "(Datum)";
        saved.MeasTypeIndex = type;
        EXPECT_EQ(ExportRefusal(format, saved) + ExportRefusal(format, run), "");
        all += ExportText(format, run);
        EXPECT_EQ(ExportText(format, saved), ExportText(format, run)) << type;
    }
    const auto golden = kDataDir / "exports.txt";
    if (std::getenv("TERZLAB_WRITE_GOLDEN")) writeFile(golden, all);
    EXPECT_EQ(all, readFile(golden));
}

// Each refusal's message is pinned by the terzlab-export tests; here the old file survives it.
TEST(ExportWriter, ARefusalKeepsTheOldFileAndExtensionsMatchInAnyCase) {
    TempFolder dir;
    const auto target = dir.path() / "old.frd";
    test::writeFile(target, "old");
    std::string error;
    EXPECT_FALSE(WriteExport(target, ExportFormat::Frd,
                             ExportSourceFor({.MeasTypeIndex = 3}, Bands(3), 0), error));
    EXPECT_EQ(test::readFile(target), "old");
    EXPECT_EQ(ExportFormatFor("a/B.ZmA"), ExportFormat::Zma);
    EXPECT_FALSE(ExportFormatFor("a.txt").has_value());
}

} // namespace
} // namespace terzlab
