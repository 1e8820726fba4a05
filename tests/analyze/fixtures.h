#pragma once
// Recordings, curve files and tool runs for the terzlab-analyze tests. Every file lives in a
// fresh folder of the test's own.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace terzlab::test {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    std::size_t FileCount() const;

  private:
    std::filesystem::path path_;
};

// Writes 16-bit PCM WAV; `samples` are interleaved when channels is 2.
void WriteWav(const std::string& path, const std::vector<int16_t>& samples, int channels,
              int rate = 44100);

// One period (16384 frames, mono) of the program's pink pseudo-noise.
std::vector<int16_t> PseudoPeriod();

// Both channels of `frames` frames from the two mono signals.
std::vector<int16_t> Interleave(const std::vector<int16_t>& left,
                                const std::vector<int16_t>& right);
std::vector<int16_t> Repeat(const std::vector<int16_t>& period, int times);
std::vector<int16_t> Scaled(const std::vector<int16_t>& x, double gain);

struct ToolRun {
    int Status = -1;
    std::string Err;
};
ToolRun RunInProcess(const std::vector<std::string>& args);

struct Band {
    double Freq;
    double Value;
    double Phase;
};
struct OctFile {
    std::vector<std::string> Header; // the lines before the data, without CR LF
    std::vector<Band> Bands;
};
OctFile ReadOct(const std::string& path);
std::string ReadBytes(const std::string& path);

} // namespace terzlab::test
