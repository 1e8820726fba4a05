#pragma once
// Blocking wait on a 32-bit atomic word with a time limit. std::atomic::wait has no timeout, and
// the run must both wake the moment a block completes and give up when a driver stalls.
#include <atomic>
#include <chrono>
#include <cstdint>

namespace terzlab::audio {

// Returns when `word` no longer holds `seen`, when woken, or after `maxWait`; may return early
// without a change, so callers re-check their condition in a loop.
void waitWhileEqual(const std::atomic<uint32_t>& word, uint32_t seen,
                    std::chrono::nanoseconds maxWait);

// Wakes every thread waiting on `word`. Never blocks, locks or allocates: safe in an audio
// callback.
void wakeWaiters(const std::atomic<uint32_t>& word);

// A time limit in seconds as a clock duration: negative or NaN is 0, and anything beyond a
// million seconds is a million, so that no limit overflows the clock.
std::chrono::steady_clock::duration secondsToDuration(double seconds);

} // namespace terzlab::audio
