#include "picture.h"

namespace terzlab::exporter {

bool PicturesAvailable() {
    return false;
}

bool RenderPicture(const ExportSource&, const PictureRequest&, std::string&, std::string& error) {
    error = PicturesMissing();
    return false;
}

} // namespace terzlab::exporter
