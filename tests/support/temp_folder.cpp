#include "support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace terzlab::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "terzlab-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("no temporary folder in " + pattern);
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored; // a destructor must not throw; the folder is ours alone
    std::filesystem::remove_all(path_, ignored);
}

std::size_t TempFolder::fileCount() const {
    const std::filesystem::directory_iterator files(path_);
    return static_cast<std::size_t>(std::distance(begin(files), end(files)));
}

std::vector<std::string> TempFolder::args(const std::string& line) const {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;)
        words.push_back(word[0] == '@' ? file(word.substr(1)) : word);
    return words;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    return static_cast<bool>(out << bytes);
}

} // namespace terzlab::test
