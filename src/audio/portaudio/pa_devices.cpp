#include "audio/portaudio/pa_devices.h"

#include "audio/device_caps.h"

#include <algorithm>

namespace terzlab::audio {

namespace {

bool supports(PaDeviceIndex device, bool input, double rate) {
    const PaDeviceInfo* info = Pa_GetDeviceInfo(device);
    if (info == nullptr) return false;
    PaStreamParameters params{};
    params.device = device;
    params.channelCount = 2;
    params.sampleFormat = paInt16;
    params.suggestedLatency =
        streamLatency(input ? info->defaultHighInputLatency : info->defaultHighOutputLatency);
    return Pa_IsFormatSupported(input ? &params : nullptr, input ? nullptr : &params, rate) ==
           paFormatIsSupported;
}

DeviceCaps probe(PaDeviceIndex device, bool input) {
    const PaDeviceInfo* info = Pa_GetDeviceInfo(device);
    if (info == nullptr) return {};
    uint32_t formats = 0;
    if (supports(device, input, 44100.0)) {
        formats = kFormat44S16;
        if (supports(device, input, 48000.0)) formats |= kFormat48S16;
    }
    const int channels = input ? info->maxInputChannels : info->maxOutputChannels;
    return makeCaps(info->name != nullptr ? info->name : "", formats,
                    static_cast<uint16_t>(std::clamp(channels, 0, 0xFFFF)));
}

DeviceCaps cached(std::vector<std::optional<DeviceCaps>>& cache, PaDeviceIndex device, int index,
                  bool input) {
    if (device == paNoDevice) return {};
    auto& slot = cache[static_cast<size_t>(index)];
    if (!slot) slot = probe(device, input);
    return *slot;
}

} // namespace

PaDeviceList::PaDeviceList(std::shared_ptr<PaSession> session)
    : session_(std::move(session)), inputCache_(static_cast<size_t>(session_->inputCount())),
      outputCache_(static_cast<size_t>(session_->outputCount())) {}

DeviceCaps PaDeviceList::inputCaps(int index) {
    return cached(inputCache_, session_->inputDevice(index), index, true);
}

DeviceCaps PaDeviceList::outputCaps(int index) {
    return cached(outputCache_, session_->outputDevice(index), index, false);
}

} // namespace terzlab::audio
