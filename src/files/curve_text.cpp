#include "files/curve_text.h"
#include "analysis/constants.h"
#include "files/curve_values.h"
#include "text/translate.h"
#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>

namespace terzlab {
namespace {

// Files beyond this are no curve of a few thousand points; the measurement reader draws the
// same line.
constexpr std::size_t kMaxBytes = LineFile::kMaxFileBytes;
// No frequency, level, impedance or phase comes near this; the arithmetic on the values stays
// finite below it.
constexpr double kLimit = 1e9;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A number as other tools write it: a sign, a decimal point or comma, an exponent. The whole
// field must be the number.
std::optional<double> ReadNumber(std::string_view field) {
    field = Trim(field);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    if (field.empty() || field.size() > 64) return std::nullopt;
    std::string work(field);
    for (char& c : work) {
        if (c == ',') c = '.';
        const bool allowed = std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '.' ||
                             c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!allowed) return std::nullopt;
    }
    double value = 0.0;
    const auto [end, fault] = std::from_chars(work.data(), work.data() + work.size(), value);
    if (fault != std::errc() || end != work.data() + work.size() || !(std::fabs(value) <= kLimit))
        return std::nullopt;
    return value;
}

// The number at the start of a text ("-1.23dB, SERNO: 1234"), blanks before it skipped.
std::optional<double> LeadingNumber(std::string_view text) {
    text = Trim(text);
    std::size_t end = 0;
    while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) != 0 ||
                                 text[end] == '-' || text[end] == '+' || text[end] == '.'))
        ++end;
    return ReadNumber(text.substr(0, end));
}

// Semicolons, or commas where they cannot be decimal commas, or tabs, or else blanks. Runs of
// tabs or blanks count as one separator; empty fields between semicolons or commas stay.
std::vector<std::string_view> SplitData(std::string_view line) {
    const bool blanks = line.find_first_of(" \t") != std::string_view::npos;
    std::string_view separators = " \t";
    bool keepEmpty = true;
    if (line.find(';') != std::string_view::npos) {
        separators = ";";
    } else if (line.find(',') != std::string_view::npos &&
               (!blanks || line.find('.') != std::string_view::npos ||
                line.find(", ") != std::string_view::npos)) {
        separators = ",";
    } else {
        keepEmpty = false;
        if (line.find('\t') != std::string_view::npos) separators = "\t";
    }
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find_first_of(separators, start);
        if (end == std::string_view::npos) end = line.size();
        const std::string_view field = Trim(line.substr(start, end - start));
        if (keepEmpty || !field.empty()) fields.push_back(field);
        start = end + 1;
    }
    return fields;
}

// Column names are separated as data is; a line of words with blanks only is a comment, whose
// words could be taken for names.
bool NamesColumns(std::string_view line) {
    return std::isalpha(static_cast<unsigned char>(line.front())) != 0 &&
           line.find_first_of(",;\t") != std::string_view::npos;
}

struct Columns {
    std::size_t Freq = 0, Value = 1, Phase = 2;
    CurveKind Kind = CurveKind::None;
};

bool HasAny(const std::string& text, std::initializer_list<const char*> words) {
    return std::any_of(words.begin(), words.end(),
                       [&text](const char* word) { return text.find(word) != std::string::npos; });
}

// A header such as "Frequency [Hz];SPL [dB];Phase [deg]" or "frequency_hz,impedance_ohm,...".
std::optional<Columns> ColumnsOf(std::string_view line) {
    const auto names = SplitData(line);
    std::optional<std::size_t> freq, value, phase;
    Columns columns;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name = Lower(names[i]);
        if (!freq && HasAny(name, {"freq", "hz"})) {
            freq = i;
        } else if (!phase && HasAny(name, {"phase", "deg", "\xB0"})) {
            phase = i;
        } else if (!value && HasAny(name, {"ohm", "imp", "|z|"})) {
            value = i;
            columns.Kind = CurveKind::Impedance;
        } else if (!value && HasAny(name, {"db", "spl", "level", "pegel", "mag", "ampl"})) {
            value = i;
            columns.Kind = CurveKind::Level;
        }
    }
    if (!freq || !value) return std::nullopt;
    columns.Freq = *freq;
    columns.Value = *value;
    columns.Phase = phase.value_or(names.size() + 1); // no phase column: none is read
    return columns;
}

// "Sens Factor =-1.23dB, SERNO: 1234" or "*1000Hz -38.5".
std::optional<double> SensitivityOf(std::string_view line) {
    const std::string lower = Lower(line);
    if (const auto at = lower.find("sens factor"); at != std::string::npos) {
        const auto equals = lower.find('=', at);
        if (equals != std::string::npos) return LeadingNumber(line.substr(equals + 1));
        return std::nullopt;
    }
    const auto start = lower.find_first_not_of("*\" \t");
    if (start == std::string::npos) return std::nullopt;
    for (std::string_view tag : {"1000hz", "1000 hz"}) {
        if (lower.compare(start, tag.size(), tag) == 0)
            return LeadingNumber(line.substr(start + tag.size()));
    }
    return std::nullopt;
}

bool StartsData(std::string_view line) {
    const char c = line.front();
    return std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '+' || c == '.';
}

class Parser {
  public:
    Parser(const std::string& name, CurveText& curve) : name_(name), curve_(curve) {}

    // False with the error set.
    bool line(std::string_view text, int number) {
        text = Trim(text);
        if (text.empty()) return true;
        if (!StartsData(text)) {
            comment(text);
            return true;
        }
        return data(text, number);
    }

    bool finish() {
        if (curve_.Points.size() < 2) {
            fail(TZ_TRANSLATE_NOOP("DataFiles", "Die Datei %1 enthält keine Kurve (mindestens "
                                                "zwei Zeilen mit Frequenz und Wert nötig)"),
                 0);
            return false;
        }
        curve_.HasPhase = std::none_of(curve_.Points.begin(), curve_.Points.end(),
                                       [](const CurveTextPoint& p) { return p.Phase == kNoValue; });
        if (columns_.Kind != CurveKind::None) curve_.Kind = columns_.Kind;
        return true;
    }

    CurveKind commentKind() const { return commentKind_; }
    std::string error;

  private:
    void comment(std::string_view text) {
        if (!curve_.Points.empty()) return; // a second header or a note after the data
        const std::string lower = Lower(text);
        if (HasAny(lower, {"ohm", "impedan"})) commentKind_ = CurveKind::Impedance;
        if (auto sensitivity = SensitivityOf(text)) curve_.SensitivityDb = sensitivity;
        if (NamesColumns(text)) {
            if (auto columns = ColumnsOf(text)) columns_ = *columns;
        }
    }

    bool data(std::string_view text, int number) {
        const auto fields = SplitData(text);
        const auto field = [&fields](std::size_t i) {
            return i < fields.size() ? ReadNumber(fields[i]) : std::nullopt;
        };
        const auto freq = field(columns_.Freq);
        const auto value = field(columns_.Value);
        const bool phaseGiven = columns_.Phase < fields.size() && !fields[columns_.Phase].empty();
        const auto phase = field(columns_.Phase);
        if (!freq || !value || (phaseGiven && !phase)) {
            return fail(TZ_TRANSLATE_NOOP("DataFiles", "Die Datei %1 ist keine Kurvendatei (Zeile "
                                                       "%2: keine Zahl für Frequenz oder Wert)"),
                        number);
        }
        if (*freq < 0.0) {
            return fail(TZ_TRANSLATE_NOOP("DataFiles", "Die Datei %1 ist keine Kurvendatei (Zeile "
                                                       "%2: negative Frequenz)"),
                        number);
        }
        if (*freq == 0.0) return true; // a DC line has no place on a logarithmic axis
        if (!curve_.Points.empty() && !(*freq > curve_.Points.back().Freq)) {
            return fail(TZ_TRANSLATE_NOOP("DataFiles", "Die Datei %1 ist keine Kurvendatei (Zeile "
                                                       "%2: Frequenz nicht höher als davor)"),
                        number);
        }
        curve_.Points.push_back({*freq, *value, phase.value_or(kNoValue)});
        return true;
    }

    bool fail(const char* pattern, int number) {
        error = text::arg(text::translate("DataFiles", pattern), {name_, std::to_string(number)});
        return false;
    }

    const std::string& name_;
    CurveText& curve_;
    Columns columns_;
    CurveKind commentKind_ = CurveKind::None;
};

CurveKind KindOfExtension(const std::filesystem::path& path) {
    const std::string ext = Lower(path.extension().string());
    if (ext == ".frd") return CurveKind::Level;
    if (ext == ".zma") return CurveKind::Impedance;
    return CurveKind::None;
}

std::string Unreadable(const std::filesystem::path& path) {
    return text::arg(text::translate("DataFiles", "Die Datei %1 fehlt oder ist nicht lesbar"),
                     {path.string()});
}

bool ReadBytes(const std::filesystem::path& path, std::string& bytes, std::string& error) {
    std::error_code fault;
    std::ifstream in;
    if (std::filesystem::is_regular_file(path, fault)) in.open(path, std::ios::binary);
    if (!in.is_open()) {
        error = Unreadable(path);
        return false;
    }
    std::array<char, 65536> chunk{};
    while (in && bytes.size() <= kMaxBytes) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (bytes.size() > kMaxBytes) {
        error = text::arg(text::translate("DataFiles", "Die Datei %1 ist keine Kurvendatei "
                                                       "(größer als 4 MB)"),
                          {path.string()});
        return false;
    }
    return true;
}

} // namespace

bool IsProgramFileHeader(std::string_view firstLine) {
    return firstLine == kOctHeader || firstLine == kBandexHeader || firstLine == kSensorHeader;
}

bool ParseCurveText(std::string_view bytes, const std::string& name, CurveKind hint,
                    CurveText& curve, std::string& error) {
    curve = {};
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    Parser parser(name, curve);
    int number = 0;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view line = bytes.substr(0, end);
        ++number;
        if (!parser.line(line, number)) {
            error = parser.error;
            curve = {};
            return false;
        }
        if (end == std::string_view::npos) break;
        const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        bytes.remove_prefix(end + (crlf ? 2 : 1));
    }
    if (!parser.finish()) {
        error = parser.error;
        curve = {};
        return false;
    }
    if (curve.Kind == CurveKind::None) curve.Kind = hint;
    if (curve.Kind == CurveKind::None) curve.Kind = parser.commentKind();
    return true;
}

bool ReadCurveText(const std::filesystem::path& path, CurveText& curve, std::string& error) {
    std::string bytes;
    return ReadBytes(path, bytes, error) &&
           ParseCurveText(bytes, path.string(), KindOfExtension(path), curve, error);
}

bool IsCurveTextFile(const std::filesystem::path& path) {
    std::error_code fault;
    if (!std::filesystem::is_regular_file(path, fault)) return false;
    LineFile file;
    std::string first;
    if (!file.open(path)) return false;
    file.readLine(first);
    if (IsProgramFileHeader(first)) return false;
    // A file named as one of the program's own that is no curve either gets the refusal of a
    // broken measurement or sensor file, which says more about what it was taken for.
    const std::string ext = Lower(path.extension().string());
    if (ext != ".oct" && ext != ".sen") return true;
    CurveText curve;
    std::string error;
    return ReadCurveText(path, curve, error);
}

} // namespace terzlab
