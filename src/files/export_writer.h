#pragma once
// Measurements for other tools: frequency responses as FRD, impedance curves as ZMA and any
// measurement as CSV. The values are the measurement file's, band for band and with its
// rounding; bands without a value are left out, since another tool would take -999.99 for data.
#include "files/curve_text.h"
#include "files/measurement_writer.h"
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace terzlab {

enum class ExportFormat { Frd, Zma, Csv };

// By the file name's extension, in any case; nothing for another extension.
std::optional<ExportFormat> ExportFormatFor(const std::filesystem::path& path);

struct ExportSource {
    std::string Title; // UTF-8
    bool Impedance = false;
    std::optional<MeasType> Type; // none where only the kind is known, as in a saved file
    bool PhaseMeasured = false;
    int32_t SampleRate = 0; // 0 when unknown
    std::string Date;
    std::vector<MeasurementRow> Rows; // NoValue where a band has none
    // The rows are bands of the 1/12-octave grid; false for another tool's curve, whose points
    // keep the frequencies as the file wrote them.
    bool BandGrid = true;
};

// The bands as the measurement file of this run holds them: values are the 1/12-octave
// display values (the bands' own BandValue when left out).
ExportSource ExportSourceFor(const MeasurementHeader& header, const BandState& bands,
                             std::span<const double> values, std::time_t when);
ExportSource ExportSourceFor(const MeasurementHeader& header, const BandState& bands,
                             std::time_t when);

// A saved measurement file read through the program's comparison-curve reader, row for row as
// the file holds them, or another tool's curve (FRD, ZMA, CSV) at its own points; which of the
// two a file is, its content tells. `hint` is the kind of a curve whose file names none (None:
// a level). The date is the file's modification time. False with a one-line reason in the
// user's language; a note on corrupt lines that were left out goes to `warning` (one line).
bool ReadExportSource(const std::filesystem::path& path, ExportSource& source, std::string& error,
                      CurveKind hint = CurveKind::None, std::string* warning = nullptr);

// Another tool's curve brought onto the 1/12-octave band grid, as the program shows it as a
// comparison curve: for a graph, whose plots draw bands. A source on the grid stays as it is.
ExportSource OnBandGrid(const ExportSource& source);

// Why this format cannot take this kind of measurement (one line, for the user); empty when it
// can.
std::string ExportKindRefusal(ExportFormat format, bool impedance);

// The kind's refusal, or that no band has a value; empty when the file can be written.
std::string ExportRefusal(ExportFormat format, const ExportSource& source);

// The file's bytes (UTF-8, CR LF). Check ExportRefusal first.
std::string ExportText(ExportFormat format, const ExportSource& source);

// Refuses or writes atomically; an earlier file at the path survives every failure.
bool WriteExport(const std::filesystem::path& path, ExportFormat format, const ExportSource& source,
                 std::string& error);

} // namespace terzlab
