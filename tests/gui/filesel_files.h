#pragma once
// Measurement files as the tests need them, written into the test's own folder.
#include "files/disp_oct.h"
#include "files/measurement_writer.h"

#include <string>

namespace terzlab::test {

// A whole measurement file as the program writes it: every band at `value`. Type 0 writes a
// level file, 3 an impedance file.
inline std::string measurementFile(const std::string& title, double value, int measType = 0) {
    BandState bands;
    bands.Table.LastBand = 134;
    for (int band = 0; band <= 135; ++band)
        bands.Table.BandFreq.push_back(NominalBandFreq(band));
    bands.BandValue.assign(135, value);
    return MeasurementFileText({.Title = title, .MeasTypeIndex = static_cast<int16_t>(measType)},
                               bands);
}

} // namespace terzlab::test
