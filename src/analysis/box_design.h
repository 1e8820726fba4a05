#pragma once
// A driver of known Thiele-Small parameters in a closed or a vented box: the predicted response,
// its figures, the driver's impedance in the box, and the textbook alignments. Small-signal,
// low-frequency models with the box as a lumped compliance (and port mass); no radiation
// impedance, no port losses beyond the box's QL.
#include "analysis/thiele_small.h"

#include <complex>
#include <optional>
#include <string>

namespace terzlab {

enum class BoxKind { Closed, Vented };

struct BoxDesign {
    BoxKind Kind = BoxKind::Closed;
    double VbLitres = 0.0;
    double FbHz = 0.0; // vented only
    double Ql = 7.0;   // vented only: the box's leakage losses
};

// The response's largest departure above the pass band: a peak (Db > 0) or, when the response
// rises again after a low point, that dip (Db < 0).
struct ResponseExtremum {
    double Db = 0.0;
    double Hz = 0.0;
};

struct BoxFigures {
    double Qtc = 0.0;  // closed only
    double FcHz = 0.0; // closed only
    double F3Hz = 0.0;
    std::optional<ResponseExtremum> Extremum;
};

// The pressure response relative to the pass band far above the resonance.
std::complex<double> BoxResponse(const DriverModel& driver, double vasLitres, const BoxDesign& box,
                                 double f);

BoxFigures FiguresOf(const DriverModel& driver, double vasLitres, const BoxDesign& box);

// The driver's electrical impedance in the box, its coil included: what one measures on the
// built box.
std::complex<double> BoxImpedance(const DriverModel& driver, double vasLitres, const BoxDesign& box,
                                  double f);

// A closed box for Qtc 1/sqrt(2) (Butterworth, f3 = fc) and a maximally flat vented box for the
// driver's Qts at QL 7: the quasi-Butterworth family of Thiele and Small (QB3, with B4 as its
// end), whose squared magnitude has no f^-2 and f^-4 terms beyond its f^-6 one. The two
// conditions fix box and tuning; a Qts too high to meet them without a peak (above about 0.4)
// wants a Chebyshev alignment instead, which these figures do not offer.
struct Alignments {
    double ClosedVbLitres = 0.0;
    double ClosedF3Hz = 0.0;
    std::string ClosedError; // why there is none, for the user; empty when there is
    double VentedVbLitres = 0.0;
    double VentedFbHz = 0.0;
    double VentedF3Hz = 0.0;
    std::string VentedError;
};
inline constexpr double kAlignmentQl = 7.0;
Alignments AlignmentsFor(const DriverModel& driver, double vasLitres);

// Why the box cannot be computed (a volume or tuning of 0, a QL of 0); empty when it can.
std::string BoxRefusal(const BoxDesign& box);

} // namespace terzlab
