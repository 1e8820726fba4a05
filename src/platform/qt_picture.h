#pragma once
// The drawing surface on a QImage: the graph and the level bars in pixels, the main window's
// own surface (axis labels, top line) in twips. The widget that shows it paints Image().
#include "display/picture.h"
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>

class QPainter;

namespace terzlab::platform {

QColor ToQColor(Colour colour);
QFont ToQFont(const PictureFont& font);
QString ToQString(std::string_view text);
// An image at 96 dots per inch, so that a point is 4/3 pixel whatever screen the program runs
// on; text is measured on such an image wherever it is drawn.
QImage NewPictureImage(QSize pixels);

class QtPicture final : public Picture {
  public:
    // unitsPerPixel: 1 for a picture measured in pixels, 15 for one measured in twips.
    explicit QtPicture(QSize pixels, double unitsPerPixel = 1.0, Colour background = kWhite);
    ~QtPicture() override;
    QtPicture(const QtPicture&) = delete;
    QtPicture& operator=(const QtPicture&) = delete;

    // A new, cleared image; the caller redraws.
    void Resize(QSize pixels);
    void SetBackColor(Colour colour) { background_ = colour; }
    // Finishes pending drawing; paint this.
    const QImage& Image();

    void Cls() override;
    void SetForeColor(Colour colour) override;
    void SetDrawStyle(DrawStyle style) override;
    void SetDrawWidth(int16_t width) override;
    void SetFont(const PictureFont& font) override;
    double ScaleWidth() const override { return image_.width() * unitsPerPixel_; }
    double ScaleHeight() const override { return image_.height() * unitsPerPixel_; }
    void MoveToEx(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void Print(std::string_view text) override;
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void FillBox(double x1, double y1, double x2, double y2, Colour colour) override;

  private:
    QPainter& Painter();
    void ApplyPen();
    void EndPainting();
    QPointF Device(double x, double y) const;

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    double unitsPerPixel_;
    Colour background_;
    Colour foreColor_ = kBlack;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    int16_t drawWidth_ = 1;
    QFont font_;
    QPointF pen_;
};

// A picture box: shows a QtPicture measured in pixels, keeps it as large as the widget's inside
// and reports mouse moves and the left button in the picture's pixels. Whoever draws calls update()
// afterwards.
class PictureBox final : public QWidget {
  public:
    explicit PictureBox(QWidget* parent = nullptr, Colour background = kWhite);

    QtPicture& Surface() { return picture_; }
    std::function<void(float x, float y)> OnMouseMove;
    std::function<void(float x, bool pressed)> OnMouseButton; // the left button
    std::function<void()> OnResize;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QtPicture picture_;
};

} // namespace terzlab::platform
