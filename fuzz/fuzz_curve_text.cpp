#include "files/curve_text.h"
#include "files/export_writer.h"
#include "files/impedance_file.h"
#include "fuzz_input.h"

using namespace terzlab;

// Another tool's curve as every reader takes it: a comparison on the band grid, an export's
// rows and its graph's bands, a Thiele-Small input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::WriteInput(data, size, "c.frd");
    fuzz::SilentMessages messages;
    DispOct store;
    LoadCurveTextFile(store, kComparisonSlot, path, CurveKind::None, 135, messages);
    ExportSource source;
    std::string error;
    if (ReadExportSource(path, source, error)) {
        OnBandGrid(source);
        ExportText(ExportFormat::Csv, source);
    }
    ReadImpedanceFile(path, messages);
    return 0;
}
