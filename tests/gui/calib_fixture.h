#pragma once
// Calibration dialogs over a main window on the virtual card: the generator's calibration sines
// copied into the temporary program folder, and sines with chosen harmonics written on demand.
#include "gui_fixture.h"

#include <QString>

#include <vector>

namespace terzlab::test {

// A looped 16-bit stereo WAV of `period` samples per cycle; amplitudes[h] (full scale = 1) is
// the amplitude of harmonic h + 1.
void writeSineWav(const QString& path, int period, const std::vector<double>& amplitudes);

class CalibTest : public GuiTest {
  protected:
    void SetUp() override;
    QString programFile(const char* name) const;
};

} // namespace terzlab::test
