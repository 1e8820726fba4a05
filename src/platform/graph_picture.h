#pragma once
// The graph as the main window shows it (the graph picture with its border and the axis labels
// the window prints around it), drawn off the screen by the window's own drawing code: as a PNG
// at the window's size or at twice that size for print, or as an SVG that keeps the frame, the
// grid, the labels, the curves and the stamp as vector objects and text.
#include "display/frame.h"
#include "display/picture.h"
#include "display/scene.h"
#include <QImage>
#include <QSize>
#include <functional>
#include <memory>
#include <string>

class QGuiApplication;

namespace terzlab::platform {

enum class GraphFormat { Png, Png2x, Svg };

// What the window draws, handed the graph and the window surface and the frame with its
// placement (Frame.Graph is set by the renderer): DrawSpectrum or DisplayTime with their inputs.
struct GraphScene {
    FrameInputs Frame;
    QSize Graph{497, 297}; // the graph picture's drawing area in pixels, as shown
    std::function<void(Picture& graph, Picture& window, const FrameInputs& frame)> Draw;
};

// A spectrum scene drawn as the window draws it.
GraphScene GraphSceneOf(const SpectrumScene& spectrum);

// The picture's size in pixels at the window's scale.
QSize GraphPictureSize(const GraphScene& scene);

// The picture as an image, scale 1 (the window's pixels) or 2.
QImage GraphImage(const GraphScene& scene, int scale);

// The file's bytes; false when the picture could not be encoded.
bool RenderGraph(const GraphScene& scene, GraphFormat format, std::string& bytes);

// Text needs a running application. A batch tool has no display, so it draws off the screen;
// Qt's notes about the desktop session would only bury the tool's one line on stderr. Does
// nothing where an application runs already.
class OffscreenApp {
  public:
    OffscreenApp();
    ~OffscreenApp();
    OffscreenApp(const OffscreenApp&) = delete;
    OffscreenApp& operator=(const OffscreenApp&) = delete;

  private:
    QtMessageHandler previous_;
    int argc_ = 1;
    char name_[8] = "terzlab";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace terzlab::platform
