#pragma once
// A picture that keeps what is drawn on it (segments, texts, boxes) instead of pixels. Tests
// read it back; the benchmark uses it as a surface that costs next to nothing.
#include "display/picture.h"
#include <vector>

namespace terzlab {

struct RecordedSegment {
    int32_t x1, y1, x2, y2;
    Colour colour;
    DrawStyle style;
    int16_t width;
};

struct RecordedText {
    double x, y;
    std::string text;
    Colour colour;
    PictureFont font;
};

struct RecordedBox {
    double x1, y1, x2, y2;
    Colour colour;
};

class RecordingPicture final : public Picture {
  public:
    // Text metrics are a plain model: every character is half the font size wide and a line
    // 1.2 font sizes high, scaled by unitsPerPoint (4/3 for pixels, 20 for twips).
    RecordingPicture(double scaleWidth, double scaleHeight, double unitsPerPoint = 4.0 / 3.0)
        : width_(scaleWidth), height_(scaleHeight), unitsPerPoint_(unitsPerPoint) {}

    void Cls() override;
    void SetForeColor(Colour colour) override { foreColor_ = colour; }
    void SetDrawStyle(DrawStyle style) override { drawStyle_ = style; }
    void SetDrawWidth(int16_t width) override { drawWidth_ = width; }
    void SetFont(const PictureFont& font) override { font_ = font; }
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    void MoveToEx(int32_t x, int32_t y) override { penX_ = x, penY_ = y; }
    void LineTo(int32_t x, int32_t y) override;
    void Print(std::string_view text) override;
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view) const override { return 1.2 * font_.Size * unitsPerPoint_; }
    void FillBox(double x1, double y1, double x2, double y2, Colour colour) override {
        Boxes.push_back({x1, y1, x2, y2, colour});
    }

    void Resize(double scaleWidth, double height) { width_ = scaleWidth, height_ = height; }

    // Everything since the last Cls.
    std::vector<RecordedSegment> Segments;
    std::vector<RecordedText> Texts;
    std::vector<RecordedBox> Boxes;
    int ClearCount = 0;

  private:
    double width_, height_, unitsPerPoint_;
    Colour foreColor_ = kBlack;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    int16_t drawWidth_ = 1;
    PictureFont font_;
    int32_t penX_ = 0, penY_ = 0;
};

} // namespace terzlab
