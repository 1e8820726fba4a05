#include "ts/ts_options.h"
#include "analysis/thiele_small.h"
#include "text/translate.h"
#include "tools/tool_messages.h"
#include <algorithm>
#include <charconv>
#include <cmath>

namespace terzlab::ts {
namespace {

// The command line as given, before the combinations are checked.
struct Given {
    std::optional<double> Re, Sd, Diameter, Vb, Fb, Ql;
    std::vector<double> Masses;
    std::vector<std::string> LoadedPaths;
    std::string Box;
    std::string Model = "lossy";
};

struct NumberOption {
    std::string_view Name;
    double Max; // values above 0 up to this
    std::optional<double> Given::*Target;
};

constexpr NumberOption kNumbers[] = {
    {"--re", 1000.0, &Given::Re},   {"--added-mass", 10000.0, nullptr},
    {"--sd", 100000.0, &Given::Sd}, {"--diameter", 400.0, &Given::Diameter},
    {"--vb", 100000.0, &Given::Vb}, {"--fb", 1000.0, &Given::Fb},
    {"--ql", 1000.0, &Given::Ql},
};
constexpr std::string_view kTextOptions[] = {"--loaded", "--model", "--box", "--response"};
constexpr std::size_t kMaxLoaded = 2;

std::optional<double> ToPositive(const std::string& text, double max) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !(value > 0.0) || value > max) return {};
    return value;
}

std::string Invalid(std::string_view option, const std::string& value, double max) {
    char limit[32];
    const auto r = std::to_chars(limit, limit + sizeof limit, max);
    return tools::InvalidValue(option, value,
                               text::arg(text::translate("TsTool", "Zahl über 0 bis %1"),
                                         {std::string_view(limit, r.ptr)}));
}

std::string CheckMasses(const Given& g) {
    if (g.Masses.size() > g.LoadedPaths.size())
        return text::translate(
            "TsTool", "--added-mass braucht die Messung mit Zusatzmasse (--loaded LOADED.oct)");
    if (g.Masses.size() < g.LoadedPaths.size())
        return text::translate("TsTool", "--loaded braucht die Zusatzmasse (--added-mass GRAMS)");
    if (g.Masses.size() > kMaxLoaded)
        return text::translate("TsTool",
                               "--added-mass und --loaded dürfen höchstens zweimal stehen");
    return {};
}

std::string CheckBox(const Given& g, bool align, bool response) {
    const bool vented = g.Box == "vented";
    if (!g.Box.empty() && !g.Vb)
        return text::translate("TsTool", "--box braucht das Volumen (--vb LITRES)");
    if (vented && !g.Fb)
        return text::translate("TsTool", "--box vented braucht die Abstimmfrequenz (--fb HZ)");
    if (!vented && (g.Fb || g.Ql))
        return text::translate("TsTool", "--fb und --ql gelten nur mit --box vented");
    if (g.Box.empty() && g.Vb) return text::translate("TsTool", "--vb gilt nur mit --box");
    if (response && g.Box.empty())
        return text::translate("TsTool", "--response braucht ein Gehäuse (--box)");
    const bool vas = (g.Sd || g.Diameter) && !g.Masses.empty();
    if ((!g.Box.empty() || align) && !vas)
        return text::translate("TsTool",
                               "Gehäuse brauchen Vas und damit --sd oder --diameter und die "
                               "Zusatzmassen-Messung (--added-mass und --loaded)");
    return {};
}

std::string CheckCombination(const TsOptions& o, const Given& g) {
    if (o.Path.empty())
        return text::translate("TsTool", "Keine Impedanzmessung angegeben (FILE.oct)");
    if (std::string error = CheckMasses(g); !error.empty()) return error;
    if (g.Sd && g.Diameter)
        return text::translate("TsTool", "--sd und --diameter schließen einander aus");
    if ((g.Sd || g.Diameter) && g.Masses.empty())
        return text::translate(
            "TsTool",
            "Vas braucht Cms und damit die Zusatzmassen-Messung (--added-mass und --loaded)");
    return CheckBox(g, o.Align, !o.ResponsePath.empty());
}

// A word option's value; empty with the error set when it is none of the allowed.
std::string TextValue(const std::string& option, const std::string& value, std::string& error) {
    const auto allowed = [&](std::string_view a, std::string_view b) {
        if (value == a || value == b) return value;
        error = tools::InvalidValue(option, value, std::string(a) + ", " + std::string(b));
        return std::string();
    };
    if (option == "--model") return allowed("lossy", "classic");
    if (option == "--box") return allowed("closed", "vented");
    if (value.empty())
        error = text::arg(text::translate("TsTool", "Leerer Dateiname bei %1"), {option});
    return value;
}

TsOptions Finish(TsOptions o, const Given& g) {
    o.Re = g.Re;
    o.SdCm2 = g.Diameter ? std::optional(ConeAreaCm2(*g.Diameter)) : g.Sd;
    o.Coil = g.Model == "classic" ? CoilModel::Classic : CoilModel::Lossy;
    for (std::size_t i = 0; i < g.Masses.size(); ++i)
        o.Loaded.push_back({g.Masses[i], g.LoadedPaths[i]});
    if (!g.Box.empty()) {
        o.Box = BoxDesign{g.Box == "vented" ? BoxKind::Vented : BoxKind::Closed, *g.Vb,
                          g.Fb.value_or(0.0), g.Ql.value_or(7.0)};
    }
    return o;
}

} // namespace

ParsedTsOptions ParseTsOptions(std::span<const std::string> args) {
    TsOptions o;
    Given g;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto number = std::find_if(std::begin(kNumbers), std::end(kNumbers),
                                         [&](const NumberOption& n) { return n.Name == arg; });
        const bool word = std::find(std::begin(kTextOptions), std::end(kTextOptions), arg) !=
                          std::end(kTextOptions);
        if ((number != std::end(kNumbers) || word) && i + 1 >= args.size())
            return {{}, tools::MissingValue(arg)};
        if (number != std::end(kNumbers)) {
            const std::optional<double> value = ToPositive(args[++i], number->Max);
            if (!value) return {{}, Invalid(arg, args[i], number->Max)};
            if (number->Target == nullptr) {
                g.Masses.push_back(*value);
            } else {
                g.*number->Target = value;
            }
        } else if (word) {
            std::string error;
            const std::string value = TextValue(arg, args[++i], error);
            if (!error.empty()) return {{}, error};
            if (arg == "--loaded") g.LoadedPaths.push_back(value);
            if (arg == "--model") g.Model = value;
            if (arg == "--box") g.Box = value;
            if (arg == "--response") o.ResponsePath = value;
        } else if (arg == "--align") {
            o.Align = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return {{}, tools::UnknownOption(arg)};
        } else if (!o.Path.empty()) {
            return {{},
                    text::arg(text::translate("TsTool", "Zu viele Dateien angegeben: %1"), {arg})};
        } else {
            o.Path = arg;
        }
    }
    if (std::string error = CheckCombination(o, g); !error.empty()) return {{}, error};
    return {Finish(std::move(o), g), {}};
}

} // namespace terzlab::ts
