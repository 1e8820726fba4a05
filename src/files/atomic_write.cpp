#include "files/atomic_write.h"
#include "text/translate.h"
#include <cstdio>
#include <unistd.h>

namespace terzlab {

bool WriteNewFileSynced(const std::filesystem::path& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (file == nullptr) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = ::fsync(::fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

bool ReplaceFile(const std::filesystem::path& target, std::string_view bytes) {
    std::filesystem::path temp = target;
    temp += ".~tmp";
    std::error_code error;
    std::filesystem::remove(temp, error);
    if (!WriteNewFileSynced(temp, bytes)) {
        std::filesystem::remove(temp, error);
        return false;
    }
    std::filesystem::rename(temp, target, error);
    if (error) {
        std::filesystem::remove(temp, error);
        return false;
    }
    return true;
}

bool ReplaceFileOrReport(const std::filesystem::path& target, std::string_view bytes,
                         MessageService& messages) {
    if (ReplaceFile(target, bytes)) return true;
    messages.show(
        text::arg(text::translate("DataFiles", "Die Datei %1 konnte nicht geschrieben werden!"),
                  {target.string()}),
        MsgButtons::Ok, MsgIcon::Exclamation, text::translate("DataFiles", "Fehler"));
    return false;
}

} // namespace terzlab
