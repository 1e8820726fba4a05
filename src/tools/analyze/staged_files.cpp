#include "analyze/staged_files.h"
#include "files/atomic_write.h"
#include <cerrno>
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
    const WriteResult written = WriteNewFileSynced(temp, bytes);
    if (written) return true;
    Fail(target, written.Reason);
    return false;
}

std::string StagedFiles::FailureText() const {
    return NotWrittenText(failed_, reason_);
}

void StagedFiles::Fail(const std::filesystem::path& target, std::string reason) {
    failed_ = target;
    reason_ = std::move(reason);
    Discard();
}

bool StagedFiles::Commit() {
    std::error_code error;
    for (const Entry& e : entries_) {
        if (std::filesystem::is_directory(e.target, error)) {
            Fail(e.target, SystemReason(EISDIR));
            return false;
        }
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        std::filesystem::rename(entries_[i].temp, entries_[i].target, error);
        if (error) {
            const std::filesystem::path target = entries_[i].target;
            entries_.erase(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(i));
            Fail(target, error.message());
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
