#pragma once
// The straightforward radix-2 transform, unscaled, on split real and imaginary arrays of n
// elements: one butterfly after another with the twiddle advanced by recurrence in double
// precision. Each butterfly's result is stored in the arrays' own type, so float arrays give the
// analyser's single-precision reference and double arrays a transform that keeps double
// precision throughout (the stimulus design).
#include "analysis/constants.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace terzlab {

namespace detail {

template <typename T> void RadixTwoReorder(T* re, T* im, int32_t n) {
    const int32_t half = n / 2;
    int32_t j = 1; // one-based, as the reordering was designed
    for (int32_t i = 1; i <= n - 1; ++i) {
        if (i < j) {
            std::swap(re[j - 1], re[i - 1]);
            std::swap(im[j - 1], im[i - 1]);
        }
        int32_t k = half;
        while (k < j && k >= 1) {
            j -= k;
            k /= 2;
        }
        j += k;
    }
}

} // namespace detail

// Forward uses exp(-j...), inverse exp(+j...); neither direction is scaled.
template <typename T> void RadixTwoFft(T* re, T* im, int32_t n, bool inverse) {
    if (n < 2) return;
    const int m = static_cast<int>(std::nearbyint(std::log(static_cast<double>(n)) / kLn2));
    detail::RadixTwoReorder(re, im, n);
    for (int l = 1; l <= m; ++l) {
        const int32_t le = int32_t{1} << l;
        const int32_t le2 = le / 2;
        const double sr = std::cos(kTwoPi / le);
        const double si = inverse ? std::sin(kTwoPi / le) : -std::sin(kTwoPi / le);
        double ur = 1.0;
        double ui = 0.0;
        for (int32_t j = 1; j <= le2; ++j) {
            for (int32_t i = j - 1; i < n; i += le) {
                const int32_t ip = i + le2;
                const double tr = re[ip] * ur - im[ip] * ui;
                const double ti = re[ip] * ui + im[ip] * ur;
                re[ip] = static_cast<T>(re[i] - tr);
                im[ip] = static_cast<T>(im[i] - ti);
                re[i] = static_cast<T>(re[i] + tr);
                im[i] = static_cast<T>(im[i] + ti);
            }
            const double urNext = sr * ur - si * ui;
            ui = ui * sr + si * ur;
            ur = urNext;
        }
    }
}

} // namespace terzlab
