// terzlab-export end to end: refusals leave nothing behind, pictures have the window's size and
// the SVG keeps each curve as one path.
#include "analysis/constants.h"
#include "files/atomic_write.h"
#include "files/disp_oct.h"
#include "files/measurement_writer.h"
#include "picture.h"
#include "run_export.h"
#include <QImage>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <unistd.h>

namespace terzlab::exporter {
namespace {

// A folder of the test's own with a level, an impedance and a malformed measurement file.
class Folder {
  public:
    Folder() {
        path_ = std::filesystem::temp_directory_path() /
                ("terzlab_export_" + std::to_string(::getpid()) + "_" + std::to_string(next_++));
        std::filesystem::create_directories(path_);
        Measurement("level.oct", meas::kLevelOneChannel, -40.0);
        Measurement("flat.oct", meas::kLevelOneChannel, -55.0);
        Measurement("imp.oct", meas::kImpedanceTwoChannel, 6.0);
        std::ofstream(path_ / "bad.oct") << kOctHeader << "\r\nTitle\tT\r\n"
                                         << "Result type\tAutopower Spectrum [dB]\r\n";
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    std::size_t Count() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_),
                                                      std::filesystem::directory_iterator()));
    }

  private:
    void Measurement(const std::string& name, int16_t type, double base) {
        BandState bands;
        bands.Table.LastBand = 134;
        for (int b = 0; b <= 135; ++b) {
            bands.Table.BandFreq.push_back(NominalBandFreq(b));
            bands.BandValue.push_back(b % 9 == 4 ? kNoValue : base + 10.0 * std::sin(b / 9.0));
        }
        MeasurementHeader header;
        header.MeasTypeIndex = type;
        ASSERT_TRUE(ReplaceFile(path_ / name, MeasurementFileText(header, bands)));
    }
    static inline int next_ = 0;
    std::filesystem::path path_;
};

struct ToolRun {
    int Status;
    std::string Err;
};

ToolRun Export(const Folder& dir, const std::string& line) {
    std::vector<std::string> args;
    std::istringstream words(line);
    for (std::string w; words >> w;)
        args.push_back(w[0] == '@' ? dir / w.substr(1) : w);
    std::ostringstream err;
    const int status = RunExport(args, err);
    return {status, err.str()};
}

struct Refusal {
    const char* name;
    const char* args;
    const char* message;
};

const Refusal kRefusals[] = {
    {"FrdOfImpedance", "@imp.oct @x.frd", "nicht als FRD"},
    {"ZmaOfLevel", "@level.oct @x.zma", "nicht als ZMA"},
    {"UnknownExtension", "@level.oct @x.txt", "Unbekannte Endung"},
    {"Malformed", "@bad.oct @x.csv", "Oktav-Auflösung"},
    {"Missing", "@none.oct @x.csv", "fehlt oder ist nicht lesbar"},
    {"Unwritable", "@level.oct @no/x.svg", "konnte nicht geschrieben werden"},
    {"ResolutionOfFile", "--resolution 3 @level.oct @x.frd", "nur für Bilder"},
    {"ComparisonOfOtherKind", "--comparison @imp.oct @level.oct @x.svg", "andere Messart"},
};

class RefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusalTest, ExitsWithOneLineAndWritesNothing) {
    Folder dir;
    const std::size_t files = dir.Count();
    const ToolRun run = Export(dir, GetParam().args);
    EXPECT_EQ(run.Status, kExitError);
    EXPECT_EQ(run.Err.find("terzlab-export: "), 0u) << run.Err;
    EXPECT_NE(run.Err.find(GetParam().message), std::string::npos) << run.Err;
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
    EXPECT_EQ(dir.Count(), files);
}

INSTANTIATE_TEST_SUITE_P(Refusals, RefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
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

TEST(PictureTest, PngHasTheWindowsSizeAndSvgKeepsEachCurveAsOnePath) {
    if (!PicturesAvailable()) GTEST_SKIP() << "built without the drawing layer";
    Folder dir;
    ASSERT_EQ(Export(dir, "@level.oct @a.png").Status, kExitOk);
    ASSERT_EQ(Export(dir, "--scale 2 --resolution 3 @level.oct @b.png").Status, kExitOk);
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(Bytes(dir / "a.png"))).size(),
              QSize(587, 331));
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(Bytes(dir / "b.png"))).size(),
              QSize(1174, 662));
    const ToolRun svg = Export(dir, "--comparison @flat.oct @level.oct @c.svg");
    ASSERT_EQ(svg.Status, kExitOk) << svg.Err;
    const std::string text = Bytes(dir / "c.svg");
    const auto points = PathPoints(text);
    // 135 bands less the gaps, bridged: one line to each valued band after the first.
    EXPECT_EQ(points.at("#0000ff"), 118);
    EXPECT_EQ(points.at("#000000"), 118);
    EXPECT_NE(text.find("Terzlab \xE2\x80\x93 Terzanalyse"), std::string::npos);
}

} // namespace
} // namespace terzlab::exporter
