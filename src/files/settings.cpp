#include "files/settings.h"
#include "analysis/constants.h"
#include "analysis/meas_type.h"
#include "files/atomic_write.h"
#include "files/cp1252.h"
#include "files/line_file.h"
#include "files/numbers.h"
#include <algorithm>
#include <cmath>
#include <optional>

namespace terzlab {
namespace {

constexpr std::array<const char*, 3> kCurveKeys = {"SensorCompFile", "RefMeasFile", "CmpMeasFile"};
constexpr std::array<const char*, 5> kMoreComparisonKeys = {
    "CmpMeasFile2", "CmpMeasFile3", "CmpMeasFile4", "CmpMeasFile5", "CmpMeasFile6"};
constexpr std::array<const char*, 3> kInfoKeys = {"FileDescription", "FileDescriptionMic",
                                                  "FileDescriptionImp"};
// The six field texts of one info type share one value. TAB cannot occur in a field: typed
// TABs are blanked before they are stored.
constexpr char kInfoSeparator = '\t';

struct IntKey {
    const char* key;
    int16_t Settings::*member;
    int32_t min;
    int32_t max;
};

constexpr std::array<IntKey, 8> kIntKeys = {{
    {"WavInDevIndex", &Settings::WavInDevIndex, 0, 32767},
    {"WavOutDevIndex", &Settings::WavOutDevIndex, 0, 1},
    {"AvgCountIndex", &Settings::AvgCountIndex, -7, 7},
    {"FreqResIndex", &Settings::FreqResIndex, 0, 2},
    {"DisplayTypeIndex", &Settings::DisplayTypeIndex, 0, 1},
    {"ActiveChannel", &Settings::ActiveChannel, 0, 1},
    // The choices and counts of live/averager.h (which this module may not include).
    {"LiveAveraging", &Settings::LiveAveraging, 0, 3},
    {"LiveAverageCount", &Settings::LiveAverageCount, 2, 256},
}};

bool ApplyIntKey(std::string_view key, std::string_view value, Settings& settings) {
    for (const auto& entry : kIntKeys) {
        if (key != entry.key) continue;
        const auto number = ParseInteger(value, entry.min, entry.max);
        // An averaging index of 0 names no list entry.
        if (number && !(entry.member == &Settings::AvgCountIndex && *number == 0)) {
            settings.*entry.member = static_cast<int16_t>(*number);
        }
        return true;
    }
    return false;
}

std::optional<double> ParseDecimal(std::string_view value, double min, double max) {
    const double number = ParseNumber(value);
    if (number == kNoValue || !(number >= min && number <= max)) return std::nullopt;
    return number;
}

void ApplyInfoTexts(std::string_view value, std::array<std::string, kInfoFieldCount>& texts) {
    const auto fields = SplitFields(value, kInfoSeparator);
    for (int i = 0; i < kInfoFieldCount; ++i) {
        texts[i] = i < static_cast<int>(fields.size()) ? Cp1252ToUtf8(fields[i]) : std::string();
    }
}

bool ApplyTextKey(std::string_view key, std::string_view value, Settings& settings) {
    for (std::size_t i = 0; i < kMoreComparisonKeys.size(); ++i) {
        if (key != kMoreComparisonKeys[i]) continue;
        settings.MoreComparisonFiles[i] = Cp1252ToUtf8(value);
        return true;
    }
    for (std::size_t i = 0; i < kCurveKeys.size(); ++i) {
        if (key == kCurveKeys[i]) {
            settings.CurveFiles[i] = Cp1252ToUtf8(value);
            return true;
        }
        if (key == kInfoKeys[i]) {
            ApplyInfoTexts(value, settings.InfoTexts[i]);
            return true;
        }
    }
    return false;
}

// The sweep's keys; a value out of its range leaves the field as it is.
struct SweepKey {
    const char* key;
    double min;
    double max;
    double* decimal; // or
    int32_t* whole;
    int16_t* small;
};

std::array<SweepKey, 11> SweepKeys(SweepFields& f) {
    return {{{"SweepStartFrequency", 1.0, 200000.0, &f.F1, nullptr, nullptr},
             {"SweepStopFrequency", 1.0, 200000.0, &f.F2, nullptr, nullptr},
             {"SweepSamples", 32768, 2097152, nullptr, &f.Samples, nullptr},
             {"SweepLevel", -60.0, 0.0, &f.LevelDb, nullptr, nullptr},
             {"SweepRepetitions", 1, 16, nullptr, nullptr, &f.Repetitions},
             {"SweepGatePre", 0.0, 1000.0, &f.GatePreMs, nullptr, nullptr},
             {"SweepGateLength", 0.01, 10000.0, &f.GateLengthMs, nullptr, nullptr},
             {"SweepGateWindow", 0, 2, nullptr, nullptr, &f.GateShape},
             {"SweepLoopback", 0, 1, nullptr, nullptr, &f.Loopback},
             {"SweepSmoothing", 0, 48, nullptr, nullptr, &f.Smoothing},
             {"SweepView", 0, 4, nullptr, nullptr, &f.View}}};
}

bool ApplySweepKey(std::string_view key, std::string_view value, SweepFields& fields) {
    for (const SweepKey& entry : SweepKeys(fields)) {
        if (key != entry.key) continue;
        if (entry.decimal != nullptr) {
            if (const auto number = ParseDecimal(value, entry.min, entry.max))
                *entry.decimal = *number;
        } else if (const auto number = ParseInteger(value, static_cast<int32_t>(entry.min),
                                                    static_cast<int32_t>(entry.max))) {
            if (entry.whole != nullptr && (*number & (*number - 1)) == 0) *entry.whole = *number;
            if (entry.small != nullptr) *entry.small = static_cast<int16_t>(*number);
        }
        return true;
    }
    return false;
}

void ApplyOtherKey(std::string_view key, std::string_view value, Settings& settings) {
    if (ApplySweepKey(key, value, settings.Sweep)) return;
    if (key == "MeasTypeIndex") {
        const auto index = ParseInteger(value, 0, kMeasTypeCount - 1);
        if (index) settings.Type = *MeasTypeOf(*index);
    } else if (key == "Fsample") {
        const auto rate = ParseInteger(value, 44100, 48000);
        if (rate && (*rate == 44100 || *rate == 48000)) settings.SampleRate = *rate;
    } else if (key == "ExchangeChannel" || key == "ShowHelp") {
        if (const auto flag = ParseInteger(value, -1, 0)) {
            (key == "ShowHelp" ? settings.ShowHelp : settings.ExchangeChannel) = *flag != 0;
        }
    } else if (key == "ShowPhase") {
        if (const auto flag = ParseInteger(value, -1, 0)) settings.ShowPhase = *flag != 0;
    } else if (key == "Language") {
        if (const auto language = text::ParseLanguage(value)) settings.UiLanguage = language;
    } else if (key == "RefResistorImpedance") {
        if (const auto ohms = ParseDecimal(value, 0.1, 100.0)) {
            settings.SeriesResistor = static_cast<float>(*ohms);
        }
    } else if (key == "CalibrationValueLeftChannel" || key == "CalibrationValueRightChannel") {
        if (const auto db = ParseDecimal(value, -200.0, 200.0)) {
            settings.CalibValue[key == "CalibrationValueLeftChannel" ? 0 : 1] = *db;
        }
    }
}

void ApplyLine(std::string_view line, Settings& settings) {
    if (line.empty() || line[0] == '#') return;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return;
    const auto key = line.substr(0, equals);
    const auto value = line.substr(equals + 1);
    if (ApplyIntKey(key, value, settings) || ApplyTextKey(key, value, settings)) return;
    ApplyOtherKey(key, value, settings);
}

class SettingsText {
  public:
    void line(std::string_view text) {
        text_ += text;
        text_ += "\r\n";
    }
    void value(std::string_view key, std::string_view value) {
        text_ += key;
        text_ += '=';
        text_ += Utf8ToCp1252(BlankControlChars(value));
        text_ += "\r\n";
    }
    void number(std::string_view key, int32_t value) { this->value(key, std::to_string(value)); }
    std::string text() const { return text_; }

  private:
    std::string text_;
};

std::string JoinInfoTexts(const std::array<std::string, kInfoFieldCount>& texts) {
    std::string joined;
    for (int i = 0; i < kInfoFieldCount; ++i) {
        if (i > 0) joined += kInfoSeparator;
        joined += Utf8ToCp1252(BlankControlChars(texts[i]));
    }
    return joined;
}

void WriteDeviceAndTypeLines(SettingsText& out, const Settings& s) {
    out.line("# this file contains setup information for the program Terzlab.exe");
    out.line("# comment lines are starting with '#'");
    out.line("# please don't use ' ' before and after the '=' sign!");
    out.line("# WavInDevIndex: 0 - 1st (default) soundcard, 1 - 2nd soundcard . . . (default = "
             "0)");
    out.number("WavInDevIndex", s.WavInDevIndex);
    out.line("# WavOutDevIndex: 0 - 1st (default) soundcard, 1 - Test-CD (default = 0)");
    out.number("WavOutDevIndex", s.WavOutDevIndex);
    out.line("# MeasTypeIndex: 0 - 1ch spectrum, 1 - 2ch spectrum, 2 - pulse, 3 - 1ch impedance, "
             "4 - 2ch impedance (default = 0)");
    out.number("MeasTypeIndex", IndexOf(s.Type));
    out.line("# AvgCountIndex: x - perform 2^(Abs(x)-1) measurements");
    out.line("# Remark: if AvgCountIndex < 0 then Terzlab stops after 2^(Abs(x)-1) measurements "
             "(default = -3)");
    out.number("AvgCountIndex", s.AvgCountIndex);
    out.line("# FreqResIndex: 0 - 1/3 octave, 1 - 1/6 octave, 2 - 1/12 octave (default = 2)");
    out.number("FreqResIndex", s.FreqResIndex);
    out.line("# DisplayTypeIndex: 0 - Time, 1 - Frequency (default = 1)");
    out.number("DisplayTypeIndex", s.DisplayTypeIndex);
}

void WriteChannelLines(SettingsText& out, const Settings& s) {
    out.line("# Fsample: 44100 or 48000 (default = 44100)");
    out.number("Fsample", s.SampleRate);
    out.line("# ShowHelp: 0 - False, -1 - True (default = -1)");
    out.number("ShowHelp", s.ShowHelp ? -1 : 0);
    out.line("# ActiveChannel: 0 - Left, 1 - Right (default = 1)");
    out.number("ActiveChannel", s.ActiveChannel);
    out.line("# ExchangeChannel: 0 - False, -1 - True (default = 0)");
    out.number("ExchangeChannel", s.ExchangeChannel ? -1 : 0);
    out.line("# ShowPhase: impedance phase on the graph, 0 - False, -1 - True (default = 0)");
    out.number("ShowPhase", s.ShowPhase ? -1 : 0);
    out.line("# LiveAveraging: 0 - fast (125 ms), 1 - slow (1 s), 2 - long (10 s), 3 - linear over "
             "LiveAverageCount updates (default = 0)");
    out.number("LiveAveraging", s.LiveAveraging);
    out.line("# LiveAverageCount: 2 ... 256 (default = 16)");
    out.number("LiveAverageCount", s.LiveAverageCount);
    // Only a language the user chose is kept; without one the locale decides at every start.
    if (s.UiLanguage) {
        out.line("# Language: de - Deutsch, en - English (default: by the locale)");
        out.value("Language", text::LanguageCode(*s.UiLanguage));
    }
    out.line("# Resistor value for impedance measurements (default = 10)");
    out.value("RefResistorImpedance", FormatRoundTrip(s.SeriesResistor));
    out.value("CalibrationValueLeftChannel", FormatRoundTrip(s.CalibValue[0]));
    out.value("CalibrationValueRightChannel", FormatRoundTrip(s.CalibValue[1]));
}

// Only a user of the sweep gets its lines.
void WriteSweepLines(SettingsText& out, const SweepFields& fields) {
    if (fields == SweepFields{}) return;
    out.line(
        "# Sweep: f1, f2 [Hz], samples, peak level [dBFS], repetitions, gate before and "
        "after the arrival [ms], gate window 0 - rect, 1 - Hann, 2 - Tukey, loopback in the other "
        "input 0 - no, 1 - yes, smoothing of the drawn response 1/n octave (0 - none), view 0 - "
        "impulse, "
        "1 - energy-time, 2 - response, 3 - distortion, 4 - group delay");
    SweepFields copy = fields;
    for (const SweepKey& entry : SweepKeys(copy)) {
        if (entry.decimal != nullptr) out.value(entry.key, FormatRoundTrip(*entry.decimal));
        if (entry.whole != nullptr) out.number(entry.key, *entry.whole);
        if (entry.small != nullptr) out.number(entry.key, *entry.small);
    }
}

} // namespace

void ReadSettings(const std::filesystem::path& path, Settings& settings) {
    LineFile file;
    if (!file.open(path)) return;
    std::string line;
    while (file.readLine(line))
        ApplyLine(line, settings);
}

std::string SettingsFileText(const Settings& settings) {
    SettingsText out;
    WriteDeviceAndTypeLines(out, settings);
    WriteChannelLines(out, settings);
    WriteSweepLines(out, settings.Sweep);
    out.line("# Filenames:");
    for (std::size_t i = 0; i < kCurveKeys.size(); ++i) {
        out.value(kCurveKeys[i], settings.CurveFiles[i]);
    }
    // Only a user of further comparison curves gets their lines.
    const auto& more = settings.MoreComparisonFiles;
    if (std::any_of(more.begin(), more.end(), [](const std::string& f) { return !f.empty(); }))
        out.line("# Further comparison curves, shown beside CmpMeasFile:");
    for (std::size_t i = 0; i < kMoreComparisonKeys.size(); ++i)
        if (!more[i].empty()) out.value(kMoreComparisonKeys[i], more[i]);
    out.line("# Store file dialog entries:");
    std::string text = out.text();
    for (std::size_t i = 0; i < kInfoKeys.size(); ++i) {
        text += std::string(kInfoKeys[i]) + "=" + JoinInfoTexts(settings.InfoTexts[i]) + "\r\n";
    }
    return text;
}

bool WriteSettings(const std::filesystem::path& path, const Settings& settings,
                   MessageService& messages) {
    // The user's settings folder is made on the first exit; a failure shows in the write.
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return ReplaceFileOrReport(path, SettingsFileText(settings), messages);
}

} // namespace terzlab
