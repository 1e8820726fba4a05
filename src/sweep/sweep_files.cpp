#include "sweep/sweep_files.h"

#include "analysis/bands.h"
#include "sweep/smoothing.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace terzlab::sweep {
namespace {

std::string fixed(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

double degrees(std::complex<double> v) {
    return std::arg(v) * 180.0 / std::numbers::pi;
}

double decibels(std::complex<double> v) {
    return 20.0 * std::log10(std::abs(v) + 1e-30);
}

std::string CsvCell(const std::optional<double>& v) {
    return v ? fixed("%.6g", *v) : std::string();
}

} // namespace

const char* ShapeName(GateShape shape) {
    switch (shape) {
    case GateShape::Rect:
        return "rect";
    case GateShape::Tukey:
        return "tukey";
    case GateShape::HalfHann:
        break;
    }
    return "hann";
}

std::string FrdText(const SweepResult& r, const SweepShape& s, const Gate& g) {
    std::string text = "* Terzlab-Sweep\r\n";
    text.append("* Gate: ").append(ShapeName(g.Shape));
    text.append(fixed(", before the arrival %.3f ms", g.PreMs))
        .append(fixed(", length %.3f ms\r\n", g.LengthMs));
    text += fixed("* Delay removed: %.4f ms\r\n", r.DelayMs);
    text += "* Columns: frequency [Hz], level [dB], phase [degrees]\r\n";
    for (std::size_t k = 1; k < r.Gated.Bins.size(); ++k) {
        const double f = r.Gated.FrequencyOf(k);
        if (f < r.GateLowHz || f > s.F2) continue;
        const auto v = r.Gated.Bins[k];
        text +=
            fixed("%.4f", f) + fixed(" %.4f", decibels(v)) + fixed(" %.4f", degrees(v)) + "\r\n";
    }
    return text;
}

std::vector<ResponsePoint> TwelfthOctavePoints(const SweepResult& r, const SweepShape& s,
                                               double fromHz) {
    BandState bands;
    BuildBandTable(
        bands, {.SampleRate = s.SampleRate, .BlockSize = 16384, .Type = MeasType::LevelTwoChannel});
    std::vector<double> centres;
    for (int b = 0; b <= bands.Table.LastBand; ++b)
        if (bands.Table.BandFreq[b] >= fromHz && bands.Table.BandFreq[b] <= s.F2)
            centres.push_back(bands.Table.BandFreq[b]);
    return SmoothedPoints(r.Gated, centres, 12,
                          {.FromHz = s.FullLevelFrom(), .ToHz = s.FullLevelTo()});
}

std::string DistortionCsvText(const std::vector<DistortionRow>& rows) {
    std::string text =
        "frequency_hz,k2_percent,k3_percent,k4_percent,k5_percent,thd_percent,noise_percent\r\n";
    for (const auto& row : rows) {
        text += fixed("%.2f", row.FrequencyHz);
        for (const auto& k : row.KPercent)
            text.append(",").append(CsvCell(k));
        text.append(",").append(CsvCell(row.ThdPercent));
        text.append(",").append(CsvCell(row.NoisePercent)).append("\r\n");
    }
    return text;
}

} // namespace terzlab::sweep
