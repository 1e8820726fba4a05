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

} // namespace terzlab::test
