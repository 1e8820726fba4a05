#include "guidance/sketch_view.h"

#include "display/frame.h"

#include <QPainter>

namespace terzlab::guidance {

SketchView::SketchView(QSize pixels, QWidget* parent)
    : QWidget(parent), picture_(pixels, kTwipsPerPixel) {
    setFixedSize(pixels);
}

void SketchView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_.Image());
}

} // namespace terzlab::guidance
