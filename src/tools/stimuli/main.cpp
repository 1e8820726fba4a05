// Writes the program's stimulus files into the folder given as the only argument.
#include "stimuli/crest.h"
#include "stimuli/signals.h"
#include "stimuli/sweep_command.h"
#include "stimuli/wav_file.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace terzlab::stimuli;

namespace {

bool write(const std::string& folder, const char* name, const PeriodicSignal& signal) {
    const std::string path = folder + "/" + name;
    if (!writeStereoWav(path, toSamples(signal))) {
        std::fprintf(stderr, "Die Datei %s kann nicht geschrieben werden!\n", path.c_str());
        return false;
    }
    const double rms = rmsOf(signal.period);
    std::printf("%-18s Periode %6zu, Scheitelfaktor %.2f\n", name, signal.period.size(),
                rms > 0.0 ? peakOf(signal.period) / rms : 0.0);
    return true;
}

bool writeCalibrationSines(const std::string& folder) {
    const struct {
        const char* name;
        int period;
        double level;
    } sines[] = {{"Sin_0050_100.wav", 910, 1.0},  {"Sin_0050_010.wav", 910, 0.1},
                 {"Sin_0050_001.wav", 910, 0.01}, {"Sin_1000_100.wav", 45, 1.0},
                 {"Sin_1000_010.wav", 45, 0.1},   {"Sin_1000_001.wav", 45, 0.01}};
    bool ok = true;
    for (const auto& s : sines) {
        ok = write(folder, s.name, calibrationSine(s.period, s.level)) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& arg : args)
        if (arg == "--sweep") return RunSweepCommand(args);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: terzlab-make-stimuli <Zielordner>\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = write(folder, "pseudo.wav", pseudoNoise());
    ok = write(folder, "multi.wav", multiSine()) && ok;
    ok = write(folder, "pulse.wav", pulseTrain()) && ok;
    ok = write(folder, "check.wav", realTimeCheck()) && ok;
    ok = writeCalibrationSines(folder) && ok;
    ok = write(folder, "Stop.wav", silence()) && ok;
    return ok ? 0 : 1;
}
