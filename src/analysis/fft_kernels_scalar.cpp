#include "analysis/fft_kernels.h"
#include "analysis/fft_plan.h"

#include <algorithm>

namespace terzlab::detail {

namespace {

template <bool Scaled> inline void put(float* to, double value, float scale) {
    const auto rounded = static_cast<float>(value);
    *to = Scaled ? rounded * scale : rounded;
}

template <bool Scaled> void stage(const StageJob& s) {
    const int32_t le2 = int32_t{1} << (s.Stage - 1);
    const int32_t le = 2 * le2;
    const int32_t jEnd = std::min(s.JEnd, le2);
    for (int32_t g = s.Begin; g < s.End; g += le) {
        for (int32_t j = s.JBegin; j < jEnd; ++j) {
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

// a' = a + w b and b' = a - w b in double, as the straightforward transform computes them.
inline void butterfly(double& ar, double& ai, double& br, double& bi, double ur, double ui) {
    const double tr = br * ur - bi * ui;
    const double ti = br * ui + bi * ur;
    br = ar - tr;
    bi = ai - ti;
    ar = ar + tr;
    ai = ai + ti;
}

} // namespace

// The order of the vector kernel's stagePair, with double values between the stages.
void ScalarStagePairInDouble(const StageJob& s) {
    const int32_t le2 = int32_t{1} << (s.Stage - 1);
    const int32_t le = 2 * le2;
    const double* nextCos = s.Cos + le2;
    const double* nextSin = s.Sin + le2;
    for (int32_t g = s.Begin; g < s.End; g += 2 * le) {
        for (int32_t j = 0; j < le2; ++j) {
            const int32_t i[4] = {g + j, g + j + le2, g + j + le, g + j + le + le2};
            double re[4], im[4];
            for (int e = 0; e < 4; ++e) {
                re[e] = s.SrcRe[i[e]];
                im[e] = s.SrcIm[i[e]];
            }
            butterfly(re[0], im[0], re[1], im[1], s.Cos[j], s.Sin[j]);
            butterfly(re[2], im[2], re[3], im[3], s.Cos[j], s.Sin[j]);
            butterfly(re[0], im[0], re[2], im[2], nextCos[j], nextSin[j]);
            butterfly(re[1], im[1], re[3], im[3], nextCos[le2 + j], nextSin[le2 + j]);
            for (int e = 0; e < 4; ++e) {
                s.DstRe[i[e]] = static_cast<float>(re[e]);
                s.DstIm[i[e]] = static_cast<float>(im[e]);
            }
        }
    }
}

// The butterflies of stages 1 to 3 on each eight elements, in double throughout.
void ScalarFirstStagesInDouble(float* re, float* im, int32_t begin, int32_t end, const double* cos,
                               const double* sin) {
    for (int32_t b = begin; b < end; b += 8) {
        double r[8], m[8];
        for (int e = 0; e < 8; ++e) {
            r[e] = re[b + e];
            m[e] = im[b + e];
        }
        for (int l = 1; l <= 3; ++l) {
            const int32_t le2 = int32_t{1} << (l - 1);
            const int32_t at = TwiddleOffset(l);
            for (int32_t g = 0; g < 8; g += 2 * le2)
                for (int32_t j = 0; j < le2; ++j)
                    butterfly(r[g + j], m[g + j], r[g + j + le2], m[g + j + le2], cos[at + j],
                              sin[at + j]);
        }
        for (int e = 0; e < 8; ++e) {
            re[b + e] = static_cast<float>(r[e]);
            im[b + e] = static_cast<float>(m[e]);
        }
    }
}

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
