#include "calibration/frm_calib_check.h"

#include "files/numbers.h"
#include "text/translate.h"

#include <algorithm>
#include <cmath>

namespace terzlab::calibration {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr int kOctaveBands = 12;
constexpr int kThirdHarmonicBands = 19; // a factor 3 is 19 bands of 1/40 decade

std::string said(const char* source) {
    return text::translate("CalibrationCheck", source);
}

std::string twoDecimals(const CalibCheckInputs& in, double value) {
    return WithSeparator(FormatValue(value, "0.00"), in.DecimalSeparator);
}

std::string frequencyText(const CalibCheckInputs& in, int band) {
    const bool inTable = band >= 0 && static_cast<size_t>(band) < in.BandFreq.size();
    const double frequency = inTable ? in.BandFreq[static_cast<size_t>(band)] : 0.0;
    return WithSeparator(FormatFrequency(frequency, true), in.DecimalSeparator);
}

void findPeak(const CalibCheckInputs& in, CalibCheckResult& out) {
    out.CalibMax = -999.99;
    out.iMax = 0;
    for (int j = 0; j <= in.LastBand && static_cast<size_t>(j) < in.BandValue.size(); ++j) {
        if (in.BandValue[static_cast<size_t>(j)] > out.CalibMax) {
            out.CalibMax = in.BandValue[static_cast<size_t>(j)];
            out.iMax = j;
        }
    }
}

bool peakWhereExpected(const CalibCheckInputs& in, CalibCheckResult& out) {
    const int je = ExpectedCalibBand(in.expectedFrequency);
    const bool passed = std::abs(out.iMax - je) <= 1;
    const char* pattern =
        passed ? TZ_TRANSLATE_NOOP("CalibrationCheck",
                                   "Der Maximalwert von %1 dB tritt in der erwarteten\r\n"
                                   "1/12 Oktave mit der Mittenfrequenz von %2 Hz auf!")
               : TZ_TRANSLATE_NOOP("CalibrationCheck",
                                   "Der Maximalwert von %1 dB tritt NICHT in der erwarteten\r\n"
                                   "1/12 Oktave mit der Mittenfrequenz von %2 Hz auf!");
    out.text = text::arg(
        said(pattern), {twoDecimals(in, out.CalibMax), frequencyText(in, passed ? out.iMax : je)});
    if (!passed) out.problem = CalibProblem::Peak;
    return passed;
}

double band(const CalibCheckInputs& in, int j) {
    return in.BandValue[static_cast<size_t>(j)];
}

void checkDistortion(const CalibCheckInputs& in, CalibCheckResult& out) {
    const int iMax = out.iMax;
    bool harmonicLine = false;
    if (iMax + kOctaveBands < in.LastBand && band(in, iMax + kOctaveBands) > out.CalibMax - 30) {
        out.text += std::string(kCrLf) + kCrLf +
                    said(TZ_TRANSLATE_NOOP(
                        "CalibrationCheck",
                        "Die 2. Harmonische ist um weniger als 30 dB unterdrückt (k2>3%)!"));
        out.problem = CalibProblem::SecondHarmonic;
        harmonicLine = true;
    }
    if (iMax + kThirdHarmonicBands < in.LastBand &&
        band(in, iMax + kThirdHarmonicBands) > out.CalibMax - 30) {
        out.text += std::string(harmonicLine ? "" : kCrLf) + kCrLf +
                    said(TZ_TRANSLATE_NOOP(
                        "CalibrationCheck",
                        "Die 3. Harmonische ist um weniger als 30 dB unterdrückt (k3>3%)!"));
        out.problem = CalibProblem::ThirdHarmonic;
        harmonicLine = true;
    }
    if (iMax + kThirdHarmonicBands > in.LastBand) return;
    double sum = 0.0;
    for (int j = iMax + 1; j <= in.LastBand; ++j)
        sum += band(in, j);
    if (sum / (in.LastBand - iMax) > out.CalibMax - 40) {
        out.text += std::string(harmonicLine ? "" : kCrLf) + kCrLf +
                    said(TZ_TRANSLATE_NOOP(
                        "CalibrationCheck",
                        "Höhere Frequenzen werden im Mittel um weniger als 40 dB unterdrückt!"));
        out.problem = CalibProblem::Higher;
    }
}

void addFrequencyDeviation(const CalibCheckInputs& in, CalibCheckResult& out) {
    if (!in.fft || in.fft->BlockSize <= 0) return;
    const int32_t kmax = StrongestBin(*in.fft, in.channel);
    if (kmax == 0) return;
    const double fm = static_cast<double>(kmax) * in.SampleRate / in.fft->BlockSize;
    out.text += std::string(kCrLf) + kCrLf +
                text::arg(said(TZ_TRANSLATE_NOOP("CalibrationCheck",
                                                 "Die Frequenzabweichung beträgt %1 %")),
                          {twoDecimals(in, 100.0 - 100.0 * in.expectedFrequency / fm)});
}

} // namespace

double ExpectedCalibFrequency(bool testCd, int freqOption, int32_t sampleRate) {
    if (testCd) return 1000.0;
    return freqOption == 0 ? sampleRate / 910.0 : sampleRate / 45.0;
}

int ExpectedCalibBand(double frequency) {
    return static_cast<int>(std::nearbyint(40.0 * std::log10(frequency / 10.0)));
}

int32_t StrongestBin(const FftState& fft, int channel) {
    const int32_t half = fft.BlockSize / 2;
    if (fft.FftRe.size() < static_cast<size_t>(fft.BlockSize) ||
        fft.FftIm.size() < static_cast<size_t>(fft.BlockSize))
        return 0;
    double strongest = 1e-16;
    int32_t kmax = 0;
    for (int32_t k = 0; k < half; ++k) {
        const ChannelBin bin = SeparateChannels(fft, k);
        const double power = channel == 0 ? bin.P1() : bin.P2();
        if (power > strongest) {
            strongest = power;
            kmax = k;
        }
    }
    return kmax;
}

CalibCheckResult CheckCalibration(const CalibCheckInputs& given) {
    CalibCheckInputs in = given;
    // A table shorter than LastBand says (a run that never analysed) must not be read past.
    const auto available = static_cast<int>(std::min(in.BandValue.size(), in.BandFreq.size()));
    in.LastBand = std::min(in.LastBand, available - 1);
    CalibCheckResult out;
    if (in.LastBand < 0) return out;
    findPeak(in, out);
    if (peakWhereExpected(in, out)) checkDistortion(in, out);
    addFrequencyDeviation(in, out);
    return out;
}

} // namespace terzlab::calibration
