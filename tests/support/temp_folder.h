#pragma once
// A fresh folder of the test's own under the system's temporary folder, removed with everything
// in it when the object goes, also when the test fails or throws.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace terzlab::test {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::string operator/(const std::string& name) const { return file(name); }
    std::size_t fileCount() const;
    // The words of a command line, "@name" standing for the folder's file of that name.
    std::vector<std::string> args(const std::string& line) const;

  private:
    std::filesystem::path path_;
};

// A file's bytes ("" when it cannot be read), and a file made of the given bytes (false when it
// cannot be written).
std::string readFile(const std::filesystem::path& path);
bool writeFile(const std::filesystem::path& path, const std::string& bytes);

} // namespace terzlab::test
