#include "app/frm_sweep.h"

#include "platform/numeric_input.h"
#include "sweep/smoothing.h"
#include "sweep/sweep_signal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>

#include <algorithm>
#include <utility>

namespace terzlab::app {

namespace {

// In the user's notation, as the fields read it back.
QString shown(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', QLocale::FloatingPointShortest);
}

QLineEdit* numberField(QWidget* parent, const char* name, double value, bool minus) {
    auto* field = new QLineEdit(shown(value), parent);
    field->setObjectName(QString::fromLatin1(name));
    platform::NumericKeyFilter::attach(field, minus);
    return field;
}

struct FieldRange {
    QLineEdit* field;
    QString name;
    double min;
    double max;
    double* value;
};

} // namespace

frmSweep::frmSweep(SweepHost& host, const SweepFields& f, QWidget* parent)
    : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("frmSweep"));
    setWindowTitle(tr("Sweep"));
    auto* form = new QFormLayout(this);
    txtF1 = numberField(this, "txtSweepF1", f.F1, false);
    txtF2 = numberField(this, "txtSweepF2", f.F2, false);
    cmbLength = new QComboBox(this);
    cmbLength->setObjectName(QStringLiteral("cmbSweepLength"));
    for (int32_t n = sweep::kMinSweepSamples; n <= sweep::kMaxSweepSamples; n *= 2)
        cmbLength->addItem(QString::number(n), n);
    cmbLength->setCurrentIndex(std::max(cmbLength->findData(f.Samples), 0));
    txtLevel = numberField(this, "txtSweepLevel", f.LevelDb, true);
    spnRepeat = new QSpinBox(this);
    spnRepeat->setObjectName(QStringLiteral("spnSweepRepeat"));
    spnRepeat->setRange(1, 16);
    spnRepeat->setValue(f.Repetitions);
    chkLoopback = new QCheckBox(tr("Referenz (Loopback) im anderen Eingang"), this);
    chkLoopback->setObjectName(QStringLiteral("chkSweepLoopback"));
    chkLoopback->setChecked(f.Loopback != 0);
    txtGatePre = numberField(this, "txtGatePre", f.GatePreMs, false);
    txtGateLength = numberField(this, "txtGateLength", f.GateLengthMs, false);
    cmbGateWindow = new QComboBox(this);
    cmbGateWindow->setObjectName(QStringLiteral("cmbGateWindow"));
    cmbGateWindow->addItems({tr("Rechteck"), tr("Halb-Hann"), tr("Tukey")});
    cmbGateWindow->setCurrentIndex(f.GateShape);
    cmbView = new QComboBox(this);
    cmbView->setObjectName(QStringLiteral("cmbSweepView"));
    cmbView->addItems({tr("Impulsantwort"), tr("Energie-Zeit-Kurve"), tr("Frequenzgang"),
                       tr("Verzerrung"), tr("Gruppenlaufzeit")});
    cmbView->setCurrentIndex(std::clamp<int>(f.View, 0, cmbView->count() - 1));
    cmbSmoothing = new QComboBox(this);
    cmbSmoothing->setObjectName(QStringLiteral("cmbSweepSmoothing"));
    cmbSmoothing->addItem(tr("keine"), sweep::kFullResolution);
    for (const int fraction : sweep::kSmoothingFractions)
        cmbSmoothing->addItem(tr("1/%1 Oktave").arg(fraction), fraction);
    const int smoothing = cmbSmoothing->findData(static_cast<int>(f.Smoothing));
    cmbSmoothing->setCurrentIndex(smoothing >= 0 ? smoothing
                                                 : cmbSmoothing->findData(SweepFields{}.Smoothing));
    cmbDistortionUnit = new QComboBox(this);
    cmbDistortionUnit->setObjectName(QStringLiteral("cmbDistortionUnit"));
    cmbDistortionUnit->addItems({tr("Prozent"), tr("dB")});
    form->addRow(tr("Startfrequenz f1 [Hz]"), txtF1);
    form->addRow(tr("Endfrequenz f2 [Hz]"), txtF2);
    form->addRow(tr("Länge [Abtastwerte]"), cmbLength);
    form->addRow(tr("Pegel [dBFS]"), txtLevel);
    form->addRow(tr("Wiederholungen"), spnRepeat);
    form->addRow(chkLoopback);
    form->addRow(tr("Gate vor der Ankunft [ms]"), txtGatePre);
    form->addRow(tr("Gate nach der Ankunft [ms]"), txtGateLength);
    form->addRow(tr("Gate-Fenster"), cmbGateWindow);
    form->addRow(tr("Ansicht"), cmbView);
    form->addRow(tr("Glättung"), cmbSmoothing);
    form->addRow(tr("Verzerrung in"), cmbDistortionUnit);
    lastGate_ = txtGatePre->text() + u'|' + txtGateLength->text();
    for (QLineEdit* gate : {txtGatePre, txtGateLength})
        connect(gate, &QLineEdit::editingFinished, this, [this] { gateEdited(); });
    connect(cmbGateWindow, &QComboBox::currentIndexChanged, this,
            [this] { host_.sweepGateChanged(); });
    for (QComboBox* list : {cmbView, cmbSmoothing, cmbDistortionUnit})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { host_.sweepViewChanged(); });
}

// Only a changed value gates again: leaving a field untouched costs nothing.
void frmSweep::gateEdited() {
    const QString now = txtGatePre->text() + u'|' + txtGateLength->text();
    if (now == std::exchange(lastGate_, now)) return;
    host_.sweepGateChanged();
}

std::optional<SweepFields> frmSweep::fields(QString& error) const {
    SweepFields f;
    const FieldRange ranges[] = {
        {txtF1, tr("Startfrequenz"), 1.0, 100000.0, &f.F1},
        {txtF2, tr("Endfrequenz"), 1.0, 100000.0, &f.F2},
        {txtLevel, tr("Pegel"), -60.0, 0.0, &f.LevelDb},
        {txtGatePre, tr("Gate vor der Ankunft"), 0.0, 1000.0, &f.GatePreMs},
        {txtGateLength, tr("Gate nach der Ankunft"), 0.01, 10000.0, &f.GateLengthMs},
    };
    for (const FieldRange& r : ranges) {
        const auto value = platform::ReadFieldNumber(r.field->text());
        if (!value || !(*value >= r.min && *value <= r.max)) {
            error = tr("%1: \"%2\" ist kein gültiger Wert. %3")
                        .arg(r.name, r.field->text(), platform::RangeHint(r.min, r.max));
            return std::nullopt;
        }
        *r.value = *value;
    }
    f.Samples = cmbLength->currentData().toInt();
    f.Repetitions = static_cast<int16_t>(spnRepeat->value());
    f.GateShape = static_cast<int16_t>(cmbGateWindow->currentIndex());
    f.Loopback = chkLoopback->isChecked() ? 1 : 0;
    f.Smoothing = static_cast<int16_t>(smoothing());
    f.View = static_cast<int16_t>(view());
    return f;
}

SweepView frmSweep::view() const {
    return static_cast<SweepView>(
        std::clamp(cmbView->currentIndex(), 0, static_cast<int>(SweepView::GroupDelay)));
}

int frmSweep::smoothing() const {
    return cmbSmoothing->currentData().toInt();
}

bool frmSweep::distortionInDb() const {
    return cmbDistortionUnit->currentIndex() == 1;
}

void frmSweep::lockSweep(bool locked) {
    for (QWidget* field :
         std::initializer_list<QWidget*>{txtF1, txtF2, cmbLength, txtLevel, spnRepeat, chkLoopback})
        field->setEnabled(!locked);
}

} // namespace terzlab::app
