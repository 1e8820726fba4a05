#include "audio/virtual/divider_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace terzlab::audio {

namespace {

using Mat = double[3][3];

void invert(const Mat& a, Mat& out) {
    const double det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
                       a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
                       a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const int r1 = (c + 1) % 3, r2 = (c + 2) % 3, c1 = (r + 1) % 3, c2 = (r + 2) % 3;
            out[r][c] = (a[r1][c1] * a[r2][c2] - a[r1][c2] * a[r2][c1]) / det;
        }
}

} // namespace

DriverImpedance withAddedMass(const DriverImpedance& driver, double grams) {
    DriverImpedance loaded = driver;
    const double ratio = std::sqrt((driver.mmsGrams + std::max(grams, 0.0)) / driver.mmsGrams);
    loaded.fs = driver.fs / ratio;
    loaded.qms = driver.qms * ratio;
    loaded.qes = driver.qes * ratio;
    loaded.mmsGrams = driver.mmsGrams * ratio * ratio;
    return loaded;
}

void DividerModel::configure(double sampleRate, double seriesResistor, const DriverImpedance& d) {
    // A zero or negative resistor would short the source; the dialog never allows one.
    rv_ = std::max(seriesResistor, 1e-3);
    r2_ = d.r2;
    // The motional branch as a parallel tank: Res, Lces = Cms Bl^2, Cmes = Mms / Bl^2.
    const double w0 = 2.0 * std::numbers::pi * d.fs;
    const double res = d.res();
    const double lm = res / (d.qms * w0);
    const double cm = 1.0 / (w0 * w0 * lm);
    // States: coil inductor current, tank voltage, tank inductor current. The chain current
    // is (u + R2 iL - vt) / rs, with rs the sum of the three series resistances.
    rs_ = rv_ + d.re + d.r2;
    const Mat a = {{d.r2 / d.le * (d.r2 / rs_ - 1.0), -d.r2 / (d.le * rs_), 0.0},
                   {d.r2 / (cm * rs_), -1.0 / (cm * rs_) - 1.0 / (res * cm), -1.0 / cm},
                   {0.0, 1.0 / lm, 0.0}};
    const double b[3] = {d.r2 / (d.le * rs_), 1.0 / (cm * rs_), 0.0};
    const double h2 = 0.5 / sampleRate;
    Mat minus{}, plus{}, inv{};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const double id = r == c ? 1.0 : 0.0;
            minus[r][c] = id - h2 * a[r][c];
            plus[r][c] = id + h2 * a[r][c];
        }
    invert(minus, inv);
    for (int r = 0; r < 3; ++r) {
        n_[r] = h2 * (inv[r][0] * b[0] + inv[r][1] * b[1] + inv[r][2] * b[2]);
        for (int c = 0; c < 3; ++c)
            m_[r][c] = inv[r][0] * plus[0][c] + inv[r][1] * plus[1][c] + inv[r][2] * plus[2][c];
    }
}

DividerModel::Out DividerModel::step(double source) {
    const double drive = previous_ + source;
    double next[3];
    for (int r = 0; r < 3; ++r)
        next[r] = m_[r][0] * x_[0] + m_[r][1] * x_[1] + m_[r][2] * x_[2] + n_[r] * drive;
    for (int r = 0; r < 3; ++r)
        x_[r] = next[r];
    previous_ = source;
    const double current = (source + r2_ * x_[0] - x_[1]) / rs_;
    const double vr = rv_ * current;
    return {vr, source - vr};
}

void DividerModel::clear() {
    x_[0] = x_[1] = x_[2] = 0.0;
    previous_ = 0.0;
}

} // namespace terzlab::audio
