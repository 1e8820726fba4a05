#pragma once
// The averaging of a live analysis over its updates: exponential with the time constants of a
// sound level meter (fast, slow) and a long one for a steady reading of noise, or the plain
// mean of the last N updates; beside it the largest value since the peak was reset. It works on
// the band results as powers, so that a time constant means the same for every band.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace terzlab::live {

// The order is the number stored in the settings file.
enum class Averaging : int16_t { Fast = 0, Slow = 1, Long = 2, Linear = 3 };
inline constexpr int16_t kAveragingCount = 4;

inline constexpr double kFastSeconds = 0.125;
inline constexpr double kSlowSeconds = 1.0;
// Long enough for the lowest 1/12-octave bands of pink noise to settle within a tenth of a dB.
inline constexpr double kLongSeconds = 10.0;

inline constexpr int16_t kMinLinearCount = 2;
inline constexpr int16_t kMaxLinearCount = 256;
inline constexpr int16_t kDefaultLinearCount = 16;

constexpr std::optional<Averaging> AveragingOf(int index) {
    if (index < 0 || index >= kAveragingCount) return std::nullopt;
    return static_cast<Averaging>(index);
}

// The time constant of an exponential averaging; 0 for the linear mean.
double TimeConstantSeconds(Averaging averaging);

struct AveragingChoice {
    Averaging Mode = Averaging::Fast;
    int16_t LinearCount = kDefaultLinearCount; // updates of the linear mean
};

class Averager {
  public:
    // Sizes everything for `cells` values an update, `updateSeconds` apart; the only place that
    // allocates.
    void Configure(const AveragingChoice& choice, size_t cells, double updateSeconds);
    // Forgets the mean and the peak: the next update starts both afresh.
    void Restart();
    void ResetPeak();

    // One update. A value without a finite level (kNoValue) makes the mean of its cell
    // undefined until the cell has only finite values again.
    void Add(std::span<const double> values);

    std::span<const double> Mean() const { return mean_; }
    std::span<const double> Peak() const { return peak_; }
    const AveragingChoice& Choice() const { return choice_; }

  private:
    void addExponential(std::span<const double> values);
    void addLinear(std::span<const double> values);

    AveragingChoice choice_;
    double weight_ = 1.0; // of a new value in the exponential mean
    size_t cells_ = 0;
    bool started_ = false;
    bool peakStarted_ = false;
    std::vector<double> mean_;
    std::vector<double> peak_;
    std::vector<double> history_; // the linear mean's last updates, one row of cells each
    size_t historyRows_ = 0;      // rows filled
    size_t nextRow_ = 0;
};

} // namespace terzlab::live
