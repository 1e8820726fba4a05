#pragma once
// The steps of the real transform around the complex one, with four-lane versions that give the
// same bits: every lane does the scalar step's double-precision operations in the same order.
// Internal to the sweep module.
#include <complex>
#include <cstdint>

namespace terzlab::sweep::detail {

// After the forward complex transform Z of the paired samples: bins k and m - k of X.
struct SplitJob {
    const float* Re; // Z, scaled by 1/m
    const float* Im;
    const double* Cos; // of e^(-j 2 pi k / n), k = 0..m/2
    const double* Sin;
    std::complex<double>* Bins;
    int32_t M;
    double Half; // m/2: undoes the 1/m and halves
};

// Before the inverse complex transform: Z[k] and Z[m-k], real and imaginary parts alternating.
struct UnsplitJob {
    const std::complex<double>* Bins;
    const double* Cos;
    const double* Sin;
    float* Pairs;
    int32_t M;
    double Scale; // 1/n
};

void SplitPair(const SplitJob& s, int32_t k);
void UnsplitPair(const UnsplitJob& u, int32_t k);

// The vector versions start at `begin` and return the first k they did not do; the rest, and
// where k and m - k come too close for whole vectors, is left to the scalar step. Without the
// vector kernels on this processor they do nothing.
int32_t SplitVector(const SplitJob& s, int32_t begin, int32_t end);
int32_t UnsplitVector(const UnsplitJob& u, int32_t begin, int32_t end);

} // namespace terzlab::sweep::detail
