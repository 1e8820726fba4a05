#include "analyze/sweep_options.h"

#include "analyze/options.h"
#include "files/locations.h"
#include "text/translate.h"
#include "tools/tool_messages.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

namespace terzlab::analyze {
namespace {

using Setter = std::function<std::string(SweepOptions&, const std::string&)>;

std::string SetSide(std::string_view option, const std::string& v, int& side) {
    if (v != "left" && v != "right") return tools::InvalidValue(option, v, "left, right");
    side = v == "left" ? 0 : 1;
    return {};
}

Setter MsSetter(std::string_view option, double sweep::Gate::*field) {
    return [option, field](SweepOptions& o, const std::string& v) -> std::string {
        double ms = 0;
        const char* end = v.data() + v.size();
        const auto [ptr, ec] = std::from_chars(v.data(), end, ms);
        if (v.empty() || ec != std::errc() || ptr != end || !std::isfinite(ms))
            return tools::InvalidValue(option, v, text::translate("AnalyzeTool", "Zahl in ms"));
        o.GateSettings.*field = ms;
        return {};
    };
}

Setter PathSetter(std::string SweepOptions::*field) {
    return [field](SweepOptions& o, const std::string& v) -> std::string {
        if (v.empty()) return text::translate("AnalyzeTool", "Leerer Dateiname");
        o.*field = v;
        return {};
    };
}

const std::map<std::string, Setter, std::less<>>& Setters() {
    static const std::map<std::string, Setter, std::less<>> setters = {
        {"--sweep", PathSetter(&SweepOptions::StimulusPath)},
        {"--channel",
         [](SweepOptions& o, const std::string& v) { return SetSide("--channel", v, o.Channel); }},
        {"--reference",
         [](SweepOptions& o, const std::string& v) {
             int side = 0;
             std::string error = SetSide("--reference", v, side);
             o.Reference = side;
             return error;
         }},
        {"--gate-ms", MsSetter("--gate-ms", &sweep::Gate::LengthMs)},
        {"--pre-ms", MsSetter("--pre-ms", &sweep::Gate::PreMs)},
        {"--window",
         [](SweepOptions& o, const std::string& v) -> std::string {
             const std::map<std::string, sweep::GateShape> shapes = {
                 {"rect", sweep::GateShape::Rect},
                 {"hann", sweep::GateShape::HalfHann},
                 {"tukey", sweep::GateShape::Tukey}};
             const auto found = shapes.find(v);
             if (found == shapes.end())
                 return tools::InvalidValue("--window", v, "rect, hann, tukey");
             o.GateSettings.Shape = found->second;
             return {};
         }},
        {"--ir", PathSetter(&SweepOptions::IrPath)},
        {"--frd", PathSetter(&SweepOptions::FrdPath)},
        {"--out", PathSetter(&SweepOptions::OutPath)},
        {"--distortion", PathSetter(&SweepOptions::DistortionPath)},
    };
    return setters;
}

// No output may land on an input or on another output.
std::string CheckPaths(const SweepOptions& o) {
    const std::vector<std::string> inputs = {o.StimulusPath, o.RecordingPath};
    const std::vector<std::string> outputs = {o.IrPath, o.FrdPath, o.OutPath, o.DistortionPath};
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (outputs[i].empty()) continue;
        for (const auto& in : inputs)
            if (SamePath(outputs[i], in))
                return text::arg(text::translate("AnalyzeTool", "Die Ausgabedatei %1 würde die "
                                                                "Eingabedatei überschreiben"),
                                 {outputs[i]});
        for (std::size_t j = i + 1; j < outputs.size(); ++j)
            if (SamePath(outputs[i], outputs[j]))
                return text::arg(
                    text::translate("AnalyzeTool", "Zwei Ausgaben nennen dieselbe Datei: %1"),
                    {outputs[i]});
    }
    return {};
}

} // namespace

bool IsSweepCommand(std::span<const std::string> args) {
    for (const std::string& arg : args)
        if (arg == "--sweep") return true;
    return false;
}

ParsedSweepOptions ParseSweepOptions(std::span<const std::string> args) {
    SweepOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string error;
        if (const auto found = Setters().find(arg); found != Setters().end()) {
            if (i + 1 >= args.size()) return {{}, tools::MissingValue(arg)};
            error = found->second(o, args[++i]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = tools::UnknownOption(arg);
        } else if (o.RecordingPath.empty()) {
            o.RecordingPath = arg;
        } else {
            error = text::arg(text::translate("AnalyzeTool", "Zu viele Aufnahmen angegeben: %1"),
                              {arg});
        }
        if (!error.empty()) return {{}, error};
    }
    if (o.RecordingPath.empty())
        return {{}, text::translate("AnalyzeTool", "Keine Aufnahme angegeben (RECORDING.wav)")};
    if (o.Reference && *o.Reference == o.Channel)
        return {
            {},
            text::translate("AnalyzeTool", "--reference muss der andere Kanal als --channel sein")};
    if (std::string error = CheckPaths(o); !error.empty()) return {{}, error};
    return {o, {}};
}

} // namespace terzlab::analyze
