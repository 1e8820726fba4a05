#include "support/recording_picture.h"

#include <algorithm>

namespace terzlab {

void RecordingPicture::Cls() {
    Segments.clear();
    Texts.clear();
    Boxes.clear();
    SetCurrentX(0.0);
    SetCurrentY(0.0);
    ++ClearCount;
}

void RecordingPicture::LineTo(int32_t x, int32_t y) {
    Segments.push_back({penX_, penY_, x, y, foreColor_, drawStyle_, drawWidth_});
    MoveToEx(x, y);
}

void RecordingPicture::Print(std::string_view text) {
    Texts.push_back({CurrentX(), CurrentY(), std::string(text), foreColor_, font_});
    AdvanceLine(TextHeight(text));
}

double RecordingPicture::TextWidth(std::string_view text) const {
    // Characters, not bytes: the stamp's copyright sign is two bytes in UTF-8.
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return static_cast<double>(characters) * 0.5 * font_.Size * unitsPerPoint_;
}

} // namespace terzlab
