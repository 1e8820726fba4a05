#include "analyze/sweep_run.h"

#include "analyze/run.h"
#include "analyze/staged_files.h"
#include "analyze/sweep_files.h"
#include "analyze/sweep_options.h"
#include "files/measurement_writer.h"
#include "files/sweep_measurement.h"
#include "sweep/distortion.h"
#include "sweep/sweep_analysis.h"
#include "sweep/sweep_files.h"
#include "text/translate.h"
#include "tools/tool_messages.h"

#include <cmath>
#include <cstdio>

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

// The gated response at 1/12 octave as a measurement file.
std::string MeasurementText(const sweep::SweepResult& r, const sweep::SweepShape& s,
                            const sweep::Gate& g) {
    return MeasurementFileText(SweepMeasurementHeader(r, s, g),
                               SweepMeasurementRows(r, s, r.GateLowHz));
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
    if (!o.FrdPath.empty()) Stage(files, o.FrdPath, sweep::FrdText(r, in.Shape, o.GateSettings));
    if (!o.OutPath.empty()) Stage(files, o.OutPath, MeasurementText(r, in.Shape, o.GateSettings));
    if (!o.DistortionPath.empty()) {
        const auto rows = sweep::HarmonicDistortion({.Ir = r.Ir,
                                                     .ArrivalSample = r.ArrivalAt.Sample,
                                                     .ResponseSamples = r.ResponseSamples,
                                                     .Sweep = in.Shape,
                                                     .Fraction = 12},
                                                    transform);
        Stage(files, o.DistortionPath, sweep::DistortionCsvText(rows));
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
