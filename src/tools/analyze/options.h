#pragma once
// The command line of terzlab-analyze. Every default is the program's own start value, so that
// a bare call analyses what a fresh program would measure.
#include "analysis/types.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace terzlab::analyze {

inline constexpr std::string_view kDefaultTitle = "Beschreibung der Messung";
// AvgCount is a 16-bit counter: no run can average more blocks.
inline constexpr int32_t kMaxBlocks = 32767;

struct AnalyzeOptions {
    MeasType Type = MeasType::LevelOneChannel;
    int16_t ActiveChannel = 1; // the program starts on the right input
    std::optional<int32_t> Blocks;
    int32_t Skip = 0;
    int16_t FreqResIndex = 2; // 0 1/3, 1 1/6, 2 1/12 octave
    float SeriesResistor = 10.0f;
    std::array<double, 2> CalibValue{0.0, 0.0};
    double LevelCorr5 = 33.5;
    std::string SensorPath;
    std::string ReferencePath;
    bool ExchangeChannel = false;
    bool WideRange = true; // "Impedanzmessung mit breitem Bereich" is checked at start
    std::string Title{kDefaultTitle};
    std::string PngPath;
    std::string SvgPath;
    std::string ExportPath; // FRD, ZMA or CSV, by its extension
    std::string OutPath;
    std::string RecordingPath;
    std::string Part2Path;
};

struct ParsedOptions {
    std::optional<AnalyzeOptions> Options;
    std::string Error; // set when Options is empty
};

ParsedOptions ParseOptions(std::span<const std::string> args);

inline constexpr std::string_view kUsage =
    "terzlab-analyze [--type 0|1|3|4] [--channel left|right] [--blocks K] [--skip K] "
    "[--resolution 3|6|12] [--rv OHMS] [--calib-left DB] [--calib-right DB] [--level-offset DB] "
    "[--sensor FILE.SEN|MIC.txt] [--reference FILE.OCT] [--exchange] [--no-wide-range] "
    "[--title TEXT] [--png FILE.png] [--svg FILE.svg] [--export FILE.frd|zma|csv] --out FILE.oct "
    "RECORDING.wav [PART2.wav]";

} // namespace terzlab::analyze
