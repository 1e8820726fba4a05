#include "analyze/curves.h"
#include <filesystem>

namespace terzlab::analyze {
namespace {

void Refuse(const std::string& text, MessageService& messages) {
    messages.show(text, MsgButtons::Ok, MsgIcon::Exclamation, "Fehler");
}

} // namespace

bool LoadCurveFile(DispOct& store, int slot, const std::string& path, int16_t lastBand,
                   MessageService& messages) {
    const bool sensor = slot == kSensorSlot;
    const FileProbe probe = ProbeFile(store, path, sensor ? kSensorMask : kOctMask);
    const int16_t wanted = sensor ? kCurveSensor : kCurveLevel;
    if (probe.Type != wanted) {
        std::error_code error;
        const bool readable = std::filesystem::is_regular_file(path, error);
        if (!readable) {
            Refuse("Die Datei " + path + " fehlt oder ist nicht lesbar", messages);
        } else if (sensor) {
            Refuse("Die Datei " + path + " ist keine Sensorkompensationsdatei mit Titel", messages);
        } else {
            Refuse("Die Datei " + path + " ist keine Pegelmessung (Terzlab-Messdatei mit Titel)",
                   messages);
        }
        return false;
    }
    return LoadProbedFile(store, slot, path, probe, lastBand, messages);
}

} // namespace terzlab::analyze
