#include "analysis/fft_kernels.h"
#include "analysis/fft_plan.h"

namespace terzlab::detail {

namespace {

template <bool Scaled> inline void put(float* to, double value, float scale) {
    const auto rounded = static_cast<float>(value);
    *to = Scaled ? rounded * scale : rounded;
}

template <bool Scaled> void stage(const StageJob& s) {
    const int32_t le2 = int32_t{1} << (s.Stage - 1);
    const int32_t le = 2 * le2;
    for (int32_t g = s.Begin; g < s.End; g += le) {
        for (int32_t j = 0; j < le2; ++j) {
            const int32_t i = g + j;
            const int32_t ip = i + le2;
            const double ur = s.Cos[j];
            const double ui = s.Sin[j];
            const double tr = s.SrcRe[ip] * ur - s.SrcIm[ip] * ui;
            const double ti = s.SrcRe[ip] * ui + s.SrcIm[ip] * ur;
            const double ar = s.SrcRe[i];
            const double ai = s.SrcIm[i];
            put<Scaled>(s.DstRe + ip, ar - tr, s.Scale);
            put<Scaled>(s.DstIm + ip, ai - ti, s.Scale);
            put<Scaled>(s.DstRe + i, ar + tr, s.Scale);
            put<Scaled>(s.DstIm + i, ai + ti, s.Scale);
        }
    }
}

} // namespace

void ScalarStage(const StageJob& job) {
    if (job.Scaled) {
        stage<true>(job);
    } else {
        stage<false>(job);
    }
}

void ScalarStagePair(const StageJob& job) {
    ScalarStage(job);
    const int32_t le2 = int32_t{1} << (job.Stage - 1);
    ScalarStage({job.DstRe, job.DstIm, job.DstRe, job.DstIm, job.Begin, job.End, job.Stage + 1,
                 job.Cos + le2, job.Sin + le2, false});
}

void ScalarFirstStages(float* re, float* im, int32_t begin, int32_t end, const double* cos,
                       const double* sin) {
    for (int l = 1; l <= 3; ++l) {
        const int32_t at = TwiddleOffset(l);
        ScalarStage({re, im, re, im, begin, end, l, cos + at, sin + at, false});
    }
}

} // namespace terzlab::detail
