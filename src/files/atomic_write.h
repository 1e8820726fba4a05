#pragma once
// Replacing a file so that it is never lost half-written: the new contents go to a temporary
// file beside the target, which is flushed to disk and then renamed over the target.
#include "text/message_service.h"
#include <filesystem>
#include <string_view>

namespace terzlab {

// Writes a file that must not exist yet and flushes it to disk; false on any failure.
bool WriteNewFileSynced(const std::filesystem::path& path, std::string_view bytes);

// Returns false and leaves any earlier file untouched when something fails; no message.
bool ReplaceFile(const std::filesystem::path& target, std::string_view bytes);

// ReplaceFile, and on failure "Die Datei <path> konnte nicht geschrieben werden!".
bool ReplaceFileOrReport(const std::filesystem::path& target, std::string_view bytes,
                         MessageService& messages);

} // namespace terzlab
