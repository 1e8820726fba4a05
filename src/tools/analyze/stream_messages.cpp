#include "analyze/stream_messages.h"
#include <algorithm>

namespace terzlab::analyze {

MsgAnswer StreamMessages::show(const std::string& text, MsgButtons buttons, MsgIcon,
                               const std::string& title) {
    std::string line = text;
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::replace(line.begin(), line.end(), '\r', ' ');
    out_ << "terzlab-analyze: ";
    if (!title.empty()) out_ << title << (title.back() == ':' ? " " : ": ");
    out_ << line << '\n';
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
}

} // namespace terzlab::analyze
