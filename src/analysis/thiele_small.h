#pragma once
// Thiele-Small parameters of a loudspeaker, fitted to its measured impedance. The model: the
// voice-coil resistance Re, a model of the coil (below), and the motional peak
// Res / (1 + j Qms (f/fs - fs/f)) with Res = Re Qms / Qes.
#include "analysis/types.h"

#include <complex>
#include <optional>
#include <string>
#include <vector>

namespace terzlab {

struct ImpedanceBand {
    double Freq;      // Hz
    double Magnitude; // ohm
    double PhaseDeg;
};

struct ImpedanceCurve {
    std::vector<ImpedanceBand> Bands; // rising frequency, every band with a value
    bool HasPhase = true;             // false: magnitude only (the one-channel method)
};

// The bands with a value of a loaded impedance curve. The one-channel method measures no phase
// and stores 0 in every band: such a curve is fitted by its magnitude alone.
ImpedanceCurve ImpedanceCurveOf(const CorrectionCurve& curve);

// Classic: the inductance Le shunted by its eddy-current loss R2 (G2 = 1 / R2), fitted two
// octaves either side of the resonance only, where so simple a coil still follows the curve.
// Lossy: Le in series with a semi-inductance K (j w)^n shunted by R2, fitted up to a few kHz.
// The eddy currents in the pole piece make a real coil's impedance rise more slowly than an
// inductor's, with a real part that grows with frequency and reaches down to the resonance:
// Leach's semi-inductance (n between 0.5 and 1) follows that over decades with two values, and
// so keeps the coil's loss out of Re; R2 lets the curve flatten at the top where a coil does,
// and with n = 1 the model holds the simpler Le + (L2 || R2) as well. A plain L2 || R2 only
// bends over one corner and, fitted to a few kHz, leaves the loss near the resonance to Re.
enum class CoilModel { Classic, Lossy };

struct DriverModel {
    double Re = 0.0;  // ohm
    double Le = 0.0;  // henry
    double G2 = 0.0;  // 1 / R2, siemens; 0 is a lossless coil
    double Fs = 0.0;  // Hz
    double Qms = 0.0; // mechanical Q
    double Qes = 0.0; // electrical Q
    CoilModel Coil = CoilModel::Classic;
    double K = 0.0; // lossy: the semi-inductance's factor, ohm s^n
    double N = 1.0; // lossy: its exponent
    double R2() const { return 1.0 / G2; }
    double Res() const { return Re * Qms / Qes; }
    double Zmax() const { return Re + Res(); }
    double Qts() const { return Qms * Qes / (Qms + Qes); }
    // Re and the coil: the driver with its cone held still.
    std::complex<double> BlockedImpedance(double f) const;
    std::complex<double> Impedance(double f) const;
};

struct ThieleSmallFit {
    DriverModel Model;
    double RmsPercent = 0.0; // model against measurement over the fitted bands
    double FromHz = 0.0;     // the fitted bands
    double ToHz = 0.0;
    std::string Error; // why there is no result, for the user; empty on success
    // Doubts about a result that stands (a given Re that disagrees with the curve), for the user.
    std::vector<std::string> Warnings;
};

// Fits the model to the bands from two octaves below the impedance peak (found below 1 kHz) up
// to two octaves above it (classic) or a few kHz (lossy). A DC resistance measured with an
// ohmmeter replaces the fitted Re; when it disagrees with the curve the fit warns.
ThieleSmallFit FitThieleSmall(const ImpedanceCurve& curve, std::optional<double> givenRe = {},
                              CoilModel coil = CoilModel::Lossy);

// The classic reading of three points: Zmax at the peak and the two frequencies where the
// magnitude is sqrt(Re Zmax). Only fs, Re, Qms and Qes are set. The fit starts from it.
struct ThreePoint {
    double Fs = 0.0, Re = 0.0, Qms = 0.0, Qes = 0.0;
    bool Found = false;
};
ThreePoint ThreePointEstimate(const ImpedanceCurve& curve, double re);

// The added-mass method: the moving mass from the resonance shift a known mass on the cone
// causes, and from it the compliance and the motor strength.
struct MovingMass {
    double MmsGrams = 0.0;
    double CmsMmPerN = 0.0;
    double BlTm = 0.0;
    // With two added masses: how far the two single-mass results for Mms lie apart, in percent
    // of their mean; negative with one mass.
    double SpreadPercent = -1.0;
    std::string Error; // empty on success
};
MovingMass AddedMassMethod(const DriverModel& free, const DriverModel& loaded, double addedGrams);

// With several added masses: 1/fs^2 grows in a straight line with the mass on the cone, the
// slope being 4 pi^2 Cms and the line crossing the mass axis at -Mms. The least-squares line
// through the free and every loaded resonance is less sensitive to one curve's error.
struct LoadedResonance {
    double Fs = 0.0;
    double AddedGrams = 0.0;
};
MovingMass AddedMassLine(const DriverModel& free, const std::vector<LoadedResonance>& loaded);

// Equivalent air volume of the suspension for air at 20 degC.
double VasLitres(double cmsMmPerN, double sdCm2);

// The effective cone area from the diameter a data sheet or a ruler gives.
double ConeAreaCm2(double diameterCm);

} // namespace terzlab
