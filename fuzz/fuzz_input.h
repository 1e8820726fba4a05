#pragma once
// The readers take paths, so each input is written to a file of this process first.
#include "text/message_service.h"
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace terzlab::fuzz {

class SilentMessages : public MessageService {
  public:
    MsgAnswer show(const std::string&, MsgButtons, MsgIcon, const std::string&) override {
        return MsgAnswer::No;
    }
};

inline std::filesystem::path WriteInput(const uint8_t* data, size_t size, const char* name) {
    const auto path = std::filesystem::temp_directory_path() /
                      (std::string("terzlab_fuzz_") + std::to_string(::getpid()) + "_" + name);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

} // namespace terzlab::fuzz
