#pragma once
// The way the Qt-free libraries and the tools talk to the user: the file module's boxes, the
// tools' terminal messages. They stay free of any toolkit, so the program hands in its message
// boxes (the platform layer's service serves both kinds), a tool its terminal and a test a
// recorder.
#include <string>

namespace terzlab {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Question, Exclamation };
enum class MsgAnswer { Ok, Yes, No };

class MessageService {
  public:
    virtual ~MessageService() = default;
    // text and title are UTF-8; an empty title means the program's own title. Line breaks are
    // "\n".
    virtual MsgAnswer show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                           const std::string& title) = 0;
};

} // namespace terzlab
