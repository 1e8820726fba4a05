#pragma once
// The graph of a saved measurement as the main window would draw it.
#include "files/export_writer.h"
#include "text/translate.h"
#include <cstdint>
#include <optional>
#include <string>

namespace terzlab::exporter {

struct PictureRequest {
    bool Svg = false;
    int Scale = 1;            // PNG only: 1 the window's pixels, 2 for print
    int16_t FreqResIndex = 2; // 0 1/3, 1 1/6, 2 1/12 octave
    std::optional<ExportSource> Comparison;
};

// False where the tool was built without its drawing layer.
bool PicturesAvailable();

// The refusal of a picture where the tool was built without them.
inline std::string PicturesMissing() {
    return text::translate("ExportTool",
                           "Bilder sind nicht verfügbar: terzlab-export wurde ohne Qt gebaut");
}

// PNG or SVG bytes; false with a one-line reason.
bool RenderPicture(const ExportSource& source, const PictureRequest& request, std::string& bytes,
                   std::string& error);

} // namespace terzlab::exporter
