#pragma once
// What the Thiele-Small dialog's files share: its input fields with their captions and limits,
// and the curves it hands the window.
#include "files/numbers.h"
#include "platform/numeric_input.h"
#include "speaker/frm_thiele_small.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <array>
#include <cmath>
#include <string>

namespace terzlab::speaker::parts {

struct FieldSetup {
    const char* name;
    const char* caption;
    const char* label; // in the copied table
    const char* unit;
    double minimum;
    double maximum;
};

// The limits terzlab-ts accepts, from above 0: the smallest values no real driver goes below.
constexpr std::array<FieldSetup, kFieldCount> kFields = {{
    {"txtRe", QT_TRANSLATE_NOOP("frmThieleSmall", "Re (Gleichstrom) [Ohm]:"),
     QT_TRANSLATE_NOOP("frmThieleSmall", "Re (Gleichstrom)"), "Ohm", 0.1, 1000.0},
    {"txtMass", QT_TRANSLATE_NOOP("frmThieleSmall", "Zusatzmasse [g]:"),
     QT_TRANSLATE_NOOP("frmThieleSmall", "Zusatzmasse"), "g", 0.1, 10000.0},
    {"txtSd", "Sd [cm²]:", "Sd", "cm²", 1.0, 100000.0},
    {"txtDiameter", QT_TRANSLATE_NOOP("frmThieleSmall", "oder Durchmesser [cm]:"),
     QT_TRANSLATE_NOOP("frmThieleSmall", "Durchmesser"), "cm", 1.0, 400.0},
    {"txtMass2", QT_TRANSLATE_NOOP("frmThieleSmall", "2. Zusatzmasse [g]:"),
     QT_TRANSLATE_NOOP("frmThieleSmall", "2. Zusatzmasse"), "g", 0.1, 10000.0},
    {"txtVb", "Vb [l]:", "Vb", "l", 0.01, 100000.0},
    {"txtFb", "fb [Hz]:", "fb", "Hz", 1.0, 1000.0},
    {"txtQl", "QL:", "QL", "", 0.5, 1000.0},
}};
constexpr std::array<Field, 2> kMassFields = {kFieldMass, kFieldMass2};
// The box's response from a tenth of the resonance to 1 kHz, as terzlab-ts writes it.
constexpr double kResponseTopHz = 1000.0;

inline QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Numbers as a person reads them, without the thousands' separator a field would refuse.
inline QLocale ShownLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// A number as a person reads it: with the locale's decimal separator.
inline QString Shown(const std::string& pointed) {
    return Text(WithSeparator(pointed, platform::UserDecimalSeparator()));
}

// A curve every 1/48 octave from `from` to `to`.
template <typename Value>
ModelCurve CurveOf(const char* legend, double from, double to, Value value) {
    ModelCurve curve;
    curve.Legend = QCoreApplication::translate("frmThieleSmall", legend).toStdString();
    const int steps = static_cast<int>(std::ceil(48.0 * std::log2(to / from)));
    for (int k = 0; k <= steps; ++k) {
        const double f = std::min(from * std::exp2(k / 48.0), to);
        curve.Freq.push_back(f);
        curve.Value.push_back(value(f));
    }
    return curve;
}

} // namespace terzlab::speaker::parts
