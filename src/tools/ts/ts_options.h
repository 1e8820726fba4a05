#pragma once
// The command line of terzlab-ts.
#include "analysis/box_design.h"
#include "analysis/thiele_small.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace terzlab::ts {

// A mass glued to the cone and the curve measured with it.
struct LoadedMeasurement {
    double AddedGrams = 0.0;
    std::string Path;
};

struct TsOptions {
    std::optional<double> Re;              // ohm, measured with an ohmmeter
    std::vector<LoadedMeasurement> Loaded; // one or two, paired in the order given
    std::optional<double> SdCm2;           // effective cone area, from --sd or --diameter
    CoilModel Coil = CoilModel::Lossy;
    std::optional<BoxDesign> Box;
    bool Align = false;
    std::string ResponsePath; // the predicted response of the box as FRD; empty for none
    std::string Path;
};

struct ParsedTsOptions {
    std::optional<TsOptions> Options;
    std::string Error; // set when Options is empty
};

ParsedTsOptions ParseTsOptions(std::span<const std::string> args);

inline constexpr std::string_view kTsUsage =
    "terzlab-ts [--re OHMS] [--model lossy|classic] [--added-mass GRAMS --loaded LOADED.oct "
    "(once or twice)] [--sd CM2 | --diameter CM] [--box closed --vb LITRES | --box vented --vb "
    "LITRES --fb HZ [--ql Q]] [--align] [--response OUT.frd] FILE.oct";

} // namespace terzlab::ts
