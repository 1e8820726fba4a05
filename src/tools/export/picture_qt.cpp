#include "analysis/constants.h"
#include "analysis/display_range.h"
#include "display/scene.h"
#include "picture.h"
#include "platform/graph_picture.h"
#include "tools/tool_messages.h"
#include <algorithm>

namespace terzlab::exporter {
namespace {

// The file's bands on the program's band grid, NoValue where a band has none.
struct GraphBands {
    std::vector<double> Freq;
    std::vector<double> Value;
    int16_t LastBand = 0;
};

GraphBands BandsOf(const ExportSource& s, int16_t freqResIndex) {
    GraphBands b;
    for (std::size_t i = 0; i < s.Rows.size(); ++i) {
        const MeasurementRow& row = s.Rows[i];
        const bool value = !isNoValue(static_cast<float>(row.Value));
        b.Freq.push_back(row.Freq);
        b.Value.push_back(value ? row.Value : kNoValue);
        if (value) b.LastBand = static_cast<int16_t>(i);
    }
    // The window smooths levels for the coarser resolutions, never impedances.
    if (!s.Impedance) {
        std::vector<double> work(b.Value.size());
        SmoothBands(b.Value, freqResIndex, work);
    }
    return b;
}

CorrectionCurve CurveOf(const ExportSource& s) {
    CorrectionCurve c;
    c.CurveType = s.Impedance ? 2 : 1;
    c.CurveLoaded = 1;
    for (const MeasurementRow& row : s.Rows) {
        if (c.CurveCount >= CorrectionCurve::kEntries) break;
        if (isNoValue(static_cast<float>(row.Value))) continue;
        c.CurveFreq[c.CurveCount] = static_cast<float>(row.Freq);
        c.CurveAmp[c.CurveCount] = static_cast<float>(row.Value);
        c.CurvePhase[c.CurveCount] = static_cast<float>(row.Phase);
        ++c.CurveCount;
    }
    return c;
}

} // namespace

bool PicturesAvailable() {
    return true;
}

bool RenderPicture(const ExportSource& source, const PictureRequest& request, std::string& bytes,
                   std::string& error) {
    platform::OffscreenApp app;
    const GraphBands bands = BandsOf(source, request.FreqResIndex);
    const CorrectionCurve comparison =
        request.Comparison ? CurveOf(*request.Comparison) : CorrectionCurve{};
    // The axis is chosen as after a run: to fit the values and a comparison curve on it.
    const platform::GraphScene scene = platform::GraphSceneOf(SceneFor({
        .Type = source.Impedance ? MeasType::ImpedanceTwoChannel : MeasType::LevelOneChannel,
        .SampleRate = source.SampleRate > 0 ? source.SampleRate : 44100,
        .BandFreq = bands.Freq,
        .BandValue = bands.Value,
        .LastBand = bands.LastBand,
        .CurveColour = source.Impedance ? kGreen : kBlue,
        .Comparison = &comparison,
        .ComparisonChecked = request.Comparison.has_value(),
    }));
    const auto format = request.Svg ? platform::GraphFormat::Svg
                                    : (request.Scale == 2 ? platform::GraphFormat::Png2x
                                                          : platform::GraphFormat::Png);
    if (!platform::RenderGraph(scene, format, bytes)) {
        error = tools::PictureFailed();
        return false;
    }
    return true;
}

} // namespace terzlab::exporter
