#include "analyze/graph_render.h"
#include "display/spectrum_plot.h"
#include "platform/graph_picture.h"
#include "tools/tool_messages.h"

namespace terzlab::analyze {

bool GraphPicturesAvailable() {
    return true;
}

bool RenderGraphFile(const BandState& bands, const AxisRange& range, const GraphInputs& in,
                     std::string& bytes, std::string& error) {
    platform::OffscreenApp app;
    platform::GraphScene scene;
    scene.Frame.DisplayIndex = kDisplayFrequency;
    scene.Frame.MeasTypeIndex = in.MeasTypeIndex;
    scene.Frame.Range = range;
    scene.Frame.SampleRate = in.SampleRate;
    scene.Frame.BlockSize = in.BlockSize;
    scene.Frame.ImpedancePart = in.ImpedancePart;
    SpectrumInputs spectrum;
    spectrum.BandFreq = bands.Table.BandFreq;
    spectrum.BandValue = bands.BandValue;
    spectrum.LastBand = bands.Table.LastBand;
    spectrum.MeasValid = true;
    spectrum.CurveColour = in.CurveColour;
    scene.Draw = [&spectrum](Picture& graph, Picture& window, const FrameInputs& frame) {
        DrawSpectrum(graph, window, frame, spectrum);
    };
    const auto format =
        in.File == GraphFile::Svg ? platform::GraphFormat::Svg : platform::GraphFormat::Png;
    if (!platform::RenderGraph(scene, format, bytes)) {
        error = tools::PictureFailed();
        return false;
    }
    return true;
}

} // namespace terzlab::analyze
