#include "analyze/curves.h"
#include "files/curve_text.h"
#include "text/translate.h"
#include <filesystem>

namespace terzlab::analyze {
namespace {

// `reason` names the file as %1.
void Refuse(const std::string& path, const char* reason, MessageService& messages) {
    messages.show(text::arg(text::translate("AnalyzeTool", reason), {path}), MsgButtons::Ok,
                  MsgIcon::Exclamation, text::translate("AnalyzeTool", "Fehler"));
}

} // namespace

bool LoadCurveFile(DispOct& store, int slot, const std::string& path, int16_t lastBand,
                   MessageService& messages) {
    const bool sensor = slot == kSensorSlot;
    // A microphone's calibration file is read like a .SEN file's response and sensitivity.
    if (sensor && IsCurveTextFile(path))
        return LoadCurveTextFile(store, slot, path, CurveKind::Level, lastBand, messages);
    const FileProbe probe = ProbeFile(store, path, sensor ? kSensorMask : kOctMask);
    const int16_t wanted = sensor ? kCurveSensor : kCurveLevel;
    if (probe.Type != wanted) {
        std::error_code error;
        const bool readable = std::filesystem::is_regular_file(path, error);
        if (!readable) {
            Refuse(path,
                   TZ_TRANSLATE_NOOP("AnalyzeTool", "Die Datei %1 fehlt oder ist nicht lesbar"),
                   messages);
        } else if (sensor) {
            Refuse(path,
                   TZ_TRANSLATE_NOOP("AnalyzeTool",
                                     "Die Datei %1 ist keine Sensorkompensationsdatei mit Titel"),
                   messages);
        } else {
            Refuse(path,
                   TZ_TRANSLATE_NOOP(
                       "AnalyzeTool",
                       "Die Datei %1 ist keine Pegelmessung (Terzlab-Messdatei mit Titel)"),
                   messages);
        }
        return false;
    }
    return LoadProbedFile(store, slot, path, probe, lastBand, messages);
}

} // namespace terzlab::analyze
