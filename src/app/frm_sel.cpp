// The file dialog's controls, its opening and the handlers of its fields.
#include "app/frm_sel.h"
#include "analysis/meas_type.h"

#include "app/sel_host.h"
#include "platform/message_service.h"
#include "platform/numeric_input.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>

namespace terzlab::app {

namespace {

struct ModeTexts {
    const char* mask;
    const char* caption;
    const char* button;
};

constexpr std::array<ModeTexts, 4> kModeTexts = {{
    {"*.OCT", QT_TRANSLATE_NOOP("frmSel", "Aktuelle Messung speichern als *.OCT-Datei"),
     QT_TRANSLATE_NOOP("frmSel", "&Speichern")},
    {"*.SEN", QT_TRANSLATE_NOOP("frmSel", "Lade Sensor-Kompensationsdatei *.SEN"),
     QT_TRANSLATE_NOOP("frmSel", "&Laden")},
    {"*.OCT",
     QT_TRANSLATE_NOOP("frmSel", "Lade Messdatei *.OCT als Referenzkurve (zeige Differenz an)"),
     QT_TRANSLATE_NOOP("frmSel", "&Laden")},
    {"Vela_*.OCT",
     QT_TRANSLATE_NOOP("frmSel", "Lade Messdatei Vela_*.OCT zum Vergleich (nur Anzeige)"),
     QT_TRANSLATE_NOOP("frmSel", "&Laden")},
}};

// Labels of the value fields 2..5 per info type; an empty label hides the field.
constexpr std::array<std::array<const char*, 4>, 3> kValueLabels = {{
    {"", "", "", ""},
    {QT_TRANSLATE_NOOP("frmSel", "d [cm]:"), QT_TRANSLATE_NOOP("frmSel", "h [cm]:"),
     QT_TRANSLATE_NOOP("frmSel", "Hor. [°]:"), QT_TRANSLATE_NOOP("frmSel", "Ver. [°]:")},
    {QT_TRANSLATE_NOOP("frmSel", "Rv [Ohm]:"), QT_TRANSLATE_NOOP("frmSel", "M+ [g]:"),
     QT_TRANSLATE_NOOP("frmSel", "Vol [l]:"), ""},
}};

QFont listFont() {
    QFont font(QStringLiteral("Courier New"));
    if (!QFontInfo(font).exactMatch()) font = QFont(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(9);
    return font;
}

// A value field holds a number: a decimal comma or point, blanks around it allowed. An empty
// field is no value at all and may be left.
bool holdsNumber(const QString& text) {
    if (text.trimmed().isEmpty()) return true;
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value);
}

} // namespace

frmSel::frmSel(SelHost& main, SelState& state, platform::MessageService& messages,
               QString startFolder, QWidget* parent)
    : QDialog(parent), main_(main), state_(state), messages_(messages),
      startFolder_(std::move(startFolder)) {
    setObjectName(QStringLiteral("frmSel"));
    buildControls();
    connectHandlers();
}

void frmSel::buildControls() {
    setFixedSize(660, 430);
    Drive1 = new QComboBox(this);
    Drive1->setGeometry(8, 8, 200, 22);
    Drive1->addItems({QStringLiteral("/"), QDir::homePath()});
    Dir1 = new FolderList(this);
    Dir1->setGeometry(8, 36, 200, 222);
    //: Stands over the list rows: the file name padded to 18 characters and a blank, the type
    //: (Amp, Imp, Sen) in 4 characters, the title.
    txtName = new QLabel(tr("Dateiname          Typ Info"), this);
    txtName->setGeometry(216, 8, 436, 20);
    Liste1 = new QListWidget(this);
    Liste1->setGeometry(216, 30, 436, 228);
    Liste1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Liste1->setFont(listFont());
    txtName->setFont(Liste1->font());
    buildInfoFields(this);
    cmdDisp = new QPushButton(this);
    cmdDisp->setGeometry(440, 392, 100, 28);
    cmdDisp->setDefault(true);
    cmdEsc = new QPushButton(tr("&Abbruch"), this);
    cmdEsc->setGeometry(552, 392, 100, 28);
    buildOtherButton();
}

void frmSel::buildInfoFields(QWidget* form) {
    lblInfo[6] = new QLabel(tr("Info&typ:"), form);
    lblInfo[6]->setGeometry(8, 268, 90, 22);
    cmbInfoTyp = new QComboBox(form);
    cmbInfoTyp->setGeometry(100, 268, 180, 22);
    cmbInfoTyp->addItems({tr("nur Text"), tr("Mikrofonmessung"), tr("Impedanzmessung")});
    lblInfo[6]->setBuddy(cmbInfoTyp);
    const std::array<QString, 2> captions = {tr("&Dateiname:"), tr("&Info:")};
    for (int field = 0; field < 6; ++field) {
        txtInfo[field] = new QLineEdit(form);
        lblInfo[field] = new QLabel(form);
        lblInfo[field]->setBuddy(txtInfo[field]);
        txtInfo[field]->installEventFilter(this);
        if (field < 2) {
            lblInfo[field]->setText(captions[field]);
            lblInfo[field]->setGeometry(8, 298 + 30 * field, 90, 22);
            txtInfo[field]->setGeometry(100, 298 + 30 * field, 552, 22);
        } else {
            const int left = 8 + 161 * (field - 2);
            lblInfo[field]->setGeometry(left, 358, 70, 22);
            txtInfo[field]->setGeometry(left + 72, 358, 80, 22);
        }
    }
}

void frmSel::connectHandlers() {
    connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
    Dir1->pathChanged = [this] { Dir1_Change(); };
    connect(cmbInfoTyp, &QComboBox::currentIndexChanged, this, [this] { cmbInfoTyp_Click(); });
    connect(Liste1, &QListWidget::itemDoubleClicked, this, [this] { Liste1_DblClick(); });
    connect(cmdDisp, &QPushButton::clicked, this, [this] { cmdDisp_Click(); });
    connect(cmdEsc, &QPushButton::clicked, this, [this] { cmdEsc_Click(); });
}

// A value field that holds no number takes the focus back as soon as it has lost it.
bool frmSel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !platform::FocusMovesTo(cmdEsc)) {
        for (int field = 0; field < 6; ++field) {
            if (watched != txtInfo[field]) continue;
            if (txtInfo_LostFocus(field)) {
                platform::ReleaseField(txtInfo[field]);
                continue;
            }
            platform::HoldField(txtInfo[field], tr("Erlaubt: eine Zahl oder nichts"),
                                [this] { return isVisible(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmSel::Form_Load() {
    if (state_.FirstOpening) {
        state_.FirstOpening = false;
        state_.InfoType = 0;
        state_.LastFolder = startFolder_;
    }
    {
        const QSignalBlocker block(cmbInfoTyp);
        cmbInfoTyp->setCurrentIndex(std::clamp<int>(state_.InfoType, 0, 2));
    }
    setModeTexts();
    const bool saving = state_.SelMode == sel::kSave;
    showInfoFields(saving);
    if (saving) {
        // A hint the user replaces; written into the file as it stands.
        txtInfo[1]->setText(tr("Beschreibung der Messung"));
        followMeasurementType();
    }
    showFolder(state_.LastFolder);
}

void frmSel::setModeTexts() {
    const ModeTexts& texts = kModeTexts[static_cast<size_t>(std::clamp<int>(state_.SelMode, 0, 3))];
    FileMask = QString::fromUtf8(texts.mask);
    setWindowTitle(tr(texts.caption));
    cmdDisp->setText(tr(texts.button));
    showOtherButton();
}

void frmSel::showInfoFields(bool visible) {
    cmbInfoTyp->setVisible(visible);
    for (int field = 0; field < 7; ++field)
        lblInfo[field]->setVisible(visible);
    for (QLineEdit* field : txtInfo)
        field->setVisible(visible);
}

// The info type follows the measurement: impedance values for an impedance, none of them for a
// level.
void frmSel::followMeasurementType() {
    int type = cmbInfoTyp->currentIndex();
    const ResultUnit unit = PropertiesOf(measType()).Unit;
    if (unit == ResultUnit::Ohm)
        type = 2;
    else if (unit == ResultUnit::Decibel && type == 2)
        type = 0;
    const QSignalBlocker block(cmbInfoTyp);
    cmbInfoTyp->setCurrentIndex(type);
    cmbInfoTyp_Click();
}

void frmSel::showFolder(const QString& folder) {
    const QString home = QDir::homePath();
    const bool inHome = folder == home || folder.startsWith(NormFolder(home) + QLatin1Char('/'));
    {
        const QSignalBlocker block(Drive1);
        Drive1->setCurrentIndex(inHome ? 1 : 0);
    }
    Dir1->setPath(folder);
}

void frmSel::Drive1_Change() {
    Dir1->setPath(Drive1->currentText());
}

void frmSel::Dir1_Change() {
    state_.LastFolder = Dir1->path();
    Liste1->clear();
    FillList();
}

void frmSel::cmbInfoTyp_Click() {
    const int type = std::clamp(cmbInfoTyp->currentIndex(), 0, 2);
    state_.InfoType = static_cast<int16_t>(type);
    const bool saving = state_.SelMode == sel::kSave;
    for (int field = 2; field < 6; ++field) {
        const char* label = kValueLabels[static_cast<size_t>(type)][static_cast<size_t>(field - 2)];
        lblInfo[field]->setText(*label != '\0' ? tr(label) : QString());
        lblInfo[field]->setVisible(saving && *label != '\0');
        txtInfo[field]->setVisible(saving && *label != '\0');
    }
    const auto& remembered = main_.settings().InfoTexts[static_cast<size_t>(type)];
    for (int field = 0; field < 6; ++field) {
        const std::string& text = remembered[static_cast<size_t>(field)];
        if (!text.empty()) txtInfo[field]->setText(QString::fromStdString(text));
    }
}

bool frmSel::txtInfo_LostFocus(int Index) {
    QString text = txtInfo[Index]->text();
    if (Index >= 2) {
        const qsizetype comma = text.indexOf(QLatin1Char(','));
        if (comma >= 0) text[comma] = QLatin1Char('.');
        if (!holdsNumber(text)) return false;
        txtInfo[Index]->setText(text);
    }
    const auto type = static_cast<size_t>(std::clamp(cmbInfoTyp->currentIndex(), 0, 2));
    main_.settings().InfoTexts[type][static_cast<size_t>(Index)] = text.toStdString();
    return true;
}

void frmSel::Liste1_DblClick() {
    if (state_.SelMode != sel::kSave) {
        cmdDisp_Click();
        return;
    }
    for (int row = 0; row < Liste1->count(); ++row) {
        if (!Liste1->item(row)->isSelected()) continue;
        txtInfo[0]->setText(rows_[static_cast<size_t>(row)].file);
        txtInfo[1]->setText(rows_[static_cast<size_t>(row)].title);
        txtInfo[0]->setFocus();
        return;
    }
}

void frmSel::cmdDisp_Click() {
    if (state_.SelMode == sel::kSave)
        saveMeasurement();
    else
        loadSelection();
}

void frmSel::cmdEsc_Click() {
    reject();
}

MeasType frmSel::measType() const {
    return main_.measType();
}

} // namespace terzlab::app
