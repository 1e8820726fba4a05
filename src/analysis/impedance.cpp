#include "analysis/impedance.h"

#include "analysis/constants.h"

#include <cmath>

namespace terzlab {

BandComponentsAB BandComponents(const BandState& s, int band, bool exchangeChannel) {
    const BandComponentsAB c{s.BandSpecA1[band], s.BandSpecB1[band], s.BandSpecA2[band],
                             s.BandSpecB2[band]};
    if (!exchangeChannel) return c;
    return BandComponentsAB{c.A2, c.B2, c.A1, c.B1};
}

ImpedanceSample TwoChannelImpedance(const BandComponentsAB& c, double r, float seriesResistor) {
    const double l1 = c.A1 * c.A1 + c.B1 * c.B1;
    const double l2 = c.A2 * c.A2 + c.B2 * c.B2;
    if (l1 == 0 && l2 == 0) return {kNoValue, kNoValue}; // no signal: no finite impedance
    if (l1 != 0 && std::fabs(1 - r * r * l2 / l1) < 0.000001) return {kOpenCircuit, 0.0};
    const double da = r * c.A2 - c.A1;
    const double db = r * c.B2 - c.B1;
    const double d = da * da + db * db;
    if (d == 0) return {kOpenCircuit, 0.0};
    const double rv = seriesResistor;
    const double re = rv * (da * c.A1 + db * c.B1) / d;
    const double im = rv * (db * c.A1 - da * c.B1) / d;
    return {std::sqrt(re * re + im * im), PhaseDeg(re, im)};
}

} // namespace terzlab
