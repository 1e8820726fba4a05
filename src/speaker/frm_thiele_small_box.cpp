// The Thiele-Small dialog's box: closed or vented, its figures and alignments, the driver's
// impedance in it as the model, and the predicted response.
#include "analysis/box_design.h"
#include "speaker/frm_thiele_small.h"
#include "speaker/frm_thiele_small_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace terzlab::speaker {

using namespace parts;

void frmThieleSmall::buildBoxPart(QGridLayout* grid, int row, int rows) {
    auto* box = new QGroupBox(tr("Gehäuse"), this);
    box->setObjectName(QStringLiteral("grpBox"));
    auto* inner = new QGridLayout(box);
    optClosed = new QRadioButton(tr("&geschlossen"), box);
    optClosed->setObjectName(QStringLiteral("optClosed"));
    optVented = new QRadioButton(tr("Bass&reflex"), box);
    optVented->setObjectName(QStringLiteral("optVented"));
    optClosed->setChecked(true);
    inner->addWidget(optClosed, 0, 0);
    inner->addWidget(optVented, 0, 1);
    for (int i = kFieldVb; i < kFieldCount; ++i) {
        const auto f = static_cast<std::size_t>(i);
        inner->addWidget(new QLabel(tr(kFields[f].caption), box), 1 + i - kFieldVb, 0);
        inner->addWidget(txtField[f], 1 + i - kFieldVb, 1);
    }
    cmdResponse = new QPushButton(tr("&Frequenzgang zeigen"), box);
    cmdResponse->setObjectName(QStringLiteral("cmdResponse"));
    cmdResponse->setEnabled(false);
    inner->addWidget(cmdResponse, 1 + kFieldCount - kFieldVb, 0, 1, 2);
    inner->setRowStretch(2 + kFieldCount - kFieldVb, 1);
    grid->addWidget(box, row, 3, rows, 1);
}

QStringList frmThieleSmall::addBox(const Inputs& in, const ThieleSmallFit& fit, double vas,
                                   std::vector<TsRow>& rows) {
    response_ = {};
    QStringList notes;
    const BoxDesign box{optVented->isChecked() ? BoxKind::Vented : BoxKind::Closed,
                        in.values[kFieldVb].value_or(0.0), in.values[kFieldFb].value_or(0.0),
                        in.values[kFieldQl].value_or(kAlignmentQl)};
    const bool asked = in.values[kFieldVb].has_value();
    ModelCurve model = CurveOf(QT_TR_NOOP("Modell (Thiele-Small)"), fit.FromHz, fit.ToHz,
                               [&](double f) { return std::abs(fit.Model.Impedance(f)); });
    if (vas > 0.0) {
        const Alignments aligned = AlignmentsFor(fit.Model, vas);
        const std::vector<TsRow> alignRows = AlignmentRows(aligned);
        rows.insert(rows.end(), alignRows.begin(), alignRows.end());
        if (asked) notes << Text(aligned.ClosedError) << Text(aligned.VentedError);
    } else if (asked) {
        notes << tr(
            "Für das Gehäuse fehlt Vas: Zusatzmasse, ihre Messung und Sd oder Durchmesser.");
    }
    const std::string refusal = BoxRefusal(box);
    if (asked && vas > 0.0 && !refusal.empty()) notes << Text(refusal);
    if (asked && vas > 0.0 && refusal.empty()) {
        const std::vector<TsRow> boxRows = BoxRows(box, FiguresOf(fit.Model, vas, box));
        rows.insert(rows.end(), boxRows.begin(), boxRows.end());
        model = CurveOf(QT_TR_NOOP("Modell im Gehäuse"), fit.FromHz, fit.ToHz,
                        [&](double f) { return std::abs(BoxImpedance(fit.Model, vas, box, f)); });
        response_ =
            CurveOf(QT_TR_NOOP("Frequenzgang im Gehäuse (Vorhersage)"), fit.Model.Fs / 10.0,
                    kResponseTopHz, [&](double f) {
                        return 20.0 * std::log10(std::abs(BoxResponse(fit.Model, vas, box, f)));
                    });
    }
    host_.showModel(std::move(model));
    cmdResponse->setEnabled(!response_.Freq.empty());
    showResponse(responseShown_ && !response_.Freq.empty());
    return notes;
}

void frmThieleSmall::cmdResponse_Click() {
    showResponse(!responseShown_);
}

void frmThieleSmall::showResponse(bool shown) {
    responseShown_ = shown;
    cmdResponse->setText(shown ? tr("&Impedanz zeigen") : tr("&Frequenzgang zeigen"));
    host_.showResponse(shown ? response_ : ModelCurve{});
}

} // namespace terzlab::speaker
