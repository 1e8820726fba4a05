#pragma once
// The message boxes of the file module as lines on a stream: a batch tool has no one to click
// them away, so each box becomes one line and every question is answered with its default.
#include "text/message_service.h"
#include <ostream>

namespace terzlab::analyze {

class StreamMessages final : public MessageService {
  public:
    explicit StreamMessages(std::ostream& out) : out_(out) {}
    MsgAnswer show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override;

  private:
    std::ostream& out_;
};

} // namespace terzlab::analyze
