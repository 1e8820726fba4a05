// The box figures against the textbook: the closed box's second-order high-pass, Thiele's B4
// vented alignment and the lossless quasi-Butterworth (QB3) family in closed form, and the
// impedance peaks of a driver in a vented box.
#include "analysis/box_design.h"

#include <gtest/gtest.h>

#include <cmath>

namespace terzlab::test {
namespace {

DriverModel Driver(double fs, double qms, double qes) {
    return {.Re = 6.0, .Le = 0.0, .Fs = fs, .Qms = qms, .Qes = qes};
}

// Closed box: fc = fs sqrt(1 + a), Qtc = Qts sqrt(1 + a), and f3 (half power) from the
// second-order high-pass, |H|^2 = u^2 / ((1 - u)^2 + u / Q^2) = 1/2 with u = (f / fc)^2.
TEST(BoxDesign, ClosedBoxFollowsTheSecondOrderHighPass) {
    const DriverModel d = Driver(30, 4, 0.5);
    for (const double vb : {10.0, 40.0, 150.0}) {
        const double vas = 80.0, root = std::sqrt(1 + vas / vb), q = d.Qts() * root;
        const double b = 2 - 1 / (q * q), u = (-b + std::sqrt(b * b + 4)) / 2;
        const BoxFigures f = FiguresOf(d, vas, {.Kind = BoxKind::Closed, .VbLitres = vb});
        EXPECT_NEAR(f.FcHz, 30 * root, 1e-9);
        EXPECT_NEAR(f.Qtc, q, 1e-9);
        EXPECT_NEAR(f.F3Hz, 30 * root * std::sqrt(u), 1e-6) << vb;
        // A Q above 1/sqrt(2) peaks by Q^2 / sqrt(Q^2 - 1/4).
        EXPECT_EQ(f.Extremum.has_value(), q > std::sqrt(0.5)) << vb;
        const double peakDb = 20 * std::log10(q * q / std::sqrt(q * q - 0.25));
        if (f.Extremum) {
            EXPECT_NEAR(f.Extremum->Db, peakDb, 1e-6);
        }
    }
}

// Thiele's B4: Qts 0.383, Vas / Vb = 1.414, fb = fs, f3 = fs, flat; near-lossless QL.
TEST(BoxDesign, VentedB4IsFlatDownToFs) {
    const double qts = 1 / std::sqrt(4 + 2 * std::sqrt(2.0)); // a1 = 2.613 at h = 1
    const DriverModel d = Driver(40, 1e6, qts);
    const BoxDesign b4{
        .Kind = BoxKind::Vented, .VbLitres = 50 / std::sqrt(2.0), .FbHz = 40, .Ql = 1e7};
    const BoxFigures f = FiguresOf(d, 50, b4);
    EXPECT_NEAR(f.F3Hz, 40, 0.001);
    EXPECT_FALSE(f.Extremum.has_value());
}

// The lossless QB3 family: a2 = sqrt(2 / Qt^2 - 2), h = 1 / (2 a2 Qt^2), a = a2 h - 1 - h^2.
// At QL 7 the box comes out near it; a Qts of 0.6 has no flat vented box, 0.75 no closed one.
TEST(BoxDesign, AlignmentsMatchTheButterworthFamilies) {
    for (const double qts : {0.25, 0.32, 0.38}) {
        const DriverModel d = Driver(30, 1e6, qts);
        const double a2 = std::sqrt(2 / (qts * qts) - 2), h = 1 / (2 * a2 * qts * qts);
        const double alpha = a2 * h - 1 - h * h;
        const Alignments a = AlignmentsFor(d, 100);
        ASSERT_EQ(a.ClosedError + a.VentedError, "");
        EXPECT_NEAR(a.ClosedVbLitres, 100 / (0.5 / (qts * qts) - 1), 1e-4);
        EXPECT_NEAR(a.ClosedF3Hz, 30 * std::sqrt(0.5) / qts, 1e-4);
        EXPECT_NEAR(a.VentedFbHz, 30 * h, 0.1 * 30 * h) << qts;
        EXPECT_NEAR(a.VentedVbLitres, 100 / alpha, 0.25 * 100 / alpha) << qts;
        const BoxFigures f =
            FiguresOf(d, 100, {BoxKind::Vented, a.VentedVbLitres, a.VentedFbHz, 7});
        EXPECT_FALSE(f.Extremum && f.Extremum->Db > 0) << "maximally flat: no peak";
    }
    const Alignments high = AlignmentsFor(Driver(30, 1e6, 0.6), 100);
    EXPECT_NE(high.VentedError.find("zu hoch"), std::string::npos);
    EXPECT_NE(AlignmentsFor(Driver(30, 1e6, 0.75), 100).ClosedError.find("zu hoch"),
              std::string::npos);
}

// The driver in a vented box (lossless box, high Qms): two impedance peaks fL, fH with
// fL fH = fs fb and fL^2 + fH^2 = fb^2 + (1 + a) fs^2, the dip between them at fb.
TEST(BoxDesign, VentedBoxImpedancePeaksWhereTheTextbookPutsThem) {
    const DriverModel d = Driver(35, 50, 0.4);
    const double vas = 60, vb = 40, fb = 30, alpha = vas / vb;
    const BoxDesign box{.Kind = BoxKind::Vented, .VbLitres = vb, .FbHz = fb, .Ql = 1e6};
    const double sum = fb * fb + (1 + alpha) * 35 * 35, product = 35 * fb;
    const double fH = std::sqrt((sum + std::sqrt(sum * sum - 4 * product * product)) / 2);
    const double fL = product / fH;
    std::vector<double> peaks;
    double dip = 0, dipZ = 1e9;
    for (double f = 5, prev = 0, before = 0; f < 300; f *= 1.0005) {
        const double z = std::abs(BoxImpedance(d, vas, box, f));
        if (prev > z && prev > before) peaks.push_back(f / 1.0005);
        if (f > fL && f < fH && z < dipZ) dip = f, dipZ = z;
        before = prev, prev = z;
    }
    ASSERT_EQ(peaks.size(), 2u);
    EXPECT_NEAR(peaks[0], fL, 0.01 * fL);
    EXPECT_NEAR(peaks[1], fH, 0.01 * fH);
    EXPECT_NEAR(dip, fb, 0.01 * fb);
}

} // namespace
} // namespace terzlab::test
