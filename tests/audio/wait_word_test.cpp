#include "audio/wait_word.h"

#include <cmath>
#include <gtest/gtest.h>
#include <thread>

namespace terzlab::audio {
namespace {

using namespace std::chrono_literals;

TEST(WaitWord, WakesAsSoonAsTheWordChangesAndGivesUpAtItsLimit) {
    std::atomic<uint32_t> word{0};
    const auto t0 = std::chrono::steady_clock::now();
    waitWhileEqual(word, 0, 2ms);
    EXPECT_GE(std::chrono::steady_clock::now() - t0, 2ms);

    std::thread setter([&] {
        word.store(1, std::memory_order_release);
        wakeWaiters(word);
    });
    const auto t1 = std::chrono::steady_clock::now();
    while (word.load(std::memory_order_acquire) == 0)
        waitWhileEqual(word, 0, 30s);
    EXPECT_LT(std::chrono::steady_clock::now() - t1, 10s);
    setter.join();
}

TEST(WaitWord, TimeLimitsNeverOverflowTheClock) {
    EXPECT_EQ(secondsToDuration(std::nan("")), std::chrono::steady_clock::duration::zero());
    EXPECT_EQ(secondsToDuration(-3.0), std::chrono::steady_clock::duration::zero());
    EXPECT_EQ(secondsToDuration(1e300), std::chrono::seconds(1000000));
    EXPECT_EQ(secondsToDuration(0.25), 250ms);
}

} // namespace
} // namespace terzlab::audio
