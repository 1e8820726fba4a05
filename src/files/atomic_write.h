#pragma once
// Replacing a file so that it is never lost half-written: the new contents go to a temporary
// file beside the target, which is flushed to disk and then renamed over the target.
#include "text/message_service.h"
#include <filesystem>
#include <string>
#include <string_view>

namespace terzlab {

// A write's outcome: true, or false with the system's reason (permission denied, disk full, ...)
// so that the user learns what to change.
struct WriteResult {
    std::string Reason; // empty on success
    explicit operator bool() const { return Reason.empty(); }
};

// The system's wording of an errno value.
std::string SystemReason(int error);

// Writes a file that must not exist yet and flushes it to disk.
WriteResult WriteNewFileSynced(const std::filesystem::path& path, std::string_view bytes);

// Leaves any earlier file untouched when something fails; no message.
WriteResult ReplaceFile(const std::filesystem::path& target, std::string_view bytes);

// "Die Datei <path> konnte nicht geschrieben werden: <reason>", the wording of every failed
// write of the program and the tools.
std::string NotWrittenText(const std::filesystem::path& path, std::string_view reason);

// ReplaceFile, and on failure a box with NotWrittenText.
bool ReplaceFileOrReport(const std::filesystem::path& target, std::string_view bytes,
                         MessageService& messages);

} // namespace terzlab
