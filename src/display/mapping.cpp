#include "display/mapping.h"
#include "analysis/constants.h"
#include "analysis/meas_type.h"
#include <cmath>

namespace terzlab {

namespace {

constexpr double kPixelLimit = 1.0e6;

// A zero divisor would turn every coordinate into infinity; one unit keeps the picture sane.
double NonZero(double divisor) {
    return divisor == 0.0 ? 1.0 : divisor;
}

double LastIndex(double extent) {
    return NonZero(extent - 1.0);
}

} // namespace

int32_t ToPixel(double v) {
    if (std::isnan(v)) return 0;
    if (v > kPixelLimit) return static_cast<int32_t>(kPixelLimit);
    if (v < -kPixelLimit) return static_cast<int32_t>(-kPixelLimit);
    return static_cast<int32_t>(std::nearbyint(v));
}

int32_t TimeWindowLength(MeasType type, int32_t blockSize) {
    return PropertiesOf(type).TimeViewOnly ? 1024 : blockSize;
}

double FrequencyX(double frequency, double width, int32_t sampleRate) {
    const double pixelsPerDecade = width / NonZero(Log10(sampleRate / 20.0));
    return Log10(frequency / 10.0) * pixelsPerDecade;
}

double LevelY(double value, double height, const AxisRange& range) {
    const double span = NonZero(static_cast<double>(range.RangeTop) - range.RangeBottom);
    return (range.RangeTop - value) * height / span;
}

double FrameX(double frame, double width, int32_t frames) {
    return frame * (width / LastIndex(frames));
}

double SampleY(double sample, double height, int16_t rangeTop) {
    const double unitsPerSample = height / 65536.0 * 100.0 / NonZero(rangeTop);
    return (height - 1.0) / 2.0 - sample * unitsPerSample;
}

double CursorFrequency(double x, double width, int32_t sampleRate) {
    const double exponent = x / LastIndex(width) * Log10(sampleRate / 20.0);
    return 10.0 * std::pow(10.0, exponent);
}

double CursorLevel(double y, double height, const AxisRange& range) {
    const double span = static_cast<double>(range.RangeTop) - range.RangeBottom;
    return range.RangeTop - span * y / LastIndex(height);
}

double CursorTimeMs(double x, double width, int32_t frames, int32_t sampleRate) {
    return x / LastIndex(width) * 1000.0 * frames / NonZero(sampleRate);
}

double CursorPercent(double y, double height, int16_t rangeTop) {
    return rangeTop - 2.0 * rangeTop * y / LastIndex(height);
}

} // namespace terzlab
