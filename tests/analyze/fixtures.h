#pragma once
// Recordings, tool runs and measurement files for the terzlab-analyze tests. Every file lives
// in a fresh folder of the test's own.
#include "support/temp_folder.h"
#include "support/wav_file.h"
#include <cstdint>
#include <string>
#include <vector>

namespace terzlab::test {

std::vector<int16_t> PseudoPeriod(); // one period (mono) of the program's pink pseudo-noise
std::vector<int16_t> Interleave(const std::vector<int16_t>& left,
                                const std::vector<int16_t>& right);
std::vector<int16_t> Repeat(const std::vector<int16_t>& period, int times);
std::vector<int16_t> Scaled(const std::vector<double>& x, double gain);
std::vector<int16_t> Scaled(const std::vector<int16_t>& x, double gain);

struct ToolRun {
    int Status = -1;
    std::string Err;
};
ToolRun RunInProcess(const std::vector<std::string>& args);

struct Band {
    double Freq, Value, Phase;
};
struct OctFile {
    std::vector<std::string> Header; // the lines before the data, without CR LF
    std::vector<Band> Bands;
};
OctFile ReadOct(const std::string& path);
std::string ReadBytes(const std::string& path);
// A run expected to succeed, writing `out` in `dir`; the file it wrote.
OctFile Analyse(const TempFolder& dir, std::vector<std::string> args,
                const std::string& out = "out.oct");

} // namespace terzlab::test
