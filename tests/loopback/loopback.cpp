#include "loopback.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace terzlab::test {

std::unique_ptr<SoundServer> LoopbackTest::server;
std::string LoopbackTest::skipReason;
std::string LoopbackTest::startFault;
std::unique_ptr<TempFolder> LoopbackTest::programRoot;

void LoopbackTest::SetUpTestSuite() {
    programRoot = std::make_unique<TempFolder>(); // apart from the server's, which comes and goes
    server = makeSoundServer();
    // Without the server's programs the cases skip; a server that is there but does not work is
    // a failure, so that a broken audio path cannot pass as skipped.
    skipReason = server->missingPrograms();
    if (skipReason.empty()) startFault = server->start();
    for (const std::string& why : {skipReason, startFault})
        if (!why.empty()) std::fprintf(stderr, "%s: %s\n", server->name(), why.c_str());
}

void LoopbackTest::TearDownTestSuite() {
    server.reset();
    programRoot.reset();
}

void LoopbackTest::SetUp() {
    if (!skipReason.empty())
        GTEST_SKIP() << "no private " << server->name() << " server: " << skipReason;
    ASSERT_EQ(startFault, "") << "the private " << server->name() << " server";
    namespace fs = std::filesystem;
    static int count = 0;
    folder = programRoot->file("program" + std::to_string(++count));
    fs::create_directories(folder);
    for (const char* name : {"pseudo.wav", "Stop.wav"})
        fs::copy_file(fs::path(TERZLAB_BIN_DIR) / name, fs::path(folder) / name);
    card = audio::openPortAudioCard();
    card->player->setProgramFolder(folder);
}

// A dropout inside the server on a machine loaded far beyond its cores (other builds beside the
// test) moves one block's bands by a decibel or more without any underflow our streams could
// see; a real error repeats, so a measurement that misses the limit is taken once more.
void LoopbackTest::expectBands(const char* what,
                               const std::function<std::vector<double>()>& measure, double target,
                               double limit) {
    double worst = 0.0;
    int worstBand = -1;
    for (const char* again : {"", " again"}) {
        const std::vector<double> values = measure();
        worst = 0.0, worstBand = -1;
        for (int b = 12; b <= 132 && b < static_cast<int>(values.size()); ++b)
            if (const double d = values[static_cast<size_t>(b)] - target;
                worstBand < 0 || std::fabs(d) > std::fabs(worst))
                worst = d, worstBand = b;
        char figures[160];
        std::snprintf(figures, sizeof figures,
                      "worst band %d off by %+.3f dB; first block after %.2f s; blocks started "
                      "over so far: %d",
                      worstBand, worst, firstBlockSeconds, card->capture->blocksStartedOver());
        std::printf("%s%s: %s\n", what, again, figures);
        RecordProperty(what + std::string(again), figures);
        if (std::fabs(worst) <= limit) return;
    }
    EXPECT_LE(std::fabs(worst), limit) << what << ", band " << worstBand;
}

} // namespace terzlab::test
