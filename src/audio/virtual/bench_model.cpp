#include "audio/virtual/bench_model.h"

#include <algorithm>
#include <cmath>

namespace terzlab::audio {

namespace {

constexpr double kMaxReflectionMs = 100.0;
constexpr double kMaxAcousticDelayMs = 300.0;
constexpr int kMaxDelayFrames = 1 << 20;
constexpr double kFullScale = 32768.0;

} // namespace

BenchModel::BenchModel() : delayLine_(1, 0.0), random_(0x7e41ab) {
    configure(44100.0);
}

void BenchModel::configure(double sampleRate) {
    sampleRate_ = sampleRate > 0.0 ? sampleRate : 44100.0;
    speakerLow_ = highPass2(kBoxResonanceHz, kBoxQ, sampleRate_);
    speakerTop_ = lowPass1(kTopCornerHz, sampleRate_);
    excursion_ = lowPass2(kBoxResonanceHz, kBoxQ, sampleRate_);
    lastExcursion_ = 0.0;
    configureRoom();
    configureDivider();
    configureDelay();
    std::fill(delayLine_.begin(), delayLine_.end(), 0.0);
}

void BenchModel::configureDelay() {
    const double acousticFrames = settings_.acousticDelayMs / 1000.0 * sampleRate_;
    delayFrames_ = static_cast<size_t>(settings_.delayFrames + std::lround(acousticFrames));
    if (delayLine_.size() < delayFrames_ + 1) {
        delayLine_.assign(delayFrames_ + 1, 0.0);
        delayWrite_ = 0;
    }
}

void BenchModel::setWiring(const BenchWiring& wiring) {
    const bool changed = wiring.seriesResistor != wiring_.seriesResistor;
    wiring_ = wiring;
    if (changed) configureDivider();
}

void BenchModel::configureDivider() {
    divider_.configure(sampleRate_, wiring_.seriesResistor,
                       withAddedMass(driver_, settings_.addedMassGrams));
    divider_.clear();
}

void BenchModel::configureRoom() {
    floor_ = lowPass1(kFloorCornerHz, sampleRate_);
    const auto frames =
        static_cast<size_t>(std::lround(settings_.reflectionMs * sampleRate_ / 1000.0));
    reflectionLine_.assign(settings_.reflectionGain != 0.0 ? frames : 0, 0.0);
    reflectionPos_ = 0;
}

void BenchModel::setSettings(const BenchSettings& wanted) {
    BenchSettings settings = wanted;
    settings.reflectionMs = std::isfinite(wanted.reflectionMs)
                                ? std::clamp(wanted.reflectionMs, 0.0, kMaxReflectionMs)
                                : 0.0;
    if (!std::isfinite(wanted.reflectionGain)) settings.reflectionGain = 0.0;
    settings.acousticDelayMs = std::isfinite(wanted.acousticDelayMs)
                                   ? std::clamp(wanted.acousticDelayMs, 0.0, kMaxAcousticDelayMs)
                                   : 0.0;
    const bool massChanged = settings.addedMassGrams != settings_.addedMassGrams;
    const bool roomChanged = settings.reflectionMs != settings_.reflectionMs ||
                             (settings.reflectionGain == 0.0) != (settings_.reflectionGain == 0.0);
    settings_ = settings;
    if (massChanged) configureDivider();
    if (roomChanged) configureRoom();
    settings_.delayFrames = std::clamp(settings.delayFrames, 0, kMaxDelayFrames);
    configureDelay();
}

void BenchModel::setStimulus(SoundData stimulus) {
    stimulus_ = std::move(stimulus);
    stimulusPos_ = 0;
}

double BenchModel::nextDrive() {
    const size_t frames = stimulus_.frames();
    if (frames == 0) return 0.0;
    if (stimulusPos_ >= frames) stimulusPos_ = 0;
    const auto sample = stimulus_.samples[stimulusPos_ * static_cast<size_t>(stimulus_.channels)];
    ++stimulusPos_;
    return sample / kFullScale;
}

double BenchModel::delayed(double response) {
    const size_t size = delayLine_.size();
    delayLine_[delayWrite_] = response;
    const size_t read = (delayWrite_ + size - delayFrames_) % size;
    delayWrite_ = (delayWrite_ + 1) % size;
    const double out = delayLine_[read];
    return settings_.invertPolarity ? -out : out;
}

// The suspension's extra force is taken at the excursion one sample before: at the bench's
// rates a delay far too short to matter at the resonance, and the loop needs no solving.
double BenchModel::loudspeaker(double drive) {
    if (!settings_.stiffening || wiring_.calibration)
        return speakerTop_.step(speakerLow_.step(drive));
    const double x = lastExcursion_;
    const double force = drive - x * x * (kStiffening2 + kStiffening3 * x);
    lastExcursion_ = excursion_.step(force);
    return speakerTop_.step(speakerLow_.step(force));
}

double BenchModel::inRoom(double direct) {
    if (reflectionLine_.empty() || wiring_.calibration) return direct;
    const double earlier = reflectionLine_[reflectionPos_];
    reflectionLine_[reflectionPos_] = direct;
    reflectionPos_ = (reflectionPos_ + 1) % reflectionLine_.size();
    return direct + settings_.reflectionGain * floor_.step(earlier);
}

// Each input carries what the evaluation of the measurement type expects, so that the program
// shows the device's own curve: left over right is response over excitation for the transfer,
// and load voltage over source voltage for the two-channel impedance. Delay and polarity belong
// to the path through the device under test, not to a reference input.
BenchModel::Frame BenchModel::step() {
    const double drive = nextDrive();
    const double speaker = settings_.straightThrough ? drive : inRoom(loudspeaker(drive));
    const auto divider = divider_.step(drive);
    switch (wiring_.measType) {
    case 1:
        return {delayed(speaker), drive};
    case 3: {
        const double part =
            wiring_.impedancePart == 2 ? divider.acrossLoad : divider.acrossResistor;
        const double v = delayed(part);
        return {v, v};
    }
    case 4:
        return {delayed(divider.acrossLoad), drive};
    default: {
        const double v = delayed(speaker);
        return {v, v};
    }
    }
}

int16_t BenchModel::quantise(double value) const {
    const double scaled = std::nearbyint(value * kFullScale);
    if (settings_.clip || !std::isfinite(scaled))
        return static_cast<int16_t>(
            std::clamp(std::isfinite(scaled) ? scaled : 0.0, -32768.0, 32767.0));
    // An unclipped converter wraps around like a two's-complement counter.
    const double wrapped = scaled - 65536.0 * std::floor((scaled + 32768.0) / 65536.0);
    return static_cast<int16_t>(wrapped);
}

void BenchModel::render(int16_t* out, size_t frames, int channels) {
    const double noise = std::max(settings_.noise, 0.0);
    for (size_t i = 0; i < frames; ++i) {
        const Frame f = step();
        const double left = f.left * settings_.gain + noise * gauss_(random_);
        out[i * static_cast<size_t>(channels)] = quantise(left);
        if (channels == 2) {
            const double right = f.right * settings_.gain + noise * gauss_(random_);
            out[i * 2 + 1] = quantise(right);
        }
    }
}

void BenchModel::skip(size_t frames) {
    for (size_t i = 0; i < frames; ++i)
        step();
}

} // namespace terzlab::audio
