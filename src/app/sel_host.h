#pragma once
// What the file dialog (frmSel) needs from the window it loads curves into and saves the
// measurement of; the window implements it, the dialog knows nothing else of it.
#include "analysis/bands.h"
#include "files/disp_oct.h"
#include "files/measurement_writer.h"
#include "files/settings.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace terzlab::app {

class SelHost {
  public:
    virtual ~SelHost() = default;

    // The settings the dialog remembers its info texts in.
    virtual terzlab::Settings& settings() = 0;
    virtual MeasType measType() const = 0;

    // The measurement to save: its header without the user's texts, the grid and phases of
    // the latest block, and the values at 1/12 octave.
    virtual MeasurementHeader measurementHeader() const = 0;
    virtual const BandState& measuredBands() const = 0;
    virtual std::vector<double> savedValues() const = 0;
    // The file's band lines: by default the grid with the values and phases above.
    virtual std::vector<MeasurementRow> savedRows(const MeasurementHeader& header) const {
        return MeasurementRows(header, measuredBands(), savedValues());
    }

    // The curve store and the grid its curves load onto.
    virtual DispOct& dispOct() = 0;
    virtual int16_t curveLastBand() const = 0;
    // A curve of this type and title was put into the slot: its box shows it, ticked where it
    // applies to the view shown.
    virtual void curvePutInto(int slot, int16_t curveType, const QString& title) = 0;
    // The slot's box without a curve, after a file could not be read.
    virtual void curveLost(int slot) = 0;
    // The slot's curve has been read: the graph takes it in.
    virtual void curveLoaded(int slot) = 0;
};

} // namespace terzlab::app
