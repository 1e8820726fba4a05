#include "speaker/frm_thiele_small.h"
#include "speaker/frm_thiele_small_parts.h"

#include "files/impedance_file.h"
#include "files/numbers.h"
#include "platform/message_service.h"
#include "platform/numeric_input.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <cmath>

namespace terzlab::speaker {

using namespace parts;

frmThieleSmall::frmThieleSmall(SpeakerHost& host, platform::MessageService& messages,
                               QWidget* parent)
    : QDialog(parent), host_(host), messages_(messages) {
    setObjectName(QStringLiteral("frmThieleSmall"));
    setWindowTitle(tr("Thiele-Small-Parameter"));
    buildLayout();
    for (int which = 0; which < 2; ++which) {
        connect(cmdLoadMass[static_cast<std::size_t>(which)], &QPushButton::clicked, this,
                [this, which] { cmdLoadMass_Click(which); });
    }
    connect(cmdCompute, &QPushButton::clicked, this, [this] { cmdCompute_Click(); });
    connect(cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
    connect(cmdResponse, &QPushButton::clicked, this, [this] { cmdResponse_Click(); });
    connect(optVented, &QRadioButton::toggled, this, [this] { cmdCompute_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

frmThieleSmall* frmThieleSmall::open(SpeakerHost& host, platform::MessageService& messages) {
    QWidget* parent = host.dialogParent();
    frmThieleSmall* dialog =
        parent->findChild<frmThieleSmall*>(QString(), Qt::FindDirectChildrenOnly);
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
    grid->addWidget(lblSource, 0, 0, 1, 4);
    tblParams = named(new QTableWidget(0, 3, this), "tblParams");
    tblParams->setHorizontalHeaderLabels({QStringLiteral("Parameter"), tr("Wert"), tr("Einheit")});
    tblParams->verticalHeader()->hide();
    tblParams->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Room for the driver's main figures; the rest scroll, so that the dialog fits an 800 x 600
    // screen with the box's part beside the inputs.
    const int rowHeight = fontMetrics().height() + 6;
    tblParams->verticalHeader()->setDefaultSectionSize(rowHeight);
    tblParams->setMinimumHeight(tblParams->horizontalHeader()->sizeHint().height() + 9 * rowHeight +
                                4);
    grid->addWidget(tblParams, 1, 0, 1, 4);
    lblQuality = named(new QLabel(this), "lblQuality");
    grid->addWidget(lblQuality, 2, 0, 1, 4);
    lblNote = named(new QLabel(this), "lblNote");
    lblNote->setWordWrap(true);
    lblNote->setStyleSheet(QStringLiteral("color: #C00000"));
    grid->addWidget(lblNote, 3, 0, 1, 4);
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldSetup& setup = kFields[static_cast<std::size_t>(i)];
        QLineEdit* field = named(new QLineEdit(this), setup.name);
        platform::NumericKeyFilter::attach(field, false);
        txtField[static_cast<std::size_t>(i)] = field;
        if (i >= kFieldVb) continue; // in the box's part
        grid->addWidget(new QLabel(tr(setup.caption), this), 4 + i, 0);
        grid->addWidget(field, 4 + i, 1);
    }
    const char* loadCaptions[] = {QT_TR_NOOP("Messung mit Zusatzmasse &laden ..."),
                                  QT_TR_NOOP("Messung mit 2. Zusatzmasse l&aden ...")};
    const char* loadNames[] = {"cmdLoadMass", "cmdLoadMass2"};
    const char* fileNames[] = {"lblMassFile", "lblMassFile2"};
    for (std::size_t i = 0; i < 2; ++i) {
        const int row = 4 + kMassFields[i];
        cmdLoadMass[i] = named(new QPushButton(tr(loadCaptions[i]), this), loadNames[i]);
        lblMassFile[i] =
            named(new QLabel(tr("(keine Messung mit Zusatzmasse)"), this), fileNames[i]);
        grid->addWidget(cmdLoadMass[i], row, 2);
        grid->addWidget(lblMassFile[i], row + 1, 2);
    }
    buildBoxPart(grid, 4, 2 + kFieldVb); // beside the inputs
    cmdCompute = named(new QPushButton(tr("&Berechnen"), this), "cmdCompute");
    cmdCopy = named(new QPushButton(tr("Tabelle &kopieren"), this), "cmdCopy");
    cmdClose = named(new QPushButton(tr("&Schließen"), this), "cmdClose");
    grid->addWidget(cmdCompute, 6 + kFieldVb, 0);
    grid->addWidget(cmdCopy, 6 + kFieldVb, 1);
    grid->addWidget(cmdClose, 6 + kFieldVb, 2);
    cmdCompute->setDefault(true);
}

// An empty field is a value not given; a field out of its range keeps the focus and the fit
// waits for it.
std::optional<frmThieleSmall::Inputs> frmThieleSmall::readFields() {
    Inputs in;
    const QLocale locale = ShownLocale();
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const QString text = txtField[i]->text().trimmed();
        if (text.isEmpty()) continue;
        const FieldSetup& setup = kFields[i];
        if (!platform::CheckRange(text, setup.minimum, setup.maximum)) {
            txtField[i]->setFocus();
            txtField[i]->selectAll();
            refuse(tr("Bitte bei „%1“ eine Zahl von %2 bis %3 eingeben oder das Feld leeren.")
                       .arg(tr(setup.caption).chopped(1))
                       .arg(locale.toString(setup.minimum))
                       .arg(locale.toString(setup.maximum)));
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
    QStringList notes;
    for (const std::string& warning : fit.Warnings)
        notes << Text(warning);
    const MassResult mass = massOf(*in, fit.Model);
    if (!mass.note.isEmpty()) notes << mass.note;
    const std::optional<double> sd = mass.mass ? in->sdCm2 : std::nullopt;
    heading_ = tr("Thiele-Small-Parameter, %1").arg(shown->Source);
    std::vector<TsRow> rows = ThieleSmallRows(fit, mass.mass ? &*mass.mass : nullptr, sd);
    const double vas = sd ? VasLitres(mass.mass->CmsMmPerN, *sd) : 0.0;
    notes << addBox(*in, fit, vas, rows);
    showRows(rows);
    const QLocale locale = ShownLocale();
    lblQuality->setText(tr("Abweichung des Modells von der Messung: %1 % (RMS über %2 bis %3 Hz)")
                            .arg(locale.toString(fit.RmsPercent, 'f', 2))
                            .arg(locale.toString(fit.FromHz, 'f', 1))
                            .arg(locale.toString(fit.ToHz, 'f', 1)));
    notes.removeAll(QString());
    lblNote->setText(notes.join(u'\n'));
}

// Mms, Cms and Bl need an added mass and the measurement with it (or two of each); Vas needs
// them too.
frmThieleSmall::MassResult frmThieleSmall::massOf(const Inputs& in, const DriverModel& free) const {
    std::vector<LoadedResonance> resonances;
    for (std::size_t i = 0; i < 2; ++i) {
        const std::optional<double> grams = in.values[kMassFields[i]];
        const std::optional<ImpedanceCurve>& curve = massCurves_[i];
        if (!grams && !curve) continue;
        const QString which = i == 0 ? QString() : tr(" (2.)");
        if (!grams) return {tr("Für Mms, Cms und Bl fehlt die Zusatzmasse [g]%1.").arg(which), {}};
        if (!curve)
            return {tr("Für Mms, Cms und Bl fehlt die Messung mit Zusatzmasse%1.").arg(which), {}};
        const ThieleSmallFit loaded = FitThieleSmall(*curve, in.values[kFieldRe]);
        if (!loaded.Error.empty())
            return {tr("Messung mit Zusatzmasse%1: %2").arg(which, Text(loaded.Error)), {}};
        resonances.push_back({loaded.Model.Fs, *grams});
    }
    if (resonances.empty()) {
        if (!in.sdCm2) return {};
        return {tr("Vas braucht Cms und damit die Zusatzmasse und die Messung mit ihr."), {}};
    }
    const MovingMass mass = AddedMassLine(free, resonances);
    if (!mass.Error.empty()) return {Text(mass.Error), {}};
    return {{}, mass};
}

// The box's figures and the alignments the driver suits, its impedance in the box as the model
// and its response for the button; the notes say what is missing.
void frmThieleSmall::showRows(const std::vector<TsRow>& rows) {
    rows_ = rows;
    tblParams->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::array<QString, 3> cells{Text(rows[r].Label), Shown(rows[r].Value),
                                           Text(rows[r].Unit)};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tblParams->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    tblParams->resizeColumnsToContents();
    cmdCopy->setEnabled(!rows.empty());
}

// No figures are better than wrong ones: the table, the quality, the model and the response go.
void frmThieleSmall::refuse(const QString& reason) {
    showRows({});
    lblQuality->clear();
    lblNote->setText(tr("Keine Parameter: %1").arg(reason));
    response_ = {};
    cmdResponse->setEnabled(false);
    showResponse(false);
    host_.showModel({});
}

void frmThieleSmall::cmdLoadMass_Click(int which) {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Messung mit Zusatzmasse laden"), host_.fileFolder(),
        tr("Terzlab-Messdatei (%1)").arg(QStringLiteral("*.oct *.OCT")));
    if (!path.isEmpty()) loadMassFile(path, which);
}

bool frmThieleSmall::loadMassFile(const QString& path, int which) {
    const auto i = static_cast<std::size_t>(which);
    const ImpedanceFileRead read = ReadImpedanceFile(path.toStdString(), messages_);
    if (!read.Ok) {
        if (!read.Refusal.empty())
            messages_.show(Text(read.Refusal), platform::MsgButtons::Ok,
                           platform::MsgIcon::Exclamation, tr("Fehler"));
        return false;
    }
    massCurves_[i] = read.Curve;
    if (read.AddedMassGrams)
        txtField[kMassFields[i]]->setText(ShownLocale().toString(*read.AddedMassGrams));
    lblMassFile[i]->setText(QFileInfo(path).fileName() + QStringLiteral(" (") + Text(read.Title) +
                            QStringLiteral(")"));
    cmdCompute_Click();
    return true;
}

// What was typed, one "label TAB value TAB unit" line each, in the table's form.
std::string frmThieleSmall::inputText() const {
    std::string text;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const QString value = txtField[i]->text().trimmed();
        if (value.isEmpty()) continue;
        text += tr(kFields[i].label).toStdString() + '\t' + value.toStdString() + '\t' +
                kFields[i].unit + '\n';
    }
    if (!txtField[kFieldVb]->text().trimmed().isEmpty()) {
        text +=
            tr("Gehäuse").toStdString() + '\t' +
            (optVented->isChecked() ? optVented : optClosed)->text().remove(u'&').toStdString() +
            "\t\n";
    }
    return text;
}

void frmThieleSmall::cmdCopy_Click() {
    std::vector<TsRow> shown = rows_;
    for (TsRow& row : shown)
        row.Value = Shown(row.Value).toStdString();
    const std::string table = ThieleSmallText(heading_.toStdString(), shown);
    const std::size_t afterHeading = table.find('\n') + 1;
    QGuiApplication::clipboard()->setText(
        Text(table.substr(0, afterHeading) + inputText() + table.substr(afterHeading)));
}

// Closed in any way (the button, the window's frame, Esc): the model and the response leave
// the graph.
void frmThieleSmall::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) {
        host_.showModel({});
        if (responseShown_) showResponse(false);
    }
    QDialog::hideEvent(event);
}

} // namespace terzlab::speaker
