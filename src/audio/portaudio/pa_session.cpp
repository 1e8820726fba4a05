#include "audio/portaudio/pa_session.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>

namespace terzlab::audio {

namespace {

// ALSA and JACK report every probe of a missing card or server on stderr; the device lists say
// it better.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}
void quietJack(const char*) {}

// PortAudio brings libjack along; its message hooks are set through the loaded library, so that
// no JACK headers are needed to build.
void silenceJack() {
    using Hook = void (*)(void (*)(const char*));
    for (const char* name : {"jack_set_error_function", "jack_set_info_function"})
        if (void* symbol = dlsym(RTLD_DEFAULT, name)) reinterpret_cast<Hook>(symbol)(quietJack);
}

} // namespace

PaSession::PaSession() {
    snd_lib_error_set_handler(quietAlsa);
    silenceJack();
    ok_ = Pa_Initialize() == paNoError;
    if (!ok_) return;
    const PaDeviceIndex count = Pa_GetDeviceCount();
    for (PaDeviceIndex i = 0; i < count; ++i) {
        const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
        if (info == nullptr) continue;
        if (info->maxInputChannels > 0) inputs_.push_back(i);
        if (info->maxOutputChannels > 0) outputs_.push_back(i);
    }
}

PaSession::~PaSession() {
    if (ok_) Pa_Terminate();
}

PaDeviceIndex PaSession::inputDevice(int n) const {
    return n >= 0 && n < inputCount() ? inputs_[static_cast<size_t>(n)] : paNoDevice;
}

PaDeviceIndex PaSession::outputDevice(int n) const {
    return n >= 0 && n < outputCount() ? outputs_[static_cast<size_t>(n)] : paNoDevice;
}

} // namespace terzlab::audio
