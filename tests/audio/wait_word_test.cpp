#include "audio/wait_word.h"

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

} // namespace
} // namespace terzlab::audio
