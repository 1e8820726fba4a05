#include "analyze/sweep_run.h"

#include "analysis/bands.h"
#include "analyze/run.h"
#include "analyze/staged_files.h"
#include "analyze/sweep_files.h"
#include "analyze/sweep_options.h"
#include "files/measurement_writer.h"
#include "sweep/distortion.h"
#include "sweep/smoothing.h"
#include "sweep/sweep_analysis.h"
#include "text/translate.h"
#include "tools/tool_messages.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace terzlab::analyze {
namespace {

struct Failure {
    std::string Text;
};

std::string fixed(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

const char* shapeName(sweep::GateShape shape) {
    switch (shape) {
    case sweep::GateShape::Rect:
        return "rect";
    case sweep::GateShape::Tukey:
        return "tukey";
    case sweep::GateShape::HalfHann:
        break;
    }
    return "hann";
}

double degrees(std::complex<double> v) {
    return std::arg(v) * 180.0 / std::numbers::pi;
}

// The full-resolution gated response from gate_low to f2: frequency, dB, phase in degrees with
// the printed delay removed (a remaining delay gives a falling phase).
std::string FrdText(const sweep::SweepResult& r, const sweep::SweepShape& s, const sweep::Gate& g) {
    std::string text = "* Terzlab-Sweep\r\n";
    text.append("* Gate: ").append(shapeName(g.Shape));
    text.append(fixed(", Vorlauf %.3f ms", g.PreMs))
        .append(fixed(", Länge %.3f ms\r\n", g.LengthMs));
    text += fixed("* Laufzeit entfernt: %.4f ms\r\n", r.DelayMs);
    text += "* Spalten: Frequenz [Hz], Pegel [dB], Phase [Grad]\r\n";
    for (std::size_t k = 1; k < r.Gated.Bins.size(); ++k) {
        const double f = r.Gated.FrequencyOf(k);
        if (f < r.GateLowHz || f > s.F2) continue;
        const auto v = r.Gated.Bins[k];
        text += fixed("%.4f", f) + fixed(" %.4f", 20.0 * std::log10(std::abs(v) + 1e-30)) +
                fixed(" %.4f", degrees(v)) + "\r\n";
    }
    return text;
}

// The gated response at 1/12 octave on the bands of a measurement file from gate_low to f2.
std::string MeasurementText(const sweep::SweepResult& r, const sweep::SweepShape& s,
                            const sweep::Gate& g) {
    BandState bands;
    BuildBandTable(
        bands, {.SampleRate = s.SampleRate, .BlockSize = 16384, .Type = MeasType::LevelTwoChannel});
    std::vector<double> centres;
    for (int b = 0; b <= bands.Table.LastBand; ++b)
        if (bands.Table.BandFreq[b] >= r.GateLowHz && bands.Table.BandFreq[b] <= s.F2)
            centres.push_back(bands.Table.BandFreq[b]);
    const auto smoothed = sweep::SmoothedAt(r.Gated, centres, 12);
    std::vector<MeasurementRow> rows;
    for (std::size_t i = 0; i < centres.size(); ++i)
        rows.push_back({.Freq = centres[i],
                        .Value = 20.0 * std::log10(std::abs(smoothed[i]) + 1e-30),
                        .Phase = degrees(smoothed[i])});
    MeasurementHeader h;
    h.Title = fixed("Sweep, Gate %.3f ms ", g.LengthMs).append(shapeName(g.Shape));
    h.SampleRate = s.SampleRate;
    h.BlockSize = static_cast<int32_t>(2 * (r.Gated.Bins.size() - 1));
    h.Type = MeasType::LevelTwoChannel; // a transfer: the recorded over the played signal
    return MeasurementFileText(h, rows);
}

std::string CsvCell(const std::optional<double>& v) {
    return v ? fixed("%.6g", *v) : std::string();
}

std::string DistortionText(const std::vector<sweep::DistortionRow>& rows) {
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

struct Inputs {
    sweep::SweepShape Shape;
    std::vector<float> Played, Microphone, Reference;
};

Inputs ReadInputs(const SweepOptions& o) {
    std::string error;
    const auto stimulus = ReadWholeSound(o.StimulusPath, error);
    if (!stimulus) throw Failure{error};
    const auto recording = ReadWholeSound(o.RecordingPath, error);
    if (!recording) throw Failure{error};
    if (stimulus->SampleRate != recording->SampleRate)
        throw Failure{
            text::translate("AnalyzeTool", "Stimulus und Aufnahme haben verschiedene Abtastraten")};
    Inputs in;
    in.Played = stimulus->Channel(0);
    const auto shape = sweep::RecogniseSweep(in.Played, stimulus->SampleRate);
    if (!shape)
        throw Failure{text::arg(
            text::translate("AnalyzeTool", "Der Stimulus %1 ist kein exponentieller Sweep"),
            {o.StimulusPath})};
    in.Shape = *shape;
    const int needed = std::max(o.Channel, o.Reference.value_or(0)) + 1;
    if (recording->Channels < needed || (o.Reference && recording->Channels < 2))
        throw Failure{text::arg(
            text::translate("AnalyzeTool", "Die Aufnahme %1 hat den verlangten Kanal nicht"),
            {o.RecordingPath})};
    in.Microphone = recording->Channel(o.Channel);
    if (o.Reference) in.Reference = recording->Channel(*o.Reference);
    if (sweep::Clipped(in.Microphone) || sweep::Clipped(in.Reference))
        throw Failure{text::arg(
            text::translate("AnalyzeTool", "Die Aufnahme %1 ist übersteuert (Vollaussteuerung)"),
            {o.RecordingPath})};
    return in;
}

void Stage(StagedFiles& files, const std::string& path, const std::string& bytes) {
    if (!path.empty() && !files.Stage(path, bytes)) throw Failure{files.FailureText()};
}

int Analyse(const SweepOptions& o, std::ostream& out) {
    const Inputs in = ReadInputs(o);
    sweep::OwnRealFft transform;
    const sweep::SweepResult r = sweep::AnalyseSweep(
        {.Recorded = in.Microphone,
         .Excitation = o.Reference ? std::span<const float>(in.Reference) : in.Played,
         .Sweep = in.Shape,
         .GateSettings = o.GateSettings},
        transform);
    if (!r.Error.empty()) throw Failure{r.Error};
    StagedFiles files;
    const std::vector<float> ir(r.Ir.begin(), r.Ir.begin() + r.ResponseSamples);
    if (!o.IrPath.empty()) Stage(files, o.IrPath, floatWavImage(ir, in.Shape.SampleRate));
    if (!o.FrdPath.empty()) Stage(files, o.FrdPath, FrdText(r, in.Shape, o.GateSettings));
    if (!o.OutPath.empty()) Stage(files, o.OutPath, MeasurementText(r, in.Shape, o.GateSettings));
    if (!o.DistortionPath.empty()) {
        const auto rows = sweep::HarmonicDistortion({.Ir = r.Ir,
                                                     .ArrivalSample = r.ArrivalAt.Sample,
                                                     .ResponseSamples = r.ResponseSamples,
                                                     .Sweep = in.Shape,
                                                     .Fraction = 12},
                                                    transform);
        Stage(files, o.DistortionPath, DistortionText(rows));
    }
    if (!files.Commit()) throw Failure{files.FailureText()};
    out << "delay_ms=" << fixed("%.4f", r.DelayMs) << '\n'
        << "distance_m=" << fixed("%.4f", r.DistanceM) << '\n'
        << "gate_low_Hz=" << fixed("%.2f", r.GateLowHz) << '\n';
    return kExitOk;
}

} // namespace

int RunSweepAnalyze(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const ParsedSweepOptions parsed = ParseSweepOptions(args);
    try {
        if (!parsed.Options) throw Failure{tools::WithUsage(parsed.Error, kSweepUsage)};
        return Analyse(*parsed.Options, out);
    } catch (const Failure& failure) {
        err << "terzlab-analyze: " << failure.Text << '\n';
        return kExitError;
    }
}

} // namespace terzlab::analyze
