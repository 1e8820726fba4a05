#include "files/ts_table.h"

#include "files/numbers.h"
#include "text/translate.h"

namespace terzlab {
namespace {

struct Figure {
    const char* Key;
    const char* Label; // shown translated; only labels that differ in English are marked
    const char* Unit;
    const char* Pattern;
};

constexpr Figure kFit[] = {
    {"fs_Hz", "fs", "Hz", "0.00"},
    {"Re_ohm", "Re", "Ohm", "0.000"},
    {"Zmax_ohm", "Zmax", "Ohm", "0.00"},
    {"Qms", "Qms", "", "0.000"},
    {"Qes", "Qes", "", "0.000"},
    {"Qts", "Qts", "", "0.000"},
    {"Le_mH", "Le", "mH", "0.000"},
    {"fit_rms_percent", TZ_TRANSLATE_NOOP("ThieleSmallTable", "Abweichung (RMS)"), "%", "0.00"},
};
constexpr Figure kMass[] = {
    {"Mms_g", "Mms", "g", "0.000"},
    {"Cms_mm_per_N", "Cms", "mm/N", "0.0000"},
    {"Bl_Tm", "Bl", "T m", "0.000"},
};
constexpr Figure kVas = {"Vas_l", "Vas", "l", "0.000"};

TsRow RowOf(const Figure& f, double value) {
    return {f.Key, text::translate("ThieleSmallTable", f.Label), f.Unit,
            FormatValue(value, f.Pattern)};
}

} // namespace

std::vector<TsRow> ThieleSmallRows(const ThieleSmallFit& fit, const MovingMass* mass,
                                   std::optional<double> sdCm2) {
    const DriverModel& m = fit.Model;
    const double fitValues[] = {m.Fs,  m.Re,    m.Zmax(),   m.Qms,
                                m.Qes, m.Qts(), m.Le * 1e3, fit.RmsPercent};
    std::vector<TsRow> rows;
    for (std::size_t i = 0; i < std::size(kFit); ++i)
        rows.push_back(RowOf(kFit[i], fitValues[i]));
    if (mass == nullptr) return rows;
    const double massValues[] = {mass->MmsGrams, mass->CmsMmPerN, mass->BlTm};
    for (std::size_t i = 0; i < std::size(kMass); ++i)
        rows.push_back(RowOf(kMass[i], massValues[i]));
    if (sdCm2) rows.push_back(RowOf(kVas, VasLitres(mass->CmsMmPerN, *sdCm2)));
    return rows;
}

std::string ThieleSmallText(const std::string& heading, const std::vector<TsRow>& rows) {
    std::string text = heading + '\n';
    for (const TsRow& row : rows)
        text += row.Label + '\t' + row.Value + '\t' + row.Unit + '\n';
    return text;
}

} // namespace terzlab
