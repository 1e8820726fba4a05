#include "speaker/frm_thiele_small.h"

#include "files/impedance_file.h"
#include "platform/message_service.h"
#include "platform/numeric_input.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <cmath>

namespace terzlab::speaker {

namespace {

struct FieldSetup {
    const char* name;
    const char* caption;
    double minimum;
    double maximum;
};

// The limits terzlab-ts accepts, from above 0: the smallest values no real driver goes below.
constexpr std::array<FieldSetup, kFieldCount> kFields = {{
    {"txtRe", QT_TRANSLATE_NOOP("frmThieleSmall", "Re (Gleichstrom) [Ohm]:"), 0.1, 1000.0},
    {"txtMass", QT_TRANSLATE_NOOP("frmThieleSmall", "Zusatzmasse [g]:"), 0.1, 10000.0},
    {"txtSd", "Sd [cm²]:", 1.0, 100000.0},
    {"txtDiameter", QT_TRANSLATE_NOOP("frmThieleSmall", "oder Durchmesser [cm]:"), 1.0, 400.0},
}};

// A model point every 1/48 octave across the fitted bands.
ModelCurve ModelOf(const ThieleSmallFit& fit) {
    ModelCurve curve;
    curve.Legend =
        QCoreApplication::translate("frmThieleSmall", "Modell (Thiele-Small)").toStdString();
    const int steps = static_cast<int>(std::ceil(48.0 * std::log2(fit.ToHz / fit.FromHz)));
    for (int k = 0; k <= steps; ++k) {
        const double f = std::min(fit.FromHz * std::exp2(k / 48.0), fit.ToHz);
        curve.Freq.push_back(f);
        curve.Value.push_back(std::abs(fit.Model.Impedance(f)));
    }
    return curve;
}

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

frmThieleSmall::frmThieleSmall(SpeakerHost& host, platform::MessageService& messages,
                               QWidget* parent)
    : QDialog(parent), host_(host), messages_(messages) {
    setObjectName(QStringLiteral("frmThieleSmall"));
    setWindowTitle(tr("Thiele-Small-Parameter"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    connect(cmdLoadMass, &QPushButton::clicked, this, [this] { cmdLoadMass_Click(); });
    connect(cmdCompute, &QPushButton::clicked, this, [this] { cmdCompute_Click(); });
    connect(cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

frmThieleSmall* frmThieleSmall::open(SpeakerHost& host, platform::MessageService& messages) {
    QWidget* parent = host.dialogParent();
    // A closed dialog is hidden until its deletion comes round: it is not reused.
    frmThieleSmall* dialog = nullptr;
    for (auto* open : parent->findChildren<frmThieleSmall*>(Qt::FindDirectChildrenOnly))
        if (open->isVisible()) dialog = open;
    if (dialog == nullptr) dialog = new frmThieleSmall(host, messages, parent);
    dialog->show();
    dialog->raise();
    dialog->cmdCompute_Click();
    return dialog;
}

void frmThieleSmall::refreshOpen(QWidget* parent) {
    for (auto* open : parent->findChildren<frmThieleSmall*>(Qt::FindDirectChildrenOnly))
        if (open->isVisible()) open->cmdCompute_Click();
}

void frmThieleSmall::buildLayout() {
    auto* grid = new QGridLayout(this);
    const auto named = [this](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    lblSource = named(new QLabel(this), "lblSource");
    grid->addWidget(lblSource, 0, 0, 1, 3);
    tblParams = named(new QTableWidget(0, 3, this), "tblParams");
    tblParams->setHorizontalHeaderLabels({QStringLiteral("Parameter"), tr("Wert"), tr("Einheit")});
    tblParams->verticalHeader()->hide();
    tblParams->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Room for every figure the table can hold, without a scroll bar.
    const int rowHeight = fontMetrics().height() + 6;
    tblParams->verticalHeader()->setDefaultSectionSize(rowHeight);
    tblParams->setMinimumHeight(tblParams->horizontalHeader()->sizeHint().height() +
                                12 * rowHeight + 4);
    grid->addWidget(tblParams, 1, 0, 1, 3);
    lblQuality = named(new QLabel(this), "lblQuality");
    grid->addWidget(lblQuality, 2, 0, 1, 3);
    lblNote = named(new QLabel(this), "lblNote");
    lblNote->setWordWrap(true);
    lblNote->setStyleSheet(QStringLiteral("color: #C00000"));
    grid->addWidget(lblNote, 3, 0, 1, 3);
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldSetup& setup = kFields[static_cast<std::size_t>(i)];
        grid->addWidget(new QLabel(tr(setup.caption), this), 4 + i, 0);
        QLineEdit* field = named(new QLineEdit(this), setup.name);
        platform::NumericKeyFilter::attach(field, false);
        txtField[static_cast<std::size_t>(i)] = field;
        grid->addWidget(field, 4 + i, 1);
    }
    cmdLoadMass =
        named(new QPushButton(tr("Messung mit Zusatzmasse &laden ..."), this), "cmdLoadMass");
    grid->addWidget(cmdLoadMass, 5, 2);
    lblMassFile = named(new QLabel(tr("(keine Messung mit Zusatzmasse)"), this), "lblMassFile");
    grid->addWidget(lblMassFile, 6, 2);
    cmdCompute = named(new QPushButton(tr("&Berechnen"), this), "cmdCompute");
    cmdCopy = named(new QPushButton(tr("Tabelle &kopieren"), this), "cmdCopy");
    cmdClose = named(new QPushButton(tr("&Schließen"), this), "cmdClose");
    grid->addWidget(cmdCompute, 8, 0);
    grid->addWidget(cmdCopy, 8, 1);
    grid->addWidget(cmdClose, 8, 2);
    cmdCompute->setDefault(true);
}

// An empty field is a value not given; a field out of its range keeps the focus and the fit
// waits for it.
std::optional<frmThieleSmall::Inputs> frmThieleSmall::readFields() {
    Inputs in;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const QString text = txtField[i]->text().trimmed();
        if (text.isEmpty()) continue;
        const FieldSetup& setup = kFields[i];
        if (!platform::CheckRange(text, setup.minimum, setup.maximum)) {
            txtField[i]->setFocus();
            txtField[i]->selectAll();
            refuse(tr("Bitte bei „%1“ eine Zahl von %2 bis %3 eingeben oder das Feld leeren.")
                       .arg(tr(setup.caption).chopped(1))
                       .arg(setup.minimum)
                       .arg(setup.maximum));
            return {};
        }
        in.values[i] = platform::ReadFieldNumber(text);
    }
    if (in.values[kFieldSd] && in.values[kFieldDiameter]) {
        txtField[kFieldDiameter]->setFocus();
        refuse(tr("Bitte Sd oder den Durchmesser angeben, nicht beides."));
        return {};
    }
    in.sdCm2 = in.values[kFieldSd];
    if (in.values[kFieldDiameter]) in.sdCm2 = ConeAreaCm2(*in.values[kFieldDiameter]);
    return in;
}

void frmThieleSmall::cmdCompute_Click() {
    const std::optional<Inputs> in = readFields();
    if (!in) return;
    const std::optional<ShownImpedance> shown = host_.shownImpedance();
    if (!shown) {
        lblSource->clear();
        refuse(tr("Es ist keine Impedanzkurve zu sehen: bitte zuerst eine Impedanzmessung "
                  "durchführen oder eine als Vergleichskurve laden."));
        return;
    }
    lblSource->setText(tr("Kurve: %1").arg(shown->Source));
    const ThieleSmallFit fit = FitThieleSmall(shown->Curve, in->values[kFieldRe]);
    if (!fit.Error.empty()) {
        refuse(Text(fit.Error));
        return;
    }
    MovingMass mass;
    const QString note = massNote(*in, fit.Model, mass);
    const bool withMass = note.isEmpty() && mass.MmsGrams > 0.0;
    heading_ = tr("Thiele-Small-Parameter, %1").arg(shown->Source);
    showRows(ThieleSmallRows(fit, withMass ? &mass : nullptr, withMass ? in->sdCm2 : std::nullopt));
    lblQuality->setText(tr("Abweichung des Modells von der Messung: %1 % (RMS über %2 bis %3 Hz)")
                            .arg(fit.RmsPercent, 0, 'f', 2)
                            .arg(fit.FromHz, 0, 'f', 1)
                            .arg(fit.ToHz, 0, 'f', 1));
    lblNote->setText(note);
    host_.showModel(ModelOf(fit));
}

// Mms, Cms and Bl need both the added mass and the measurement with it; Vas needs them too.
QString frmThieleSmall::massNote(const Inputs& in, const DriverModel& free,
                                 MovingMass& mass) const {
    const bool given = in.values[kFieldMass].has_value();
    if (!given && !massCurve_)
        return in.sdCm2 ? tr("Vas braucht Cms und damit die Zusatzmasse und die Messung mit ihr.")
                        : QString();
    if (!given) return tr("Für Mms, Cms und Bl fehlt die Zusatzmasse [g].");
    if (!massCurve_) return tr("Für Mms, Cms und Bl fehlt die Messung mit Zusatzmasse.");
    const ThieleSmallFit loaded = FitThieleSmall(*massCurve_, in.values[kFieldRe]);
    if (!loaded.Error.empty()) return tr("Messung mit Zusatzmasse: %1").arg(Text(loaded.Error));
    mass = AddedMassMethod(free, loaded.Model, *in.values[kFieldMass]);
    return Text(mass.Error);
}

void frmThieleSmall::showRows(const std::vector<TsRow>& rows) {
    rows_ = rows;
    tblParams->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::array<std::string, 3> cells{rows[r].Label, rows[r].Value, rows[r].Unit};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(Text(cells[c]));
            if (c == 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tblParams->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    tblParams->resizeColumnsToContents();
    cmdCopy->setEnabled(!rows.empty());
}

// No figures are better than wrong ones: the table, the quality and the model go.
void frmThieleSmall::refuse(const QString& reason) {
    showRows({});
    lblQuality->clear();
    lblNote->setText(tr("Keine Parameter: %1").arg(reason));
    host_.showModel({});
}

void frmThieleSmall::cmdLoadMass_Click() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Messung mit Zusatzmasse laden"), host_.fileFolder(),
        tr("Terzlab-Messdatei (%1)").arg(QStringLiteral("*.oct *.OCT")));
    if (!path.isEmpty()) loadMassFile(path);
}

bool frmThieleSmall::loadMassFile(const QString& path) {
    const ImpedanceFileRead read = ReadImpedanceFile(path.toStdString(), messages_);
    if (!read.Ok) {
        if (!read.Refusal.empty())
            messages_.show(Text(read.Refusal), platform::MsgButtons::Ok,
                           platform::MsgIcon::Exclamation, tr("Fehler"));
        return false;
    }
    massCurve_ = read.Curve;
    lblMassFile->setText(QFileInfo(path).fileName() + QStringLiteral(" (") + Text(read.Title) +
                         QStringLiteral(")"));
    cmdCompute_Click();
    return true;
}

void frmThieleSmall::cmdCopy_Click() {
    QGuiApplication::clipboard()->setText(Text(ThieleSmallText(heading_.toStdString(), rows_)));
}

void frmThieleSmall::closeEvent(QCloseEvent* event) {
    host_.showModel({});
    QDialog::closeEvent(event);
}

} // namespace terzlab::speaker
