#include "files/disp_oct.h"
#include "files/impedance_file.h"
#include "fuzz_input.h"

using namespace terzlab;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::WriteInput(data, size, "m.OCT");
    fuzz::SilentMessages messages;
    DispOct store;
    ProbeFile(store, path, kOctMask);
    for (int slot : {kReferenceSlot, kComparisonSlot}) {
        store.Curves[slot].CurveDir = path.parent_path().string();
        store.Curves[slot].CurveFile = path.filename().string();
        LoadCurve(store, slot, 135, messages);
    }
    // The Thiele-Small reader, with the added mass of the info line.
    ReadImpedanceFile(path, messages);
    return 0;
}
