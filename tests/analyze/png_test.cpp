// The graph picture beside the measurement file.
#include "analyze/graph_png.h"
#include "fixtures.h"
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

} // namespace
} // namespace terzlab::test
