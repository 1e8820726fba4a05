#include "platform/graph_picture.h"
#include "platform/painter_picture.h"
#include "platform/qt_picture.h"
#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

namespace terzlab::platform {
namespace {

// The border the window draws around the graph picture, in pixels.
constexpr int kBorder = 2;
// Room around the graph for the labels, in the window's twips.
constexpr double kLabelLeft = 840;
constexpr double kLabelTop = 150;
constexpr double kLabelRight = 450;
constexpr double kLabelBottom = 300;

GraphPlacement Placement(const GraphScene& scene) {
    const double border = kBorder * kTwipsPerPixel;
    return {kLabelLeft, kLabelTop, scene.Graph.width() * kTwipsPerPixel + 2 * border,
            scene.Graph.height() * kTwipsPerPixel + 2 * border};
}

QRect BorderBox(const GraphScene& scene) {
    const GraphPlacement g = Placement(scene);
    return {static_cast<int>(g.Left / kTwipsPerPixel), static_cast<int>(g.Top / kTwipsPerPixel),
            scene.Graph.width() + 2 * kBorder, scene.Graph.height() + 2 * kBorder};
}

QRect GraphBox(const GraphScene& scene) {
    return BorderBox(scene).adjusted(kBorder, kBorder, -kBorder, -kBorder);
}

FrameInputs Placed(const GraphScene& scene) {
    FrameInputs frame = scene.Frame;
    frame.Graph = Placement(scene);
    return frame;
}

// The window's own surfaces, composed as the window shows them.
QImage WindowPixels(const GraphScene& scene) {
    const FrameInputs frame = Placed(scene);
    QtPicture window(GraphPictureSize(scene), kTwipsPerPixel, kLightGrey);
    QtPicture graph(scene.Graph);
    scene.Draw(graph, window, frame);
    QImage image = window.Image().copy();
    QPainter painter(&image);
    painter.fillRect(BorderBox(scene), ToQColor(kDarkGrey));
    painter.drawImage(GraphBox(scene).topLeft(), graph.Image());
    return image;
}

// The same drawing onto any painter. Each surface gets a pass of its own, the other surface
// only measuring, so that the window's labels lie beneath the graph as on the screen.
void DrawScene(QPainter& painter, const GraphScene& scene) {
    const FrameInputs frame = Placed(scene);
    const QRectF whole(QPointF(0, 0), GraphPictureSize(scene));
    {
        PainterPicture window(&painter, whole, kTwipsPerPixel, kLightGrey);
        PainterPicture graph(nullptr, GraphBox(scene), 1.0, kWhite);
        scene.Draw(graph, window, frame);
    }
    painter.fillRect(BorderBox(scene), ToQColor(kDarkGrey));
    painter.save();
    painter.setClipRect(GraphBox(scene));
    {
        PainterPicture window(nullptr, whole, kTwipsPerPixel, kLightGrey);
        PainterPicture graph(&painter, GraphBox(scene), 1.0, kWhite);
        scene.Draw(graph, window, frame);
    }
    painter.restore();
}

bool EncodePng(const QImage& image, std::string& bytes) {
    QByteArray encoded;
    QBuffer buffer(&encoded);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return false;
    bytes.assign(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    return true;
}

bool EncodeSvg(const GraphScene& scene, std::string& bytes) {
    QByteArray encoded;
    QBuffer buffer(&encoded);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(GraphPictureSize(scene));
    svg.setViewBox(QRect(QPoint(0, 0), GraphPictureSize(scene)));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Terzlab"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    DrawScene(painter, scene);
    if (!painter.end()) return false;
    bytes.assign(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    return !bytes.empty();
}

void Silent(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

GraphScene GraphSceneOf(const SpectrumScene& spectrum) {
    GraphScene scene;
    scene.Frame = spectrum.Frame;
    scene.Draw = [in = spectrum.Spectrum](Picture& graph, Picture& window, const FrameInputs& f) {
        DrawSpectrum(graph, window, f, in);
    };
    return scene;
}

QSize GraphPictureSize(const GraphScene& scene) {
    const GraphPlacement g = Placement(scene);
    return {static_cast<int>((g.Left + g.Width + kLabelRight) / kTwipsPerPixel),
            static_cast<int>((g.Top + g.Height + kLabelBottom) / kTwipsPerPixel)};
}

QImage GraphImage(const GraphScene& scene, int scale) {
    if (!scene.Draw) return {};
    if (scale <= 1) return WindowPixels(scene);
    QImage image = NewPictureImage(GraphPictureSize(scene) * scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    DrawScene(painter, scene);
    return image;
}

bool RenderGraph(const GraphScene& scene, GraphFormat format, std::string& bytes) {
    if (!scene.Draw) return false;
    if (format == GraphFormat::Svg) return EncodeSvg(scene, bytes);
    return EncodePng(GraphImage(scene, format == GraphFormat::Png2x ? 2 : 1), bytes);
}

OffscreenApp::OffscreenApp() : previous_(qInstallMessageHandler(Silent)) {
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

OffscreenApp::~OffscreenApp() {
    app_.reset();
    qInstallMessageHandler(previous_);
}

} // namespace terzlab::platform
