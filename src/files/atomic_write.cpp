#include "files/atomic_write.h"
#include "text/translate.h"
#include <cerrno>
#include <cstdio>
#include <system_error>
#include <unistd.h>

namespace terzlab {

std::string SystemReason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

WriteResult WriteNewFileSynced(const std::filesystem::path& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (file == nullptr) return {SystemReason(errno)};
    // The first failing step names the reason; the later ones still run so the file is closed.
    int error = 0;
    const auto step = [&error](bool ok) {
        if (!ok && error == 0) error = errno != 0 ? errno : EIO;
    };
    errno = 0;
    step(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    step(std::fflush(file) == 0);
    step(::fsync(::fileno(file)) == 0);
    step(std::fclose(file) == 0);
    return {error == 0 ? std::string() : SystemReason(error)};
}

WriteResult ReplaceFile(const std::filesystem::path& target, std::string_view bytes) {
    std::filesystem::path temp = target;
    temp += ".~tmp";
    std::error_code error;
    std::filesystem::remove(temp, error);
    WriteResult written = WriteNewFileSynced(temp, bytes);
    if (written) {
        std::filesystem::rename(temp, target, error);
        if (!error) return written;
        written.Reason = error.message();
    }
    std::filesystem::remove(temp, error);
    return written;
}

std::string NotWrittenText(const std::filesystem::path& path, std::string_view reason) {
    return text::arg(
        text::translate("DataFiles", "Die Datei %1 konnte nicht geschrieben werden: %2"),
        {path.string(), reason});
}

bool ReplaceFileOrReport(const std::filesystem::path& target, std::string_view bytes,
                         MessageService& messages) {
    const WriteResult written = ReplaceFile(target, bytes);
    if (written) return true;
    messages.show(NotWrittenText(target, written.Reason), MsgButtons::Ok, MsgIcon::Exclamation,
                  text::translate("DataFiles", "Fehler"));
    return false;
}

} // namespace terzlab
