#pragma once
// Shows a picture measured in twips, the wiring sketch's scale, at its natural pixel size.
#include "platform/qt_picture.h"

#include <QWidget>

namespace terzlab::guidance {

class SketchView final : public QWidget {
  public:
    SketchView(QSize pixels, QWidget* parent = nullptr);

    platform::QtPicture& Surface() { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    platform::QtPicture picture_;
};

} // namespace terzlab::guidance
