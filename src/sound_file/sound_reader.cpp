#include "sound_file/sound_reader.h"

#include <algorithm>
#include <sndfile.h>

namespace terzlab::sound_file {

SoundReader::~SoundReader() {
    if (file_ != nullptr) sf_close(file_);
}

bool SoundReader::open(const std::string& path) {
    if (file_ != nullptr) sf_close(file_);
    SF_INFO info{};
    file_ = sf_open(path.c_str(), SFM_READ, &info);
    if (file_ == nullptr) {
        error_ = sf_strerror(nullptr);
        return false;
    }
    sampleRate_ = info.samplerate;
    channels_ = info.channels;
    frames_ = info.frames;
    pcm16Wav_ = (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAV &&
                (info.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_16;
    return true;
}

void SoundReader::clipAtFullScale() {
    sf_command(file_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

bool SoundReader::seek(int64_t frame) {
    return sf_seek(file_, frame, SEEK_SET) == frame;
}

int64_t SoundReader::readSome(int16_t* interleaved, int64_t frames) {
    return std::max<sf_count_t>(sf_readf_short(file_, interleaved, frames), 0);
}

} // namespace terzlab::sound_file
