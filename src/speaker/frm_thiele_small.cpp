#include "speaker/frm_thiele_small.h"

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

namespace {

struct FieldSetup {
    const char* name;
    const char* caption;
    const char* label; // in the copied table
    const char* unit;
    double minimum;
    double maximum;
};

// The limits terzlab-ts accepts, from above 0: the smallest values no real driver goes below.
constexpr std::array<FieldSetup, kFieldCount> kFields = {{
    {"txtRe", QT_TRANSLATE_NOOP("frmThieleSmall", "Re (Gleichstrom) [Ohm]:"),
     QT_TRANSLATE_NOOP("frmThieleSmall", "Re (Gleichstrom)"), "Ohm", 0.1, 1000.0},
    {"txtMass", QT_TRANSLATE_NOOP("frmThieleSmall", "Zusatzmasse [g]:"),
     QT_TRANSLATE_NOOP("frmThieleSmall", "Zusatzmasse"), "g", 0.1, 10000.0},
    {"txtSd", "Sd [cm²]:", "Sd", "cm²", 1.0, 100000.0},
    {"txtDiameter", QT_TRANSLATE_NOOP("frmThieleSmall", "oder Durchmesser [cm]:"),
     QT_TRANSLATE_NOOP("frmThieleSmall", "Durchmesser"), "cm", 1.0, 400.0},
    {"txtMass2", QT_TRANSLATE_NOOP("frmThieleSmall", "2. Zusatzmasse [g]:"),
     QT_TRANSLATE_NOOP("frmThieleSmall", "2. Zusatzmasse"), "g", 0.1, 10000.0},
    {"txtVb", "Vb [l]:", "Vb", "l", 0.01, 100000.0},
    {"txtFb", "fb [Hz]:", "fb", "Hz", 1.0, 1000.0},
    {"txtQl", "QL:", "QL", "", 0.5, 1000.0},
}};
constexpr std::array<Field, 2> kMassFields = {kFieldMass, kFieldMass2};
// The box's response from a tenth of the resonance to 1 kHz, as terzlab-ts writes it.
constexpr double kResponseTopHz = 1000.0;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Numbers as a person reads them, without the thousands' separator a field would refuse.
QLocale ShownLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// A number as a person reads it: with the locale's decimal separator.
QString Shown(const std::string& pointed) {
    return Text(WithSeparator(pointed, platform::UserDecimalSeparator()));
}

// A curve every 1/48 octave from `from` to `to`.
template <typename Value>
ModelCurve CurveOf(const char* legend, double from, double to, Value value) {
    ModelCurve curve;
    curve.Legend = QCoreApplication::translate("frmThieleSmall", legend).toStdString();
    const int steps = static_cast<int>(std::ceil(48.0 * std::log2(to / from)));
    for (int k = 0; k <= steps; ++k) {
        const double f = std::min(from * std::exp2(k / 48.0), to);
        curve.Freq.push_back(f);
        curve.Value.push_back(value(f));
    }
    return curve;
}

} // namespace

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
