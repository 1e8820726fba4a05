#pragma once
// A text file read line by line as raw bytes. Lines may end in CR LF, LF or CR, so files that
// passed through other systems still read. A file is never trusted to be small or to be text:
// overlong lines and files are cut and the cut is reported, so that callers can flag it.
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>

namespace terzlab {

class LineFile {
  public:
    static constexpr std::size_t kMaxLineBytes = 4096;
    static constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

    bool open(const std::filesystem::path& path);
    void close();
    bool isOpen() const { return in_.is_open(); }
    void rewind();
    // False at the end of the file (or of the part that is read).
    bool readLine(std::string& line);
    // True once a line or the file was cut since open().
    bool wasCut() const { return cut_; }

  private:
    int nextByte();

    std::ifstream in_;
    std::size_t bytesRead_ = 0;
    bool cut_ = false;
};

} // namespace terzlab
