#include "guidance/frm_help.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace terzlab::guidance {

namespace {

const char* const kAboutText = "Terz- und Oktavanalysator für die PC-Soundkarte\r\n"
                               "\r\n"
                               "Pegel, Übertragung, Polung und Impedanz\r\n"
                               "in 1/3-, 1/6- und 1/12-Oktaven\r\n"
                               "\r\n"
                               "Version 0.1";

} // namespace

frmHelp::frmHelp(app::DialogState& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    showPage(dialogs_.DialogPage);
}

void frmHelp::buildLayout() {
    setWindowTitle(QStringLiteral("Hinweis"));
    setFixedSize(360, 200);
    imgIcon = new QLabel(this);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setGeometry(16, 16, 32, 32);
    imgIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    lblBigText = new QLabel(this);
    lblBigText->setObjectName(QStringLiteral("lblBigText"));
    lblBigText->setGeometry(64, 12, 280, 28);
    QFont big = lblBigText->font();
    big.setPointSizeF(12.0);
    big.setBold(true);
    lblBigText->setFont(big);
    lblNormText = new QLabel(this);
    lblNormText->setObjectName(QStringLiteral("lblNormText"));
    lblNormText->setGeometry(64, 44, 280, 110);
    lblNormText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(130, 160, 100, 28);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmHelp::showPage(int page) {
    page_ = page;
    if (page == 0) {
        setWindowTitle(QStringLiteral("Information"));
        lblBigText->setText(QStringLiteral("Terzlab"));
        lblNormText->setText(QString::fromUtf8(kAboutText).replace(QStringLiteral("\r\n"), "\n"));
        cmdOK->setText(QStringLiteral("OK"));
    }
}

void frmHelp::finish() {
    if (finished_) return;
    finished_ = true;
    dialogs_.DialogPage = -1;
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

} // namespace terzlab::guidance
