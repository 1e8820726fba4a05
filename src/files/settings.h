#pragma once
// The settings that survive from one start to the next, kept in "Terzlab.def" (files/locations.h
// says where): Windows-1252 text, CR LF, key=value lines and "#" comments.
#include "analysis/types.h"
#include "files/disp_oct.h"
#include "text/language.h"
#include "text/message_service.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace terzlab {

inline constexpr int kInfoTypeCount = 3;  // "nur Text", "Mikrofonmessung", "Impedanzmessung"
inline constexpr int kInfoFieldCount = 6; // the info fields of the save dialog

// The swept-sine measurement's fields, as the user typed them (checked when a run starts).
struct SweepFields {
    double F1 = 10.0; // Hz
    double F2 = 20000.0;
    int32_t Samples = 262144; // of the sweep, a power of two from 2^15 to 2^21
    double LevelDb = -6.0;    // peak, dBFS
    int16_t Repetitions = 1;  // averaged coherently
    double GatePreMs = 1.0;
    double GateLengthMs = 5.0;
    int16_t GateShape = 1; // 0 rectangular, 1 half Hann, 2 Tukey
    // The other input records the played signal (a loopback): the deconvolution takes it
    // instead of the sweep, so that the card's own response and latency drop out.
    int16_t Loopback = 0;
    int16_t Smoothing = 12; // the drawn response's, 1/n octave: 3, 6, 12, 24 or 48; 0 none
    int16_t View = 2;       // 0 impulse, 1 energy-time, 2 response, 3 distortion, 4 group delay
    bool operator==(const SweepFields&) const = default;
};

// Every member starts at the program's start value.
struct Settings {
    int16_t WavInDevIndex = 0;
    int16_t WavOutDevIndex = 0;
    MeasType Type = MeasType::LevelOneChannel;
    int16_t AvgCountIndex = -3;
    int16_t FreqResIndex = 2;
    int16_t DisplayTypeIndex = 1;
    int32_t SampleRate = 44100;
    bool ShowHelp = true; // stored as -1 and 0
    int16_t ActiveChannel = 1;
    bool ExchangeChannel = false;
    bool ShowPhase = false; // the impedance phase on the graph; stored as -1 and 0
    // The live analysis' averaging (live/averager.h): 0 fast, 1 slow, 2 long, 3 the linear mean
    // over LiveAverageCount updates.
    int16_t LiveAveraging = 0;
    int16_t LiveAverageCount = 16;
    std::optional<text::Language> UiLanguage{}; // chosen by the user; none: the locale's
    float SeriesResistor = 10.0f;
    std::array<double, 2> CalibValue{0.0, 0.0};
    // Full paths (UTF-8) of the sensor, reference and comparison curve files; empty: none.
    std::array<std::string, 3> CurveFiles{};
    // Full paths of the comparison curves shown beside the first (CurveFiles[2]); empty: none.
    std::array<std::string, 5> MoreComparisonFiles{};
    // The file dialog's remembered field texts InfoTexts(type, field), UTF-8.
    std::array<std::array<std::string, kInfoFieldCount>, kInfoTypeCount> InfoTexts{};
    SweepFields Sweep{};
};

// Each valid key replaces its member; a missing file, comments, unknown keys and malformed or
// out-of-range values leave the members as they are.
void ReadSettings(const std::filesystem::path& path, Settings& settings);

// The text ReadSettings reads back.
std::string SettingsFileText(const Settings& settings);

// Replaces the file atomically, creating its folder; on failure one message, and false.
bool WriteSettings(const std::filesystem::path& path, const Settings& settings,
                   MessageService& messages);

// Asks, left channel first, whether a stored non-zero calibration value is to be used; Nein
// sets it to 0. The value is shown with the user's decimal separator.
void ConfirmStoredCalibration(Settings& settings, MessageService& messages,
                              std::string_view decimalSeparator);

// Loads the stored curve files into empty slots, as the file dialog would. A file that is gone
// or no longer fits its slot is reported and skipped.
void LoadStoredCurves(DispOct& store, const Settings& settings, int16_t lastBand,
                      MessageService& messages);

// The further comparison curves of MoreComparisonFiles, each read as the comparison slot reads
// its file; those that are gone or unreadable are reported and left out.
std::vector<StoredCurve> LoadStoredComparisons(const Settings& settings, int16_t lastBand,
                                               MessageService& messages);

// The curve files to remember: the loaded slots' paths.
void RememberCurveFiles(const DispOct& store, Settings& settings);

} // namespace terzlab
