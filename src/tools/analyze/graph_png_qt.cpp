#include "analyze/graph_png.h"
#include "display/frame.h"
#include "display/spectrum_plot.h"
#include "platform/qt_picture.h"
#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <memory>

namespace terzlab::analyze {
namespace {

// The graph picture's drawing area in pixels and the border the window draws around it.
constexpr int kGraphWidth = 497;
constexpr int kGraphHeight = 297;
constexpr int kBorder = 2;
// Room around the graph for the labels, in the window's twips.
constexpr double kLabelLeft = 840;
constexpr double kLabelTop = 150;
constexpr double kLabelRight = 450;
constexpr double kLabelBottom = 300;

GraphPlacement Placement() {
    const double border = kBorder * kTwipsPerPixel;
    return {kLabelLeft, kLabelTop, kGraphWidth * kTwipsPerPixel + 2 * border,
            kGraphHeight * kTwipsPerPixel + 2 * border};
}

void Silent(QtMsgType, const QMessageLogContext&, const QString&) {}

// Text needs a running application; a batch run has no display, so it draws off-screen. Qt's
// own notes about the desktop session would only bury the tool's one line on stderr.
class OffscreenApp {
  public:
    OffscreenApp() : previous_(qInstallMessageHandler(Silent)) {
        if (QGuiApplication::instance() != nullptr) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~OffscreenApp() {
        app_.reset();
        qInstallMessageHandler(previous_);
    }
    OffscreenApp(const OffscreenApp&) = delete;
    OffscreenApp& operator=(const OffscreenApp&) = delete;

  private:
    QtMessageHandler previous_;
    int argc_ = 1;
    char name_[16] = "terzlab-analyze";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

QImage Compose(platform::QtPicture& window, platform::QtPicture& graph, const GraphPlacement& g) {
    QImage image = window.Image().copy();
    QPainter painter(&image);
    const int left = static_cast<int>(g.Left / kTwipsPerPixel);
    const int top = static_cast<int>(g.Top / kTwipsPerPixel);
    painter.fillRect(left, top, kGraphWidth + 2 * kBorder, kGraphHeight + 2 * kBorder,
                     platform::ToQColor(kDarkGrey));
    painter.drawImage(QPoint(left + kBorder, top + kBorder), graph.Image());
    return image;
}

} // namespace

bool GraphPngAvailable() {
    return true;
}

bool RenderGraphPng(const BandState& bands, const AxisRange& range, const GraphPngInputs& in,
                    std::string& png, std::string& error) {
    OffscreenApp app;
    FrameInputs frame;
    frame.DisplayIndex = kDisplayFrequency;
    frame.MeasTypeIndex = in.MeasTypeIndex;
    frame.Range = range;
    frame.SampleRate = in.SampleRate;
    frame.BlockSize = in.BlockSize;
    frame.ImpedancePart = in.ImpedancePart;
    frame.Graph = Placement();
    const QSize windowPixels(
        static_cast<int>((frame.Graph.Left + frame.Graph.Width + kLabelRight) / kTwipsPerPixel),
        static_cast<int>((frame.Graph.Top + frame.Graph.Height + kLabelBottom) / kTwipsPerPixel));
    platform::QtPicture window(windowPixels, kTwipsPerPixel, kLightGrey);
    platform::QtPicture graph(QSize(kGraphWidth, kGraphHeight));
    SpectrumInputs spectrum;
    spectrum.BandFreq = bands.Table.BandFreq;
    spectrum.BandValue = bands.BandValue;
    spectrum.LastBand = bands.Table.LastBand;
    spectrum.MeasValid = true;
    spectrum.CurveColour = in.CurveColour;
    DrawSpectrum(graph, window, frame, spectrum);
    const QImage image = Compose(window, graph, frame.Graph);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        error = "Das Bild der Grafik konnte nicht erzeugt werden";
        return false;
    }
    png.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

} // namespace terzlab::analyze
