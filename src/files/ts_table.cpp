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
// The lossy coil's figures beside Le.
constexpr Figure kLossyCoil[] = {
    {"Ke", "Ke", "Ohm s^n", "0.000000"},
    {"Ke_exponent", "n", "", "0.000"},
    {"R2_ohm", "R2", "Ohm", "0.00"},
};
constexpr Figure kMass[] = {
    {"Mms_g", "Mms", "g", "0.000"},
    {"Cms_mm_per_N", "Cms", "mm/N", "0.0000"},
    {"Bl_Tm", "Bl", "T m", "0.000"},
};
constexpr Figure kSpread = {"Mms_spread_percent",
                            TZ_TRANSLATE_NOOP("ThieleSmallTable", "Mms-Streuung"), "%", "0.00"};
constexpr Figure kVas = {"Vas_l", "Vas", "l", "0.000"};

constexpr Figure kClosed[] = {
    {"Qtc", "Qtc", "", "0.000"},
    {"fc_Hz", "fc", "Hz", "0.00"},
};
constexpr Figure kF3 = {"f3_Hz", "f3", "Hz", "0.00"};
constexpr Figure kExtremum[] = {
    {"peak_db", TZ_TRANSLATE_NOOP("ThieleSmallTable", "Spitze/Senke"), "dB", "0.00"},
    {"peak_Hz", TZ_TRANSLATE_NOOP("ThieleSmallTable", "bei"), "Hz", "0.00"},
};
constexpr Figure kClosedAlignment[] = {
    {"closed_vb_l", TZ_TRANSLATE_NOOP("ThieleSmallTable", "Vb geschlossen (Qtc 0,707)"), "l",
     "0.000"},
    {"closed_f3_Hz", TZ_TRANSLATE_NOOP("ThieleSmallTable", "f3 geschlossen"), "Hz", "0.00"},
};
constexpr Figure kVentedAlignment[] = {
    {"vented_vb_l", TZ_TRANSLATE_NOOP("ThieleSmallTable", "Vb Bassreflex (QB3, QL 7)"), "l",
     "0.000"},
    {"vented_fb_Hz", TZ_TRANSLATE_NOOP("ThieleSmallTable", "fb Bassreflex"), "Hz", "0.00"},
    {"vented_f3_Hz", TZ_TRANSLATE_NOOP("ThieleSmallTable", "f3 Bassreflex"), "Hz", "0.00"},
};

TsRow RowOf(const Figure& f, double value) {
    return {f.Key, text::translate("ThieleSmallTable", f.Label), f.Unit,
            FormatValue(value, f.Pattern)};
}

template <std::size_t N>
void AddRows(std::vector<TsRow>& rows, const Figure (&figures)[N], const double (&values)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        rows.push_back(RowOf(figures[i], values[i]));
}

} // namespace

std::vector<TsRow> ThieleSmallRows(const ThieleSmallFit& fit, const MovingMass* mass,
                                   std::optional<double> sdCm2) {
    const DriverModel& m = fit.Model;
    std::vector<TsRow> rows;
    const double fitValues[] = {m.Fs,  m.Re,    m.Zmax(),   m.Qms,
                                m.Qes, m.Qts(), m.Le * 1e3, fit.RmsPercent};
    AddRows(rows, kFit, fitValues);
    if (m.Coil == CoilModel::Lossy) {
        // Beside Le, before the fit's quality.
        std::vector<TsRow> coil;
        AddRows(coil, kLossyCoil, {m.K, m.N, m.R2()});
        rows.insert(rows.end() - 1, coil.begin(), coil.end());
    }
    if (mass == nullptr) return rows;
    AddRows(rows, kMass, {mass->MmsGrams, mass->CmsMmPerN, mass->BlTm});
    if (mass->SpreadPercent >= 0.0) rows.push_back(RowOf(kSpread, mass->SpreadPercent));
    if (sdCm2) rows.push_back(RowOf(kVas, VasLitres(mass->CmsMmPerN, *sdCm2)));
    return rows;
}

std::vector<TsRow> BoxRows(const BoxDesign& box, const BoxFigures& figures) {
    std::vector<TsRow> rows;
    if (box.Kind == BoxKind::Closed) AddRows(rows, kClosed, {figures.Qtc, figures.FcHz});
    rows.push_back(RowOf(kF3, figures.F3Hz));
    if (figures.Extremum) AddRows(rows, kExtremum, {figures.Extremum->Db, figures.Extremum->Hz});
    return rows;
}

std::vector<TsRow> AlignmentRows(const Alignments& a) {
    std::vector<TsRow> rows;
    if (a.ClosedError.empty()) AddRows(rows, kClosedAlignment, {a.ClosedVbLitres, a.ClosedF3Hz});
    if (a.VentedError.empty()) {
        AddRows(rows, kVentedAlignment, {a.VentedVbLitres, a.VentedFbHz, a.VentedF3Hz});
    }
    return rows;
}

std::string ThieleSmallText(const std::string& heading, const std::vector<TsRow>& rows) {
    std::string text = heading + '\n';
    for (const TsRow& row : rows)
        text += row.Label + '\t' + row.Value + '\t' + row.Unit + '\n';
    return text;
}

} // namespace terzlab
