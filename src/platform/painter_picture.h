#pragma once
// The drawing surface on any painter: an SVG generator, an image drawn at twice the size. Text is
// measured as on the window's own surface, so labels land where the window puts them. Lines
// drawn one after another with the same pen become one path, so that a curve stays one object
// in a vector file.
#include "display/picture.h"
#include <QFont>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace terzlab::platform {

class PainterPicture final : public Picture {
  public:
    // area: where the surface lies on the painter, in the painter's units. painter null: nothing
    // is drawn, the surface only answers for its size and its text (the pass that draws another
    // surface of the same picture).
    PainterPicture(QPainter* painter, QRectF area, double unitsPerPixel, Colour background);
    ~PainterPicture() override;
    PainterPicture(const PainterPicture&) = delete;
    PainterPicture& operator=(const PainterPicture&) = delete;

    void Cls() override;
    void SetForeColor(Colour colour) override;
    void SetDrawStyle(DrawStyle style) override;
    void SetDrawWidth(int16_t width) override;
    void SetFont(const PictureFont& font) override;
    double ScaleWidth() const override { return area_.width() * unitsPerPixel_; }
    double ScaleHeight() const override { return area_.height() * unitsPerPixel_; }
    void MoveToEx(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void Print(std::string_view text) override;
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void FillBox(double x1, double y1, double x2, double y2, Colour colour) override;

  private:
    QPointF Device(double x, double y) const;
    void StrokeLines();

    QPainter* painter_;
    QRectF area_;
    double unitsPerPixel_;
    Colour background_;
    Colour foreColor_ = kBlack;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    int16_t drawWidth_ = 1;
    QFont font_;
    QPainterPath lines_;
    QPointF pen_;
};

} // namespace terzlab::platform
