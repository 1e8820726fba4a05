#include "analyze/run.h"
#include "analysis/fft.h"
#include "analysis/meas_type.h"
#include "analyze/analyzer.h"
#include "analyze/curves.h"
#include "analyze/graph_render.h"
#include "analyze/options.h"
#include "analyze/recording.h"
#include "analyze/staged_files.h"
#include "analyze/stream_messages.h"
#include "analyze/sweep_options.h"
#include "analyze/sweep_run.h"
#include "display/curve_colour.h"
#include "files/export_writer.h"
#include "files/locations.h"
#include "files/measurement_writer.h"
#include "text/translate.h"
#include "tools/tool_messages.h"
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <memory>

namespace terzlab::analyze {
namespace {

int Fail(std::ostream& err, const std::string& text) {
    err << "terzlab-analyze: " << text << '\n';
    return kExitError;
}

// An output that lands on an input would destroy the recording it was computed from.
std::string CheckOutputs(const AnalyzeOptions& o) {
    std::vector<std::string> inputs = {o.RecordingPath, o.Part2Path, o.SensorPath, o.ReferencePath};
    std::vector<std::string> outputs = {o.OutPath, o.PngPath, o.SvgPath, o.ExportPath};
    for (const auto& out : outputs) {
        if (out.empty()) continue;
        for (const auto& in : inputs) {
            if (!in.empty() && SamePath(out, in)) {
                return text::arg(
                    text::translate("AnalyzeTool",
                                    "Die Ausgabedatei %1 würde die Eingabedatei überschreiben"),
                    {out});
            }
        }
    }
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        for (std::size_t j = i + 1; j < outputs.size(); ++j) {
            if (!outputs[i].empty() && SamePath(outputs[i], outputs[j])) {
                return text::arg(
                    text::translate("AnalyzeTool", "Zwei Ausgaben nennen dieselbe Datei: %1"),
                    {outputs[i]});
            }
        }
    }
    return {};
}

struct Inputs {
    std::unique_ptr<Recording> Part1 = std::make_unique<Recording>();
    std::unique_ptr<Recording> Part2;
    int32_t Blocks = 0;
};

std::string TooShort(const std::string& path, int64_t needed) {
    return text::arg(
        text::translate("AnalyzeTool",
                        "Die Aufnahme %1 ist zu kurz: %2 Blöcke nach dem Überspringen nötig"),
        {path, std::to_string(needed)});
}

// Blocks left after the skip, or a negative count when not even one is.
int64_t BlocksAfterSkip(const Recording& r, const AnalyzeOptions& o, int32_t blockSize) {
    return r.WholeBlocks(blockSize) - o.Skip;
}

std::string OpenInputs(const AnalyzeOptions& o, int32_t blockSize, Inputs& in, std::ostream& err) {
    std::string error;
    if (!in.Part1->Open(o.RecordingPath, error)) return error;
    int64_t available = BlocksAfterSkip(*in.Part1, o, blockSize);
    std::string shortest = o.RecordingPath;
    if (!o.Part2Path.empty()) {
        in.Part2 = std::make_unique<Recording>();
        if (!in.Part2->Open(o.Part2Path, error)) return error;
        if (in.Part2->SampleRate() != in.Part1->SampleRate()) {
            return text::translate("AnalyzeTool",
                                   "Die beiden Aufnahmen haben verschiedene Abtastraten");
        }
        const int64_t second = BlocksAfterSkip(*in.Part2, o, blockSize);
        if (second < available) shortest = o.Part2Path;
        available = std::min(available, second);
    }
    const int64_t wanted = o.Blocks.value_or(1);
    if (available < wanted) return TooShort(shortest, wanted);
    if (!o.Blocks && available > kMaxBlocks) {
        err << "terzlab-analyze: "
            << text::arg(text::translate("AnalyzeTool",
                                         "Hinweis: nur die ersten %1 Blöcke werden ausgewertet"),
                         {std::to_string(kMaxBlocks)})
            << '\n';
    }
    in.Blocks =
        static_cast<int32_t>(o.Blocks ? *o.Blocks : std::min<int64_t>(available, kMaxBlocks));
    return {};
}

MeasurementConfig ConfigFor(const AnalyzeOptions& o, int32_t sampleRate, const DispOct& store) {
    MeasurementConfig c;
    c.Type = o.Type;
    c.SampleRate = sampleRate;
    c.WideRange = o.WideRange;
    c.Channel = o.ActiveChannel;
    c.SeriesResistor = o.SeriesResistor;
    c.ExchangeChannels = o.ExchangeChannel;
    c.Res = ResolutionOf(o.FreqResIndex).value_or(Resolution::Twelfth);
    c.CalibValue = o.CalibValue;
    c.LevelCorr5 = o.LevelCorr5;
    for (int slot : {kSensorSlot, kReferenceSlot})
        c.Curves[slot] = &store.Curves[slot];
    // A curve that fails to load ends the run, so a given file is a curve switched on.
    c.CurvesInUse[kSensorSlot] = !o.SensorPath.empty();
    c.CurvesInUse[kReferenceSlot] = !o.ReferencePath.empty();
    return c;
}

bool LoadCurves(const AnalyzeOptions& o, int16_t lastBand, DispOct& store, std::ostream& err) {
    StreamMessages messages(err);
    if (!o.SensorPath.empty() &&
        !LoadCurveFile(store, kSensorSlot, o.SensorPath, lastBand, messages)) {
        return false;
    }
    return o.ReferencePath.empty() ||
           LoadCurveFile(store, kReferenceSlot, o.ReferencePath, lastBand, messages);
}

std::string Unreadable(const std::string& path) {
    return text::arg(
        text::translate("AnalyzeTool", "Die Aufnahme %1 konnte nicht vollständig gelesen werden"),
        {path});
}

std::string RunBlocks(const AnalyzeOptions& o, Inputs& in, Analyzer& analyzer) {
    const int32_t n = analyzer.BlockSize();
    const bool twoParts = in.Part2 != nullptr;
    if (!in.Part1->SeekBlock(o.Skip, n) || !analyzer.RunPart(*in.Part1, in.Blocks)) {
        return Unreadable(o.RecordingPath);
    }
    if (twoParts && (!in.Part2->SeekBlock(o.Skip, n) || !analyzer.RunPart(*in.Part2, in.Blocks))) {
        return Unreadable(o.Part2Path);
    }
    return {};
}

MeasurementHeader HeaderFor(const AnalyzeOptions& o, const Analyzer& a, int32_t sampleRate,
                            const DispOct& store) {
    MeasurementHeader h;
    h.Title = o.Title;
    h.SampleRate = sampleRate;
    h.BlockSize = a.BlockSize();
    h.WindowType = a.WindowType();
    h.Type = o.Type;
    for (int slot : {kSensorSlot, kReferenceSlot}) {
        h.CurveOn[slot] = store.Curves[slot].CurveLoaded == 1;
        h.CurveFile[slot] = store.Curves[slot].CurveFile;
    }
    return h;
}

std::string RenderPicture(const AnalyzeOptions& o, Analyzer& a, int32_t sampleRate,
                          std::string& bytes, GraphFile file = GraphFile::Png) {
    a.Redraw(ResolutionOf(o.FreqResIndex).value_or(Resolution::Twelfth));
    GraphInputs g;
    g.Type = o.Type;
    g.ImpedancePart = a.LastPart();
    g.SampleRate = sampleRate;
    g.BlockSize = a.BlockSize();
    g.CurveColour = LiveCurveColour(kChannelCount, o.ActiveChannel, o.Type, g.ImpedancePart, true);
    g.File = file;
    std::string error;
    RenderGraphFile(a.Bands(), a.Range(), g, bytes, error);
    return error;
}

void ReportOverload(const Analyzer& a, std::ostream& err) {
    if (a.Overload()[0]) err << "OVL left\n";
    if (a.Overload()[1]) err << "OVL right\n";
}

int Analyse(const AnalyzeOptions& o, std::ostream& err) {
    const int32_t blockSize = PropertiesOf(o.Type).BlockSize;
    Inputs in;
    if (std::string error = OpenInputs(o, blockSize, in, err); !error.empty())
        return Fail(err, error);
    const int32_t rate = in.Part1->SampleRate();
    DispOct store;
    Analyzer analyzer(ConfigFor(o, rate, store));
    if (!LoadCurves(o, analyzer.Bands().Table.LastBand, store, err)) return kExitError;
    if (std::string error = RunBlocks(o, in, analyzer); !error.empty()) return Fail(err, error);
    ReportOverload(analyzer, err);
    const MeasurementResult result = analyzer.Result();
    StagedFiles files;
    if (!files.Stage(o.OutPath, MeasurementFileText(HeaderFor(o, analyzer, rate, store),
                                                    *result.Bands, result.Twelfth))) {
        return Fail(err, files.FailureText());
    }
    // The export reads the values the measurement file holds, whatever the picture shows.
    if (!o.ExportPath.empty()) {
        const ExportSource source = ExportSourceFor(
            HeaderFor(o, analyzer, rate, store), *result.Bands, result.Twelfth, std::time(nullptr));
        const auto format = *ExportFormatFor(o.ExportPath);
        if (std::string error = ExportRefusal(format, source); !error.empty())
            return Fail(err, error);
        if (!files.Stage(o.ExportPath, ExportText(format, source))) {
            return Fail(err, files.FailureText());
        }
    }
    if (!o.PngPath.empty()) {
        std::string png;
        if (std::string error = RenderPicture(o, analyzer, rate, png); !error.empty()) {
            return Fail(err, error);
        }
        if (!files.Stage(o.PngPath, png)) {
            return Fail(err, files.FailureText());
        }
    }
    if (!o.SvgPath.empty()) {
        std::string svg;
        if (std::string error = RenderPicture(o, analyzer, rate, svg, GraphFile::Svg);
            !error.empty())
            return Fail(err, error);
        if (!files.Stage(o.SvgPath, svg)) {
            return Fail(err, files.FailureText());
        }
    }
    if (!files.Commit()) {
        return Fail(err, files.FailureText());
    }
    return kExitOk;
}

} // namespace

int RunAnalyze(std::span<const std::string> args, std::ostream& err, std::ostream& out) {
    if (IsSweepCommand(args)) return RunSweepAnalyze(args, out, err);
    const ParsedOptions parsed = ParseOptions(args);
    if (!parsed.Options) return Fail(err, tools::WithUsage(parsed.Error, kUsage));
    const AnalyzeOptions& o = *parsed.Options;
    if (!o.PngPath.empty() && !GraphPicturesAvailable()) return Fail(err, PicturesMissing("--png"));
    if (!o.SvgPath.empty() && !GraphPicturesAvailable()) return Fail(err, PicturesMissing("--svg"));
    if (std::string error = CheckOutputs(o); !error.empty()) return Fail(err, error);
    return Analyse(o, err);
}

} // namespace terzlab::analyze
