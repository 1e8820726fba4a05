#include "app/frm_axis.h"

#include "analysis/chosen_axis.h"
#include "platform/numeric_input.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace terzlab::app {

using platform::CheckRange;
using platform::ReadFieldNumber;

frmAxis::frmAxis(const AxisRange& current, std::function<void(const AxisRange&)> onChosen,
                 QWidget* parent)
    : QDialog(parent), onChosen_(std::move(onChosen)) {
    setWindowTitle(tr("Achse einstellen"));
    auto* grid = new QGridLayout(this);
    txtTop = addField(tr("&Oben:"), current.RangeTop, 0);
    txtBottom = addField(tr("&Unten:"), current.RangeBottom, 1);
    txtStep = addField(tr("&Teilung:"), current.RangeStep, 2);
    lblNote = new QLabel(this);
    lblNote->setWordWrap(true);
    lblNote->setStyleSheet(QStringLiteral("color: #C00000"));
    grid->addWidget(lblNote, 3, 0, 1, 2);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(tr("Abbruch"), this);
    cmdOK->setDefault(true);
    grid->addWidget(cmdOK, 4, 0);
    grid->addWidget(cmdCancel, 4, 1);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* frmAxis::addField(const QString& caption, int value, int row) {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* label = new QLabel(caption, this);
    auto* field = new QLineEdit(QString::number(value), this);
    label->setBuddy(field);
    platform::NumericKeyFilter::attach(field, field != txtStep);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

// Each field on its own first: the refused one keeps the focus with its hint.
bool frmAxis::fieldsInRange() {
    const struct {
        QLineEdit* field;
        double minimum, maximum;
    } checks[] = {{txtTop, -kAxisLimit, kAxisLimit},
                  {txtBottom, -kAxisLimit, kAxisLimit},
                  {txtStep, kAxisSteps.front(), kAxisSteps.back()}};
    for (const auto& c : checks) {
        if (CheckRange(c.field->text(), c.minimum, c.maximum)) {
            platform::ReleaseField(c.field);
            continue;
        }
        platform::HoldField(c.field, platform::RangeHint(c.minimum, c.maximum),
                            [this] { return isVisible(); });
        lblNote->clear();
        return false;
    }
    return true;
}

void frmAxis::cmdOK_Click() {
    if (!fieldsInRange()) return;
    const double top = *ReadFieldNumber(txtTop->text());
    const double bottom = *ReadFieldNumber(txtBottom->text());
    const double step = *ReadFieldNumber(txtStep->text());
    const std::string fault = AxisFault(top, bottom, step);
    lblNote->setText(QString::fromStdString(fault));
    if (!fault.empty()) return;
    onChosen_(AxisRange{static_cast<int16_t>(top), static_cast<int16_t>(bottom),
                        static_cast<int16_t>(step)});
    accept();
}

} // namespace terzlab::app
