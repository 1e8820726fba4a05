#include "analysis/fft.h"

#include "analysis/constants.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace terzlab {

std::optional<BlockSetting> BlockSettingFor(int measTypeIndex) {
    switch (measTypeIndex) {
    case 0:
        return BlockSetting{16384, kWindowUniform};
    case 1:
        return BlockSetting{16384, kWindowHanning};
    case 2:
        return BlockSetting{8192, kWindowUniform};
    case 3:
    case 4:
        return BlockSetting{65536, kWindowUniform};
    default:
        return std::nullopt;
    }
}

const char* WindowName(int16_t windowType) {
    switch (windowType) {
    case kWindowHanning:
        return "Hanning";
    case kWindowHamming:
        return "Hamming";
    case kWindowBlackman:
        return "Blackman";
    default:
        return "Uniform";
    }
}

bool GetBlockSize(FftState& fft, int measTypeIndex) {
    const auto setting = BlockSettingFor(measTypeIndex);
    if (!setting) return false;
    fft.BlockSize = setting->BlockSize;
    fft.WindowType = setting->WindowType;
    FftSetup(fft);
    return true;
}

namespace {

// The scale factors give each window a mean power of 1; they are used with these three decimals.
double windowCoefficient(int16_t type, double x) {
    switch (type) {
    case kWindowHanning:
        return (0.5 - 0.5 * std::cos(x)) * 1.633;
    case kWindowHamming:
        return (0.54 - 0.46 * std::cos(x)) * 1.586;
    case kWindowBlackman:
        return (0.35875 - 0.48829 * std::cos(x) + 0.14128 * std::cos(2 * x) -
                0.01168 * std::cos(3 * x)) *
               1.969;
    default:
        return 1.0;
    }
}

void bitReverse(std::vector<float>& re, std::vector<float>& im, int32_t n) {
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

} // namespace

void FftSetup(FftState& fft) {
    const int32_t n = fft.BlockSize;
    fft.WindowCoeff.assign(n, 1.0f);
    for (int32_t i = 0; i < n; ++i) {
        // Divisor N-1: the window is symmetric and both end points lie on its edges.
        const double x = kTwoPi * i / (n - 1);
        fft.WindowCoeff[i] = static_cast<float>(windowCoefficient(fft.WindowType, x));
    }
    fft.FftRe.assign(n, 0.0f);
    fft.FftIm.assign(n, 0.0f);
}

void Fft(FftState& fft, int16_t inverse) {
    const int32_t n = fft.BlockSize;
    if (n < 2) return;
    auto& re = fft.FftRe;
    auto& im = fft.FftIm;
    const int m = static_cast<int>(std::nearbyint(std::log(static_cast<double>(n)) / kLn2));
    bitReverse(re, im, n);
    for (int l = 1; l <= m; ++l) {
        const int32_t le = int32_t{1} << l;
        const int32_t le2 = le / 2;
        const double sr = std::cos(kTwoPi / le);
        const double si = inverse == 0 ? -std::sin(kTwoPi / le) : std::sin(kTwoPi / le);
        double ur = 1.0;
        double ui = 0.0;
        for (int32_t j = 1; j <= le2; ++j) {
            for (int32_t i = j - 1; i < n; i += le) {
                const int32_t ip = i + le2;
                const double tr = re[ip] * ur - im[ip] * ui;
                const double ti = re[ip] * ui + im[ip] * ur;
                re[ip] = static_cast<float>(re[i] - tr);
                im[ip] = static_cast<float>(im[i] - ti);
                re[i] = static_cast<float>(re[i] + tr);
                im[i] = static_cast<float>(im[i] + ti);
            }
            const double urNext = sr * ur - si * ui;
            ui = ui * sr + si * ur;
            ur = urNext;
        }
    }
    if (inverse == 0) {
        for (int32_t i = 0; i < n; ++i) {
            re[i] = static_cast<float>(re[i] / static_cast<double>(n));
            im[i] = static_cast<float>(im[i] / static_cast<double>(n));
        }
    }
}

void LoadBlock(FftState& fft, std::span<const int16_t> captureBuffer) {
    const int32_t n = fft.BlockSize;
    if (captureBuffer.size() < static_cast<size_t>(kChannelCount) * static_cast<size_t>(n)) {
        return; // a short buffer never reaches here from the run; refuse rather than read past it
    }
    for (int32_t i = 0; i < n; ++i) {
        fft.FftRe[i] = static_cast<float>(captureBuffer[2 * i] / 32768.0);
        fft.FftIm[i] = static_cast<float>(captureBuffer[2 * i + 1] / 32768.0);
    }
    if (fft.WindowType != kWindowUniform) {
        for (int32_t i = 0; i < n; ++i) {
            fft.FftRe[i] *= fft.WindowCoeff[i];
            fft.FftIm[i] *= fft.WindowCoeff[i];
        }
    }
    Fft(fft, 0);
}

ChannelBin SeparateChannels(const FftState& fft, int32_t k) {
    const int32_t kk = k == 0 ? 0 : fft.BlockSize - k;
    const double reK = fft.FftRe[k];
    const double imK = fft.FftIm[k];
    const double reKK = fft.FftRe[kk];
    const double imKK = fft.FftIm[kk];
    return ChannelBin{reK + reKK, imKK - imK, imK + imKK, reK - reKK};
}

} // namespace terzlab
