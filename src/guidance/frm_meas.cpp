#include "guidance/frm_meas.h"

#include "platform/services.h"

#include <QCloseEvent>
#include <QPushButton>

namespace terzlab::guidance {

frmMeas::frmMeas(app::DialogState& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmMeas"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Messanleitung"));
    setFixedSize(300, 120);
    platform::makeTopmost(this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(100, 70, 100, 28);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmMeas::cmdOK_Click() {
    close();
}

void frmMeas::closeEvent(QCloseEvent* event) {
    dialogs_.DialogPage = -1;
    event->accept();
}

} // namespace terzlab::guidance
