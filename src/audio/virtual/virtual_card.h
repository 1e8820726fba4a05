#pragma once
// The virtual sound card: the looped stimulus passes through a model of the device under test
// (the bench) and comes back on both inputs. Tests run it on virtual time (a queued buffer is
// done at once); the program paces blocks in real time.
#include "audio/sound_card.h"

#include <string>
#include <vector>

namespace terzlab::audio {

enum class Timing { Virtual, RealTime };

// How the device under test is wired to the card; the run sets it from the measurement type.
struct BenchWiring {
    int measType = 0;      // 0..4 as the measurement-type list
    int impedancePart = 0; // 1 or 2 for the two parts of the one-channel impedance method
    double seriesResistor = 10.0;
};

// Settings of the bench model. Levels are linear factors of full scale.
struct BenchSettings {
    double gain = 0.5;
    double noise = 1e-4; // RMS of added white noise, full scale = 1
    int delayFrames = 0;
    bool invertPolarity = false;
    bool clip = true; // clip to the 16-bit range as a real converter does
};

// Test hooks: how the simulated machine and driver behave.
struct VirtualCardOptions {
    Timing timing = Timing::Virtual;
    std::vector<std::string> inputNames{"Virtuelle Soundkarte"};
    std::vector<uint32_t> inputFormats{0xFFFFF};
    std::vector<std::string> outputNames{"Virtuelle Soundkarte"};
    std::vector<uint32_t> outputFormats{0xFFFFF};
    int openResult = 0;           // non-zero: open fails with this result
    bool neverCompletes = false;  // a driver that never sets the done bit
    bool goneAfterBlocks = false; // device disappears after `blocksUntilGone` blocks
    int blocksUntilGone = 0;
};

class VirtualBench {
  public:
    virtual ~VirtualBench() = default;
    virtual void setWiring(const BenchWiring& wiring) = 0;
    virtual void setSettings(const BenchSettings& settings) = 0;
    virtual BenchSettings settings() const = 0;
    virtual int blocksCaptured() const = 0;      // completed buffers since the card was made
    virtual std::string playingFile() const = 0; // "" when nothing plays
    virtual std::vector<std::string> playLog() const = 0; // every file started, in order
};

std::unique_ptr<SoundCard> openVirtualCard(const VirtualCardOptions& options = {});

} // namespace terzlab::audio
