#pragma once
// The way the file module talks to the user. The module must stay free of any toolkit, so the
// main window hands in an adapter onto its own message boxes; tests hand in a recorder.
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
