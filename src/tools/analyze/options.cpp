#include "analyze/options.h"
#include "analysis/meas_type.h"
#include "files/export_writer.h"
#include "text/translate.h"
#include "tools/tool_messages.h"
#include <charconv>
#include <cmath>
#include <functional>
#include <map>

namespace terzlab::analyze {
namespace {

using Setter = std::function<std::string(AnalyzeOptions&, const std::string&)>;

std::optional<double> ToNumber(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) return {};
    return value;
}

std::optional<int32_t> ToCount(const std::string& text, int32_t min, int32_t max) {
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max) return {};
    return value;
}

std::string SetType(AnalyzeOptions& o, const std::string& v) {
    if (v == "2")
        return text::translate("AnalyzeTool",
                               "Die Polungsmessung (--type 2) wird nicht gespeichert und ist daher "
                               "nicht auswertbar");
    if (v != "0" && v != "1" && v != "3" && v != "4")
        return tools::InvalidValue("--type", v, "0, 1, 3, 4");
    o.Type = *MeasTypeOf(v[0] - '0');
    return {};
}

std::string SetChannel(AnalyzeOptions& o, const std::string& v) {
    if (v != "left" && v != "right") return tools::InvalidValue("--channel", v, "left, right");
    o.ActiveChannel = v == "left" ? 0 : 1;
    return {};
}

std::string SetBlocks(AnalyzeOptions& o, const std::string& v) {
    const auto n = ToCount(v, 1, kMaxBlocks);
    if (!n)
        return tools::InvalidValue("--blocks", v,
                                   text::translate("AnalyzeTool", "ganze Zahl von 1 bis 32767"));
    o.Blocks = *n;
    return {};
}

std::string SetSkip(AnalyzeOptions& o, const std::string& v) {
    const auto n = ToCount(v, 0, INT32_MAX);
    if (!n)
        return tools::InvalidValue("--skip", v, text::translate("AnalyzeTool", "ganze Zahl ab 0"));
    o.Skip = *n;
    return {};
}

std::string SetResolution(AnalyzeOptions& o, const std::string& v) {
    if (v != "3" && v != "6" && v != "12")
        return tools::InvalidValue("--resolution", v, "3, 6, 12");
    o.FreqResIndex = v == "3" ? 0 : (v == "6" ? 1 : 2);
    return {};
}

std::string SetResistor(AnalyzeOptions& o, const std::string& v) {
    // The program's own input field accepts exactly this range.
    const auto r = ToNumber(v);
    if (!r || *r < 0.1 || *r > 100)
        return tools::InvalidValue("--rv", v,
                                   text::translate("AnalyzeTool", "Zahl von 0.1 bis 100"));
    o.SeriesResistor = static_cast<float>(*r);
    return {};
}

Setter DbSetter(std::string_view option, std::function<double&(AnalyzeOptions&)> target) {
    return [option, target](AnalyzeOptions& o, const std::string& v) -> std::string {
        const auto db = ToNumber(v);
        if (!db || std::fabs(*db) > 1000)
            return tools::InvalidValue(option, v, text::translate("AnalyzeTool", "Zahl in dB"));
        target(o) = *db;
        return {};
    };
}

Setter TextSetter(std::string AnalyzeOptions::*field) {
    return [field](AnalyzeOptions& o, const std::string& v) -> std::string {
        if (v.empty() && field != &AnalyzeOptions::Title)
            return text::translate("AnalyzeTool", "Leerer Dateiname");
        o.*field = v;
        return {};
    };
}

const std::map<std::string, Setter, std::less<>>& ValueOptions() {
    static const std::map<std::string, Setter, std::less<>> options = {
        {"--type", SetType},
        {"--channel", SetChannel},
        {"--blocks", SetBlocks},
        {"--skip", SetSkip},
        {"--resolution", SetResolution},
        {"--rv", SetResistor},
        {"--calib-left",
         DbSetter("--calib-left", [](AnalyzeOptions& o) -> double& { return o.CalibValue[0]; })},
        {"--calib-right",
         DbSetter("--calib-right", [](AnalyzeOptions& o) -> double& { return o.CalibValue[1]; })},
        {"--level-offset",
         DbSetter("--level-offset", [](AnalyzeOptions& o) -> double& { return o.LevelCorr5; })},
        {"--sensor", TextSetter(&AnalyzeOptions::SensorPath)},
        {"--reference", TextSetter(&AnalyzeOptions::ReferencePath)},
        {"--title", TextSetter(&AnalyzeOptions::Title)},
        {"--png", TextSetter(&AnalyzeOptions::PngPath)},
        {"--svg", TextSetter(&AnalyzeOptions::SvgPath)},
        {"--export", TextSetter(&AnalyzeOptions::ExportPath)},
        {"--out", TextSetter(&AnalyzeOptions::OutPath)},
    };
    return options;
}

std::string TakeFlag(AnalyzeOptions& o, std::string_view arg) {
    if (arg == "--exchange") {
        o.ExchangeChannel = true;
    } else if (arg == "--no-wide-range") {
        o.WideRange = false;
    } else {
        return tools::UnknownOption(arg);
    }
    return {};
}

std::string TakeFile(AnalyzeOptions& o, const std::string& arg) {
    if (o.RecordingPath.empty()) {
        o.RecordingPath = arg;
    } else if (o.Part2Path.empty()) {
        o.Part2Path = arg;
    } else {
        return text::arg(text::translate("AnalyzeTool", "Zu viele Aufnahmen angegeben: %1"), {arg});
    }
    return {};
}

std::string CheckExport(const AnalyzeOptions& o) {
    if (o.ExportPath.empty()) return {};
    const auto format = ExportFormatFor(o.ExportPath);
    if (!format)
        return text::arg(text::translate("AnalyzeTool",
                                         "--export kennt nur die Endungen .frd, .zma und .csv: %1"),
                         {o.ExportPath});
    return ExportKindRefusal(*format, IsImpedanceType(o.Type));
}

// The curves are refused where the program's main window would not let them be switched on.
std::string CheckCombination(const AnalyzeOptions& o) {
    if (o.OutPath.empty())
        return text::translate("AnalyzeTool", "Keine Ausgabedatei angegeben (--out FILE.oct)");
    if (o.RecordingPath.empty())
        return text::translate("AnalyzeTool", "Keine Aufnahme angegeben (RECORDING.wav)");
    const MeasTypeProperties& type = PropertiesOf(o.Type);
    const bool twoParts = type.TwoParts;
    if (twoParts && o.Part2Path.empty()) {
        return text::translate(
            "AnalyzeTool",
            "Die Impedanzmessung (1-kanalig) braucht die Aufnahme des 2. Teils (PART2.wav)");
    }
    if (!twoParts && !o.Part2Path.empty()) {
        return text::arg(
            text::translate("AnalyzeTool", "Eine zweite Aufnahme gibt es nur bei --type 3: %1"),
            {o.Part2Path});
    }
    if (!o.SensorPath.empty() && !type.Sensor) {
        return text::translate("AnalyzeTool",
                               "Eine Sensorkompensation gibt es nur bei --type 0 und 1");
    }
    if (!o.ReferencePath.empty() && type.Reference == CurveKind::None) {
        return text::translate("AnalyzeTool",
                               "Eine Referenzkurve gibt es nur bei --type 0, 1 und 4");
    }
    return CheckExport(o);
}

} // namespace

ParsedOptions ParseOptions(std::span<const std::string> args) {
    AnalyzeOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string error;
        const auto valued = ValueOptions().find(arg);
        if (valued != ValueOptions().end()) {
            if (i + 1 >= args.size()) return {{}, tools::MissingValue(arg)};
            error = valued->second(options, args[++i]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = TakeFlag(options, arg);
        } else {
            error = TakeFile(options, arg);
        }
        if (!error.empty()) return {{}, error};
    }
    std::string error = CheckCombination(options);
    if (!error.empty()) return {{}, error};
    return {options, {}};
}

} // namespace terzlab::analyze
