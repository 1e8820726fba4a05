// A long continuous run on virtual time: it ends with the band values of a short run and
// without having grown (heap, file descriptors, threads).
#include "gui_fixture.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" size_t __sanitizer_get_current_allocated_bytes(); // the sanitizer runtime's
#else
#include <malloc.h>
#endif

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iterator>

namespace terzlab::test {

namespace {

// Blocks per part of a run; growth is counted after `settled` blocks, which fill the caches and
// pools a run keeps. Under AddressSanitizer a 16384-point block takes about 45 ms (a 65536-point
// one four times that), so the run is far shorter than a night's: long enough that a leaked
// block buffer (64 KiB and more) shows, short enough for every test run.
struct Soak {
    int type;
    int blocks;
    int settled;
};
constexpr Soak kSoaks[] = {{0, 120, 40}, {1, 120, 40}, {2, 120, 40}, {3, 30, 10}, {4, 30, 10}};
constexpr int kShortBlocks = 10;
constexpr long kAllowedGrowthKiB = 1024;

struct ProcessUse {
    long heapKiB = 0; // in use: resident memory under AddressSanitizer grows by its quarantine
    long fds = 0;
    long threads = 0;
};

long entries(const char* folder) {
    namespace fs = std::filesystem;
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator{});
}

ProcessUse processUse() {
    ProcessUse use;
#if defined(__SANITIZE_ADDRESS__)
    use.heapKiB = static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    use.heapKiB = static_cast<long>(mallinfo2().uordblks / 1024);
#endif
    use.fds = entries("/proc/self/fd");
    use.threads = entries("/proc/self/task");
    return use;
}

class SoakTest : public GuiTest {
  protected:
    void SetUp() override { ASSERT_TRUE(load()); }

    // A continuous run of `count` blocks in each part; `onBlock` sees every block's number.
    std::vector<double> run(int type, int count, const std::function<void(int)>& onBlock) {
        platform::selectListIndex(window->cmbMeasType, type);
        platform::selectListIndex(window->cmbAvgCnt, 2);
        platform::setChecked(window->chkAvgType, false);
        int block = 0;
        int part = -1;
        keys.onAsk = [&] {
            if (!window->isRunning()) return false; // the discard at the start of a run
            if (window->run().ImpedancePart != part) block = 0;
            part = window->run().ImpedancePart;
            onBlock(++block);
            return block == count;
        };
        window->cmdStart->click();
        return window->bands().BandValue;
    }
};

double largestDifference(const std::vector<double>& a, const std::vector<double>& b) {
    double largest = a.size() == b.size() ? 0.0 : INFINITY;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        largest = std::max(largest, std::fabs(a[i] - b[i]));
    return largest;
}

TEST_F(SoakTest, ALongContinuousRunEndsAsAShortOneWithoutGrowing) {
    audio::BenchSettings quiet = bench().settings();
    quiet.noise = 0.0; // so that both runs must read the same
    bench().setSettings(quiet);
    for (const Soak& soak : kSoaks) {
        const std::vector<double> shortRun = run(soak.type, kShortBlocks, [](int) {});
        const ProcessUse before = processUse();
        ProcessUse settled;
        const std::vector<double> longRun = run(soak.type, soak.blocks, [&](int block) {
            if (block == soak.settled) settled = processUse();
        });
        const ProcessUse after = processUse();
        std::printf("type %d: heap %ld KiB after %d blocks, %ld KiB after %d; %ld fds, %ld threads "
                    "before, %ld, %ld after\n",
                    soak.type, settled.heapKiB, soak.settled, after.heapKiB, soak.blocks,
                    before.fds, before.threads, after.fds, after.threads);
        EXPECT_LE(std::labs(after.heapKiB - settled.heapKiB), kAllowedGrowthKiB) << soak.type;
        EXPECT_EQ(after.fds, before.fds) << soak.type;
        EXPECT_EQ(after.threads, before.threads) << soak.type;
        EXPECT_LE(largestDifference(longRun, shortRun), 0.01) << soak.type;
        EXPECT_TRUE(boxes.boxes().empty()) << soak.type;
    }
}

} // namespace

} // namespace terzlab::test
