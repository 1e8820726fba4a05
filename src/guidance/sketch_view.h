#pragma once
// Shows a picture measured in twips, the wiring sketch's scale, drawn at its natural pixel size
// and shown at `shown` pixels (smaller, so that its dialog fits a small screen).
#include "platform/qt_picture.h"

#include <QWidget>

namespace terzlab::guidance {

class SketchView final : public QWidget {
  public:
    SketchView(QSize pixels, QSize shown, QWidget* parent = nullptr);

    platform::QtPicture& Surface() { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    platform::QtPicture picture_;
};

} // namespace terzlab::guidance
