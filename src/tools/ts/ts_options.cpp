#include "ts/ts_options.h"
#include "analysis/thiele_small.h"
#include "text/translate.h"
#include "tools/tool_messages.h"
#include <algorithm>
#include <charconv>
#include <cmath>

namespace terzlab::ts {
namespace {

struct NumberOption {
    std::string_view Name;
    double Max; // values above 0 up to this
    std::optional<double> TsOptions::*Target;
};

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

std::string CheckCombination(const TsOptions& o, bool diameterGiven) {
    if (o.Path.empty())
        return text::translate("TsTool", "Keine Impedanzmessung angegeben (FILE.oct)");
    if (o.AddedMass && o.LoadedPath.empty())
        return text::translate(
            "TsTool", "--added-mass braucht die Messung mit Zusatzmasse (--loaded LOADED.oct)");
    if (!o.AddedMass && !o.LoadedPath.empty())
        return text::translate("TsTool", "--loaded braucht die Zusatzmasse (--added-mass GRAMS)");
    if (o.SdCm2 && diameterGiven)
        return text::translate("TsTool", "--sd und --diameter schließen einander aus");
    if ((o.SdCm2 || diameterGiven) && !o.AddedMass)
        return text::translate(
            "TsTool",
            "Vas braucht Cms und damit die Zusatzmassen-Messung (--added-mass und --loaded)");
    return {};
}

} // namespace

ParsedTsOptions ParseTsOptions(std::span<const std::string> args) {
    static const NumberOption kNumbers[] = {
        {"--re", 1000.0, &TsOptions::Re},
        {"--added-mass", 10000.0, &TsOptions::AddedMass},
        {"--sd", 100000.0, &TsOptions::SdCm2},
    };
    TsOptions o;
    std::optional<double> diameter;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool valued = arg == "--loaded" || arg == "--diameter" ||
                            std::any_of(std::begin(kNumbers), std::end(kNumbers),
                                        [&](const NumberOption& n) { return n.Name == arg; });
        if (valued && i + 1 >= args.size()) return {{}, tools::MissingValue(arg)};
        if (arg == "--loaded") {
            o.LoadedPath = args[++i];
            if (o.LoadedPath.empty())
                return {{}, text::translate("TsTool", "Leerer Dateiname bei --loaded")};
        } else if (arg == "--diameter") {
            diameter = ToPositive(args[++i], 400.0);
            if (!diameter) return {{}, Invalid(arg, args[i], 400.0)};
        } else if (valued) {
            for (const NumberOption& n : kNumbers) {
                if (n.Name != arg) continue;
                o.*n.Target = ToPositive(args[++i], n.Max);
                if (!(o.*n.Target)) return {{}, Invalid(arg, args[i], n.Max)};
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return {{}, tools::UnknownOption(arg)};
        } else if (!o.Path.empty()) {
            return {{},
                    text::arg(text::translate("TsTool", "Zu viele Dateien angegeben: %1"), {arg})};
        } else {
            o.Path = arg;
        }
    }
    if (std::string error = CheckCombination(o, diameter.has_value()); !error.empty())
        return {{}, error};
    if (diameter) o.SdCm2 = ConeAreaCm2(*diameter);
    return {o, {}};
}

} // namespace terzlab::ts
