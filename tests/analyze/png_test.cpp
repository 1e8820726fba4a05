// The graph picture beside the measurement file.
#include "analyze/graph_png.h"
#include "fixtures.h"
#include <gtest/gtest.h>

namespace terzlab::test {
namespace {

uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    uint32_t v = 0;
    for (std::size_t i = at; i < at + 4; ++i)
        v = (v << 8) | static_cast<unsigned char>(bytes[i]);
    return v;
}

TEST(PngTest, ResolutionChangesThePictureButNeverTheFile) {
    if (!analyze::GraphPngAvailable()) GTEST_SKIP() << "built without the drawing layer";
    TempFolder dir;
    const auto pseudo = PseudoPeriod();
    WriteWav(dir / "pink.wav", Interleave(pseudo, pseudo), 2);
    ASSERT_EQ(RunInProcess({"--out", dir / "plain.oct", dir / "pink.wav"}).Status, 0);
    const ToolRun run = RunInProcess({"--resolution", "3", "--png", dir / "g3.png", "--out",
                                      dir / "third.oct", dir / "pink.wav"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    ASSERT_EQ(
        RunInProcess({"--png", dir / "g12.png", "--out", dir / "twelfth.oct", dir / "pink.wav"})
            .Status,
        0);
    EXPECT_EQ(ReadBytes(dir / "third.oct"), ReadBytes(dir / "plain.oct"));
    EXPECT_EQ(ReadBytes(dir / "twelfth.oct"), ReadBytes(dir / "plain.oct"));

    const std::string png = ReadBytes(dir / "g3.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    // The graph's 497 x 297 pixels, its border and the labels around it.
    EXPECT_EQ(BigEndian(png, 16), 587u);
    EXPECT_EQ(BigEndian(png, 20), 331u);
    EXPECT_NE(png, ReadBytes(dir / "g12.png"));
}

} // namespace
} // namespace terzlab::test
