#include "analyze/staged_files.h"
#include "files/atomic_write.h"
#include <unistd.h>

namespace terzlab::analyze {

StagedFiles::~StagedFiles() {
    Discard();
}

bool StagedFiles::Stage(const std::filesystem::path& target, const std::string& bytes) {
    std::filesystem::path temp = target;
    temp += ".~tmp" + std::to_string(::getpid());
    std::error_code error;
    std::filesystem::remove(temp, error);
    entries_.push_back({target, temp});
    if (WriteNewFileSynced(temp, bytes)) return true;
    failed_ = target;
    Discard();
    return false;
}

bool StagedFiles::Commit() {
    std::error_code error;
    for (const Entry& e : entries_) {
        if (std::filesystem::is_directory(e.target, error)) {
            failed_ = e.target;
            Discard();
            return false;
        }
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        std::filesystem::rename(entries_[i].temp, entries_[i].target, error);
        if (error) {
            failed_ = entries_[i].target;
            entries_.erase(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(i));
            Discard();
            return false;
        }
    }
    entries_.clear();
    return true;
}

void StagedFiles::Discard() {
    std::error_code error;
    for (const Entry& e : entries_)
        std::filesystem::remove(e.temp, error);
    entries_.clear();
}

} // namespace terzlab::analyze
