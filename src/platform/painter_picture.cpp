#include "platform/painter_picture.h"
#include "platform/qt_picture.h"
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace terzlab::platform {
namespace {

const QImage& MetricsDevice() {
    static const QImage image = NewPictureImage(QSize(1, 1));
    return image;
}

} // namespace

PainterPicture::PainterPicture(QPainter* painter, QRectF area, double unitsPerPixel,
                               Colour background)
    : painter_(painter), area_(area), unitsPerPixel_(unitsPerPixel > 0.0 ? unitsPerPixel : 1.0),
      background_(background), font_(ToQFont(PictureFont{})) {}

PainterPicture::~PainterPicture() {
    StrokeLines();
}

QPointF PainterPicture::Device(double x, double y) const {
    return area_.topLeft() + QPointF(x / unitsPerPixel_, y / unitsPerPixel_);
}

void PainterPicture::StrokeLines() {
    if (lines_.isEmpty()) return;
    if (painter_ != nullptr) {
        // Width 1 stays one pixel of the window when the picture is drawn larger.
        QPen pen(ToQColor(foreColor_), drawWidth_ > 1 ? drawWidth_ : 1.0);
        pen.setStyle(drawStyle_ == DrawStyle::Dot ? Qt::DotLine : Qt::SolidLine);
        painter_->strokePath(lines_, pen);
    }
    lines_.clear();
}

void PainterPicture::Cls() {
    lines_.clear();
    FillBox(0.0, 0.0, ScaleWidth(), ScaleHeight(), background_);
    SetCurrentX(0.0);
    SetCurrentY(0.0);
}

void PainterPicture::SetForeColor(Colour colour) {
    if (colour != foreColor_) StrokeLines();
    foreColor_ = colour;
}

void PainterPicture::SetDrawStyle(DrawStyle style) {
    if (style != drawStyle_) StrokeLines();
    drawStyle_ = style;
}

void PainterPicture::SetDrawWidth(int16_t width) {
    if (width != drawWidth_) StrokeLines();
    drawWidth_ = width;
}

void PainterPicture::SetFont(const PictureFont& font) {
    font_ = ToQFont(font);
}

void PainterPicture::MoveToEx(int32_t x, int32_t y) {
    pen_ = Device(x, y);
    lines_.moveTo(pen_);
}

void PainterPicture::LineTo(int32_t x, int32_t y) {
    if (lines_.isEmpty() || lines_.currentPosition() != pen_) lines_.moveTo(pen_);
    pen_ = Device(x, y);
    lines_.lineTo(pen_);
}

void PainterPicture::Print(std::string_view text) {
    StrokeLines();
    const QFontMetricsF metrics(font_, &MetricsDevice());
    if (painter_ != nullptr) {
        painter_->save();
        // The family the text was measured in, by name: a vector file does not carry the
        // fallbacks, and its reader would otherwise pick a font of other widths.
        QFont drawn = font_;
        drawn.setFamilies({QFontInfo(font_).family()});
        painter_->setFont(drawn);
        painter_->setPen(ToQColor(foreColor_));
        const QPointF topLeft = Device(CurrentX(), CurrentY());
        painter_->drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), ToQString(text));
        painter_->restore();
    }
    AdvanceLine(metrics.height() * unitsPerPixel_);
}

double PainterPicture::TextWidth(std::string_view text) const {
    return QFontMetricsF(font_, &MetricsDevice()).horizontalAdvance(ToQString(text)) *
           unitsPerPixel_;
}

double PainterPicture::TextHeight(std::string_view) const {
    return QFontMetricsF(font_, &MetricsDevice()).height() * unitsPerPixel_;
}

void PainterPicture::FillBox(double x1, double y1, double x2, double y2, Colour colour) {
    StrokeLines();
    if (painter_ != nullptr) {
        painter_->fillRect(QRectF(Device(x1, y1), Device(x2, y2)).normalized(), ToQColor(colour));
    }
}

} // namespace terzlab::platform
