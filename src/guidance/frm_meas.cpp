#include "guidance/frm_meas.h"
#include "analysis/meas_type.h"

#include "files/numbers.h"
#include "guidance/instruction_text.h"
#include "guidance/sketch_view.h"
#include "guidance/wiring_sketch.h"
#include "platform/numeric_input.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace terzlab::guidance {

namespace {

constexpr double kMinResistor = 0.1;
constexpr double kMaxResistor = 100.0;
// Text and sketch side by side must fit an 800 x 600 screen with the window's frame: the text
// column is narrower and the sketch is shown at five sixths of its drawn size.
constexpr int kTextWidth = 430;
constexpr int kMargin = 12;
constexpr int kSketchShownPercent = 83;

} // namespace

frmMeas::frmMeas(DialogState& dialogs, InstructionSubject subject, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), subject_(subject), page_(dialogs.DialogPage) {
    setObjectName(QStringLiteral("frmMeas"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Hinweise zur Messung"));
    buildLayout();
    showMode();
    // Kept above the main window, so that it cannot vanish behind it while the run waits.
    platform::makeTopmost(this);
    // The start button still reads "&Starte Messung" while the run waits here; a second
    // click must not start a run inside this one.
    setWindowModality(Qt::ApplicationModal);
}

platform::QtPicture& frmMeas::sketch() {
    return sketch_->Surface();
}

void frmMeas::buildLayout() {
    const QSize drawnPixels(kSketchWidth / 15, kSketchHeight / 15);
    const QSize sketchPixels = drawnPixels * kSketchShownPercent / 100;
    lblMain = new QLabel(tr("Verkabelung:"), this);
    lblMain->setObjectName(QStringLiteral("lblMain"));
    lblMain->setWordWrap(true);
    lblMain->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMain->setGeometry(kMargin, kMargin, kTextWidth, sketchPixels.height() + 50);
    sketch_ = new SketchView(drawnPixels, sketchPixels, this);
    sketch_->move(2 * kMargin + kTextWidth, kMargin);
    const int x = 2 * kMargin + kTextWidth;
    const int y = 2 * kMargin + sketchPixels.height();
    lblValue = new QLabel(tr("Rvor [Ohm]:"), this);
    lblValue->setGeometry(x, y + 4, 80, 20);
    txtValue = new QLineEdit(this);
    txtValue->setObjectName(QStringLiteral("txtValue"));
    txtValue->setGeometry(x + 84, y, 70, 24);
    platform::NumericKeyFilter::attach(txtValue, false);
    chkImp = new QCheckBox(tr("Rvor <-> Zx"), this);
    chkImp->setObjectName(QStringLiteral("chkImp"));
    chkImp->setGeometry(x + 170, y, 110, 24);
    chkXchan = new QCheckBox(tr("Li <-> Re"), this);
    chkXchan->setObjectName(QStringLiteral("chkXchan"));
    // Beside the start button: the row above, as wide as the sketch is shown, has no room left.
    chkXchan->setGeometry(x, y + 38, 110, 24);
    cmdOK = new QPushButton(tr("Messung &Start"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setGeometry(x + sketchPixels.width() - 130, y + 36, 130, 28);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(chkImp, &QCheckBox::toggled, this, [this] { drawSketch(); });
    connect(chkXchan, &QCheckBox::toggled, this, [this] { drawSketch(); });
    setFixedSize(x + sketchPixels.width() + kMargin, y + 36 + 28 + kMargin);
}

void frmMeas::showMode() {
    const int mode = page_ - kInstructionPageBase;
    mode_ = mode >= 0 && mode <= kLastInstructionMode ? mode : -1;
    if (mode_ >= 0) {
        const std::string text = InstructionText(
            {mode_, subject_.ActiveChannel == 0, static_cast<int>(subject_.ImpedancePart)});
        lblMain->setText(QString::fromStdString(text).replace(QStringLiteral("\r\n"), "\n"));
        fitText();
    }
    const bool impedance = mode_ == 3 || mode_ == 4;
    txtValue->setText(QString::fromStdString(
        FormatRoundTrip(subject_.SeriesResistor ? *subject_.SeriesResistor : 10.0f)));
    for (QWidget* control : {static_cast<QWidget*>(lblValue), static_cast<QWidget*>(txtValue),
                             static_cast<QWidget*>(chkImp)})
        control->setVisible(impedance);
    chkXchan->setVisible(HasSetUp(mode_));
    drawSketch();
    (impedance ? static_cast<QWidget*>(txtValue) : static_cast<QWidget*>(cmdOK))->setFocus();
}

void frmMeas::fitText() {
    const int needed = lblMain->heightForWidth(kTextWidth);
    if (needed <= lblMain->height()) return;
    const int grow = needed - lblMain->height();
    lblMain->resize(kTextWidth, needed);
    setFixedSize(width(), height() + grow);
    for (QWidget* control : {static_cast<QWidget*>(lblValue), static_cast<QWidget*>(txtValue),
                             static_cast<QWidget*>(chkImp), static_cast<QWidget*>(chkXchan),
                             static_cast<QWidget*>(cmdOK)})
        control->move(control->x(), control->y() + grow);
}

void frmMeas::drawSketch() {
    DrawWiringSketch(sketch_->Surface(),
                     {mode_, subject_.ActiveChannel == 0, static_cast<int>(subject_.ImpedancePart),
                      chkImp->isChecked(), chkXchan->isChecked()});
    sketch_->update();
}

bool frmMeas::confirm() {
    if (confirmed_) return true;
    if (IsImpedanceType(subject_.Type)) {
        const auto value = platform::ReadFieldNumber(txtValue->text());
        if (!value || !platform::CheckRange(txtValue->text(), kMinResistor, kMaxResistor)) {
            txtValue->setFocus();
            txtValue->selectAll();
            platform::HoldField(txtValue, platform::RangeHint(kMinResistor, kMaxResistor),
                                [] { return true; });
            return false;
        }
        if (subject_.SeriesResistor) *subject_.SeriesResistor = static_cast<float>(*value);
    }
    confirmed_ = true;
    if (dialogs_.DialogPage == page_) dialogs_.DialogPage = -1;
    return true;
}

bool frmMeas::cmdOK_Click() {
    if (!confirm()) return false;
    close();
    return true;
}

void frmMeas::closeEvent(QCloseEvent* event) {
    // Closing confirms; a refused resistor keeps the dialog open like the button does, since
    // the run would otherwise measure with a value the user never accepted.
    if (confirm())
        event->accept();
    else
        event->ignore();
}

void frmMeas::reject() {
    close();
}

} // namespace terzlab::guidance
