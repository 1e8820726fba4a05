#include "calibration/frm_level.h"

#include "files/numbers.h"
#include "platform/message_service.h"
#include "platform/numeric_input.h"
#include "platform/services.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace terzlab::calibration {

using platform::CheckRange;
using platform::FocusMovesTo;
using platform::HoldField;
using platform::NumericKeyFilter;
using platform::RangeHint;
using platform::ReadFieldNumber;
using platform::ReleaseField;

namespace {

struct FieldRange {
    double minimum;
    double maximum;
};
constexpr FieldRange kDistanceRange{1.0, 999.9};
constexpr FieldRange kVoltageRange{0.001, 99.99};
constexpr FieldRange kOffsetRange{-99.99, 99.99};

QString formatted(double value, const char* pattern) {
    return QString::fromStdString(FormatValue(value, pattern));
}

} // namespace

frmLevel::frmLevel(CalibrationHost& host, platform::MessageService& messages, QWidget* parent)
    : QDialog(parent), host_(host), messages_(messages) {
    setObjectName(QStringLiteral("frmLevel"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    connectHandlers();
    platform::makeTopmost(this);
}

frmLevel* frmLevel::open(CalibrationHost& host, platform::MessageService& messages) {
    QWidget* main = host.dialogParent();
    // One dialog at a time: a second one would store over what the first one stores.
    for (QDialog* child : main->findChildren<QDialog*>()) {
        auto* existing = dynamic_cast<frmLevel*>(child);
        if (!existing || !existing->isVisible()) continue;
        existing->raise();
        existing->activateWindow();
        return existing;
    }
    auto* dialog = new frmLevel(host, messages, main);
    dialog->Form_Load();
    return dialog;
}

void frmLevel::buildPair(const QString& title, std::array<QLineEdit*, 2>& fields, const char* name,
                         int top, const std::array<QString, 2>& captions) {
    auto* frame = new QGroupBox(title, this);
    frame->setGeometry(12, top, 250, 64);
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(captions[static_cast<size_t>(i)], frame);
        label->setGeometry(10 + 120 * i, 28, 56, 24);
        fields[i] = new QLineEdit(frame);
        fields[i]->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(i));
        fields[i]->setGeometry(66 + 120 * i, 28, 58, 24);
        fields[i]->installEventFilter(this);
    }
}

void frmLevel::buildLayout() {
    setWindowTitle(tr("Messabstand/-pegel"));
    setFixedSize(274, 280);
    const std::array<QString, 2> targetActual{tr("Soll:"), tr("Ist:")};
    buildPair(tr("Abstand [cm]"), txtDist, "txtDist", 8, targetActual);
    buildPair(tr("Anregung [V]"), txtLevel, "txtLevel", 80, targetActual);
    buildPair(QStringLiteral("Offset [dB]"), txtSens, "txtSens", 152,
              {tr("Manuell:"), tr("Gesamt:")});
    // The total is the dialog's result, never typed.
    txtSens[1]->setReadOnly(true);
    txtSens[1]->setFocusPolicy(Qt::NoFocus);
    for (QLineEdit* field : {txtDist[0], txtDist[1], txtLevel[0], txtLevel[1]})
        NumericKeyFilter::attach(field, false);
    NumericKeyFilter::attach(txtSens[0], true);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(12, 236, 120, 30);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Abbruch"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(142, 236, 120, 30);
}

void frmLevel::connectHandlers() {
    connect(txtSens[0], &QLineEdit::textChanged, this, [this] { txtSens_Change(0); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmLevel::Form_Load() {
    const auto& corr = host_.levelCorrections();
    for (int i = 0; i < 2; ++i) {
        txtDist[i]->setText(formatted(corr[static_cast<size_t>(i)], "0.0"));
        txtLevel[i]->setText(formatted(corr[static_cast<size_t>(2 + i)], "0.00"));
        txtSens[i]->setText(formatted(corr[static_cast<size_t>(4 + i)], "0.00"));
    }
    show();
    messages_.show(tr("Der Pegel in jeder 1/12 Oktave der Datei Pseudo.wav\r\n"
                      "ist 33.5 dB kleiner als ein voll ausgesteuerter Sinus.\r\n"
                      "Daher ist der Vorgabwert für 'Offset [dB]' 33.5"),
                   platform::MsgButtons::Ok, platform::MsgIcon::Information, tr("Hinweis:"));
}

// Focus that leaves with the whole window (a message box, another program) is no field exit.
bool frmLevel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut || finishing_) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    if (FocusMovesTo(cmdCancel)) return false;
    for (int i = 0; i < 2; ++i) {
        if (watched == txtDist[i]) txtDist_LostFocus(i);
        if (watched == txtLevel[i]) txtLevel_LostFocus(i);
        if (watched == txtSens[i]) txtSens_LostFocus(i);
    }
    return false;
}

bool frmLevel::leaveField(QLineEdit* field, double minimum, double maximum) {
    if (CheckRange(field->text(), minimum, maximum)) {
        ReleaseField(field);
        recomputeTotal();
        return true;
    }
    HoldField(field, RangeHint(minimum, maximum), [this] { return !finishing_; });
    return false;
}

void frmLevel::txtDist_LostFocus(int index) {
    leaveField(txtDist[static_cast<size_t>(index)], kDistanceRange.minimum, kDistanceRange.maximum);
}

void frmLevel::txtLevel_LostFocus(int index) {
    leaveField(txtLevel[static_cast<size_t>(index)], kVoltageRange.minimum, kVoltageRange.maximum);
}

// Only the manual offset is typed; the total is the dialog's own result.
void frmLevel::txtSens_LostFocus(int index) {
    if (index != 0) return;
    leaveField(txtSens[0], kOffsetRange.minimum, kOffsetRange.maximum);
}

void frmLevel::txtSens_Change(int index) {
    if (index != 0) return;
    QLineEdit* field = txtSens[0];
    const QString text = field->text();
    QString kept = text.left(1) + QString(text.mid(1)).remove(QLatin1Char('-'));
    if (kept == text) return;
    const int cursor = field->cursorPosition();
    field->setText(kept);
    field->setCursorPosition(std::min<int>(cursor, static_cast<int>(kept.size())));
}

QLineEdit* frmLevel::firstInvalidField() const {
    const struct {
        QLineEdit* field;
        FieldRange range;
    } checks[] = {{txtDist[0], kDistanceRange},
                  {txtDist[1], kDistanceRange},
                  {txtLevel[0], kVoltageRange},
                  {txtLevel[1], kVoltageRange},
                  {txtSens[0], kOffsetRange}};
    for (const auto& check : checks)
        if (!CheckRange(check.field->text(), check.range.minimum, check.range.maximum))
            return check.field;
    return nullptr;
}

// The total comes from accepted values only: a refused field leaves it as it was.
bool frmLevel::recomputeTotal() {
    if (firstInvalidField() != nullptr) return false;
    const auto distTarget = ReadFieldNumber(txtDist[0]->text());
    const auto distActual = ReadFieldNumber(txtDist[1]->text());
    const auto voltTarget = ReadFieldNumber(txtLevel[0]->text());
    const auto voltActual = ReadFieldNumber(txtLevel[1]->text());
    const auto manual = ReadFieldNumber(txtSens[0]->text());
    if (!distTarget || !distActual || !voltTarget || !voltActual || !manual) return false;
    const double ratio = (*voltTarget / *voltActual) * (*distActual / *distTarget);
    if (!(ratio > 0.0) || !std::isfinite(ratio)) return false;
    txtSens[1]->setText(formatted(*manual + 20.0 * std::log10(ratio), "0.00"));
    return true;
}

void frmLevel::cmdOK_Click() {
    // A value typed and confirmed at once has had no field exit: it is checked here.
    if (QLineEdit* invalid = firstInvalidField()) {
        invalid->setFocus();
        return;
    }
    if (!recomputeTotal()) return;
    const QLineEdit* fields[] = {txtDist[0],  txtDist[1], txtLevel[0],
                                 txtLevel[1], txtSens[0], txtSens[1]};
    auto& corr = host_.levelCorrections();
    for (size_t i = 0; i < corr.size(); ++i)
        corr[i] = ReadFieldNumber(fields[i]->text()).value_or(corr[i]);
    finish(true);
}

void frmLevel::cmdCancel_Click() {
    finish(false);
}

// QDialog's own handler would call reject() and refuse the close while the dialog is visible.
void frmLevel::closeEvent(QCloseEvent* event) {
    finishing_ = true;
    event->accept();
}

void frmLevel::finish(bool redraw) {
    if (finishing_) return;
    finishing_ = true;
    if (redraw) host_.correctionsChanged();
    close();
    host_.focusStart();
}

} // namespace terzlab::calibration
