#include "app/sweep_session.h"

#include "sound_file/sound_file.h"

#include <algorithm>
#include <cmath>

namespace terzlab::app {

namespace {

constexpr double kFullScale = 32768.0;

} // namespace

sweep::SweepSettings SweepSettingsOf(const SweepFields& fields, int32_t sampleRate) {
    return {.SampleRate = sampleRate,
            .F1 = fields.F1,
            .F2 = fields.F2,
            .Samples = fields.Samples,
            .LevelDb = fields.LevelDb};
}

sweep::Gate GateOf(const SweepFields& fields) {
    constexpr sweep::GateShape kShapes[] = {sweep::GateShape::Rect, sweep::GateShape::HalfHann,
                                            sweep::GateShape::Tukey};
    return {.PreMs = fields.GatePreMs,
            .LengthMs = fields.GateLengthMs,
            .Shape = kShapes[std::clamp<int>(fields.GateShape, 0, 2)],
            .Taper = sweep::Gate{}.Taper};
}

SweepCapture::SweepCapture(const SweepFields& fields, int32_t sampleRate, int channels, int channel)
    : Repetitions(std::max<int>(fields.Repetitions, 1)), Channels(std::max(channels, 1)),
      Channel(std::clamp(channel, 0, std::max(channels, 1) - 1)),
      Loopback(fields.Loopback != 0 && channels == 2) {
    const sweep::SweepSettings settings = SweepSettingsOf(fields, sampleRate);
    Shape = sweep::ShapeOf(settings);
    const std::vector<double> x = sweep::MakeSweep(settings);
    Period.reserve(x.size() + static_cast<std::size_t>(sampleRate / 2));
    for (const double v : x)
        Period.push_back(static_cast<int16_t>(std::lround(v * 32767.0)));
    Period.resize(Period.size() + static_cast<std::size_t>(sampleRate / 2), 0);
    Frames.reserve(FramesWanted() * static_cast<std::size_t>(Channels));
}

std::size_t SweepCapture::FramesWanted() const {
    return Period.size() * static_cast<std::size_t>(Repetitions);
}

std::size_t SweepCapture::FramesRead() const {
    return Frames.size() / static_cast<std::size_t>(Channels);
}

int SweepCapture::RepetitionNow() const {
    return std::min(static_cast<int>(FramesRead() / Period.size()) + 1, Repetitions);
}

std::optional<int> SweepCapture::ClippedChannel() const {
    const auto step = static_cast<std::size_t>(Channels);
    for (const int channel : {Channel, 1 - Channel}) {
        if (channel != Channel && !Loopback) continue;
        bool before = false;
        for (auto i = static_cast<std::size_t>(channel); i < Frames.size(); i += step) {
            const bool full = Frames[i] >= 32767 || Frames[i] <= -32767;
            if (full && before) return channel;
            before = full;
        }
    }
    return std::nullopt;
}

std::vector<float> SweepCapture::Averaged(int channel) const {
    std::vector<std::vector<float>> takes(static_cast<std::size_t>(Repetitions));
    const std::size_t period = Period.size();
    for (std::size_t k = 0; k < takes.size(); ++k) {
        takes[k].resize(period);
        for (std::size_t i = 0; i < period; ++i) {
            const std::size_t frame = k * period + i;
            takes[k][i] = static_cast<float>(Frames[frame * static_cast<std::size_t>(Channels) +
                                                    static_cast<std::size_t>(channel)] /
                                             kFullScale);
        }
    }
    return sweep::AverageCoherently(takes);
}

sound_file::SoundData SweepCapture::Sound() const {
    std::vector<int16_t> stereo;
    stereo.reserve(2 * Period.size());
    for (const int16_t s : Period)
        stereo.insert(stereo.end(), {s, s});
    return {.samples = std::move(stereo), .channels = 2, .sampleRate = Shape.SampleRate};
}

bool SweepMeasured::HasImpulse() const {
    return !Result.Ir.empty() && Result.ArrivalAt.Envelope > 0.0;
}

bool SweepMeasured::HasResponse() const {
    return HasImpulse() && Result.Error.empty() && !Result.Gated.Bins.empty();
}

void SweepMeasured::Analyse(sweep::RealTransform& transform) {
    Result = sweep::AnalyseSweep(
        {.Recorded = Recorded, .Excitation = Played, .Sweep = Shape, .GateSettings = GateSettings},
        transform);
    Distortion.clear();
    if (!HasImpulse()) return;
    Distortion = sweep::HarmonicDistortion({.Ir = Result.Ir,
                                            .ArrivalSample = Result.ArrivalAt.Sample,
                                            .ResponseSamples = Result.ResponseSamples,
                                            .Sweep = Shape,
                                            .Fraction = 12},
                                           transform);
}

} // namespace terzlab::app
