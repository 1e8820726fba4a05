#pragma once
// The sound card as the measurement run sees it: device lists, one capture device with exactly
// one buffer header, and a sound player. Two backends stand behind these interfaces: PortAudio
// (a real card) and the virtual sound card (a bench model, on virtual time in tests).
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace terzlab::audio {

// Capabilities of one device as a wave-device capabilities record reports them.
struct DeviceCaps {
    std::array<char, 32> name{}; // fixed ANSI field, NUL-padded
    uint32_t formats = 0;        // not 0 = 44100 Hz, 16 bit, stereo supported
    uint16_t channels = 0;
};

class DeviceList {
  public:
    virtual ~DeviceList() = default;
    virtual int inputCount() = 0;
    virtual DeviceCaps inputCaps(int index) = 0;
    virtual int outputCount() = 0;
    virtual DeviceCaps outputCaps(int index) = 0;
};

// The standard PCM wave format record.
struct WaveFormat {
    uint16_t formatTag = 1;
    uint16_t channels = 2;
    uint32_t samplesPerSec = 44100;
    uint32_t avgBytesPerSec = 176400;
    uint16_t blockAlign = 4;
    uint16_t bitsPerSample = 16;
    uint16_t extraSize = 0;
};

inline constexpr uint32_t kHeaderDone = 1; // bit 0 of WaveHeader::flags

// The one buffer header of a run. The backend's thread fills `data` and then sets the done bit
// with release order; the user-interface thread reads the bit with acquire order.
struct WaveHeader {
    int16_t* data = nullptr;
    uint32_t bufferLength = 0; // bytes
    std::atomic<uint32_t> flags{0};
};

enum class WaitResult { Done, TimedOut, DeviceGone };

class CaptureDevice {
  public:
    virtual ~CaptureDevice() = default;
    // Returns 0 on success, like waveInOpen.
    virtual int open(int deviceIndex, const WaveFormat& format) = 0;
    virtual void prepare(WaveHeader& header) = 0;
    virtual void addBuffer(WaveHeader& header) = 0; // clears the done bit, queues the buffer
    virtual void start() = 0;
    virtual void reset() = 0; // drops a queued buffer; harmless when closed
    virtual void stop() = 0;
    virtual void unprepare(WaveHeader& header) = 0;
    virtual void close() = 0; // harmless when closed
    virtual bool isOpen() const = 0;
    // Blocks until the queued buffer is done, the timeout passes or the device is gone.
    virtual WaitResult waitDone(WaveHeader& header, double timeoutSeconds) = 0;
};

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Plays the file in an endless loop and returns at once; a missing file stops playback.
    virtual void playLooped(const std::string& path) = 0;
    // Plays the file once and returns when it has finished; replaces a looped file.
    virtual void playOnce(const std::string& path) = 0;
    virtual void stop() = 0;
};

} // namespace terzlab::audio
