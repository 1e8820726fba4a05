#pragma once
// Curves written by other tools: FRD (frequency, dB, phase), ZMA (frequency, ohms, phase), CSV
// with a header naming its columns, and the calibration files of measurement microphones
// (frequency, dB correction, optional phase, an optional sensitivity line). Real files are
// messy: tabs or blanks, commas or semicolons, decimal commas, CR LF, a byte-order mark,
// comments in any 8-bit code, trailing columns. A file is read whole or refused with one line
// that names the file and the line at fault; nothing is ever half read.
#include "analysis/meas_type.h"
#include "files/disp_oct.h"
#include "text/message_service.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace terzlab {

struct CurveTextPoint {
    double Freq = 0.0;  // Hz, above 0, strictly rising from point to point
    double Value = 0.0; // dB or ohms
    double Phase = 0.0; // degrees as the file has them; NoValue where the line has none
};

struct CurveText {
    std::vector<CurveTextPoint> Points;
    bool HasPhase = false; // every point has a phase
    // What the file says it holds (column names, comments); None when it says nothing.
    CurveKind Kind = CurveKind::None;
    // A microphone's sensitivity line ("Sens Factor =-1.23dB", "*1000Hz -38.5"): the sensor's
    // output level for one unit of the sensed quantity in dB re the calibrated input (dBV/Pa).
    std::optional<double> SensitivityDb;
};

// Files of the program itself (measurement and sensor files) start with one of these lines.
bool IsProgramFileHeader(std::string_view firstLine);

// Parses a file's bytes. `name` is the file as the error names it. The kind is the one the
// column names give, else `hint`, else the one the comments name. False with a one-line reason
// in the user's language.
bool ParseCurveText(std::string_view bytes, const std::string& name, CurveKind hint,
                    CurveText& curve, std::string& error);

// Reads and parses a file; its extension is the hint (.frd level, .zma impedance).
bool ReadCurveText(const std::filesystem::path& path, CurveText& curve, std::string& error);

// The curve on the 1/12-octave band grid, interpolated over the logarithm of frequency (the
// phase unwrapped first, so that a step over +-180 degrees is not interpolated through 0, and
// wrapped again). Bands outside the file's range get NoValue. `offset` is subtracted from every
// value.
void PutOnBandGrid(const CurveText& curve, int16_t lastBand, double offset, StoredCurve& slot);

// Loads another tool's file into a slot: the comparison slot takes the curve onto the band grid
// as level or impedance (the file's kind, else `fallback`); the sensor slot takes it as a
// microphone calibration file. The microphone file gives the microphone's response, which the
// display subtracts like a .SEN file's response: a band the microphone over-reads by 2 dB
// reads 2 dB lower. Its sensitivity in dB sets SensorOffset to minus that value (-38.5 dBV/Pa
// shows 38.5 dB more), as a .SEN file's 11.9 mV/Pa would. The title is the file's name.
// False after a refusal, reported through `messages`.
bool LoadCurveTextFile(DispOct& store, int slot, const std::filesystem::path& path,
                       CurveKind fallback, int16_t lastBand, MessageService& messages);

// Whether a file is another tool's: readable, and not starting with the header line of one of
// the program's own files (those go through LoadCurve).
bool IsCurveTextFile(const std::filesystem::path& path);

// The legend's names of several curves: each one's title, and where two titles are equal
// (or empty) the file's name after it, so that the legend tells them apart.
std::vector<std::string> DistinctTitles(const std::vector<const StoredCurve*>& curves);

} // namespace terzlab
