#include "files/impedance_file.h"

#include "analysis/constants.h"
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

ImpedanceFileRead ReadImpedanceFile(const std::filesystem::path& path, MessageService& messages) {
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
