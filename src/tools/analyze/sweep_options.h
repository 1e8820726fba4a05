#pragma once
// The command line of terzlab-analyze --sweep: a recording of the swept-sine stimulus analysed
// to the impulse response, the arrival, the gated response and the harmonic distortion.
#include "sweep/gate.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace terzlab::analyze {

struct SweepOptions {
    std::string StimulusPath;
    std::string RecordingPath;
    int Channel = 0;              // the microphone: 0 left, 1 right
    std::optional<int> Reference; // the loopback channel, when there is one
    sweep::Gate GateSettings{};
    std::string IrPath, FrdPath, OutPath, DistortionPath;
};

struct ParsedSweepOptions {
    std::optional<SweepOptions> Options;
    std::string Error;
};

bool IsSweepCommand(std::span<const std::string> args);
ParsedSweepOptions ParseSweepOptions(std::span<const std::string> args);

inline constexpr std::string_view kSweepUsage =
    "terzlab-analyze --sweep STIMULUS.wav [--channel left|right] [--reference left|right] "
    "[--gate-ms MS] [--pre-ms MS] [--window rect|hann|tukey] [--ir IR.wav] [--frd OUT.frd] "
    "[--out OUT.oct] [--distortion OUT.csv] RECORDING.wav";

} // namespace terzlab::analyze
