#pragma once
// A recording read block by block as the sound card would deliver it: 16-bit samples, left and
// right interleaved, a mono file given to both channels. Only one block is held at a time.
#include "sound_file/sound_reader.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace terzlab::analyze {

class Recording {
  public:
    // Opens the file and checks what the analysis needs of it; the error is one line.
    bool Open(const std::string& path, std::string& error);

    int32_t SampleRate() const { return sampleRate_; }
    int64_t Frames() const { return frames_; }
    int64_t WholeBlocks(int32_t blockSize) const { return frames_ / blockSize; }

    // Positions the reader at the start of block `block` of `blockSize` frames.
    bool SeekBlock(int64_t block, int32_t blockSize);

    // Fills `interleaved` (2 * blockSize samples) with the next block. The mono work space is
    // sized by Reserve, so that no block allocates.
    void Reserve(int32_t blockSize);
    bool ReadBlock(std::span<int16_t> interleaved);

  private:
    sound_file::SoundReader file_;
    int32_t sampleRate_ = 0;
    int32_t channels_ = 0;
    int64_t frames_ = 0;
    std::vector<int16_t> mono_;
};

} // namespace terzlab::analyze
