#pragma once
// The graph as the main window shows it after a run, drawn off-screen and encoded as PNG (the
// graph picture at its design size with the axis labels the window prints around it) or SVG.
#include "analysis/bands.h"
#include "analysis/types.h"
#include "text/translate.h"
#include <cstdint>
#include <string>
#include <string_view>

namespace terzlab::analyze {

enum class GraphFile { Png, Svg };

struct GraphInputs {
    MeasType Type = MeasType::LevelOneChannel;
    int16_t ImpedancePart = 0;
    int32_t SampleRate = 44100;
    int32_t BlockSize = 16384;
    uint32_t CurveColour = 0xFF0000; // 0x00BBGGRR
    GraphFile File = GraphFile::Png;
};

// False where the program was built without its drawing layer.
bool GraphPicturesAvailable();

// The refusal of a picture option (--png, --svg) where it is not available.
inline std::string PicturesMissing(std::string_view option) {
    return text::arg(
        text::translate("AnalyzeTool",
                        "%1 ist nicht verfügbar: terzlab-analyze wurde ohne Qt gebaut"),
        {option});
}

// PNG or SVG bytes of the graph; false with a one-line error when nothing could be drawn.
bool RenderGraphFile(const BandState& bands, const AxisRange& range, const GraphInputs& in,
                     std::string& bytes, std::string& error);

} // namespace terzlab::analyze
