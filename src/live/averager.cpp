#include "live/averager.h"

#include "analysis/constants.h"

#include <algorithm>
#include <cmath>

namespace terzlab::live {

double TimeConstantSeconds(Averaging averaging) {
    switch (averaging) {
    case Averaging::Fast:
        return kFastSeconds;
    case Averaging::Slow:
        return kSlowSeconds;
    case Averaging::Long:
        return kLongSeconds;
    case Averaging::Linear:
        break;
    }
    return 0.0;
}

void Averager::Configure(const AveragingChoice& choice, size_t cells, double updateSeconds) {
    choice_ = choice;
    choice_.LinearCount = std::clamp(choice.LinearCount, kMinLinearCount, kMaxLinearCount);
    const double tau = TimeConstantSeconds(choice_.Mode);
    // Sampled every updateSeconds, the step response reaches 1 - exp(-t/tau) at every update.
    weight_ = tau > 0 ? 1.0 - std::exp(-updateSeconds / tau) : 1.0;
    cells_ = cells;
    mean_.assign(cells, kNoValue);
    peak_.assign(cells, kNoValue);
    const size_t rows = choice_.Mode == Averaging::Linear ? choice_.LinearCount : 0;
    history_.assign(rows * cells, 0.0);
    Restart();
}

void Averager::Restart() {
    started_ = false;
    historyRows_ = 0;
    nextRow_ = 0;
    std::fill(mean_.begin(), mean_.end(), kNoValue);
    ResetPeak();
}

void Averager::ResetPeak() {
    peakStarted_ = false;
    std::fill(peak_.begin(), peak_.end(), kNoValue);
}

void Averager::Add(std::span<const double> values) {
    if (values.size() != cells_) return;
    if (choice_.Mode == Averaging::Linear)
        addLinear(values);
    else
        addExponential(values);
    started_ = true;
    for (size_t i = 0; i < cells_; ++i) {
        const double m = mean_[i];
        if (isNoValue(m)) continue;
        if (!peakStarted_ || isNoValue(peak_[i]) || m > peak_[i]) peak_[i] = m;
    }
    peakStarted_ = true;
}

void Averager::addExponential(std::span<const double> values) {
    for (size_t i = 0; i < cells_; ++i) {
        const double x = values[i];
        double& m = mean_[i];
        if (isNoValue(x))
            m = kNoValue;
        else if (!started_ || isNoValue(m))
            m = x;
        else
            m += weight_ * (x - m);
    }
}

void Averager::addLinear(std::span<const double> values) {
    const size_t rows = choice_.LinearCount;
    std::copy(values.begin(), values.end(), history_.begin() + nextRow_ * cells_);
    nextRow_ = (nextRow_ + 1) % rows;
    historyRows_ = std::min(historyRows_ + 1, rows);
    // Summed afresh each update: a running sum would carry its rounding for hours.
    for (size_t i = 0; i < cells_; ++i) {
        double sum = 0.0;
        bool defined = true;
        for (size_t r = 0; r < historyRows_ && defined; ++r) {
            const double x = history_[r * cells_ + i];
            defined = !isNoValue(x);
            sum += x;
        }
        mean_[i] = defined ? sum / static_cast<double>(historyRows_) : kNoValue;
    }
}

} // namespace terzlab::live
