#include "display/scene.h"

#include "analysis/display_range.h"

namespace terzlab {

SpectrumScene SceneFor(const SceneSource& source, std::optional<AxisRange> range) {
    SpectrumScene scene;
    FrameInputs& frame = scene.Frame;
    frame.Shown = View::Frequency;
    frame.Type = source.Type;
    frame.SampleRate = source.SampleRate;
    frame.BlockSize = source.BlockSize;
    frame.ImpedancePart = source.ImpedancePart;
    if (range) {
        frame.Range = *range;
    } else {
        DisplayInputs axis;
        axis.Type = source.Type;
        axis.ImpedancePart = source.ImpedancePart;
        axis.Curves[kComparisonSlot] = source.Comparison;
        axis.CurveChecked[kComparisonSlot] = source.ComparisonChecked;
        ChooseDbRange(source.BandValue, axis, true, frame.Range);
    }
    SpectrumInputs& spectrum = scene.Spectrum;
    spectrum.BandFreq = source.BandFreq;
    spectrum.BandValue = source.BandValue;
    spectrum.LastBand = source.LastBand;
    spectrum.MeasValid = source.MeasValid;
    spectrum.CurveColour = source.CurveColour;
    spectrum.Comparison = source.Comparison;
    spectrum.ComparisonChecked = source.ComparisonChecked;
    return scene;
}

} // namespace terzlab
