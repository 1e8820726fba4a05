// A long continuous run on virtual time: it ends with the band values of a short run and
// without having grown (heap, file descriptors, threads).
#include "gui_fixture.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" size_t __sanitizer_get_current_allocated_bytes(); // the sanitizer runtime's
#else
#include <malloc.h>
#endif

#include <filesystem>
#include <iterator>

namespace terzlab::test {

namespace {

// Heap in use in KiB (resident memory under AddressSanitizer grows by its quarantine), open
// file descriptors, threads.
std::array<long, 3> processUse() {
    namespace fs = std::filesystem;
    auto entries = [](const char* folder) {
        return std::distance(fs::directory_iterator(folder), fs::directory_iterator{});
    };
#if defined(__SANITIZE_ADDRESS__)
    const long heap = static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    const long heap = static_cast<long>(mallinfo2().uordblks / 1024);
#endif
    return {heap, entries("/proc/self/fd"), entries("/proc/self/task")};
}

class SoakTest : public GuiTest {};

TEST_F(SoakTest, ALongContinuousRunEndsAsAShortOneWithoutGrowing) {
    ASSERT_TRUE(load());
    audio::BenchSettings quiet = bench().settings();
    quiet.noise = 0.0; // so that both runs must read the same
    bench().setSettings(quiet);
    // A continuous run of `count` blocks in each part; `onBlock` sees every block's number.
    auto run = [this](int type, int count, const std::function<void(int)>& onBlock) {
        platform::selectListIndex(window->cmbMeasType, type);
        int block = 0, part = -1;
        keys.onAsk = [&] {
            if (!window->isRunning()) return false; // the discard at the start of a run
            if (window->run().ImpedancePart != part) block = 0;
            part = window->run().ImpedancePart;
            onBlock(++block);
            return block == count;
        };
        startRun(2, false);
        return window->bands().BandValue;
    };
    // Blocks per part of a run; growth is counted after `settled` blocks, which fill the caches
    // and pools a run keeps. Under AddressSanitizer a 16384-point block takes about 45 ms (a
    // 65536-point one four times that), so the run is far shorter than a night's: long enough
    // that a leaked block buffer (64 KiB and more) shows, short enough for every test run.
    for (const auto [type, count, settled] :
         {std::array{0, 120, 40}, {1, 120, 40}, {2, 120, 40}, {3, 30, 10}, {4, 30, 10}}) {
        const std::vector<double> shortRun = run(type, 10, [](int) {});
        const auto before = processUse();
        std::array<long, 3> atSettled{};
        const std::vector<double> longRun = run(type, count, [&](int block) {
            if (block == settled) atSettled = processUse();
        });
        const auto after = processUse();
        EXPECT_LE(std::labs(after[0] - atSettled[0]), 1024) << type << ": heap KiB";
        EXPECT_EQ(after[1], before[1]) << type << ": file descriptors";
        EXPECT_EQ(after[2], before[2]) << type << ": threads";
        ASSERT_EQ(longRun.size(), shortRun.size());
        for (size_t i = 0; i < longRun.size(); ++i)
            EXPECT_NEAR(longRun[i], shortRun[i], 0.01) << type << ": band " << i;
        EXPECT_TRUE(boxes.boxes().empty()) << type;
    }
}

} // namespace

} // namespace terzlab::test
