#include "platform/qt_picture.h"
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QString>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace terzlab::platform {

namespace {

// 96 dots per inch.
constexpr int kDotsPerMeter = 3780;

} // namespace

// Arial and the old system font are rarely installed; their metric twins stand in.
QFont ToQFont(const PictureFont& font) {
    QFont q;
    q.setFamilies({QString::fromStdString(font.Name), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans")});
    q.setPointSizeF(font.Size > 0.5 ? font.Size : 0.5);
    q.setBold(font.Bold);
    return q;
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QImage NewPictureImage(QSize pixels) {
    QImage image(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    return image;
}

QColor ToQColor(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QtPicture::QtPicture(QSize pixels, double unitsPerPixel, Colour background)
    : image_(NewPictureImage(pixels)), unitsPerPixel_(unitsPerPixel > 0.0 ? unitsPerPixel : 1.0),
      background_(background), font_(ToQFont(PictureFont{})) {
    image_.fill(ToQColor(background_));
}

QtPicture::~QtPicture() {
    EndPainting();
}

void QtPicture::Resize(QSize pixels) {
    EndPainting();
    image_ = NewPictureImage(pixels);
    image_.fill(ToQColor(background_));
}

const QImage& QtPicture::Image() {
    EndPainting();
    return image_;
}

void QtPicture::EndPainting() {
    if (painter_) painter_->end();
    painter_.reset();
}

QPainter& QtPicture::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setFont(font_);
        ApplyPen();
    }
    return *painter_;
}

void QtPicture::ApplyPen() {
    if (!painter_) return;
    QPen pen(ToQColor(foreColor_));
    pen.setWidth(drawWidth_ > 1 ? drawWidth_ : 0); // 0: one pixel, cosmetic
    pen.setStyle(drawStyle_ == DrawStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    painter_->setPen(pen);
}

QPointF QtPicture::Device(double x, double y) const {
    return {x / unitsPerPixel_, y / unitsPerPixel_};
}

void QtPicture::Cls() {
    EndPainting();
    image_.fill(ToQColor(background_));
    SetCurrentX(0.0);
    SetCurrentY(0.0);
}

void QtPicture::SetForeColor(Colour colour) {
    foreColor_ = colour;
    ApplyPen();
}

void QtPicture::SetDrawStyle(DrawStyle style) {
    drawStyle_ = style;
    ApplyPen();
}

void QtPicture::SetDrawWidth(int16_t width) {
    drawWidth_ = width;
    ApplyPen();
}

void QtPicture::SetFont(const PictureFont& font) {
    font_ = ToQFont(font);
    if (painter_) painter_->setFont(font_);
}

void QtPicture::MoveToEx(int32_t x, int32_t y) {
    pen_ = Device(x, y);
}

void QtPicture::LineTo(int32_t x, int32_t y) {
    const QPointF to = Device(x, y);
    Painter().drawLine(pen_, to);
    pen_ = to;
}

void QtPicture::Print(std::string_view text) {
    const QFontMetricsF metrics(font_, &image_);
    QPainter& painter = Painter();
    painter.save();
    painter.setPen(ToQColor(foreColor_));
    const QPointF topLeft = Device(CurrentX(), CurrentY());
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), ToQString(text));
    painter.restore();
    AdvanceLine(metrics.height() * unitsPerPixel_);
}

double QtPicture::TextWidth(std::string_view text) const {
    const QFontMetricsF metrics(font_, &image_);
    return metrics.horizontalAdvance(ToQString(text)) * unitsPerPixel_;
}

double QtPicture::TextHeight(std::string_view) const {
    return QFontMetricsF(font_, &image_).height() * unitsPerPixel_;
}

void QtPicture::FillBox(double x1, double y1, double x2, double y2, Colour colour) {
    const QRectF box = QRectF(Device(x1, y1), Device(x2, y2)).normalized();
    Painter().fillRect(box, ToQColor(colour));
}

PictureBox::PictureBox(QWidget* parent, Colour background)
    : QWidget(parent), picture_(QSize(1, 1), 1.0, background) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_.Image());
    // A box that takes keys shows when it has them; the picture itself never holds the frame.
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PictureBox::resizeEvent(QResizeEvent*) {
    picture_.Resize(size());
    if (OnResize) OnResize();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (OnMouseMove) OnMouseMove(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnMouseButton)
        OnMouseButton(static_cast<float>(event->position().x()), true);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnMouseButton)
        OnMouseButton(static_cast<float>(event->position().x()), false);
}

} // namespace terzlab::platform
