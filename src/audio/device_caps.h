#pragma once
// Building the capabilities record of a device from the name a backend reports.
#include "audio/wave.h"

#include <string_view>

namespace terzlab::audio {

// Standard format bits of a capabilities record.
inline constexpr uint32_t kFormat44S16 = 0x0800; // 44.1 kHz, stereo, 16 bit
inline constexpr uint32_t kFormat48S16 = 0x8000; // 48 kHz, stereo, 16 bit

// The name is converted from UTF-8 to Windows-1252 (characters it lacks become '?') and cut to
// 31 bytes, so the 32-byte field always ends in NUL. A long ALSA hardware name keeps its
// "(hw:1,0)" and loses the end of the card and device names before it.
std::array<char, 32> ansiNameField(std::string_view utf8Name);

DeviceCaps makeCaps(std::string_view utf8Name, uint32_t formats, uint16_t channels);

// The only capture formats either backend takes: 16-bit PCM, mono or stereo, any rate.
bool isPcm16(const WaveFormat& format);

// Error results of opening a capture device, as waveInOpen reports them.
inline constexpr int kOpenNoDevice = 2;     // MMSYSERR_BADDEVICEID
inline constexpr int kOpenAllocated = 4;    // MMSYSERR_ALLOCATED
inline constexpr int kOpenBadFormat = 32;   // WAVERR_BADFORMAT
inline constexpr int kOpenDriverFailed = 1; // MMSYSERR_ERROR

} // namespace terzlab::audio
