#include "stimuli/fft.h"

#include <numbers>
#include <utility>

namespace terzlab::stimuli {

Fft::Fft(std::size_t size) : size_(size), twiddle_(size / 2) {
    // Each factor is computed directly, so no error builds up along the table.
    for (std::size_t k = 0; k < twiddle_.size(); ++k) {
        const double angle =
            -2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(size);
        twiddle_[k] = std::polar(1.0, angle);
    }
}

static void bitReverse(Spectrum& data) {
    const std::size_t n = data.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; (j & bit) != 0; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(data[i], data[j]);
        }
    }
}

void Fft::transform(Spectrum& data, bool inverse) const {
    bitReverse(data);
    for (std::size_t len = 2; len <= size_; len <<= 1) {
        const std::size_t half = len / 2;
        const std::size_t stride = size_ / len;
        for (std::size_t start = 0; start < size_; start += len) {
            for (std::size_t j = 0; j < half; ++j) {
                std::complex<double> w = twiddle_[j * stride];
                if (inverse) {
                    w = std::conj(w);
                }
                const std::complex<double> t = w * data[start + j + half];
                data[start + j + half] = data[start + j] - t;
                data[start + j] += t;
            }
        }
    }
}

} // namespace terzlab::stimuli
