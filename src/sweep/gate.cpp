#include "sweep/gate.h"

#include "text/translate.h"

#include <cmath>
#include <numbers>

namespace terzlab::sweep {
namespace {

double fallingHalfHann(double position, double length) {
    return 0.5 + 0.5 * std::cos(std::numbers::pi * position / length);
}

std::string ms(double value) {
    return text::fixed(value, 3);
}

} // namespace

double GateWeight(const Gate& gate, double t) {
    if (t < -gate.PreMs || t > gate.LengthMs) return 0.0;
    if (t < 0.0) return gate.Shape == GateShape::Rect ? 1.0 : fallingHalfHann(-t, gate.PreMs);
    switch (gate.Shape) {
    case GateShape::Rect:
        return 1.0;
    case GateShape::HalfHann:
        return fallingHalfHann(t, gate.LengthMs);
    case GateShape::Tukey: {
        const double flat = (1.0 - gate.Taper) * gate.LengthMs;
        return t <= flat ? 1.0 : fallingHalfHann(t - flat, gate.LengthMs - flat);
    }
    }
    return 0.0;
}

double GateLowHz(const Gate& gate) {
    return 1000.0 / gate.LengthMs;
}

std::string GateRefusal(const Gate& gate, double arrivalSample, int64_t responseSamples,
                        double leadSamples, int32_t sampleRate) {
    const double msPerSample = 1000.0 / sampleRate;
    if (!(gate.PreMs >= 0.0))
        return text::translate("Sweep", "Das Gate darf nicht nach der Ankunft beginnen "
                                        "(negativer Vorlauf)");
    if (!(gate.LengthMs > 0.0))
        return text::translate("Sweep", "Die Gate-Länge muss größer als 0 ms sein");
    if (!(gate.Taper >= 0.0 && gate.Taper <= 1.0))
        return text::translate("Sweep", "Der Tukey-Anteil muss zwischen 0 und 1 liegen");
    const double room = (static_cast<double>(responseSamples) - arrivalSample) * msPerSample;
    if (gate.LengthMs > room)
        return text::arg(text::translate("Sweep", "Das Gate endet nach der aufgenommenen Antwort: "
                                                  "nach der Ankunft sind nur %1 ms aufgenommen"),
                         {ms(room)});
    const double before = 0.5 * leadSamples * msPerSample;
    if (gate.PreMs > before)
        return text::arg(text::translate("Sweep", "Der Vorlauf reicht bis in die Antwort der "
                                                  "Oberwellen: höchstens %1 ms"),
                         {ms(before)});
    return {};
}

Response GatedResponse(std::span<const float> ir, double arrivalSample, const Gate& gate,
                       double delaySamples, int32_t sampleRate, RealTransform& transform) {
    const auto n = static_cast<int64_t>(ir.size());
    const double perMs = sampleRate / 1000.0;
    const auto first = static_cast<int64_t>(std::floor(arrivalSample - gate.PreMs * perMs));
    const auto last = static_cast<int64_t>(std::ceil(arrivalSample + gate.LengthMs * perMs));
    const int32_t size = std::max(2 * NextPowerOfTwo(last - first + 1), 8192);
    std::vector<float> part(static_cast<std::size_t>(size), 0.0f);
    for (int64_t i = first; i <= last; ++i) {
        const double weight = GateWeight(gate, (static_cast<double>(i) - arrivalSample) / perMs);
        part[static_cast<std::size_t>(i - first)] =
            static_cast<float>(weight * ir[static_cast<std::size_t>((i % n + n) % n)]);
    }
    Response r;
    r.BinHz = static_cast<double>(sampleRate) / size;
    transform.Forward(part, r.Bins);
    // The part starts at `first`; referred to the delay, its bins turn by first - delay.
    const double turn =
        -2.0 * std::numbers::pi * (static_cast<double>(first) - delaySamples) / size;
    for (std::size_t k = 0; k < r.Bins.size(); ++k)
        r.Bins[k] *= std::polar(1.0, turn * static_cast<double>(k));
    return r;
}

} // namespace terzlab::sweep
