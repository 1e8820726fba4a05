// Writes the program's stimulus files into the folder given as the only argument.
#include "sound_file/sound_file.h"
#include "stimuli/crest.h"
#include "stimuli/stimulus_files.h"

#include <cstdio>
#include <string>

using namespace terzlab::stimuli;

namespace {

bool write(const std::string& folder, const char* name, const PeriodicSignal& signal) {
    const std::string path = folder + "/" + name;
    if (!terzlab::sound_file::writeWav(path, stereoSound(signal, kFileRate))) {
        std::fprintf(stderr, "Die Datei %s kann nicht geschrieben werden!\n", path.c_str());
        return false;
    }
    const double rms = rmsOf(signal.period);
    std::printf("%-18s Periode %6zu, Scheitelfaktor %.2f\n", name, signal.period.size(),
                rms > 0.0 ? peakOf(signal.period) / rms : 0.0);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: terzlab-make-stimuli <Zielordner>\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;
    for (const StimulusFile& file : stimulusFiles())
        ok = write(folder, file.name, file.make()) && ok;
    return ok ? 0 : 1;
}
