#include "files/disp_oct.h"
#include "fuzz_input.h"

using namespace terzlab;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::WriteInput(data, size, "s.SEN");
    fuzz::SilentMessages messages;
    DispOct store;
    ProbeFile(store, path, kSensorMask);
    auto& curve = store.Curves[kSensorSlot];
    curve.CurveDir = path.parent_path().string();
    curve.CurveFile = path.filename().string();
    curve.CurveLoaded = 1;
    curve.CurveType = kCurveSensor;
    LoadCurve(store, kSensorSlot, 135, messages);
    return 0;
}
