#include "files/measurement_writer.h"
#include "analysis/constants.h"
#include "analysis/fft.h"
#include "analysis/meas_type.h"
#include "files/atomic_write.h"
#include "files/cp1252.h"
#include "files/disp_oct.h"
#include "files/numbers.h"
#include <algorithm>

namespace terzlab {
namespace {

class FileText {
  public:
    // Fields typed by the user are blanked of TAB and line breaks and put into the code page.
    FileText& field(std::string_view utf8) {
        separate();
        text_ += Utf8ToCp1252(BlankControlChars(utf8));
        return *this;
    }
    FileText& raw(std::string_view bytes) {
        separate();
        text_ += bytes;
        return *this;
    }
    void end() {
        text_ += "\r\n";
        lineStarted_ = false;
    }
    const std::string& text() const { return text_; }

  private:
    void separate() {
        if (lineStarted_) text_ += '\t';
        lineStarted_ = true;
    }
    std::string text_;
    bool lineStarted_ = false;
};

void WriteInfoLine(FileText& out, const MeasurementHeader& h) {
    int count = 0;
    if (h.InfoType == kInfoMicrophone) count = 4;
    if (h.InfoType == kInfoImpedance) count = 3;
    if (count == 0) return;
    out.raw("Info");
    for (int i = 0; i < count; ++i)
        out.field(h.InfoValues[i]);
    out.end();
}

void WriteCurveLine(FileText& out, std::string_view key, bool on, const std::string& file) {
    out.raw(key);
    if (on) {
        out.raw("Yes").field(file);
    } else {
        out.raw("No").raw("None");
    }
    out.end();
}

void WriteHeader(FileText& out, const MeasurementHeader& h) {
    const bool impedance = IsImpedanceType(h.Type);
    out.raw(kOctHeader).end();
    if (!h.Note.empty()) out.raw("#" + h.Note).end();
    out.raw("Title").field(h.Title).end();
    WriteInfoLine(out, h);
    out.raw("Sample frequency [Hz]").raw(std::to_string(h.SampleRate)).end();
    out.raw("Block size").raw(std::to_string(h.BlockSize)).end();
    const char* window = WindowName(h.WindowType);
    out.raw("Time window").raw(window != nullptr ? window : "Uniform").end();
    out.raw("Result type")
        .raw(impedance ? "Impedance Spectrum [Ohm]" : "Autopower Spectrum [dB]")
        .end();
    out.raw("Octave resolution").raw("1/12").end();
    out.raw("Signal input").raw("unknown").raw("unknown").end();
    out.raw("Calibrated input").raw("No").raw("1.000").end();
    WriteCurveLine(out, "Sensor Compensation Spectrum", h.CurveOn[0], h.CurveFile[0]);
    WriteCurveLine(out, "Reference Spectrum", h.CurveOn[1], h.CurveFile[1]);
    out.raw("F [Hz]").raw(impedance ? "Imp [Ohm]" : "Ampl [dB]").raw(kPhaseHeading).end();
}

// Only the two-channel impedance has a phase; it is the latest block's, row 4.
double PhaseOf(const MeasurementHeader& h, const BandState& bands, int band) {
    const auto& r = bands.Results;
    if (PropertiesOf(h.Type).ResultRows < row::kPhase || r.RowCount < row::kPhase ||
        band >= r.BandCount || r.Cells.size() < static_cast<std::size_t>((4 + 1) * r.BandCount)) {
        return 0.0;
    }
    return r(row::kPhase, band);
}

void WriteRows(FileText& out, std::span<const MeasurementRow> rows) {
    for (const MeasurementRow& row : rows) {
        out.raw(FormatFrequency(row.Freq, true))
            .raw(FormatValue(row.Value, kValuePattern))
            .raw(FormatValue(row.Phase, kPhasePattern))
            .end();
    }
}

} // namespace

std::vector<MeasurementRow> MeasurementRows(const MeasurementHeader& h, const BandState& bands,
                                            std::span<const double> values) {
    const int available = static_cast<int>(std::min(values.size(), bands.Table.BandFreq.size()));
    const int count = std::clamp<int>(bands.Table.LastBand, 0, available);
    std::vector<MeasurementRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        rows.push_back({bands.Table.BandFreq[i], values[i], PhaseOf(h, bands, i)});
    return rows;
}

std::string MeasurementFileText(const MeasurementHeader& header, const BandState& bands,
                                std::span<const double> values) {
    return MeasurementFileText(header, MeasurementRows(header, bands, values));
}

std::string MeasurementFileText(const MeasurementHeader& header,
                                std::span<const MeasurementRow> rows) {
    FileText out;
    WriteHeader(out, header);
    WriteRows(out, rows);
    return out.text();
}

std::string MeasurementFileText(const MeasurementHeader& header, const BandState& bands) {
    return MeasurementFileText(header, bands, bands.BandValue);
}

bool SaveMeasurementFile(const std::filesystem::path& path, const MeasurementHeader& header,
                         const BandState& bands, std::span<const double> values,
                         MessageService& messages) {
    return ReplaceFileOrReport(path, MeasurementFileText(header, bands, values), messages);
}

bool SaveMeasurementFile(const std::filesystem::path& path, const MeasurementHeader& header,
                         std::span<const MeasurementRow> rows, MessageService& messages) {
    return ReplaceFileOrReport(path, MeasurementFileText(header, rows), messages);
}

} // namespace terzlab
