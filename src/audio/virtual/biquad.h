#pragma once
// Second-order IIR section (transposed direct form II) in double precision.
namespace terzlab::audio {

struct Biquad {
    double b0 = 1.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
    double z1 = 0.0, z2 = 0.0;

    double step(double x) {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
    void clear() { z1 = z2 = 0.0; }
};

// Bilinear-transform designs; `fs` is the sample rate, `f` the corner frequency in Hz.
Biquad highPass2(double f, double q, double fs);
Biquad lowPass2(double f, double q, double fs);
Biquad lowPass1(double f, double fs);

} // namespace terzlab::audio
