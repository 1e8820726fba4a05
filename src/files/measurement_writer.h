#pragma once
// Saving a measurement as a measurement file: the header lines, then one line per band of the
// 1/12-octave grid.
#include "analysis/bands.h"
#include "analysis/types.h"
#include "files/message_service.h"
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace terzlab {

inline constexpr int16_t kInfoTextOnly = 0;
inline constexpr int16_t kInfoMicrophone = 1;
inline constexpr int16_t kInfoImpedance = 2;

// What the file says about the measurement beside the band values. Texts are UTF-8.
struct MeasurementHeader {
    std::string Title;                     // txtInfo(1)
    int16_t InfoType = kInfoTextOnly;      // cmbInfoTyp
    std::array<std::string, 4> InfoValues; // txtInfo(2..5)
    int32_t SampleRate = 44100;
    int32_t BlockSize = 16384;
    int16_t WindowType = 0;
    int16_t MeasTypeIndex = 0;
    // chkLoaded(0) and chkLoaded(1) ticked, and CurveFile(0), CurveFile(1) (names only).
    std::array<bool, 2> CurveOn{false, false};
    std::array<std::string, 2> CurveFile;
};

// The band lines of the file before formatting: the bands as they stand, the phase where the
// type has one (0 elsewhere). Values are written with kValuePattern, phases with kPhasePattern.
struct MeasurementRow {
    double Freq = 0.0;
    double Value = 0.0;
    double Phase = 0.0;
};
inline constexpr std::string_view kValuePattern = "0.00";
inline constexpr std::string_view kPhasePattern = "0.0";
std::vector<MeasurementRow> MeasurementRows(const MeasurementHeader& header,
                                            const BandState& bands);

inline bool IsImpedanceType(int16_t measType) {
    return measType == meas::kImpedanceOneChannel || measType == meas::kImpedanceTwoChannel;
}

// The whole file as bytes (Windows-1252, TAB, CR LF), from the bands as they stand.
std::string MeasurementFileText(const MeasurementHeader& header, const BandState& bands);

// Writes the file from BandValue at 1/12 octave. When freqResIndex is not 2 (1/12 octave),
// selectResolution(2) is called first so that the display recomputes BandValue at 1/12 octave,
// and selectResolution(freqResIndex) afterwards. On failure the message has been shown and an
// earlier file at that path is left as it was.
bool SaveMeasurementFile(const std::filesystem::path& path, const MeasurementHeader& header,
                         const BandState& bands, int16_t freqResIndex,
                         const std::function<void(int16_t)>& selectResolution,
                         MessageService& messages);

} // namespace terzlab
