#pragma once
// Thiele-Small parameters of a loudspeaker, fitted to its measured impedance around the free-air
// resonance. The model: the voice-coil resistance Re, the coil's inductance Le shunted by its
// eddy-current loss R2 (so that the real part a lossy coil adds is not taken for Re or for
// damping), and the motional peak Res / (1 + j Qms (f/fs - fs/f)) with Res = Re Qms / Qes.
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

struct DriverModel {
    double Re = 0.0;  // ohm
    double Le = 0.0;  // henry
    double G2 = 0.0;  // 1 / R2, siemens; 0 is a lossless coil
    double Fs = 0.0;  // Hz
    double Qms = 0.0; // mechanical Q
    double Qes = 0.0; // electrical Q
    double Res() const { return Re * Qms / Qes; }
    double Zmax() const { return Re + Res(); }
    double Qts() const { return Qms * Qes / (Qms + Qes); }
    std::complex<double> Impedance(double f) const;
};

struct ThieleSmallFit {
    DriverModel Model;
    double RmsPercent = 0.0; // model against measurement over the fitted bands
    double FromHz = 0.0;     // the fitted bands
    double ToHz = 0.0;
    std::string Error; // why there is no result, for the user; empty on success
};

// Fits the model to the bands around the impedance peak below 1 kHz. A DC resistance measured
// with an ohmmeter replaces the fitted Re.
ThieleSmallFit FitThieleSmall(const ImpedanceCurve& curve, std::optional<double> givenRe = {});

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
    std::string Error; // empty on success
};
MovingMass AddedMassMethod(const DriverModel& free, const DriverModel& loaded, double addedGrams);

// Equivalent air volume of the suspension for air at 20 degC.
double VasLitres(double cmsMmPerN, double sdCm2);

// The effective cone area from the diameter a data sheet or a ruler gives.
double ConeAreaCm2(double diameterCm);

} // namespace terzlab
