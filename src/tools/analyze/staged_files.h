#pragma once
// Writing several output files as one: each goes to a temporary file beside its target first,
// and only when all of them are complete are they renamed into place. A failure leaves every
// earlier file at those paths as it was.
#include <filesystem>
#include <string>
#include <vector>

namespace terzlab::analyze {

class StagedFiles {
  public:
    StagedFiles() = default;
    ~StagedFiles(); // removes what was staged but not committed
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    bool Stage(const std::filesystem::path& target, const std::string& bytes);
    bool Commit();
    // The message for the target that failed, with the system's reason.
    std::string FailureText() const;

  private:
    struct Entry {
        std::filesystem::path target;
        std::filesystem::path temp;
    };
    void Discard();
    void Fail(const std::filesystem::path& target, std::string reason);
    std::vector<Entry> entries_;
    std::filesystem::path failed_;
    std::string reason_;
};

} // namespace terzlab::analyze
