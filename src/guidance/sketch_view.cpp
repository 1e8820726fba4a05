#include "guidance/sketch_view.h"

#include "display/frame.h"

#include <QPainter>

namespace terzlab::guidance {

SketchView::SketchView(QSize pixels, QSize shown, QWidget* parent)
    : QWidget(parent), picture_(pixels, kTwipsPerPixel) {
    setFixedSize(shown);
}

void SketchView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_.Image());
}

} // namespace terzlab::guidance
