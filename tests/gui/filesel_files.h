#pragma once
// Measurement files as the tests need them, written into the test's own folder.
#include "files/measurement_writer.h"
#include "files/support.h"

#include <string>

namespace terzlab::test {

// A whole measurement file as the program writes it: every band at `value`.
inline std::string measurementFile(const std::string& title, double value,
                                   MeasType type = MeasType::LevelOneChannel) {
    return MeasurementFileText({.Title = title, .Type = type}, Bands(134, value));
}

} // namespace terzlab::test
