#pragma once
// A sound card is the bundle of device lists, capture device and player of one backend.
#include "audio/capture_stream.h"

#include <memory>
#include <string>
#include <vector>

namespace terzlab::audio {

class VirtualBench;

struct SoundCard {
    std::unique_ptr<DeviceList> devices;
    std::unique_ptr<CaptureStream> stream;  // every frame the input delivers, in order
    std::unique_ptr<CaptureDevice> capture; // one block at a time, over `stream`
    std::unique_ptr<SoundPlayer> player;
    VirtualBench* bench = nullptr; // set for the virtual sound card only
    std::string description;       // for the terminal: which card is in use
};

// The real card through PortAudio. Returns a card whose lists may be empty.
std::unique_ptr<SoundCard> openPortAudioCard();

} // namespace terzlab::audio
