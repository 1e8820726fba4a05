#include "audio/wait_word.h"

#include <algorithm>
#include <cmath>
#include <thread>

#if defined(__linux__)
#include <climits>
#include <ctime>
#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace terzlab::audio {

static_assert(sizeof(std::atomic<uint32_t>) == sizeof(uint32_t) &&
                  std::atomic<uint32_t>::is_always_lock_free,
              "the futex needs the atomic word to be a plain 32-bit word");

std::chrono::steady_clock::duration secondsToDuration(double seconds) {
    const double clamped = std::isnan(seconds) ? 0.0 : std::clamp(seconds, 0.0, 1e6);
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(clamped));
}

#if defined(__linux__)

namespace {

uint32_t* futexAddress(const std::atomic<uint32_t>& word) {
    return const_cast<uint32_t*>(reinterpret_cast<const uint32_t*>(&word));
}

} // namespace

void waitWhileEqual(const std::atomic<uint32_t>& word, uint32_t seen,
                    std::chrono::nanoseconds maxWait) {
    if (maxWait <= std::chrono::nanoseconds::zero()) return;
    const auto secs = std::chrono::duration_cast<std::chrono::seconds>(maxWait);
    timespec limit{};
    limit.tv_sec = static_cast<time_t>(secs.count());
    limit.tv_nsec = static_cast<long>((maxWait - secs).count());
    // EAGAIN (word already changed), EINTR and ETIMEDOUT all just send the caller round its loop.
    syscall(SYS_futex, futexAddress(word), FUTEX_WAIT_PRIVATE, seen, &limit, nullptr, 0);
}

void wakeWaiters(const std::atomic<uint32_t>& word) {
    syscall(SYS_futex, futexAddress(word), FUTEX_WAKE_PRIVATE, INT_MAX, nullptr, nullptr, 0);
}

#else

void waitWhileEqual(const std::atomic<uint32_t>& word, uint32_t seen,
                    std::chrono::nanoseconds maxWait) {
    const auto slice = std::chrono::nanoseconds(std::chrono::microseconds(200));
    if (word.load(std::memory_order_acquire) == seen)
        std::this_thread::sleep_for(maxWait < slice ? maxWait : slice);
}

void wakeWaiters(const std::atomic<uint32_t>&) {}

#endif

} // namespace terzlab::audio
