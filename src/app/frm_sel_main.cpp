// The main window's side of the data files: the curve store's hooks, the file dialog and the
// settings file written at unload.
#include "analysis/meas_type.h"
#include "app/frm_main.h"
#include "app/frm_sel.h"
#include "app/live_controller.h"
#include "app/start.h"
#include "app/sweep_controller.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QComboBox>

namespace terzlab::app {

void frmMain::connectFileHooks() {
    hooks.loadedCurveTitle = [this](int slot) -> std::optional<QString> {
        const StoredCurve& curve = dispOct_.Curves[static_cast<size_t>(slot)];
        if (curve.CurveLoaded != 1) return std::nullopt;
        return QString::fromStdString(curve.CurveTitle);
    };
    hooks.loadedCurveType = [this](int slot) {
        const StoredCurve& curve = dispOct_.Curves[static_cast<size_t>(slot)];
        return curve.CurveLoaded == 1 ? static_cast<int>(curve.CurveType) : 0;
    };
    hooks.openFileDialog = [this](int selMode) { showFileDialog(selMode); };
    hooks.lastSelMode = [this] { return static_cast<int>(selState_.SelMode); };
    hooks.writeSettings = [this] { writeSettingsFile(); };
}

MeasurementHeader frmMain::measurementHeader() const {
    MeasurementHeader header;
    header.SampleRate = settings_.SampleRate;
    header.BlockSize = run_.BlockSize;
    header.WindowType = session().WindowType();
    header.Type = settings_.Type;
    header.Note = live_->note();
    for (size_t slot = 0; slot < 2; ++slot) {
        header.CurveOn[slot] = curveApplied(static_cast<int>(slot));
        header.CurveFile[slot] = dispOct_.Curves[slot].CurveFile;
    }
    return header;
}

// The curve is switched on where it applies to the measurement shown; the polarity
// measurement leaves the box as it is.
void frmMain::curvePutInto(int slot, int16_t curveType, const QString& title) {
    QCheckBox* box = chkLoaded[static_cast<size_t>(slot)];
    box->setEnabled(true);
    if (shownView() == View::Frequency) {
        const ResultUnit unit = PropertiesOf(settings_.Type).Unit;
        if (unit == ResultUnit::Decibel)
            platform::setChecked(box, curveType == kCurveLevel || curveType == kCurveSensor);
        else if (unit == ResultUnit::Ohm)
            platform::setChecked(box, (slot == kComparisonSlot && curveType == kCurveImpedance) ||
                                          (slot == kReferenceSlot && curveType == kCurveLevel));
    }
    showCurveBox(slot, title);
}

void frmMain::curveLoaded(int slot) {
    if (shownView() == View::Frequency && (run_.MeasValid || slot == kComparisonSlot)) {
        hooks.GetDbRange(true);
        hooks.DisplaySpec(false);
    }
}

void frmMain::showFileDialog(int selMode) {
    selState_.SelMode = static_cast<int16_t>(selMode);
    frmSel dialog(*this, selState_, *services_.messages,
                  QString::fromStdString(services_.places.documentFolder), this);
    dialog.Form_Load();
    dialog.exec();
}

int16_t frmMain::curveLastBand() const {
    const BandState& bands = session().Bands();
    if (!bands.Table.BandFreq.empty()) return bands.Table.LastBand;
    // Stored curves load before the window builds its grid: the grid its load will build.
    const std::optional<BlockSetting> block = BlockSettingFor(settings_.Type);
    BandState grid;
    terzlab::BuildBandTable(
        grid, {settings_.SampleRate, block ? block->BlockSize : 16384, settings_.Type});
    return grid.Table.LastBand;
}

void frmMain::writeSettingsFile() {
    sweep_->rememberFields();
    terzlab::Settings stored = settings_;
    RememberCurveFiles(dispOct_, stored);
    rememberComparisons(stored);
    WriteSettings(services_.places.settingsFile, stored, *services_.messages);
}

} // namespace terzlab::app
