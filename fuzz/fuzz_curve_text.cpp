#include "files/curve_text.h"
#include "files/export_writer.h"
#include "fuzz_input.h"

using namespace terzlab;

// Another tool's curve as the readers take it: from its file into the comparison slot on the
// band grid, and as an export's rows, written again and put on the grid for a graph.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::WriteInput(data, size, "c.frd");
    fuzz::SilentMessages messages;
    DispOct store;
    LoadCurveTextFile(store, kComparisonSlot, path, CurveKind::None, 135, messages);
    CurveText curve;
    std::string error;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (ParseCurveText(bytes, "c.csv", CurveKind::Impedance, curve, error)) {
        ExportSource source;
        source.BandGrid = false;
        source.PhaseMeasured = curve.HasPhase;
        for (const CurveTextPoint& p : curve.Points)
            source.Rows.push_back({p.Freq, p.Value, curve.HasPhase ? p.Phase : 0.0});
        ExportText(ExportFormat::Csv, source);
        ExportText(ExportFormat::Csv, OnBandGrid(source));
    }
    return 0;
}
