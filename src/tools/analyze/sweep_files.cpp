#include "analyze/sweep_files.h"

#include "text/translate.h"

namespace terzlab::analyze {

std::optional<WholeSound> ReadWholeSound(const std::string& path, std::string& error) {
    sound_file::FloatReadFault fault{};
    std::string reason;
    std::optional<WholeSound> sound = sound_file::readFloatSound(path, fault, reason);
    switch (fault) {
    case sound_file::FloatReadFault::None:
        break;
    case sound_file::FloatReadFault::Unreadable:
        error = text::arg(
            text::translate("AnalyzeTool", "Die Aufnahme %1 fehlt oder ist nicht lesbar (%2)"),
            {path, reason});
        break;
    case sound_file::FloatReadFault::NotMonoOrStereo:
        error = text::arg(text::translate("AnalyzeTool", "Die Datei %1 ist keine Mono- oder "
                                                         "Stereoaufnahme passender Länge"),
                          {path});
        break;
    case sound_file::FloatReadFault::Truncated:
        error =
            text::arg(text::translate("AnalyzeTool",
                                      "Die Aufnahme %1 konnte nicht vollständig gelesen werden"),
                      {path});
        break;
    }
    return sound;
}

} // namespace terzlab::analyze
