#pragma once
// What the Thiele-Small dialog needs from the window whose impedance curve it fits: the curve
// on screen, a place to start the file dialog, and the graph to draw the fitted model in. The
// window implements it; the dialog knows nothing else of it.
#include "analysis/thiele_small.h"
#include "display/spectrum_plot.h"

#include <QString>

#include <optional>

class QWidget;

namespace terzlab::speaker {

struct ShownImpedance {
    ImpedanceCurve Curve;
    QString Source; // what the curve is, for the dialog's heading
};

class SpeakerHost {
  public:
    virtual ~SpeakerHost() = default;

    // The window the dialog belongs to.
    virtual QWidget* dialogParent() = 0;
    // The finished impedance measurement on screen, else the loaded impedance comparison
    // curve; nothing when there is neither.
    virtual std::optional<ShownImpedance> shownImpedance() = 0;
    // The folder the file dialog opens in.
    virtual QString fileFolder() = 0;
    // The model drawn over the measurement until clearModel or the next run; an empty curve
    // draws nothing.
    virtual void showModel(ModelCurve model) = 0;
    // A predicted frequency response in relative dB, shown on a dB axis in place of the
    // measurement until an empty one comes.
    virtual void showResponse(ModelCurve response) = 0;
};

} // namespace terzlab::speaker
