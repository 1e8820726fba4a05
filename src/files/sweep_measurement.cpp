#include "files/sweep_measurement.h"

#include "sweep/sweep_files.h"

#include <cstdio>

namespace terzlab {

std::vector<MeasurementRow> SweepMeasurementRows(const sweep::SweepResult& r,
                                                 const sweep::SweepShape& s, double fromHz) {
    std::vector<MeasurementRow> rows;
    for (const sweep::ResponsePoint& p : sweep::TwelfthOctavePoints(r, s, fromHz))
        rows.push_back({.Freq = p.Freq, .Value = p.Db, .Phase = p.PhaseDeg});
    return rows;
}

MeasurementHeader SweepMeasurementHeader(const sweep::SweepResult& r, const sweep::SweepShape& s,
                                         const sweep::Gate& g) {
    char title[64];
    std::snprintf(title, sizeof title, "Sweep, Gate %.3f ms %s", g.LengthMs,
                  sweep::ShapeName(g.Shape));
    MeasurementHeader h;
    h.Title = title;
    h.SampleRate = s.SampleRate;
    h.BlockSize = static_cast<int32_t>(2 * (r.Gated.Bins.size() - 1));
    h.Type = MeasType::LevelTwoChannel; // a transfer: the recorded over the played signal
    return h;
}

} // namespace terzlab
