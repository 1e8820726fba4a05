#pragma once
// A plain radix-2 transform for designing the periodic stimuli. Double precision throughout:
// the design iterates many transforms and must not accumulate single-precision error.
#include <complex>
#include <cstddef>
#include <vector>

namespace terzlab::stimuli {

using Spectrum = std::vector<std::complex<double>>;

class Fft {
  public:
    explicit Fft(std::size_t size); // size is a power of two
    std::size_t size() const { return size_; }
    // Unscaled in both directions; forward uses exp(-j...), inverse exp(+j...).
    void forward(Spectrum& data) const { transform(data, false); }
    void inverse(Spectrum& data) const { transform(data, true); }

  private:
    void transform(Spectrum& data, bool inverse) const;
    std::size_t size_;
    Spectrum twiddle_; // exp(-j 2 pi k / size), k < size / 2
};

} // namespace terzlab::stimuli
