#pragma once
// Message boxes as the program asks them: text, buttons, icon and title in, the pressed button
// out. The window code never creates a QMessageBox itself, so tests can answer from a script.
#include "text/message_service.h"

#include <QCoreApplication>
#include <QString>

#include <deque>
#include <vector>

class QWidget;

namespace terzlab::platform {

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Exclamation, Question, Information, Critical };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// The program's own title, used where a box has no title of its own.
inline const QString kAppTitle = QStringLiteral("Terzlab");

// Every service also answers the file module's boxes, so one service serves the whole program.
class MessageService : public terzlab::MessageService {
  public:
    virtual MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon icon,
                           const QString& title) = 0;
    terzlab::MsgAnswer show(const std::string& text, terzlab::MsgButtons buttons,
                            terzlab::MsgIcon icon, const std::string& title) final;
};

// Real modal boxes.
class QtMessageService final : public MessageService {
    Q_DECLARE_TR_FUNCTIONS(QtMessageService)

  public:
    MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon icon,
                   const QString& title) override;
};

// Unattended runs (screenshot mode): each box goes to the terminal and gets its first button.
class TerminalMessageService final : public MessageService {
  public:
    MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon icon,
                   const QString& title) override;
};

struct RecordedBox {
    QString text;
    MsgButtons buttons;
    MsgIcon icon;
    QString title;
};

// Records every box and answers from a queue; an empty queue answers with the first button.
class ScriptedMessageService final : public MessageService {
  public:
    MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon icon,
                   const QString& title) override;
    void answerNext(MsgAnswer answer) { answers_.push_back(answer); }
    const std::vector<RecordedBox>& boxes() const { return boxes_; }
    void clear() { boxes_.clear(); }

  private:
    std::deque<MsgAnswer> answers_;
    std::vector<RecordedBox> boxes_;
};

MsgAnswer firstButton(MsgButtons buttons);

} // namespace terzlab::platform
