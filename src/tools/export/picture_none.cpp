#include "picture.h"

namespace terzlab::exporter {

bool PicturesAvailable() {
    return false;
}

bool RenderPicture(const ExportSource&, const PictureRequest&, std::string&, std::string& error) {
    error = "Bilder sind nicht verfügbar: terzlab-export wurde ohne Qt gebaut";
    return false;
}

} // namespace terzlab::exporter
