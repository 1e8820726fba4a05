#include "guidance/frm_help.h"

#include "guidance/help_pages.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace terzlab::guidance {

namespace {

// Labels break lines at LF; the texts carry CR LF as everywhere in the program.
QString shown(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString shown(const std::string& text) {
    return shown(QString::fromStdString(text));
}

QPixmap iconPixmap(const QStyle* style, HelpIcon icon) {
    const auto which =
        icon == HelpIcon::Warning ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation;
    return style->standardIcon(which).pixmap(32, 32);
}

} // namespace

frmHelp::frmHelp(DialogState& dialogs, QWidget* parent, bool calibrationLowSine)
    : QDialog(parent), dialogs_(dialogs), page_(dialogs.DialogPage) {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    showPage(calibrationLowSine);
    fitToTexts();
}

void frmHelp::buildLayout() {
    setWindowTitle(tr("Hinweis"));
    imgIcon = new QLabel(this);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setPixmap(iconPixmap(style(), HelpIcon::Information));
    imgIcon->setAlignment(Qt::AlignTop);
    lblBigText = new QLabel(this);
    lblBigText->setObjectName(QStringLiteral("lblBigText"));
    QFont big = lblBigText->font();
    big.setPointSizeF(12.0);
    big.setBold(true);
    lblBigText->setFont(big);
    lblNormText = new QLabel(this);
    lblNormText->setObjectName(QStringLiteral("lblNormText"));
    lblNormText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(110);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblBigText);
    texts->addWidget(lblNormText);
    texts->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(imgIcon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(texts, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 16, 16, 12);
    outer->addLayout(row, 1);
    outer->addSpacing(8);
    outer->addWidget(cmdOK, 0, Qt::AlignHCenter);
}

void frmHelp::showPage(bool calibrationLowSine) {
    if (page_ == 0) {
        showInformation();
        return;
    }
    const auto page = HelpPageFor(page_, calibrationLowSine);
    if (!page) return; // no texts for this page: the design captions stay
    // The run waits for the manual start of the CD signal with its start button still idle:
    // no second start may slip in meanwhile.
    if (page_ >= kTestSignalPageBase && page_ <= kCalibrationSignalPage)
        setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QString::fromStdString(page->caption));
    lblBigText->setText(shown(page->bigText));
    lblNormText->setText(shown(page->normText));
    cmdOK->setText(QString::fromStdString(page->button));
    imgIcon->setPixmap(iconPixmap(style(), page->icon));
}

void frmHelp::showInformation() {
    setWindowTitle(QStringLiteral("Information"));
    lblBigText->setText(QStringLiteral("Terzlab"));
    lblNormText->setText(
        shown(tr("Terz- und Oktavanalysator für die PC-Soundkarte\r\n"
                 "\r\n"
                 "Pegel, Übertragung, Polung und Impedanz\r\n"
                 "in 1/3-, 1/6- und 1/12-Oktaven\r\n"
                 "\r\n"
                 "Version 0.1\r\n"
                 "\r\n"
                 "Dieses Programm wird ohne jede Gewähr überlassen. Für Schäden an\r\n"
                 "Soundkarte, Verstärker oder Testobjekt wird keine Haftung übernommen;\r\n"
                 "bitte beachten Sie die Hinweise zur Verkabelung vor jeder Messung.")));
    cmdOK->setText(QStringLiteral("OK"));
}

void frmHelp::fitToTexts() {
    lblBigText->setVisible(!lblBigText->text().isEmpty());
    lblNormText->setVisible(!lblNormText->text().isEmpty());
    setFixedSize(sizeHint().expandedTo(QSize(320, 140)));
}

void frmHelp::finish() {
    if (finished_) return;
    finished_ = true;
    // The overload warning is not waited for: when it is closed later, another dialog may
    // already own DialogPage, and its caller must go on waiting for that one.
    if (dialogs_.DialogPage == page_) dialogs_.DialogPage = -1;
    // Closing the information window by its frame must release the waiting start as well,
    // or the program would wait for ever.
    if (page_ == 0) dialogs_.AboutOpen = false;
}

void frmHelp::cmdOK_Click() {
    finish();
    close();
}

void frmHelp::closeEvent(QCloseEvent* event) {
    finish();
    event->accept();
}

void frmHelp::reject() {
    close();
}

} // namespace terzlab::guidance
