// "Andere Datei ...": the system's file dialog beside the program's own list, for the files the
// list does not offer. As comparison curves: FRD, ZMA and CSV of other tools and measurement
// files of any name; as sensor: the calibration files of microphone makers and .SEN files of
// any name.
#include "analysis/meas_type.h"
#include "app/frm_sel.h"
#include "app/sel_host.h"
#include "platform/message_service.h"

#include "files/curve_text.h"
#include "platform/services.h"

#include <QComboBox>
#include <QFileDialog>
#include <QPushButton>

namespace terzlab::app {

void frmSel::buildOtherButton() {
    cmdOther = new QPushButton(tr("A&ndere Datei ..."), this);
    cmdOther->setObjectName(QStringLiteral("cmdOther"));
    cmdOther->setGeometry(216, 392, 140, 28);
    connect(cmdOther, &QPushButton::clicked, this, [this] { cmdOther_Click(); });
}

void frmSel::showOtherButton() {
    cmdOther->setVisible(state_.SelMode == sel::kSensor || state_.SelMode == sel::kComparison);
}

void frmSel::cmdOther_Click() {
    const bool sensor = state_.SelMode == sel::kSensor;
    const QString filter = sensor ? tr("Kalibrierdateien (*.txt *.cal *.frd *.csv *.sen *.SEN)")
                                  : tr("Kurven (*.frd *.zma *.csv *.txt *.oct *.OCT)");
    const QString path = QFileDialog::getOpenFileName(
        this, windowTitle(), Dir1->path(), filter + QStringLiteral(";;") + tr("Alle Dateien (*)"));
    if (!path.isEmpty()) loadOtherFile(path);
}

// A file that cannot be used keeps the dialog open and leaves the slot as it was.
void frmSel::loadOtherFile(const QString& path) {
    const int slot = state_.SelMode == sel::kSensor ? kSensorSlot : kComparisonSlot;
    const std::filesystem::path file = path.toStdString();
    DispOct& store = main_.dispOct();
    StoredCurve& curve = store.Curves[static_cast<size_t>(slot)];
    if (IsCurveTextFile(file)) {
        const bool ohm = PropertiesOf(measType()).Unit == ResultUnit::Ohm;
        if (!LoadCurveTextFile(store, slot, file, ohm ? CurveKind::Impedance : CurveKind::Level,
                               main_.curveLastBand(), messages_))
            return;
        main_.curvePutInto(slot, curve.CurveType, QString::fromStdString(curve.CurveTitle));
        accept();
        main_.curveLoaded(slot);
        return;
    }
    DispOct probes;
    const FileProbe probe = ProbeFile(probes, file, slot == kSensorSlot ? kSensorMask : kOctMask);
    if (probe.Type == kCurveUnknown || !isShown(probe.Type)) {
        messages_.show(tr("Es muss mindestens eine gültige Datei ausgewählt sein!"),
                       platform::MsgButtons::Ok, platform::MsgIcon::Information, tr("Hinweis"));
        return;
    }
    curve.CurveLoaded = 1;
    curve.CurveType = probe.Type;
    curve.CurveDir = file.has_parent_path() ? file.parent_path().string() : ".";
    curve.CurveFile = file.filename().string();
    curve.CurveTitle = probe.Title;
    main_.curvePutInto(slot, probe.Type, QString::fromStdString(probe.Title));
    accept();
    loadIntoStore(slot);
}

} // namespace terzlab::app
