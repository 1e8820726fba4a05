#include "fixtures.h"
#include "analyze/run.h"
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sndfile.h>
#include <sstream>

namespace terzlab::test {

TempFolder::TempFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("terzlab-analyze-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::size_t TempFolder::FileCount() const {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_))
        ++n;
    return n;
}

void WriteWav(const std::string& path, const std::vector<int16_t>& samples, int channels,
              int rate) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    const auto frames = static_cast<sf_count_t>(samples.size() / channels);
    EXPECT_EQ(sf_writef_short(file, samples.data(), frames), frames);
    sf_close(file);
}

std::vector<int16_t> PseudoPeriod() {
    const std::string path = std::string(TERZLAB_BIN_DIR) + "/pseudo.wav";
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    std::vector<int16_t> period(16384);
    if (file == nullptr) {
        ADD_FAILURE() << "the stimulus generator's " << path << " is missing";
        return period;
    }
    std::vector<int16_t> frames(period.size() * info.channels);
    EXPECT_EQ(sf_readf_short(file, frames.data(), 16384), 16384);
    sf_close(file);
    for (std::size_t i = 0; i < period.size(); ++i)
        period[i] = frames[i * info.channels];
    return period;
}

std::vector<int16_t> Interleave(const std::vector<int16_t>& left,
                                const std::vector<int16_t>& right) {
    std::vector<int16_t> out(2 * left.size());
    for (std::size_t i = 0; i < left.size(); ++i) {
        out[2 * i] = left[i];
        out[2 * i + 1] = right[i];
    }
    return out;
}

std::vector<int16_t> Repeat(const std::vector<int16_t>& period, int times) {
    std::vector<int16_t> out;
    for (int i = 0; i < times; ++i)
        out.insert(out.end(), period.begin(), period.end());
    return out;
}

std::vector<int16_t> Scaled(const std::vector<int16_t>& x, double gain) {
    std::vector<int16_t> out(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        out[i] = static_cast<int16_t>(std::lround(x[i] * gain));
    return out;
}

ToolRun RunInProcess(const std::vector<std::string>& args) {
    std::ostringstream err;
    ToolRun run;
    run.Status = analyze::RunAnalyze(args, err);
    run.Err = err.str();
    return run;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

OctFile ReadOct(const std::string& path) {
    OctFile oct;
    std::istringstream in(ReadBytes(path));
    std::string line;
    bool data = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!data) {
            oct.Header.push_back(line);
            data = line.rfind("F [Hz]\t", 0) == 0;
            continue;
        }
        Band b{};
        std::istringstream fields(line);
        fields >> b.Freq >> b.Value >> b.Phase;
        oct.Bands.push_back(b);
    }
    return oct;
}

} // namespace terzlab::test
