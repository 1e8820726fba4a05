// The graph picture beside the measurement file.
#include "analyze/graph_png.h"
#include "fixtures.h"
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace terzlab::test {
namespace {

TEST(PngTest, ResolutionChangesThePictureButNeverTheFile) {
    if (!analyze::GraphPngAvailable()) GTEST_SKIP() << "built without the drawing layer";
    TempFolder dir, runtime; // Qt's runtime folder would otherwise stay behind in /tmp
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    const auto pseudo = PseudoPeriod();
    writeWav(dir / "pink.wav", Interleave(pseudo, pseudo), 2);
    for (const char* res : {"3", "12"}) {
        const ToolRun run =
            RunInProcess({"--resolution", res, "--png", dir / (res + std::string(".png")), "--out",
                          dir / (res + std::string(".oct")), dir / "pink.wav"});
        ASSERT_EQ(run.Status, 0) << run.Err;
    }
    EXPECT_EQ(ReadBytes(dir / "3.oct"), ReadBytes(dir / "12.oct"));
    const std::string png = ReadBytes(dir / "3.png");
    EXPECT_EQ(png.substr(0, 16), std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
    // 587 x 331: the graph's 497 x 297 pixels, its border and the labels around it.
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x02\x4b\0\0\x01\x4b", 8));
    EXPECT_NE(png, ReadBytes(dir / "12.png"));
}

std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(PngTest, ExportHoldsTheFilesBandLinesAndSvgTheGraph) {
    if (!analyze::GraphPngAvailable()) GTEST_SKIP() << "built without the drawing layer";
    TempFolder dir;
    const auto pseudo = Repeat(PseudoPeriod(), 2);
    writeWav(dir / "pink.wav", Interleave(pseudo, pseudo), 2);
    Analyse(dir, {"--export", dir / "m.frd", "--svg", dir / "m.svg", dir / "pink.wav"});
    const auto oct = CrLfLines(ReadBytes(dir / "out.oct"));
    const auto frd = CrLfLines(ReadBytes(dir / "m.frd"));
    const auto octData = std::find(oct.begin(), oct.end(), "F [Hz]\tAmpl [dB]\tPhase [\xF8]") + 1;
    const auto frdData = std::find_if(frd.begin(), frd.end(), [](auto& l) { return l[0] != '*'; });
    ASSERT_EQ(oct.end() - octData, 134);
    EXPECT_TRUE(std::equal(octData, oct.end(), frdData, frd.end()));
    const std::string svg = ReadBytes(dir / "m.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<path"), std::string::npos);
}

} // namespace
} // namespace terzlab::test
