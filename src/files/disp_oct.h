#pragma once
// The DispOct module: the store of the three correction curves (sensor, reference, comparison)
// and the reader of measurement and sensor files that fills it. The analysis and the plots read
// the slots as CorrectionCurve; the dialog and the settings also need title, file and folder.
#include "analysis/types.h"
#include "files/line_file.h"
#include "text/message_service.h"
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace terzlab {

inline constexpr std::string_view kOctHeader = "#This file contains data created by Terzlab";
inline constexpr std::string_view kBandexHeader = "#This file contains data created by BANDEX.EXE";
inline constexpr std::string_view kSensorHeader =
    "#This file contains sensor information to be used by Terzlab.exe";
inline constexpr std::string_view kOctMask = "*.OCT";
inline constexpr std::string_view kSensorMask = "*.SEN";
// "Phase [" + the byte 0xF8 + "]": the heading is compared byte for byte.
inline constexpr std::string_view kPhaseHeading = "Phase [\xF8]";

inline constexpr int16_t kCurveUnknown = 0;
inline constexpr int16_t kCurveLevel = 1;
inline constexpr int16_t kCurveImpedance = 2;
inline constexpr int16_t kCurveSensor = 10;

struct StoredCurve : CorrectionCurve {
    std::string CurveTitle; // UTF-8
    std::string CurveFile;  // name without folder
    std::string CurveDir;   // folder
    int16_t CurveResolution = 0;
};

struct DispOct {
    std::array<StoredCurve, 3> Curves;
    double SensorOffset = 0.0;
    // The one file the reader functions work on.
    LineFile File;
    bool Found = false;
};

// Read-error codes of ShowReadError. 2 and 3 are the classic ones; 1, 4 and 5 cover files
// that cannot be opened, sensor tables that cannot be interpolated and files without a value.
inline constexpr int kReadErrorOpen = 1;
inline constexpr int kReadErrorResolution = 2;
inline constexpr int kReadErrorStartLine = 3;
inline constexpr int kReadErrorSensorTable = 4;
inline constexpr int kReadErrorNoData = 5;

std::vector<std::string> SplitFields(std::string_view line, char separator);

// Fields of the first non-comment line whose field keyField equals key; sets store.Found.
std::vector<std::string> FindKeyLine(DispOct& store, std::string_view key, int keyField,
                                     char separator, bool rewind);

// Field valueField of that line, raw bytes; empty when the key or the field is missing.
std::string GetKeyValue(DispOct& store, std::string_view key, int keyField, int valueField,
                        char separator, bool rewind);

bool IsValidHeader(std::string_view firstLine, std::string_view fileMask);
int16_t ReadResultType(DispOct& store, std::string_view fileMask);

// What the file list shows of one file: its type (0 invalid or unknown) and its title (UTF-8).
struct FileProbe {
    int16_t Type = kCurveUnknown;
    std::string Title;
};
FileProbe ProbeFile(DispOct& store, const std::filesystem::path& path, std::string_view fileMask);

// The path of a slot's file as the messages show it.
std::filesystem::path CurvePath(const StoredCurve& curve);

// Reads CurveDir/CurveFile into the slot. lastBand is the LastBand of the current band grid.
// Returns false after a read error (already reported).
bool LoadCurve(DispOct& store, int slot, int16_t lastBand, MessageService& messages);

// Puts a file that ProbeFile has looked at into a slot (loaded, its type and title, its folder and
// name) and reads it with LoadCurve: how a tool loads a file it was given by path.
bool LoadProbedFile(DispOct& store, int slot, const std::filesystem::path& path,
                    const FileProbe& probe, int16_t lastBand, MessageService& messages);

void ShowReadError(DispOct& store, int slot, int code, MessageService& messages);

// Sets SensorOffset from the open sensor file. Returns false when the sensitivity is a number
// but not above 0 (it is then left out, like one that is not a number).
bool ReadSensorOffset(DispOct& store);

// Puts the sensor slot onto the band grid. Returns false (slot without values) when the file's
// table cannot be interpolated: fewer than two points, or frequencies not above 0 and rising.
bool ResampleSensorCurve(DispOct& store, int slot, int16_t lastBand);

// Nominal frequency of band e of the 1/12-octave grid, 10^(1 + e/40).
double NominalBandFreq(int e);
// The same to the digits a file shows, so that curves re-sampled onto the grid and a written
// measurement agree on every band's frequency.
float ShownBandFreq(int band);

} // namespace terzlab
