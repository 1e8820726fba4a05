#pragma once
// Measurement files as the tests need them, written into the test's own folder.
#include "files/measurement_writer.h"
#include "files/support.h"

#include <string>

namespace terzlab::test {

// A whole measurement file as the program writes it: every band at `value`. Type 0 writes a
// level file, 3 an impedance file.
inline std::string measurementFile(const std::string& title, double value, int measType = 0) {
    return MeasurementFileText({.Title = title, .MeasTypeIndex = static_cast<int16_t>(measType)},
                               Bands(134, value));
}

} // namespace terzlab::test
