#pragma once
// Measurements for other tools: frequency responses as FRD, impedance curves as ZMA and any
// measurement as CSV. The values are the measurement file's, band for band and with its
// rounding; bands without a value are left out, since another tool would take -999.99 for data.
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
    int16_t MeasTypeIndex = -1; // -1 where only the kind is known, as in a saved file
    bool PhaseMeasured = false;
    int32_t SampleRate = 0; // 0 when unknown
    std::string Date;
    std::vector<MeasurementRow> Rows; // NoValue where a band has none
};

// The bands as the measurement file of this run holds them: values are the 1/12-octave
// display values (the bands' own BandValue when left out).
ExportSource ExportSourceFor(const MeasurementHeader& header, const BandState& bands,
                             std::span<const double> values, std::time_t when);
ExportSource ExportSourceFor(const MeasurementHeader& header, const BandState& bands,
                             std::time_t when);

// A saved measurement file read through the program's own curve reader; its date is the file's
// modification time. False with a one-line reason in the user's language.
bool ReadExportSource(const std::filesystem::path& path, ExportSource& source, std::string& error);

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
