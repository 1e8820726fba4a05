#include "files/curve_text.h"
#include "fuzz_input.h"

using namespace terzlab;

// A microphone's calibration file in the sensor slot: its response and sensitivity line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::WriteInput(data, size, "mic.txt");
    fuzz::SilentMessages messages;
    DispOct store;
    LoadCurveTextFile(store, kSensorSlot, path, CurveKind::Level, 135, messages);
    return 0;
}
