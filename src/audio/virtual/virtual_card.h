#pragma once
// The virtual sound card: the looped stimulus passes through a model of the device under test
// (the bench) and comes back on both inputs. Tests run it on virtual time (a queued buffer is
// done at once); the program paces blocks in real time.
#include "audio/sound_card.h"
#include "text/translate.h"

#include <string>
#include <vector>

namespace terzlab::audio {

enum class Timing { Virtual, RealTime };

// How the device under test is wired to the card; the run sets it from the measurement type.
// Level types 0 and 2: a loudspeaker heard by a microphone on both inputs. Type 1: left = the
// loudspeaker's response, right = the excitation. Type 3: both inputs carry the voltage across
// the series resistor (part 1; also part 0) or across the loudspeaker impedance (part 2).
// Type 4: left = the voltage across the impedance, right = the source voltage.
struct BenchWiring {
    int measType = 0;      // 0..4 as the measurement-type list
    int impedancePart = 0; // 1 or 2 for the two parts of the one-channel impedance method
    double seriesResistor = 10.0;
    // A level calibration: the card's output is wired to the inputs as a known voltage, so
    // neither the room nor the suspension's distortion reaches them.
    bool calibration = false;
};

// Settings of the bench model. Levels are linear factors of full scale. Delay and polarity act
// on the path through the device under test only, never on an excitation input.
struct BenchSettings {
    double gain = 0.5;
    double noise = 1e-4; // RMS of added white noise, full scale = 1
    int delayFrames = 0; // 0 .. 2^20
    // The sound's way from the loudspeaker to the microphone, 0 .. 300 ms at whatever rate the
    // card runs, on top of delayFrames.
    double acousticDelayMs = 0.0;
    bool invertPolarity = false;
    bool clip = true; // clip to the 16-bit range as a real converter does; off: wrap around
    // The level path is a plain wire instead of loudspeaker and microphone: the input carries
    // the stimulus itself (times gain), for checks of the analysis against the file's levels.
    bool straightThrough = false;
    // A mass on the loudspeaker's cone, grams: the added-mass method of the Thiele-Small
    // parameters sees its impedance resonance move down.
    double addedMassGrams = 0.0;
    // The room the microphone hears the loudspeaker in: the floor's reflection arrives this long
    // after the direct sound at this fraction of its level, its top softened by the floor. A gain
    // of 0 is an anechoic room. The level types and the transfer hear it; the impedance and the
    // plain wire do not.
    double reflectionMs = 3.5; // 0 .. 100
    double reflectionGain = 0.5;
    // The cone's suspension stiffens with excursion, as real suspensions do: the loudspeaker
    // distorts toward its resonance and below, hardly in the midrange. Off: a linear loudspeaker.
    bool stiffening = true;
};

// Test hooks: how the simulated machine and driver behave.
struct VirtualCardOptions {
    Timing timing = Timing::Virtual;
    // The device lists show these names; the options are made after the language is chosen.
    std::vector<std::string> inputNames{text::translate("SoundCard", "Virtuelle Soundkarte")};
    std::vector<uint32_t> inputFormats{0xFFFFF};
    std::vector<std::string> outputNames{text::translate("SoundCard", "Virtuelle Soundkarte")};
    std::vector<uint32_t> outputFormats{0xFFFFF};
    int openResult = 0; // non-zero: open fails with this result
    // A driver that never sets the done bit; on virtual time waitDone reports TimedOut at once.
    bool neverCompletes = false;
    // The device disappears after `blocksUntilGone` completed blocks (counted over the card's
    // life): waits report DeviceGone and it cannot be opened again.
    bool goneAfterBlocks = false;
    int blocksUntilGone = 0;
    // The stream reports an input overflow this many times while it fills each block. Samples
    // were lost, so the block starts over and takes 1 + overflowsPerBlock block durations; on
    // virtual time a block whose fill time exceeds the wait's limit is never done.
    int overflowsPerBlock = 0;
    // The player starves this many times while each block is captured (only while a file
    // loops): the stimulus has a gap, so the block starts over as after an overflow.
    int underflowsPerBlock = 0;
};

class VirtualBench {
  public:
    virtual ~VirtualBench() = default;
    virtual void setWiring(const BenchWiring& wiring) = 0;
    virtual void setSettings(const BenchSettings& settings) = 0;
    virtual BenchSettings settings() const = 0;
    virtual int blocksCaptured() const = 0;     // completed buffers since the card was made
    virtual int overflowsReported() const = 0;  // input overflows since the card was made
    virtual int underflowsReported() const = 0; // output underflows since the card was made
    // The name the looping file was started with, as passed; "" when nothing plays.
    virtual std::string playingFile() const = 0;
    // Every name the player was asked to play (looped or once, found or not), as passed.
    virtual std::vector<std::string> playLog() const = 0;
};

std::unique_ptr<SoundCard> openVirtualCard(const VirtualCardOptions& options = {});

} // namespace terzlab::audio
