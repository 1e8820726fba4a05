#pragma once
// Saving a measurement as a measurement file: the header lines, then one line per band of the
// 1/12-octave grid.
#include "analysis/bands.h"
#include "analysis/meas_type.h"
#include "analysis/types.h"
#include "text/message_service.h"
#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace terzlab {

inline constexpr int16_t kInfoTextOnly = 0;
inline constexpr int16_t kInfoMicrophone = 1;
inline constexpr int16_t kInfoImpedance = 2;

// What the file says about the measurement beside the band values. Texts are UTF-8.
struct MeasurementHeader {
    std::string Title{};                     // the info fields' title
    int16_t InfoType = kInfoTextOnly;        // text only, microphone or impedance
    std::array<std::string, 4> InfoValues{}; // the info fields after the title
    int32_t SampleRate = 44100;
    int32_t BlockSize = 16384;
    int16_t WindowType = 0;
    MeasType Type = MeasType::LevelOneChannel;
    // Sensor and reference curve in use, and their file names (without folders).
    std::array<bool, 2> CurveOn{false, false};
    std::array<std::string, 2> CurveFile{};
    // What the program says of how it measured (a live spectrum: its averaging), ASCII, TABs
    // between fields; written as a comment line below the first, which every reader passes over.
    std::string Note{};
};

// The band lines of the file before formatting: frequency, the value to keep and the phase
// where the type has one (0 elsewhere). Values are written with kValuePattern, phases with
// kPhasePattern.
struct MeasurementRow {
    double Freq = 0.0;
    double Value = 0.0;
    double Phase = 0.0;
};
inline constexpr std::string_view kValuePattern = "0.00";
inline constexpr std::string_view kPhasePattern = "0.0";
// values: the 1/12-octave display values, one per band.
std::vector<MeasurementRow> MeasurementRows(const MeasurementHeader& header, const BandState& bands,
                                            std::span<const double> values);

// The whole file as bytes (Windows-1252, TAB, CR LF): the bands' grid, the values to keep
// and the phases of the latest block.
std::string MeasurementFileText(const MeasurementHeader& header, const BandState& bands,
                                std::span<const double> values);
// The same with rows of one's own (frequency, value, phase each).
std::string MeasurementFileText(const MeasurementHeader& header,
                                std::span<const MeasurementRow> rows);
// The same with the values the bands show now.
std::string MeasurementFileText(const MeasurementHeader& header, const BandState& bands);

// Writes the file. On failure the message has been shown and an earlier file at that path is
// left as it was.
bool SaveMeasurementFile(const std::filesystem::path& path, const MeasurementHeader& header,
                         const BandState& bands, std::span<const double> values,
                         MessageService& messages);
bool SaveMeasurementFile(const std::filesystem::path& path, const MeasurementHeader& header,
                         std::span<const MeasurementRow> rows, MessageService& messages);

} // namespace terzlab
