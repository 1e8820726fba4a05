#include "audio/portaudio/pa_session.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string_view>
#include <thread>

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

// PortAudio's ALSA host prints its internal checks ("Expression '...' failed in
// 'src/hostapi/...'") to stderr, from the audio thread too, when a sound server goes away; the
// capture's own message says what happened. Those lines are dropped, everything else written to
// stderr reaches the terminal unchanged.
bool isPortAudioCheck(std::string_view line) {
    return line.starts_with("Expression '") && line.find("' failed in 'src/") != line.npos;
}

ssize_t writeWithoutChecks(void*, const char* data, size_t size) {
    const std::string_view text(data, size);
    for (size_t start = 0; start < size;) {
        const size_t newline = text.find('\n', start);
        const size_t end = newline == text.npos ? size : newline + 1;
        if (!isPortAudioCheck(text.substr(start, end - start))) {
            for (size_t done = start; done < end;) {
                const ssize_t written = ::write(STDERR_FILENO, data + done, end - done);
                if (written <= 0) break;
                done += static_cast<size_t>(written);
            }
        }
        start = end;
    }
    return static_cast<ssize_t>(size);
}

void filterStderrOnce() {
    static const bool installed = [] {
        FILE* filtered = fopencookie(nullptr, "w", {nullptr, writeWithoutChecks, nullptr, nullptr});
        if (filtered == nullptr) return false;
        // Line by line, so that each check arrives whole and nothing waits in the buffer.
        std::setvbuf(filtered, nullptr, _IOLBF, 4096);
        std::fflush(stderr);
        stderr = filtered;
        return true;
    }();
    (void)installed;
}

} // namespace

PaSession::PaSession() {
    snd_lib_error_set_handler(quietAlsa);
    silenceJack();
    filterStderrOnce();
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

PaError openStream(PaStream** stream, const PaStreamParameters* input,
                   const PaStreamParameters* output, double sampleRate, PaStreamCallback* callback,
                   void* user) {
    constexpr int kAttempts = 4;
    PaError err = paNoError;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        err = Pa_OpenStream(stream, input, output, sampleRate, paFramesPerBufferUnspecified,
                            paNoFlag, callback, user);
        if (err == paNoError || err == paInvalidSampleRate || err == paSampleFormatNotSupported ||
            err == paInvalidChannelCount || err == paInvalidDevice)
            break;
    }
    return err;
}

} // namespace terzlab::audio
