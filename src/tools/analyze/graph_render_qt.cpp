#include "analyze/graph_render.h"
#include "display/scene.h"
#include "platform/graph_picture.h"
#include "tools/tool_messages.h"

namespace terzlab::analyze {

bool GraphPicturesAvailable() {
    return true;
}

bool RenderGraphFile(const BandState& bands, const AxisRange& range, const GraphInputs& in,
                     std::string& bytes, std::string& error) {
    platform::OffscreenApp app;
    const SpectrumScene spectrum = SceneFor({.Type = in.Type,
                                             .ImpedancePart = in.ImpedancePart,
                                             .SampleRate = in.SampleRate,
                                             .BlockSize = in.BlockSize,
                                             .BandFreq = bands.Table.BandFreq,
                                             .BandValue = bands.BandValue,
                                             .LastBand = bands.Table.LastBand,
                                             .CurveColour = in.CurveColour},
                                            range);
    const platform::GraphScene scene = platform::GraphSceneOf(spectrum);
    const auto format =
        in.File == GraphFile::Svg ? platform::GraphFormat::Svg : platform::GraphFormat::Png;
    if (!platform::RenderGraph(scene, format, bytes)) {
        error = tools::PictureFailed();
        return false;
    }
    return true;
}

} // namespace terzlab::analyze
