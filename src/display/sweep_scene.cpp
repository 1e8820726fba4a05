#include "display/curve_colour.h"
#include "display/number_format.h"
#include "display/scene.h"
#include "sweep/smoothing.h"
#include "text/translate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace terzlab {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr int kColumns = 1000; // steps the shown part of the response is drawn in

PlotCurve Pen(Colour colour, DrawStyle style = DrawStyle::Solid, bool right = false) {
    PlotCurve curve;
    curve.LineColour = colour;
    curve.Style = style;
    curve.RightAxis = right;
    return curve;
}

// The shown stretch of the response: from before the gate to some gate lengths after it.
struct TimeSpan {
    double FromMs;
    double ToMs;
};

TimeSpan ShownTime(const SweepSceneSource& in, double arrivalMs, double responseMs) {
    const sweep::Gate& g = in.GateSettings;
    const double from = std::max(0.0, arrivalMs - std::max(3.0 * g.PreMs, 2.0));
    const double to = std::min(responseMs, arrivalMs + std::max(3.0 * g.LengthMs, 10.0));
    return {from, std::max(to, from + 1.0)};
}

PlotScene ImpulseScene(const SweepSceneSource& in, bool decibels) {
    const sweep::SweepResult& r = *in.Result;
    const double msPerSample = 1000.0 / in.Shape.SampleRate;
    const double arrivalMs = r.ArrivalAt.Sample * msPerSample;
    const auto samples =
        std::min<std::size_t>(static_cast<std::size_t>(r.ResponseSamples), r.Ir.size());
    const TimeSpan span = ShownTime(in, arrivalMs, static_cast<double>(samples) * msPerSample);
    PlotScene scene;
    scene.X = {.From = span.FromMs, .To = span.ToMs, .Step = 0.0, .Log = false, .Unit = "ms"};
    scene.X.Step = std::pow(10.0, std::floor(std::log10((span.ToMs - span.FromMs) / 2.0)));
    scene.Y = decibels
                  ? PlotAxis{.From = -100.0, .To = 0.0, .Step = 10.0, .Log = false, .Unit = "dB"}
                  : PlotAxis{.From = -100.0, .To = 100.0, .Step = 20.0, .Log = false, .Unit = "%"};
    float peak = 0.0f;
    for (std::size_t i = 0; i < samples; ++i)
        peak = std::max(peak, std::fabs(r.Ir[i]));
    if (!(peak > 0.0f)) peak = 1.0f;
    PlotCurve curve;
    const double first = span.FromMs / msPerSample;
    const double step = (span.ToMs - span.FromMs) / msPerSample / kColumns;
    for (int c = 0; c < kColumns; ++c) {
        const auto a = static_cast<std::size_t>(first + c * step);
        const auto b =
            std::min(samples, std::max(a + 1, static_cast<std::size_t>(first + (c + 1) * step)));
        float low = 0.0f, high = 0.0f, largest = 0.0f;
        for (std::size_t i = a; i < b; ++i) {
            low = std::min(low, r.Ir[i]);
            high = std::max(high, r.Ir[i]);
            largest = std::max(largest, std::fabs(r.Ir[i]));
        }
        const double t = (static_cast<double>(a) + 0.5 * step) * msPerSample;
        if (decibels) {
            curve.X.push_back(t);
            curve.Y.push_back(std::max(20.0 * std::log10(largest / peak + 1e-30), -200.0));
        } else {
            curve.X.insert(curve.X.end(), {t, t});
            curve.Y.insert(curve.Y.end(), {100.0 * low / peak, 100.0 * high / peak});
        }
    }
    PlotCurve gate = Pen(kGreen, DrawStyle::Dot);
    for (int c = 0; c <= kColumns; ++c) {
        const double t = span.FromMs + (span.ToMs - span.FromMs) * c / kColumns;
        const double w = sweep::GateWeight(in.GateSettings, t - arrivalMs);
        gate.X.push_back(t);
        gate.Y.push_back(decibels ? std::max(20.0 * std::log10(w + 1e-30), -200.0) : 100.0 * w);
    }
    scene.Curves = {std::move(curve), std::move(gate)};
    scene.Marks = {arrivalMs - in.GateSettings.PreMs, arrivalMs + in.GateSettings.LengthMs};
    scene.Note = text::arg(text::translate("SweepPlot", "Ankunft %1 ms, %2 m"),
                           {FormatFixed(r.DelayMs, 2, in.DecimalSeparator),
                            FormatFixed(r.DistanceM, 2, in.DecimalSeparator)});
    return scene;
}

double NiceTop(double largest) {
    return std::ceil((largest + 3.0) / 10.0) * 10.0;
}

// The gated response drawn at the chosen smoothing where the sweep had its full level, from
// 10 Hz at the lowest to 20 kHz at the highest.
std::vector<sweep::ResponsePoint> DrawnPoints(const SweepSceneSource& in, double top) {
    const sweep::ValidBand valid{.FromHz = in.Shape.FullLevelFrom(),
                                 .ToHz = in.Shape.FullLevelTo()};
    return sweep::SmoothedPoints(in.Result->Gated,
                                 sweep::DrawnFrequencies(std::max(10.0, valid.FromHz),
                                                         std::min(top, valid.ToHz),
                                                         in.Result->Gated, in.Smoothing),
                                 in.Smoothing, valid);
}

// Below the gate's lowest frequency the curve is grey; the grey part reaches the first gated
// point, so that the curve has no gap.
struct GatedCurve {
    PlotCurve Below = Pen(kDarkGrey);
    PlotCurve Above = Pen(kBlue);
    void add(double gateLowHz, double f, double value) {
        const bool gated = f >= gateLowHz;
        if (!gated || Below.X.empty() || Below.X.back() < gateLowHz) {
            Below.X.push_back(f);
            Below.Y.push_back(value);
        }
        if (gated) {
            Above.X.push_back(f);
            Above.Y.push_back(value);
        }
    }
};

PlotAxis FrequencyAxis(const SweepSceneSource& in) {
    const double top = std::min(in.Shape.SampleRate / 2.0, 20000.0);
    return {.From = 10.0, .To = top, .Step = 0.0, .Log = true, .Unit = "Hz"};
}

std::string GateNote(const SweepSceneSource& in) {
    const sweep::SweepResult& r = *in.Result;
    return text::arg(text::translate("SweepPlot", "Gate ab %1 Hz, Laufzeit %2 ms entfernt"),
                     {FormatFixed(r.GateLowHz, 0, in.DecimalSeparator),
                      FormatFixed(r.DelayMs, 2, in.DecimalSeparator)});
}

PlotScene ResponseScene(const SweepSceneSource& in) {
    const sweep::SweepResult& r = *in.Result;
    PlotScene scene;
    scene.X = FrequencyAxis(in);
    scene.Right = PlotAxis{.From = -180.0, .To = 180.0, .Step = 90.0, .Log = false, .Unit = "°"};
    GatedCurve level;
    PlotCurve phase = Pen(kPhaseCurveColour, DrawStyle::Dot, true);
    double largest = -300.0;
    for (const sweep::ResponsePoint& row : DrawnPoints(in, scene.X.To)) {
        if (row.Db < -300.0) continue;
        level.add(r.GateLowHz, row.Freq, row.Db);
        if (row.Freq >= r.GateLowHz) {
            phase.X.push_back(row.Freq);
            phase.Y.push_back(row.PhaseDeg);
            largest = std::max(largest, row.Db);
        }
    }
    if (largest < -299.0) largest = 0.0;
    scene.Y = {.From = NiceTop(largest) - 80.0,
               .To = NiceTop(largest),
               .Step = 10.0,
               .Log = false,
               .Unit = "dB"};
    if (in.Comparison != nullptr && in.Comparison->CurveLoaded == 1 &&
        in.Comparison->CurveType == static_cast<int16_t>(CurveKind::Level)) {
        PlotCurve comparison = Pen(kBlack);
        for (int i = 0;
             i < std::clamp<int>(in.Comparison->CurveCount, 0, CorrectionCurve::kEntries); ++i) {
            comparison.X.push_back(in.Comparison->CurveFreq[i]);
            const float v = in.Comparison->CurveAmp[i];
            comparison.Y.push_back(isNoValue(v) ? kNone : v);
        }
        scene.Curves.push_back(std::move(comparison));
    }
    scene.Curves.insert(scene.Curves.end(),
                        {std::move(phase), std::move(level.Below), std::move(level.Above)});
    scene.Marks = {r.GateLowHz};
    scene.Note = GateNote(in);
    return scene;
}

// A grid step of 1, 2 or 5 times a power of ten that gives at most ten lines over `span`.
double GridStep(double span) {
    double step = 0.1;
    for (int i = 0; span / step > 10.0; ++i)
        step *= i % 3 == 1 ? 2.5 : 2.0;
    return step;
}

// The group delay with the arrival's delay removed: what the loudspeaker adds to its arrival. The
// axis spans the gated part's values and 0, within -20 to 100 ms (near the gate's lowest
// frequency a ragged value would squeeze the rest flat).
PlotScene GroupDelayScene(const SweepSceneSource& in) {
    const sweep::SweepResult& r = *in.Result;
    PlotScene scene;
    scene.X = FrequencyAxis(in);
    GatedCurve delay;
    double low = 0.0, high = 1.0;
    for (const sweep::ResponsePoint& row : DrawnPoints(in, scene.X.To)) {
        if (row.Db < -300.0) continue;
        delay.add(r.GateLowHz, row.Freq, row.GroupDelayMs);
        if (row.Freq >= r.GateLowHz) {
            low = std::min(low, row.GroupDelayMs);
            high = std::max(high, row.GroupDelayMs);
        }
    }
    low = std::max(low, -20.0);
    high = std::min(high, 100.0);
    const double step = GridStep(high - low);
    scene.Y = {.From = std::floor(low / step) * step,
               .To = std::ceil(high / step) * step,
               .Step = step,
               .Log = false,
               .Unit = "ms"};
    scene.Curves = {std::move(delay.Below), std::move(delay.Above)};
    scene.Marks = {r.GateLowHz};
    scene.Note = GateNote(in);
    return scene;
}

PlotScene DistortionScene(const SweepSceneSource& in) {
    PlotScene scene;
    scene.X = {.From = std::max(in.Shape.F1, 10.0),
               .To = std::max(in.Shape.F2 / 2.0, 20.0),
               .Step = 0.0,
               .Log = true,
               .Unit = "Hz"};
    const auto shown = [&](const std::optional<double>& percent) {
        if (!percent || !(*percent > 0.0)) return kNone;
        return in.DistortionInDb ? 20.0 * std::log10(*percent / 100.0) : *percent;
    };
    constexpr std::array<Colour, 4> kOrderColours{kBlue, 0x0000C0, 0x008000, kMagenta};
    std::vector<PlotCurve> orders(4);
    PlotCurve thd = Pen(kBlack), noise = Pen(kLightGrey);
    PlotCurve fundamental = Pen(kDarkGrey, DrawStyle::Dot, true);
    double largest = 0.0, loudest = -300.0;
    for (const sweep::DistortionRow& row : in.Distortion) {
        for (std::size_t k = 0; k < orders.size(); ++k) {
            orders[k].X.push_back(row.FrequencyHz);
            orders[k].Y.push_back(shown(row.KPercent[k]));
            largest = std::max(largest, row.KPercent[k].value_or(0.0));
        }
        thd.X.push_back(row.FrequencyHz);
        thd.Y.push_back(shown(row.ThdPercent));
        largest = std::max(largest, row.ThdPercent.value_or(0.0));
        noise.X.push_back(row.FrequencyHz);
        noise.Y.push_back(shown(row.NoisePercent));
        fundamental.X.push_back(row.FrequencyHz);
        fundamental.Y.push_back(row.FundamentalDb.value_or(kNone));
        loudest = std::max(loudest, row.FundamentalDb.value_or(-300.0));
    }
    if (in.DistortionInDb) {
        scene.Y = {.From = -100.0, .To = 0.0, .Step = 10.0, .Log = false, .Unit = "dB"};
    } else {
        double top = 1.0;
        while (top < std::min(largest, 100.0))
            top *= top < 5.0 ? (top < 2.0 ? 2.0 : 2.5) : 2.0;
        scene.Y = {.From = 0.0, .To = top, .Step = top / 5.0, .Log = false, .Unit = "%"};
    }
    if (loudest < -299.0) loudest = 0.0;
    scene.Right = PlotAxis{.From = NiceTop(loudest) - 100.0,
                           .To = NiceTop(loudest),
                           .Step = 20.0,
                           .Log = false,
                           .Unit = "dB"};
    scene.Curves = {std::move(noise), std::move(fundamental)};
    const char* names[] = {"k2", "k3", "k4", "k5"};
    for (std::size_t k = 0; k < orders.size(); ++k) {
        orders[k].LineColour = kOrderColours[k];
        scene.Legend.push_back({names[k], kOrderColours[k]});
        scene.Curves.push_back(std::move(orders[k]));
    }
    scene.Curves.push_back(std::move(thd));
    scene.Legend.push_back({"THD", kBlack});
    scene.Legend.push_back({text::translate("SweepPlot", "Rauschen"), kLightGrey});
    scene.Legend.push_back({text::translate("SweepPlot", "Grundwelle (rechts)"), kDarkGrey});
    return scene;
}

} // namespace

PlotScene SweepSceneFor(const SweepSceneSource& source) {
    if (source.Result == nullptr || source.Result->Ir.empty()) return {};
    switch (source.View) {
    case SweepView::Impulse:
        return ImpulseScene(source, false);
    case SweepView::EnergyTime:
        return ImpulseScene(source, true);
    case SweepView::Distortion:
        return DistortionScene(source);
    case SweepView::GroupDelay:
        if (source.Result->Gated.Bins.empty()) return ImpulseScene(source, false);
        return GroupDelayScene(source);
    case SweepView::Response:
        break;
    }
    if (source.Result->Gated.Bins.empty()) return ImpulseScene(source, false);
    return ResponseScene(source);
}

} // namespace terzlab
