#pragma once
// The two-channel impedance of one band, shared by the band analysis and the reference step of
// the display values. Internal to the analysis.
#include "analysis/bands.h"

namespace terzlab {

// Components of one band in the roles of the method: 1 = across the unknown impedance,
// 2 = at the source (impedance and series resistor in series).
struct BandComponentsAB {
    double A1, B1, A2, B2;
};

// The band's stored components, with the channel exchange swapping the two roles.
BandComponentsAB BandComponents(const BandState& s, int band, bool exchangeChannel);

struct ImpedanceSample {
    double Magnitude; // ohm; kOpenCircuit with no current, kNoValue with no signal at all
    double Phase;     // degrees; kNoValue with no signal at all
};

// Z = Rv*X1/(r*X2 - X1), r the linear reference factor on the source channel (1 without one).
ImpedanceSample TwoChannelImpedance(const BandComponentsAB& c, double r, float seriesResistor);

} // namespace terzlab
