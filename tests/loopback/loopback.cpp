#include "loopback.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <unistd.h>

namespace terzlab::test {

SoundServer* LoopbackTest::server = nullptr;
std::string LoopbackTest::skipReason;
std::string LoopbackTest::programRoot;

void LoopbackTest::SetUpTestSuite() {
    // Apart from the server's folder, which goes when the server goes.
    std::string pattern =
        std::filesystem::temp_directory_path().string() + "/terzlab-loopback-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) programRoot = pattern;
    server = makeSoundServer().release();
    skipReason = server->start();
    if (!skipReason.empty()) std::fprintf(stderr, "%s: %s\n", server->name(), skipReason.c_str());
}

void LoopbackTest::TearDownTestSuite() {
    delete server;
    server = nullptr;
    std::error_code ignored;
    if (!programRoot.empty()) std::filesystem::remove_all(programRoot, ignored);
}

void LoopbackTest::SetUp() {
    if (!skipReason.empty())
        GTEST_SKIP() << "no private " << server->name() << " server: " << skipReason;
}

int LoopbackTest::serverInput(audio::SoundCard& card) {
    int fallback = -1;
    for (int i = 0; i < card.devices->inputCount(); ++i) {
        const audio::DeviceCaps caps = card.devices->inputCaps(i);
        const std::string_view name = caps.name.data();
        if (name == "pulse") return i;
        if (name == "default") fallback = i;
    }
    return fallback;
}

std::string LoopbackTest::programFolder() {
    namespace fs = std::filesystem;
    static int count = 0;
    const fs::path folder = fs::path(programRoot) / ("program" + std::to_string(++count));
    fs::create_directories(folder);
    for (const char* name : {"pseudo.wav", "Stop.wav"})
        fs::copy_file(fs::path(TERZLAB_BIN_DIR) / name, folder / name,
                      fs::copy_options::overwrite_existing);
    return folder.string();
}

Deviation worstBand(const std::vector<double>& values, double target) {
    Deviation worst;
    for (int b = kFirstCheckedBand; b <= kLastCheckedBand && b < static_cast<int>(values.size());
         ++b) {
        const double d = values[static_cast<size_t>(b)] - target;
        if (worst.band < 0 || std::fabs(d) > std::fabs(worst.db)) worst = {d, b};
    }
    return worst;
}

} // namespace terzlab::test

// ALSA plugins that PortAudio's probe loads keep a few bytes from their library constructors
// for the life of the process. Full unwinding lets the suppression see where they come from.
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
extern "C" const char* __lsan_default_suppressions() {
    return "leak:snd_dlopen\n";
}
