// terzlab-analyze --sweep's reader of stimulus and recording files, and the sweep analysis on
// whatever it reads: the recognition of a sweep, the clipping check, deconvolution, arrival and
// gate. Nothing may crash, hang or read outside the samples.
#include "analyze/sweep_files.h"
#include "fuzz_input.h"
#include "sweep/sweep_analysis.h"

using namespace terzlab;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::WriteInput(data, size, "recording.wav");
    std::string error;
    const auto sound = analyze::ReadWholeSound(path.string(), error);
    if (!sound) return 0;
    const std::vector<float> recorded = sound->Channel(sound->Channels - 1);
    (void)sweep::RecogniseSweep(recorded, sound->SampleRate);
    (void)sweep::Clipped(recorded);
    static const sweep::SweepSettings settings{
        .SampleRate = 8000, .F1 = 50, .F2 = 3000, .Samples = 32768, .LevelDb = -6};
    static const std::vector<double> sweep = sweep::MakeSweep(settings);
    const std::vector<float> played(sweep.begin(), sweep.end());
    sweep::OwnRealFft transform;
    (void)sweep::AnalyseSweep({.Recorded = recorded,
                               .Excitation = played,
                               .Sweep = sweep::ShapeOf(settings),
                               .GateSettings = {}},
                              transform);
    return 0;
}
