// The measurement and the graph for other programs: "Exportieren" writes the measurement as FRD,
// ZMA or CSV, "Grafik speichern" the graph as PNG or SVG, and Ctrl+Shift+C puts the graph on the
// clipboard. The pictures are drawn by the window's own drawing code at the graph's shown size,
// with the comparison curve when it is shown.
#include "app/frm_main.h"

#include "app/sweep_controller.h"
#include "display/spectrum_plot.h"
#include "display/time_plot.h"
#include "files/atomic_write.h"
#include "files/export_writer.h"
#include "platform/graph_picture.h"
#include "platform/services.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>

#include <algorithm>
#include <ctime>

namespace terzlab::app {

namespace {

QAction* NewCommand(QObject* parent, const char* name, const QString& caption,
                    const char* keys = nullptr) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    if (keys != nullptr) action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
    return action;
}

// A name typed without an extension takes the one of the chosen file type.
QString WithSuffix(const QString& path, const QString& filter) {
    if (!QFileInfo(path).suffix().isEmpty()) return path;
    const auto open = filter.lastIndexOf(QStringLiteral("*."));
    return path + filter.mid(open + 1).chopped(1);
}

// Asks where to save among file types (the first offered first); the path with the chosen
// type's extension where none was typed, and the chosen type; an empty path when cancelled.
std::pair<QString, QString> AskSavePath(QWidget* parent, const QString& title,
                                        const QString& folder, const QStringList& filters) {
    QString chosen = filters.front();
    const QString picked = QFileDialog::getSaveFileName(
        parent, title, folder, filters.join(QStringLiteral(";;")), &chosen);
    if (picked.isEmpty()) return {};
    return {WithSuffix(picked, chosen), chosen};
}

} // namespace

void frmMain::buildExportCommands() {
    mnuExport = NewCommand(this, "mnuExport", tr("E&xportieren ..."));
    mnuGraphSave = NewCommand(this, "mnuGraphSave", tr("&Grafik speichern ..."));
    mnuGraphCopy =
        NewCommand(this, "mnuGraphCopy", tr("Grafik in die &Zwischenablage"), "Ctrl+Shift+C");
    const QList<QAction*> items = mnuFile->actions();
    mnuFile->insertActions(items.value(items.indexOf(mnuFileSaveAs) + 1),
                           {mnuExport, mnuGraphSave, mnuGraphCopy});
    for (QAction* follower : {mnuExport, mnuGraphSave}) {
        follower->setEnabled(mnuFileSaveAs->isEnabled());
        connect(mnuFileSaveAs, &QAction::enabledChanged, follower, &QAction::setEnabled);
    }
    connect(mnuExport, &QAction::triggered, this, [this] { exportMeasurement(); });
    connect(mnuGraphSave, &QAction::triggered, this, [this] { saveGraph(); });
    connect(mnuGraphCopy, &QAction::triggered, this, [this] { copyGraph(); });
}

void frmMain::exportMeasurement() {
    const QStringList filters =
        sweepType() ? QStringList{tr("Impulsantwort (*.wav)"), tr("FRD-Datei (*.frd)"),
                                  tr("Verzerrung als CSV-Datei (*.csv)")}
        : IsImpedanceType(settings_.Type)
            ? QStringList{tr("ZMA-Datei (*.zma)"), tr("CSV-Datei (*.csv)")}
            : QStringList{tr("FRD-Datei (*.frd)"), tr("CSV-Datei (*.csv)")};
    const auto [path, chosen] =
        AskSavePath(this, tr("Messung exportieren"), selState_.LastFolder, filters);
    if (!path.isEmpty()) exportMeasurementTo(path); // which goes to the sweep's own for a sweep
}

void frmMain::exportMeasurementTo(const QString& path) {
    if (sweepType()) return sweep_->exportTo(path);
    const auto format = ExportFormatFor(path.toStdString());
    if (!format) {
        message(tr("Exportiert wird als .frd, .zma oder .csv: %1").arg(path),
                platform::MsgIcon::Exclamation, tr("Fehler"));
        return;
    }
    MeasurementHeader header;
    const auto infoType = static_cast<size_t>(std::clamp<int>(selState_.InfoType, 0, 2));
    header.Title = settings_.InfoTexts[infoType][1];
    header.SampleRate = settings_.SampleRate;
    header.BlockSize = run_.BlockSize;
    header.WindowType = session().WindowType();
    header.Type = settings_.Type;
    // The values are those a saved measurement file holds: at 1/12 octave.
    const ExportSource source =
        ExportSourceFor(header, session().Bands(), valuesAt(kTwelfthOctave), std::time(nullptr));
    std::string error;
    if (!WriteExport(path.toStdString(), *format, source, error)) {
        message(QString::fromStdString(error), platform::MsgIcon::Exclamation, tr("Fehler"));
    }
}

platform::GraphScene frmMain::graphScene() const {
    platform::GraphScene scene;
    scene.Frame = frameInputs();
    // A saved picture has no controls over it: every axis label of the graph is printed.
    scene.Frame.Controls.clear();
    scene.Graph = picGraph->size();
    if (sweepType() && sweep_->measured() != nullptr) {
        const PlotScene plot = sweep_->scene();
        const std::string separator = scene.Frame.DecimalSeparator;
        scene.Draw = [plot, separator](Picture& g, Picture& w, const FrameInputs& f) {
            DrawPlot(g, w, f.Graph, separator, plot);
        };
    } else if (shownView() == View::Frequency) {
        const SpectrumInputs in = spectrumInputs();
        scene.Draw = [in](Picture& g, Picture& w, const FrameInputs& f) {
            DrawSpectrum(g, w, f, in);
        };
    } else if (run_.MeasValid) {
        const TimeInputs in = timeInputs();
        scene.Draw = [in](Picture& g, Picture& w, const FrameInputs& f) {
            terzlab::DisplayTime(g, w, f, in);
        };
    } else {
        scene.Draw = [](Picture& g, Picture& w, const FrameInputs& f) {
            terzlab::DisplayInit(g, w, f, true);
        };
    }
    return scene;
}

void frmMain::saveGraph() {
    const QString png2x = tr("PNG-Bild, doppelte Größe für den Druck (*.png)");
    const auto [path, chosen] =
        AskSavePath(this, tr("Grafik speichern"), selState_.LastFolder,
                    {tr("PNG-Bild (*.png)"), png2x, tr("SVG-Grafik (*.svg)")});
    if (!path.isEmpty()) saveGraphTo(path, chosen == png2x);
}

void frmMain::saveGraphTo(const QString& path, bool doubleSize) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
        message(tr("Die Grafik wird als .png oder .svg gespeichert: %1").arg(path),
                platform::MsgIcon::Exclamation, tr("Fehler"));
        return;
    }
    using platform::GraphFormat;
    const GraphFormat format = suffix == QLatin1String("svg") ? GraphFormat::Svg
                               : doubleSize                   ? GraphFormat::Png2x
                                                              : GraphFormat::Png;
    std::string bytes;
    WriteResult written{tr("Das Bild der Grafik konnte nicht erzeugt werden").toStdString()};
    if (platform::RenderGraph(graphScene(), format, bytes))
        written = ReplaceFile(path.toStdString(), bytes);
    if (!written)
        message(QString::fromStdString(NotWrittenText(path.toStdString(), written.Reason)),
                platform::MsgIcon::Exclamation, tr("Fehler"));
}

void frmMain::copyGraph() {
    QGuiApplication::clipboard()->setImage(platform::GraphImage(graphScene(), 1));
}

} // namespace terzlab::app
