#include "platform/message_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

#include <cstdio>

namespace terzlab::platform {

MsgAnswer firstButton(MsgButtons buttons) {
    return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

namespace {

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer fromQt(int pressed) {
    switch (pressed) {
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        return MsgAnswer::Ok;
    }
}

MsgIcon fromFiles(terzlab::MsgIcon icon) {
    switch (icon) {
    case terzlab::MsgIcon::Information:
        return MsgIcon::Information;
    case terzlab::MsgIcon::Question:
        return MsgIcon::Question;
    case terzlab::MsgIcon::Exclamation:
        return MsgIcon::Exclamation;
    case terzlab::MsgIcon::None:
        break;
    }
    return MsgIcon::None;
}

// The window a box belongs to: an open dialog, else the active window, else the main window.
// Qt centres a box on its parent; without one the window manager may put it anywhere.
QWidget* ownerOfBox() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && qobject_cast<QMainWindow*>(top)) return top;
    return nullptr;
}

} // namespace

terzlab::MsgAnswer MessageService::show(const std::string& text, terzlab::MsgButtons buttons,
                                        terzlab::MsgIcon icon, const std::string& title) {
    const bool yesNo = buttons == terzlab::MsgButtons::YesNo;
    const MsgAnswer answer =
        show(QString::fromStdString(text), yesNo ? MsgButtons::YesNo : MsgButtons::Ok,
             fromFiles(icon), QString::fromStdString(title));
    if (answer == MsgAnswer::Yes) return terzlab::MsgAnswer::Yes;
    if (answer == MsgAnswer::No) return terzlab::MsgAnswer::No;
    return yesNo ? terzlab::MsgAnswer::No : terzlab::MsgAnswer::Ok;
}

MsgAnswer QtMessageService::show(const QString& text, MsgButtons buttons, MsgIcon icon,
                                 const QString& title) {
    QMessageBox box(qtIcon(icon), title.isEmpty() ? kAppTitle : title, text, QMessageBox::NoButton,
                    ownerOfBox());
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(tr("&Ja"));
        box.button(QMessageBox::No)->setText(tr("&Nein"));
    } else if (buttons == MsgButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->setText(tr("Abbruch"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return fromQt(box.exec());
}

MsgAnswer TerminalMessageService::show(const QString& text, MsgButtons buttons, MsgIcon,
                                       const QString& title) {
    std::fprintf(stderr, "[%s] %s\n", qUtf8Printable(title.isEmpty() ? kAppTitle : title),
                 qUtf8Printable(text));
    return firstButton(buttons);
}

MsgAnswer ScriptedMessageService::show(const QString& text, MsgButtons buttons, MsgIcon icon,
                                       const QString& title) {
    boxes_.push_back({text, buttons, icon, title});
    if (answers_.empty()) return firstButton(buttons);
    MsgAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

} // namespace terzlab::platform
