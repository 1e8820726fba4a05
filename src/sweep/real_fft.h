#pragma once
// The transform of real signals the swept-sine analysis runs on. The analysis is written against
// the small interface so that a benchmark can put another library's transform beside ours.
#include "analysis/fft.h"

#include <complex>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

namespace terzlab::sweep {

// Bins 0..n/2 of the transform of n real samples.
using Spectrum = std::vector<std::complex<double>>;

class RealTransform {
  public:
    virtual ~RealTransform() = default;
    // x.size() = n = 2^k (n >= 4): bins 0..n/2 of sum x[t] e^(-j 2 pi k t / n), unscaled.
    virtual void Forward(std::span<const float> x, Spectrum& bins) = 0;
    // Bins 0..n/2 back to n real samples, scaled so that Inverse(Forward(x)) = x.
    virtual void Inverse(const Spectrum& bins, std::vector<float>& x) = 0;
};

// Ours: the analysis's complex transform of n/2 points on the even and odd samples, then split.
// Tables are kept per size, so alternating sizes cost nothing after the first use.
class OwnRealFft final : public RealTransform {
  public:
    void Forward(std::span<const float> x, Spectrum& bins) override;
    void Inverse(const Spectrum& bins, std::vector<float>& x) override;

  private:
    struct Tables {
        FftState Fft;
        std::vector<double> Cos, Sin; // of e^(-j 2 pi k / n), k = 0..n/4
    };
    Tables& tablesFor(int32_t n);
    std::map<int32_t, Tables> tables_;
};

// The smallest power of two >= n.
int32_t NextPowerOfTwo(int64_t n);

} // namespace terzlab::sweep
