#pragma once
// The sound card as the measurement run sees it: device lists, one capture device with exactly
// one buffer header (over the capture stream of capture_stream.h), and a sound player. Two backends
// stand behind these interfaces: PortAudio (a real card) and the virtual sound card (a bench model,
// on virtual time in tests).
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace terzlab::sound_file {
struct SoundData;
}

namespace terzlab::audio {

// Capabilities of one device as a wave-device capabilities record reports them.
struct DeviceCaps {
    std::array<char, 32> name{}; // fixed Windows-1252 field, NUL-padded, at most 31 characters
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

// The one buffer header of a run. The capture fills `data` and then sets the done bit with
// release order; whoever looks at the bit reads it with acquire order.
struct WaveHeader {
    int16_t* data = nullptr;
    uint32_t bufferLength = 0; // bytes
    std::atomic<uint32_t> flags{0};
};

enum class WaitResult { Done, TimedOut, DeviceGone };

class CaptureDevice {
  public:
    virtual ~CaptureDevice() = default;
    // Returns 0 on success, like waveInOpen: 2 = no such device, 4 = already open, 32 = format
    // not supported, other values = the driver failed.
    virtual int open(int deviceIndex, const WaveFormat& format) = 0;
    virtual void prepare(WaveHeader& header) = 0;
    // Clears the done bit and queues the buffer; ignored while the buffer is still being filled.
    virtual void addBuffer(WaveHeader& header) = 0;
    virtual void start() = 0;
    // Stops input and drops a queued buffer without setting its done bit; harmless when closed.
    virtual void reset() = 0;
    virtual void stop() = 0;
    virtual void unprepare(WaveHeader& header) = 0;
    virtual void close() = 0; // harmless when closed
    virtual bool isOpen() const = 0;
    // Blocks until the queued buffer is done, the timeout passes or the device is gone. The
    // buffer is filled from the stream inside this wait: wait here, never spin on the bit.
    virtual WaitResult waitDone(WaveHeader& header, double timeoutSeconds) = 0;
    // Blocks begun again since the device was made because samples were lost or the stimulus
    // had a gap; each cost the run another block's time.
    virtual int blocksStartedOver() const = 0;
};

// Names are found as the system player finds them: trailing blanks are dropped and a bare name
// is looked up in the program folder. A name that leads to no playable file stops playback
// without a word.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Plays the file in an endless loop and returns at once; a missing file stops playback.
    virtual void playLooped(const std::string& path) = 0;
    // Plays the file once and returns when it has finished; replaces a looped file.
    virtual void playOnce(const std::string& path) = 0;
    // Loops a sound made in memory, as playLooped loops a file; `name` stands for it where a
    // file's name would.
    virtual void playSoundLooped(const sound_file::SoundData& sound, const std::string& name) = 0;
    virtual void stop() = 0;

    void setProgramFolder(std::string folder) { programFolder_ = std::move(folder); }
    const std::string& programFolder() const { return programFolder_; }

  private:
    std::string programFolder_;
};

} // namespace terzlab::audio
