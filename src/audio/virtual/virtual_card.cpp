#include "audio/virtual/virtual_card.h"

#include "audio/block_capture.h"
#include "audio/virtual/virtual_parts.h"
#include "text/translate.h"

namespace terzlab::audio {

std::unique_ptr<SoundCard> openVirtualCard(const VirtualCardOptions& options) {
    auto core = std::make_shared<VirtualCore>(options);
    auto card = std::make_unique<SoundCard>();
    card->devices = std::make_unique<VirtualDeviceList>(core);
    card->stream = std::make_unique<VirtualCapture>(core);
    card->capture = std::make_unique<BlockCapture>(*card->stream);
    card->player = std::make_unique<VirtualPlayer>(core);
    card->bench = core.get();
    card->description = text::translate(
        "SoundCard", "Virtuelle Soundkarte (Lautsprecher-Modell, keine echte Tonein-/ausgabe)");
    return card;
}

} // namespace terzlab::audio
