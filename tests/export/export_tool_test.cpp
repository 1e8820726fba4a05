// terzlab-export end to end: refusals leave nothing behind, pictures (the SVG's declared size
// too) have the window's size and the SVG keeps each curve as one path.
#include "analysis/constants.h"
#include "files/atomic_write.h"
#include "files/measurement_writer.h"
#include "files/support.h"
#include "picture.h"
#include "run_export.h"
#include "support/transcript.h"
#include <QImage>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

namespace terzlab::exporter {
namespace {

// A folder of the test's own with two level and an impedance measurement file (a malformed one
// is among the fixtures).
struct Folder : test::TempFolder {
    Folder() {
        ::setenv("XDG_RUNTIME_DIR", path().c_str(), 1); // not Qt's default, which stays in /tmp
        Measurement("level.oct", MeasType::LevelOneChannel, -40.0);
        Measurement("flat.oct", MeasType::LevelOneChannel, -55.0);
        Measurement("imp.oct", MeasType::ImpedanceTwoChannel, 6.0);
    }
    void Measurement(const std::string& name, MeasType type, double base) {
        BandState bands = test::Bands(134, 0.0);
        for (int b = 0; b <= 134; ++b)
            bands.BandValue[b] = b % 9 == 4 ? kNoValue : base + 10.0 * std::sin(b / 9.0);
        ASSERT_TRUE(ReplaceFile(path() / name, MeasurementFileText({.Type = type}, bands)));
    }
    // The exit status of a command line where "@name" is a file of the folder; stderr in err.
    int Export(const std::string& line) {
        std::ostringstream stream;
        const int status = RunExport(args(line), stream);
        err = stream.str();
        return status;
    }
    std::string err;
};

// Every refusal as tests/data/export_refusals.txt has it, and no file written.
TEST(ExportTool, RefusalsExitWithOneLineAndWriteNothing) {
    Folder dir;
    const std::size_t files = dir.fileCount();
    const auto refused = [&](const std::string& args) {
        const int status = dir.Export(args);
        EXPECT_EQ(dir.fileCount(), files) << args;
        return "exit " + std::to_string(status) + ": " + dir.err;
    };
    EXPECT_EQ(test::Replayed(TERZLAB_TEST_DATA "/export_refusals.txt",
                             {{"<data>", TERZLAB_TEST_DATA}, {"<folder>", dir.path().string()}},
                             refused),
              test::readFile(TERZLAB_TEST_DATA "/export_refusals.txt"));
}

// Another tool's ZMA converts at its own points; a measurement file's corrupt line is noted and
// the file still exported.
TEST(ExportTool, ConvertsOtherToolsCurvesAndNotesCorruptLines) {
    Folder dir;
    ASSERT_EQ(dir.Export(TERZLAB_TEST_DATA "/curve_zma_blanks_no_phase.zma @d.csv"), kExitOk)
        << dir.err;
    EXPECT_EQ(test::readFile(dir / "d.csv"), "frequency_hz,impedance_ohm,phase_deg\r\n"
                                             "10.00,6.50,0.0\r\n20.00,12.00,0.0\r\n"
                                             "40.00,30.00,0.0\r\n80.00,9.00,0.0\r\n");
    EXPECT_EQ(dir.Export(TERZLAB_TEST_DATA "/oct_word_in_line.OCT @w.csv"), kExitOk);
    EXPECT_TRUE(dir.err.starts_with("terzlab-export: Warnung: Einige Frequenzlinien der Datei ") &&
                dir.err.find('\n') == dir.err.size() - 1)
        << dir.err;
}

// Points of the longest path stroked in each colour.
std::map<std::string, int> PathPoints(const std::string& svg) {
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    std::vector<QString> strokes{QString()};
    std::map<std::string, int> points;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::EndElement) strokes.pop_back();
        if (!xml.isStartElement()) continue;
        const auto stroke = xml.attributes().value("stroke");
        strokes.push_back(stroke.isEmpty() ? strokes.back() : stroke.toString());
        if (xml.name() != QStringLiteral("path")) continue;
        const auto d = xml.attributes().value("d").toString();
        int& count = points[strokes.back().toStdString()];
        count = std::max(count, static_cast<int>(d.count('L')));
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return points;
}

TEST(ExportTool, PicturesHaveTheWindowsSizeAndSvgKeepsEachCurveAsOnePath) {
    if (!PicturesAvailable()) GTEST_SKIP() << "built without the drawing layer";
    Folder dir;
    ASSERT_EQ(dir.Export("@level.oct @a.png"), kExitOk) << dir.err;
    ASSERT_EQ(dir.Export("--scale 2 --resolution 3 @level.oct @b.png"), kExitOk) << dir.err;
    EXPECT_EQ(QImage(QString::fromStdString(dir / "a.png")).size(), QSize(587, 331));
    EXPECT_EQ(QImage(QString::fromStdString(dir / "b.png")).size(), QSize(1174, 662));
    ASSERT_EQ(dir.Export("--comparison @flat.oct @level.oct @c.svg"), kExitOk) << dir.err;
    const std::string text = test::readFile(dir / "c.svg");
    // The picture's size (587 x 331 at 96 pixels to the inch), not only the graph's.
    EXPECT_EQ(text.substr(std::min(text.find("<svg "), text.size()), 64),
              "<svg width=\"155.31mm\" height=\"87.5771mm\"\n viewBox=\"0 0 587 331\"\n");
    const auto points = PathPoints(text);
    // 135 bands less the gaps, bridged: one line to each valued band after the first.
    EXPECT_EQ(points.at("#0000ff"), 118);
    EXPECT_EQ(points.at("#000000"), 118);
    EXPECT_NE(text.find("Terzlab \xE2\x80\x93 Terzanalyse"), std::string::npos);
    // An impedance gets the axis the window chooses: from 0 ohm up to just above its values.
    ASSERT_EQ(dir.Export("@imp.oct @i.svg"), kExitOk) << dir.err;
    const std::string impedance = test::readFile(dir / "i.svg");
    for (const char* label : {">0 Ohm <", ">20 Ohm <"})
        EXPECT_NE(impedance.find(label), std::string::npos) << label;
    for (const char* label : {">-20 Ohm <", ">100 Ohm <"})
        EXPECT_EQ(impedance.find(label), std::string::npos) << label;
}

} // namespace
} // namespace terzlab::exporter
