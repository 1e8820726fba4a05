#pragma once
// The Thiele-Small figures as the program's dialog and terzlab-ts show them: one row per figure
// with its key for name=value output, the label and unit people read, and the value written at
// its precision with a decimal point.
#include "analysis/box_design.h"
#include "analysis/thiele_small.h"

#include <optional>
#include <string>
#include <vector>

namespace terzlab {

struct TsRow {
    std::string Key;   // fs_Hz
    std::string Label; // fs
    std::string Unit;  // Hz; empty for the Q values
    std::string Value; // 45.02
};

// The fit's figures (with the lossy coil's beside Le) and its quality; with the added-mass result
// also Mms, Cms and Bl (and with two masses their spread), and with it and the cone area Vas.
std::vector<TsRow> ThieleSmallRows(const ThieleSmallFit& fit, const MovingMass* mass = nullptr,
                                   std::optional<double> sdCm2 = {});

// A box's figures: Qtc and fc of a closed box, f3, and the response's peak or dip if it has one.
std::vector<TsRow> BoxRows(const BoxDesign& box, const BoxFigures& figures);

// The alignments the driver suits; one it does not suit leaves its rows out (its error says why).
std::vector<TsRow> AlignmentRows(const Alignments& alignments);

// The rows as text to paste into a spreadsheet or a mail: the heading, then one line
// "label TAB value TAB unit" per row, each line ended by "\n".
std::string ThieleSmallText(const std::string& heading, const std::vector<TsRow>& rows);

} // namespace terzlab
