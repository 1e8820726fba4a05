#include "fixtures.h"
#include "analyze/run.h"
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sstream>

namespace terzlab::test {

std::vector<int16_t> PseudoPeriod() {
    SF_INFO info{};
    SNDFILE* file = sf_open(TERZLAB_BIN_DIR "/pseudo.wav", SFM_READ, &info);
    std::vector<int16_t> frames(16384 * 2), period(16384);
    EXPECT_TRUE(file != nullptr && info.channels == 2) << "the generator's pseudo.wav";
    if (file != nullptr) sf_readf_short(file, frames.data(), 16384);
    sf_close(file);
    for (std::size_t i = 0; i < period.size(); ++i)
        period[i] = frames[2 * i];
    return period;
}

std::vector<int16_t> Interleave(const std::vector<int16_t>& left,
                                const std::vector<int16_t>& right) {
    std::vector<int16_t> out;
    for (std::size_t i = 0; i < left.size(); ++i)
        out.insert(out.end(), {left[i], right[i]});
    return out;
}

std::vector<int16_t> Repeat(const std::vector<int16_t>& period, int times) {
    std::vector<int16_t> out;
    for (int i = 0; i < times; ++i)
        out.insert(out.end(), period.begin(), period.end());
    return out;
}

std::vector<int16_t> Scaled(const std::vector<double>& x, double gain) {
    std::vector<int16_t> out(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        out[i] = static_cast<int16_t>(std::lround(x[i] * gain));
    return out;
}

std::vector<int16_t> Scaled(const std::vector<int16_t>& x, double gain) {
    return Scaled(std::vector<double>(x.begin(), x.end()), gain);
}

ToolRun RunInProcess(const std::vector<std::string>& args) {
    std::ostringstream err;
    const int status = analyze::RunAnalyze(args, err);
    return {status, err.str()};
}

std::string ReadBytes(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

OctFile ReadOct(const std::string& path) {
    OctFile oct;
    std::istringstream in(ReadBytes(path));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!oct.Header.empty() && oct.Header.back().rfind("F [Hz]", 0) == 0) {
            Band b{};
            std::istringstream(line) >> b.Freq >> b.Value >> b.Phase;
            oct.Bands.push_back(b);
        } else {
            oct.Header.push_back(line);
        }
    }
    return oct;
}

OctFile Analyse(const TempFolder& dir, std::vector<std::string> args, const std::string& out) {
    args.insert(args.begin(), {"--out", dir / out});
    const ToolRun run = RunInProcess(args);
    EXPECT_EQ(run.Status, 0) << run.Err;
    return ReadOct(dir / out);
}

} // namespace terzlab::test
