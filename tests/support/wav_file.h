#pragma once
// The tests' way to the program's WAV writer: canonical 16-bit PCM with a 44-byte header, as
// the program's stimuli and a sound card's recordings are.
#include <cstdint>
#include <string>
#include <vector>

namespace terzlab::test {

// `samples` interleaved when channels is 2. Throws when the file cannot be written.
void writeWav(const std::string& path, const std::vector<int16_t>& samples, int channels = 2,
              int rate = 44100);

// A stereo ramp that rises by one a frame and wraps after kRampFrames: a stream that carries
// it looped shows every lost or repeated frame.
inline constexpr int kRampFrames = 4096;
void writeRamp(const std::string& path);
// The frames of `stereo` whose left sample does not follow `last` (then the frame before) by
// one; `last` ends as the final left sample.
int rampBreaks(const std::vector<int16_t>& stereo, int16_t& last);

} // namespace terzlab::test
