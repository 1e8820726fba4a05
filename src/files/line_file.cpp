#include "files/line_file.h"

namespace terzlab {

bool LineFile::open(const std::filesystem::path& path) {
    close();
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    in_.open(path, std::ios::binary);
    bytesRead_ = 0;
    cut_ = false;
    return in_.is_open();
}

void LineFile::close() {
    if (in_.is_open()) in_.close();
    in_.clear();
}

void LineFile::rewind() {
    if (!in_.is_open()) return;
    in_.clear();
    in_.seekg(0);
    bytesRead_ = 0;
}

int LineFile::nextByte() {
    if (bytesRead_ >= kMaxFileBytes) {
        if (in_.rdbuf()->sgetc() != std::char_traits<char>::eof()) cut_ = true;
        return std::char_traits<char>::eof();
    }
    const int c = in_.rdbuf()->sbumpc();
    if (c != std::char_traits<char>::eof()) ++bytesRead_;
    return c;
}

bool LineFile::readLine(std::string& line) {
    line.clear();
    if (!in_.is_open()) return false;
    constexpr int eof = std::char_traits<char>::eof();
    int c = nextByte();
    if (c == eof) return false;
    while (c != eof && c != '\n' && c != '\r') {
        if (line.size() < kMaxLineBytes) {
            line += static_cast<char>(c);
        } else {
            cut_ = true;
        }
        c = nextByte();
    }
    if (c == '\r' && in_.rdbuf()->sgetc() == '\n') nextByte();
    return true;
}

} // namespace terzlab
