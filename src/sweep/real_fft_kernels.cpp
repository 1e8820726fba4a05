#include "sweep/real_fft_kernels.h"

namespace terzlab::sweep::detail {

void SplitPair(const SplitJob& s, int32_t k) {
    const double ar = s.Re[k], ai = s.Im[k], br = s.Re[s.M - k], bi = s.Im[s.M - k];
    const double er = s.Half * (ar + br), ei = s.Half * (ai - bi);
    const double ore = s.Half * (ai + bi), oim = s.Half * (br - ar);
    const double tr = s.Cos[k] * ore - s.Sin[k] * oim;
    const double ti = s.Cos[k] * oim + s.Sin[k] * ore;
    s.Bins[k] = {er + tr, ei + ti};
    s.Bins[s.M - k] = {er - tr, ti - ei};
}

void UnsplitPair(const UnsplitJob& u, int32_t k) {
    const double ar = u.Bins[k].real(), ai = u.Bins[k].imag();
    const double br = u.Bins[u.M - k].real(), bi = u.Bins[u.M - k].imag();
    const double er = ar + br, ei = ai - bi, dr = ar - br, di = ai + bi;
    const double ore = dr * u.Cos[k] + di * u.Sin[k];
    const double oim = di * u.Cos[k] - dr * u.Sin[k];
    float* low = u.Pairs + 2 * k;
    float* high = u.Pairs + 2 * (u.M - k);
    low[0] = static_cast<float>((er - oim) * u.Scale);
    low[1] = static_cast<float>((ei + ore) * u.Scale);
    high[0] = static_cast<float>((er + oim) * u.Scale);
    high[1] = static_cast<float>((ore - ei) * u.Scale);
}

} // namespace terzlab::sweep::detail
