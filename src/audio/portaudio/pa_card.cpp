#include "audio/block_capture.h"
#include "audio/portaudio/pa_capture.h"
#include "audio/portaudio/pa_devices.h"
#include "audio/portaudio/pa_player.h"
#include "audio/sound_card.h"
#include "text/translate.h"

namespace terzlab::audio {

std::unique_ptr<SoundCard> openPortAudioCard() {
    auto session = std::make_shared<PaSession>();
    auto card = std::make_unique<SoundCard>();
    card->devices = std::make_unique<PaDeviceList>(session);
    card->stream = std::make_unique<PaCapture>(session);
    card->capture = std::make_unique<BlockCapture>(*card->stream);
    card->player = std::make_unique<PaPlayer>(session);
    card->description =
        session->ok() ? text::translate("SoundCard", "Soundkarte über PortAudio (ALSA)")
                      : text::translate("SoundCard", "Soundkarte über PortAudio (nicht verfügbar)");
    return card;
}

} // namespace terzlab::audio
