#pragma once
// The command line of terzlab-ts.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace terzlab::ts {

struct TsOptions {
    std::optional<double> Re;        // ohm, measured with an ohmmeter
    std::optional<double> AddedMass; // grams
    std::optional<double> SdCm2;     // effective cone area, from --sd or --diameter
    std::string LoadedPath;          // the curve measured with the added mass
    std::string Path;
};

struct ParsedTsOptions {
    std::optional<TsOptions> Options;
    std::string Error; // set when Options is empty
};

ParsedTsOptions ParseTsOptions(std::span<const std::string> args);

inline constexpr std::string_view kTsUsage =
    "terzlab-ts [--re OHMS] [--added-mass GRAMS --loaded LOADED.oct] "
    "[--sd CM2 | --diameter CM] FILE.oct";

} // namespace terzlab::ts
