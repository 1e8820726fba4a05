#pragma once
// The messages that every tool gives, above all about its command line, worded once so that
// the tools read alike and each text is translated once.
#include "text/translate.h"
#include <string>
#include <string_view>

namespace terzlab::tools {

inline std::string UnknownOption(std::string_view option) {
    return text::arg(text::translate("ToolMessages", "Unbekannte Option: %1"), {option});
}

inline std::string MissingValue(std::string_view option) {
    return text::arg(text::translate("ToolMessages", "Option %1 erwartet einen Wert"), {option});
}

// `allowed` is a list of values or a translated description of them.
inline std::string InvalidValue(std::string_view option, std::string_view value,
                                std::string_view allowed) {
    return text::arg(
        text::translate("ToolMessages", "Ungültiger Wert für %1: \"%2\" (erlaubt: %3)"),
        {option, value, allowed});
}

// A command-line error followed by the tool's synopsis, on one line.
inline std::string WithUsage(std::string_view error, std::string_view usage) {
    return text::arg(text::translate("ToolMessages", "%1 - Aufruf: %2"), {error, usage});
}

inline std::string PictureFailed() {
    return text::translate("ToolMessages", "Das Bild der Grafik konnte nicht erzeugt werden");
}

} // namespace terzlab::tools
