#pragma once
#include "files/message_service.h"
#include "support/temp_folder.h"
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace terzlab::test {

struct Shown {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
    std::string title;
};

class RecordingMessages : public MessageService {
  public:
    MsgAnswer show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override {
        shown.push_back({text, buttons, icon, title});
        return answer;
    }
    std::vector<Shown> shown;
    MsgAnswer answer = MsgAnswer::Yes;
};

inline std::filesystem::path DataDir() {
    return TERZLAB_TEST_DATA;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace terzlab::test
