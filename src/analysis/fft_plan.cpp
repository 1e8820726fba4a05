#include "analysis/fft_plan.h"

#include "analysis/constants.h"
#include "analysis/fft_kernels.h"

#include <cmath>
#include <cstdint>

namespace terzlab {

namespace {

constexpr int32_t kWorkGap = 16;  // floats between the end of Re and the start of Im
constexpr int32_t kWorkAlign = 8; // floats per 32 bytes

int stagesOf(int32_t n) {
    return static_cast<int>(std::nearbyint(std::log(static_cast<double>(n)) / kLn2));
}

// Runs the recurrence exactly as the one-butterfly-at-a-time transform advances it, so that each
// stored factor is bit for bit the one that transform would use.
void fillTwiddles(std::vector<double>& cosT, std::vector<double>& sinT, int stages, bool inverse) {
    cosT.assign(static_cast<size_t>(1) << stages, 0.0);
    sinT.assign(cosT.size(), 0.0);
    for (int l = 1; l <= stages; ++l) {
        const int32_t le = int32_t{1} << l;
        const int32_t le2 = le / 2;
        const double sr = std::cos(kTwoPi / le);
        const double si = inverse ? std::sin(kTwoPi / le) : -std::sin(kTwoPi / le);
        double ur = 1.0;
        double ui = 0.0;
        const int32_t at = TwiddleOffset(l);
        for (int32_t j = 0; j < le2; ++j) {
            cosT[at + j] = ur;
            sinT[at + j] = ui;
            const double urNext = sr * ur - si * ui;
            ui = ui * sr + si * ur;
            ur = urNext;
        }
    }
}

void fillReverse(std::vector<int32_t>& reverse, int stages) {
    const int32_t n = int32_t{1} << stages;
    reverse.assign(n, 0);
    for (int32_t i = 1; i < n; ++i)
        reverse[i] = (reverse[i >> 1] >> 1) | ((i & 1) << (stages - 1));
}

float* alignedWork(FftPlan& plan) {
    const auto address = reinterpret_cast<std::uintptr_t>(plan.Work.data());
    const auto misalign = static_cast<int32_t>(address / sizeof(float) % kWorkAlign);
    return plan.Work.data() + (kWorkAlign - misalign) % kWorkAlign;
}

} // namespace

void BuildFftPlan(FftPlan& plan, int32_t n) {
    plan.Size = n;
    plan.Stages = stagesOf(n);
    fillReverse(plan.Reverse, plan.Stages);
    fillTwiddles(plan.Cos, plan.Sin, plan.Stages, false);
    plan.InvCos.clear();
    plan.InvSin.clear();
    plan.Work.assign(2 * static_cast<size_t>(n) + kWorkGap + kWorkAlign, 0.0f);
    plan.Vector = detail::VectorKernelsAvailable();
}

void EnsureInverseTwiddles(FftPlan& plan) {
    if (plan.InvCos.size() != plan.Cos.size())
        fillTwiddles(plan.InvCos, plan.InvSin, plan.Stages, true);
}

float* WorkRe(FftPlan& plan) {
    return alignedWork(plan);
}

float* WorkIm(FftPlan& plan) {
    return alignedWork(plan) + plan.Size + kWorkGap;
}

} // namespace terzlab
