#include "files/export_writer.h"
#include "analysis/constants.h"
#include "files/atomic_write.h"
#include "files/cp1252.h"
#include "files/disp_oct.h"
#include "files/numbers.h"
#include "text/translate.h"
#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <sys/stat.h>

namespace terzlab {
namespace {

constexpr std::string_view kEol = "\r\n";

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    while (text.find("  ") != std::string::npos)
        text.erase(text.find("  "), 1);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// Keeps the reader's first error and its note on corrupt lines, each as one line.
class ReaderWords final : public MessageService {
  public:
    MsgAnswer show(const std::string& text, MsgButtons, MsgIcon icon, const std::string&) override {
        std::string& kept = icon == MsgIcon::Exclamation ? error : warning;
        if (kept.empty()) kept = OneLine(text);
        return MsgAnswer::No;
    }
    std::string error;
    std::string warning;
};

std::string LocalTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y-%m-%d %H:%M", &local);
    return text.data();
}

// Rows read back from a file hold single-precision values.
bool HasValue(const MeasurementRow& row) {
    return !isNoValue(static_cast<float>(row.Value)) && !isNoValue(static_cast<float>(row.Phase));
}

// The comment lines are for whoever opens the file in another program: English in every
// language, like the column names of CSV, so that a file does not depend on who wrote it.
std::string KindText(const ExportSource& s) {
    static constexpr std::array<std::string_view, 5> kTypeNames = {
        "sound pressure/voltage (1 channel)", "sound pressure/voltage (2 channels)", "",
        "impedance (1 channel)", "impedance (2 channels)"};
    std::string text = s.Impedance ? "impedance in ohm" : "level in dB";
    if (s.Type && *s.Type != MeasType::Pulse) {
        const auto index = static_cast<std::size_t>(IndexOf(*s.Type));
        text += ", type " + std::to_string(index) + " " + std::string(kTypeNames[index]);
    }
    return text;
}

void AppendComments(std::string& out, const ExportSource& s) {
    std::vector<std::string> lines = {
        "Terzlab export",
        "Title: " + BlankControlChars(s.Title),
        "Measurement: " + KindText(s),
        "Date: " + s.Date,
        "Sample rate: " + (s.SampleRate > 0 ? std::to_string(s.SampleRate) + " Hz" : "unknown"),
        s.BandGrid ? "Resolution: 1/12 octave" : "Resolution: points of the source file",
        std::string("Columns: frequency [Hz], ") +
            (s.Impedance ? "impedance [ohm]" : "level [dB]") + ", phase [deg]"};
    if (!s.PhaseMeasured) lines.emplace_back("Phase not measured, written as 0");
    for (const std::string& line : lines)
        out.append("* ").append(line).append(kEol);
}

// Band frequencies have four digits; another tool's points keep every digit they were read
// with, in the band format where that loses none, so that an export read back exports the same.
std::string FrequencyText(double freq, bool bandGrid) {
    std::string text = FormatFrequency(freq, true);
    if (bandGrid || ParseNumber(text) == freq) return text;
    return FormatRoundTrip(freq);
}

void AppendRows(std::string& out, const ExportSource& s, char separator) {
    for (const MeasurementRow& row : s.Rows) {
        if (!HasValue(row)) continue;
        out.append(FrequencyText(row.Freq, s.BandGrid)).push_back(separator);
        out.append(FormatValue(row.Value, kValuePattern)).push_back(separator);
        out.append(FormatValue(s.PhaseMeasured ? row.Phase : 0.0, kPhasePattern)).append(kEol);
    }
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::time_t ModificationTime(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mtime : std::time(nullptr);
}

int32_t ReadSampleRate(DispOct& store, const std::filesystem::path& path) {
    if (!store.File.open(path)) return 0;
    const auto text = GetKeyValue(store, "Sample frequency [Hz]", 0, 1, '\t', true);
    store.File.close();
    return ParseInteger(text, 1, 10'000'000).value_or(0);
}

// The export says "1/12 Oktave" of every measurement file, so it takes only files that say so.
bool HasTwelfthOctave(DispOct& store, const std::filesystem::path& path) {
    if (!store.File.open(path)) return false;
    const auto text = GetKeyValue(store, "Octave resolution", 0, 1, '\t', true);
    store.File.close();
    return text == "1/12";
}

bool ReadForeignSource(const std::filesystem::path& path, CurveKind hint, ExportSource& source,
                       std::string& error) {
    CurveText curve;
    if (!ReadCurveText(path, curve, error)) return false;
    source = {};
    source.Title = path.filename().string();
    source.Impedance = (curve.Kind != CurveKind::None ? curve.Kind : hint) == CurveKind::Impedance;
    source.PhaseMeasured = curve.HasPhase;
    source.Date = LocalTime(ModificationTime(path));
    source.BandGrid = false;
    for (const CurveTextPoint& p : curve.Points)
        source.Rows.push_back({p.Freq, p.Value, curve.HasPhase ? p.Phase : 0.0});
    return true;
}

} // namespace

std::optional<ExportFormat> ExportFormatFor(const std::filesystem::path& path) {
    const std::string ext = Lower(path.extension().string());
    if (ext == ".frd") return ExportFormat::Frd;
    if (ext == ".zma") return ExportFormat::Zma;
    if (ext == ".csv") return ExportFormat::Csv;
    return std::nullopt;
}

ExportSource ExportSourceFor(const MeasurementHeader& header, const BandState& bands,
                             std::time_t when) {
    return ExportSourceFor(header, bands, bands.BandValue, when);
}

ExportSource ExportSourceFor(const MeasurementHeader& header, const BandState& bands,
                             std::span<const double> values, std::time_t when) {
    ExportSource s;
    s.Title = header.Title;
    s.Impedance = IsImpedanceType(header.Type);
    s.Type = header.Type;
    s.PhaseMeasured = PropertiesOf(header.Type).ResultRows >= row::kPhase;
    s.SampleRate = header.SampleRate;
    s.Date = LocalTime(when);
    s.Rows = MeasurementRows(header, bands, values);
    return s;
}

bool ReadExportSource(const std::filesystem::path& path, ExportSource& source, std::string& error,
                      CurveKind hint, std::string* warning) {
    if (IsCurveTextFile(path)) return ReadForeignSource(path, hint, source, error);
    auto store = std::make_unique<DispOct>();
    const FileProbe probe = ProbeFile(*store, path, kOctMask);
    if (probe.Type != kCurveLevel && probe.Type != kCurveImpedance) {
        std::error_code fault;
        const std::string pattern =
            std::filesystem::is_regular_file(path, fault)
                ? text::translate("DataFiles", "Die Datei %1 ist keine Terzlab-Messdatei mit Titel")
                : text::translate("DataFiles", "Die Datei %1 fehlt oder ist nicht lesbar");
        error = text::arg(pattern, {path.string()});
        return false;
    }
    ReaderWords messages;
    if (!HasTwelfthOctave(*store, path)) {
        StoredCurve& curve = store->Curves[kComparisonSlot];
        curve.CurveDir = path.has_parent_path() ? path.parent_path().string() : ".";
        curve.CurveFile = path.filename().string();
        ShowReadError(*store, kComparisonSlot, kReadErrorResolution, messages);
        error = messages.error;
        return false;
    }
    // The comparison slot keeps the file's rows as they are, also those off the nominal grid.
    if (!LoadProbedFile(*store, kComparisonSlot, path, probe, CorrectionCurve::kEntries - 1,
                        messages)) {
        error = messages.error;
        return false;
    }
    if (warning != nullptr) *warning = messages.warning;
    source = {};
    source.Title = probe.Title;
    source.Impedance = probe.Type == kCurveImpedance;
    source.SampleRate = ReadSampleRate(*store, path);
    source.Date = LocalTime(ModificationTime(path));
    const StoredCurve& curve = store->Curves[kComparisonSlot];
    for (int e = 0; e < std::clamp<int>(curve.CurveCount, 0, CorrectionCurve::kEntries); ++e) {
        source.Rows.push_back({curve.CurveFreq[e], curve.CurveAmp[e], curve.CurvePhase[e]});
    }
    source.PhaseMeasured =
        source.Impedance && std::any_of(source.Rows.begin(), source.Rows.end(),
                                        [](auto& r) { return HasValue(r) && r.Phase != 0.0; });
    return true;
}

ExportSource OnBandGrid(const ExportSource& source) {
    if (source.BandGrid) return source;
    CurveText curve;
    curve.HasPhase = source.PhaseMeasured;
    for (const MeasurementRow& row : source.Rows)
        curve.Points.push_back({row.Freq, row.Value, row.Phase});
    StoredCurve grid;
    PutOnBandGrid(curve, CorrectionCurve::kEntries - 1, 0.0, grid);
    ExportSource banded = source;
    banded.BandGrid = true;
    banded.Rows.clear();
    for (int e = 0; e < grid.CurveCount; ++e)
        banded.Rows.push_back({grid.CurveFreq[e], grid.CurveAmp[e], grid.CurvePhase[e]});
    return banded;
}

std::string ExportKindRefusal(ExportFormat format, bool impedance) {
    if (format == ExportFormat::Frd && impedance) {
        return text::translate(
            "DataFiles",
            "Eine Impedanzmessung lässt sich nicht als FRD exportieren (dafür ZMA oder CSV)");
    }
    if (format == ExportFormat::Zma && !impedance) {
        return text::translate(
            "DataFiles",
            "Eine Pegelmessung lässt sich nicht als ZMA exportieren (dafür FRD oder CSV)");
    }
    return {};
}

std::string ExportRefusal(ExportFormat format, const ExportSource& source) {
    if (std::string kind = ExportKindRefusal(format, source.Impedance); !kind.empty()) return kind;
    if (std::none_of(source.Rows.begin(), source.Rows.end(), HasValue)) {
        return text::translate("DataFiles", "Die Messung hat in keinem Band einen Wert");
    }
    return {};
}

std::string ExportText(ExportFormat format, const ExportSource& source) {
    std::string out;
    if (format == ExportFormat::Csv) {
        out.append(source.Impedance ? "frequency_hz,impedance_ohm,phase_deg"
                                    : "frequency_hz,level_db,phase_deg")
            .append(kEol);
        AppendRows(out, source, ',');
    } else {
        AppendComments(out, source);
        AppendRows(out, source, '\t');
    }
    return out;
}

bool WriteExport(const std::filesystem::path& path, ExportFormat format, const ExportSource& source,
                 std::string& error) {
    error = ExportRefusal(format, source);
    if (!error.empty()) return false;
    const WriteResult written = ReplaceFile(path, ExportText(format, source));
    if (!written) error = NotWrittenText(path, written.Reason);
    return static_cast<bool>(written);
}

} // namespace terzlab
