// What the file dialog's action button does: save the measurement, or load the chosen files
// into the mode's curve slot.
#include "analysis/meas_type.h"
#include "app/frm_sel.h"
#include "app/sel_host.h"
#include "platform/message_service.h"

#include "files/measurement_writer.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace terzlab::app {

namespace {

using platform::MsgButtons;
using platform::MsgIcon;

} // namespace

// Leaving a field is what remembers it; a click on the button may come before that.
bool frmSel::rememberFields() {
    for (int field = 0; field < 6; ++field) {
        if (txtInfo[field]->isHidden() || txtInfo_LostFocus(field)) continue;
        txtInfo[field]->setFocus();
        return false;
    }
    return true;
}

void frmSel::saveMeasurement() {
    if (!rememberFields()) return;
    QString name = txtInfo[0]->text();
    if (name.trimmed().isEmpty()) {
        messages_.show(tr("Bitte einen Dateinamen eingeben!"), MsgButtons::Ok, MsgIcon::Information,
                       tr("Hinweis"));
        txtInfo[0]->setFocus();
        return;
    }
    if (name.right(4).toUpper() != QLatin1String(".OCT")) {
        name += QStringLiteral(".oct");
        txtInfo[0]->setText(name);
    }
    const QString path = filePath(name);
    // The old file stays until the new one is complete: the writer renames over it.
    if (QFileInfo::exists(path) &&
        messages_.show(tr("Soll die vorhandene Datei %1 überschrieben werden?").arg(path),
                       MsgButtons::YesNo, MsgIcon::Question,
                       tr("Warnung:")) == platform::MsgAnswer::No) {
        reject();
        return;
    }
    if (writeMeasurement(path)) accept();
}

bool frmSel::writeMeasurement(const QString& path) {
    MeasurementHeader header = main_.measurementHeader();
    header.Title = txtInfo[1]->text().toStdString();
    header.InfoType = static_cast<int16_t>(cmbInfoTyp->currentIndex());
    for (int field = 2; field < 6; ++field)
        header.InfoValues[static_cast<size_t>(field - 2)] = txtInfo[field]->text().toStdString();
    return SaveMeasurementFile(path.toStdString(), header, main_.savedRows(header), messages_);
}

void frmSel::loadSelection() {
    if (!keepValidRows()) {
        messages_.show(tr("Es muss mindestens eine gültige Datei ausgewählt sein!"), MsgButtons::Ok,
                       MsgIcon::Information, tr("Hinweis"));
        return;
    }
    const int slot = std::clamp<int>(state_.SelMode - 1, kSensorSlot, kComparisonSlot);
    for (int row = 0; row < Liste1->count(); ++row)
        if (Liste1->item(row)->isSelected()) putIntoSlot(slot, row);
    QDir::setCurrent(Dir1->path());
    accept();
    loadIntoStore(slot);
}

bool frmSel::keepValidRows() {
    bool any = false;
    for (int row = 0; row < Liste1->count(); ++row) {
        QListWidgetItem* item = Liste1->item(row);
        if (!item->isSelected()) continue;
        if (RowType[static_cast<size_t>(row)] == kCurveUnknown)
            item->setSelected(false);
        else
            any = true;
    }
    return any;
}

void frmSel::putIntoSlot(int slot, int row) {
    StoredCurve& curve = main_.dispOct().Curves[static_cast<size_t>(slot)];
    const Row& chosen = rows_[static_cast<size_t>(row)];
    curve.CurveLoaded = 1;
    curve.CurveType = RowType[static_cast<size_t>(row)];
    // The folder as shown, so that a file in the root keeps its leading separator.
    curve.CurveDir = Dir1->path().toStdString();
    curve.CurveFile = chosen.file.toStdString();
    curve.CurveTitle = chosen.title.toStdString();
    main_.curvePutInto(slot, curve.CurveType, chosen.title);
}

void frmSel::loadIntoStore(int slot) {
    if (main_.dispOct().Curves[static_cast<size_t>(slot)].CurveType == kCurveUnknown) return;
    if (!LoadCurve(main_.dispOct(), slot, main_.curveLastBand(), messages_)) {
        // A file that could not be read leaves nothing behind: no title, no tick, no "Yes".
        main_.curveLost(slot);
        return;
    }
    main_.curveLoaded(slot);
}

} // namespace terzlab::app
