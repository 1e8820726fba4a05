#pragma once
// The swept-sine measurement in the window: the sweep made at the device's rate and looped by
// the player, the capture stream read from the event loop until every repetition is in, the
// repetitions averaged and analysed, the views drawn through the display's scene, the gate moved
// with the mouse, and the measurement saved and exported. Its fields' dialog talks to it; it
// knows the window only through SweepWindowHost.
#include "app/frm_sweep.h"
#include "app/sweep_window_host.h"
#include "files/measurement_writer.h"
#include "platform/key_state.h"
#include "platform/message_service.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace terzlab::audio {
struct SoundCard;
}

namespace terzlab::app {

struct SweepCapture;
struct SweepMeasured;
struct SweepSession;

// The services the sweep uses besides its window.
struct SweepServices {
    audio::SoundCard* card = nullptr;
    platform::MessageService* messages = nullptr;
    platform::KeyState* keys = nullptr;
    platform::Scheduler* scheduler = nullptr; // the run's steps
};

class SweepController final : public SweepHost {
    Q_DECLARE_TR_FUNCTIONS(SweepController)

  public:
    SweepController(SweepWindowHost& host, SweepServices services);
    ~SweepController() override;

    // The sweep type is chosen.
    bool typeChosen() const;
    // The fields' dialog, shown with the type, beside the window; closed, it comes back with the
    // next choice of the type. None until it was first shown.
    void showDialog(bool shown);
    frmSweep* dialog() const { return dialog_; }
    // The dialog's fields into the settings, where they are valid.
    void rememberFields();

    // Starts a sweep as the fields say and returns; the run goes on from the event loop. Ignored
    // while a run is under way; refused fields are reported in a box.
    void start();

    // The latest measurement; none before the first or after a clipped one.
    const SweepMeasured* measured() const;
    // A gated response of the device's rate the view can show and a file can keep.
    bool resultOnHand() const;
    // The graph of the view chosen, and the same drawn in the window.
    PlotScene scene() const;
    void draw();
    // The pointer over the graph: the readout of the view's values and the gate end held.
    void showCursor(float x, float y);
    // The left button over the graph: an end of the gate taken or let go.
    void mouseButton(float x, bool pressed);

    // The file's band lines of the gated response.
    std::vector<MeasurementRow> savedRows() const;
    // By the path's extension; what cannot be written is reported in a box.
    void exportTo(const QString& path);

    void sweepViewChanged() override;
    void sweepGateChanged() override;

  private:
    bool play(const audio::WaveFormat& format);
    void step();
    void end(bool complete, const QString& failure = QString());
    void analyse(const SweepCapture& capture);
    void reportError();
    void message(const QString& text);
    double levelOffsetDb() const;
    sweep::SweepResult shownResult(const SweepMeasured& measured) const;
    void dragGate(float x);

    SweepWindowHost& host_;
    SweepServices services_;
    QObject owner_; // the run's pending step ends with the sweep
    std::unique_ptr<SweepSession> session_;
    QPointer<frmSweep> dialog_;
    // The gate end held with the mouse (0 start, 1 end), on the time axis it was taken on: the
    // axis stays while the gate moves, so that the end stays under the pointer.
    struct GateDrag {
        std::size_t End = 0;
        PlotAxis Axis;
    };
    std::optional<GateDrag> gateDrag_;
};

} // namespace terzlab::app
