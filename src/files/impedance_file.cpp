#include "files/impedance_file.h"

#include "files/disp_oct.h"

namespace terzlab {

ImpedanceFileRead ReadImpedanceFile(const std::filesystem::path& path, MessageService& messages) {
    ImpedanceFileRead read;
    DispOct store;
    const FileProbe probe = ProbeFile(store, path, kOctMask);
    if (probe.Type != kCurveImpedance) {
        std::error_code error;
        read.Refusal = std::filesystem::is_regular_file(path, error)
                           ? "Die Datei " + path.string() +
                                 " ist keine Impedanzmessung (Terzlab-Messdatei mit Titel)"
                           : "Die Datei " + path.string() + " fehlt oder ist nicht lesbar";
        return read;
    }
    if (!LoadProbedFile(store, kComparisonSlot, path, probe, CorrectionCurve::kEntries - 1,
                        messages))
        return read;
    read.Ok = true;
    read.Curve = ImpedanceCurveOf(store.Curves[kComparisonSlot]);
    read.Title = probe.Title;
    return read;
}

} // namespace terzlab
