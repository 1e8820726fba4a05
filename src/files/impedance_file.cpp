#include "files/impedance_file.h"

#include "analysis/constants.h"
#include "files/curve_text.h"
#include "files/disp_oct.h"
#include "files/numbers.h"
#include "text/translate.h"

namespace terzlab {
namespace {

// The impedance info line: "Info", Rv, M+, Vol, the values as the user typed them.
std::optional<double> InfoAddedMass(DispOct& store, const std::filesystem::path& path) {
    if (!store.File.open(path)) return {};
    const std::string text = GetKeyValue(store, "Info", 0, 2, '\t', true);
    store.File.close();
    const double grams = ParseNumber(text);
    if (isNoValue(grams) || !(grams > 0.0)) return {};
    return grams;
}

} // namespace

namespace {

// Another tool's curve at its own points; a file that calls itself a level is refused.
ImpedanceFileRead ReadForeign(const std::filesystem::path& path) {
    ImpedanceFileRead read;
    CurveText curve;
    if (!ReadCurveText(path, curve, read.Refusal)) return read;
    if (curve.Kind == CurveKind::Level) {
        read.Refusal = text::arg(
            text::translate("DataFiles", "Die Datei %1 ist keine Impedanzkurve (sie nennt Pegel "
                                         "in dB)"),
            {path.string()});
        return read;
    }
    // As for a measurement file: points without current have no impedance to fit, and a phase
    // of 0 throughout (written where none was measured) is no phase.
    read.Curve.HasPhase = false;
    for (const CurveTextPoint& p : curve.Points) {
        if (!(p.Value > 0.0) || p.Value >= kOpenCircuit) continue;
        const double phase = curve.HasPhase ? p.Phase : 0.0;
        read.Curve.HasPhase = read.Curve.HasPhase || phase != 0.0;
        read.Curve.Bands.push_back({p.Freq, p.Value, phase});
    }
    read.Title = path.filename().string();
    read.Ok = true;
    return read;
}

} // namespace

ImpedanceFileRead ReadImpedanceFile(const std::filesystem::path& path, MessageService& messages) {
    if (IsCurveTextFile(path)) return ReadForeign(path);
    ImpedanceFileRead read;
    DispOct store;
    const FileProbe probe = ProbeFile(store, path, kOctMask);
    if (probe.Type != kCurveImpedance) {
        std::error_code error;
        const std::string pattern =
            std::filesystem::is_regular_file(path, error)
                ? text::translate("DataFiles", "Die Datei %1 ist keine Impedanzmessung "
                                               "(Terzlab-Messdatei mit Titel)")
                : text::translate("DataFiles", "Die Datei %1 fehlt oder ist nicht lesbar");
        read.Refusal = text::arg(pattern, {path.string()});
        return read;
    }
    if (!LoadProbedFile(store, kComparisonSlot, path, probe, CorrectionCurve::kEntries - 1,
                        messages))
        return read;
    read.Ok = true;
    read.Curve = ImpedanceCurveOf(store.Curves[kComparisonSlot]);
    read.Title = probe.Title;
    read.AddedMassGrams = InfoAddedMass(store, path);
    return read;
}

} // namespace terzlab
