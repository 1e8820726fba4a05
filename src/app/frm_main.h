#pragma once
// The main window: settings controls, the measurement run and the capture steps. Handlers keep
// the names of the design so the other modules and the tests find them.
#include "analysis/align.h"
#include "analysis/bands.h"
#include "analysis/display_range.h"
#include "analysis/fft.h"
#include "analysis/measurement_run.h"
#include "app/frm_curves.h"
#include "app/frm_sel_state.h"
#include "app/graph_overlays.h"
#include "app/live_host.h"
#include "app/main_state.h"
#include "app/run_hooks.h"
#include "app/sel_host.h"
#include "app/sweep_window_host.h"
#include "audio/sound_card.h"
#include "calibration/calibration_host.h"
#include "display/cursor.h"
#include "display/frame.h"
#include "display/spectrum_plot.h"
#include "display/time_plot.h"
#include "files/disp_oct.h"
#include "files/locations.h"
#include "guidance/dialog_state.h"
#include "platform/message_service.h"
#include "platform/qt_picture.h"
#include "speaker/speaker_host.h"

#include <QCoreApplication>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace terzlab::platform {
struct GraphScene;
class KeyState;
class ProcessLauncher;
class Scheduler;
} // namespace terzlab::platform

namespace terzlab::app {

class frmAxis;
class LiveController;
class SweepController;
using guidance::DialogState;

struct MainServices {
    audio::SoundCard* card = nullptr;
    platform::MessageService* messages = nullptr;
    platform::KeyState* keys = nullptr;
    platform::Scheduler* scheduler = nullptr; // the run's pauses

    DialogState* dialogs = nullptr;
    Locations places{}; // settings file, stimulus files, first folder of the file dialog
    std::function<int()> screenWidth{}; // pixels; the primary screen when empty
    // Opens the instruction (frmMeas) or help (frmHelp) dialog for DialogPage; the windows
    // themselves when empty.
    std::function<void()> openInstructions{};
    std::function<void()> openHelp{};
    // Starts the mixer programs; the system's processes when empty.
    platform::ProcessLauncher* processes = nullptr;
};

// Outer size of the window in twips at its smallest.
inline constexpr int kMinWidthTwips = 8820;
inline constexpr int kMinHeightTwips = 8700;
using terzlab::kTwipsPerPixel;

class frmMain final : public QMainWindow,
                      public calibration::CalibrationHost,
                      public speaker::SpeakerHost,
                      public ComparisonHost,
                      public LiveHost,
                      public SelHost,
                      public SweepWindowHost {
    Q_DECLARE_TR_FUNCTIONS(frmMain)

  public:
    frmMain(MainServices services, const Settings& settings, QWidget* parent = nullptr);
    ~frmMain() override;

    // Device and screen checks, lists and first selections. False: the program must end.
    bool Form_Load();
    void Form_Unload();

    // Starts a run (or part two of a two-part run) configured by the user's choices and returns;
    // the run goes on from the event loop. Ignored while a run is under way.
    void cmdStart_Click();
    // The next block of the run under way: analysed, shown, counted; the run stops after the
    // count, on ESC or when the window is to close.
    void DisplayLoop();
    void DoStop();
    void UpdateStartText(int16_t Offset);
    void UpdateStopText();
    // The start button's caption while no run is under way, and the averaging box's caption.
    static QString idleCaption();
    QString stopCaption() const;
    static QString stopCaption(int limit, bool measurements);
    void LabelShow(bool Measure);
    void GetActChan();
    void GetBlockSize();

    void chkAvgType_Click();
    void cmbAvgCnt_Click();
    void chkLoaded_Click(int Index);
    void cmdScope_Click();
    void cmbMeasType_Click();
    void cmbDisplay_Click();
    void cmbFreqRes_Click();
    void cmbWavInDev_Change();
    void cmbWavOutDev_Click();
    void optChannel_Click();
    void cmdMixer_Click();
    void mnuFileSaveAs_Click();
    void mnuLoadCorr_Click();
    void mnuLoadRef_Click();
    void mnuLoadComp_Click();
    void mnuEnd_Click();
    void mnu48k_Click();
    void mnuXchan_Click();
    void mnuRange_Click();
    void mnuTimeChk_Click();
    void mnuCalib_Click();
    void mnuMicDist_Click();
    void mnuHelpShow_Click();
    void mnuAbout_Click();

    // The live analysis (live_controller.h) and the host it runs in (frm_main_live.cpp).
    const LiveController& live() const { return *live_; }
    bool liveMayStart() const override;
    bool closeRequested() const override { return closeRequested_; }
    bool startLiveRun(const LiveStart& start) override;
    void endLiveRun(std::function<void()> then) override;
    int32_t blocksCounted() const override;
    bool showLiveSpectrum(const LiveSpectrum& spectrum) override;
    void showLiveStatus(const QString& text) override;

    // The graph: frame, spectrum, time signal, level bars, axis choice and cursor readout.
    void DisplayInit(bool full);
    void CheckOverload();
    void showLevels(const BlockReport& report);
    void drawSpectrum();
    SpectrumInputs spectrumInputs() const;
    TimeInputs timeInputs() const;
    void DisplaySpec(bool analyse);
    void DisplayTime();
    void GetDbRange(bool AutoRange);
    void BuildBandTable();
    void cmdAutoRange_Click();
    void picGraph_MouseMove(float X, float Y);
    // The chosen axis (frm_main_axis.cpp): the dialog, opened over the window and returned for
    // the caller to fill, the wheel over the graph and the keys in it (true when the key moved
    // the axis). Each freezes the automatic choice.
    frmAxis* mnuAxis_Click();
    void chooseAxis(const AxisRange& range);
    void picGraph_Wheel(int angleDelta, bool span);
    bool picGraph_KeyPress(int key);

    // Several comparison curves (frm_main_curves.cpp): the list dialog, opened over the window
    // and returned, the stored further curves at the start and their files for the settings.
    frmCurves* mnuCurves_Click();
    int comparisonCount() const;
    void loadStoredComparisons(const terzlab::Settings& stored);
    void rememberComparisons(terzlab::Settings& stored) const;
    std::vector<ComparisonEntry> comparisons() const override;
    void showComparison(int index, bool shown) override;
    void removeComparison(int index) override;
    void Form_MouseMove(float X, float Y);

    // Export and graph save to a path chosen in their file dialogs (frm_main_export.cpp); a
    // file that cannot be written is reported in a box.
    void exportMeasurementTo(const QString& path);
    void saveGraphTo(const QString& path, bool doubleSize);

    Settings& settings() override { return settings_; }
    RunState& run() { return run_; }
    const audio::WaveFormat& captureFormat() const { return CaptureFormat; }
    const audio::WaveHeader& captureHeader() const { return CaptureHeader; }
    const std::vector<int16_t>& captureBuffer() const { return CaptureBuffer; }
    FftState& fft() { return measurement_.Session().Fft(); }
    BandState& bands() { return measurement_.Session().Bands(); }
    MeasurementSession& session() { return measurement_.Session(); }
    const MeasurementSession& session() const { return measurement_.Session(); }
    const MeasurementRun& measurement() const { return measurement_; }
    // The run as the user has set it up now: type, view, resolution, channel, count, curves.
    MeasurementConfig currentConfig() const override;
    // The view the display list shows.
    View shownView() const;
    // The display values of the latest run at a resolution, as a file keeps them (1/12).
    std::vector<double> valuesAt(int16_t freqResIndex) const;
    DispOct& dispOct() override { return dispOct_; }
    // The window's own surface: axis labels and the top line, in twips.
    platform::QtPicture& windowPicture() { return windowPic_; }
    SelState& selState() { return selState_; }
    // LastBand of the grid the correction curves are loaded onto.
    int16_t curveLastBand() const override;
    // Seconds the run waits for one block before it gives up on the device.
    double blockTimeoutSeconds() const;
    // From the start until the run (both parts of a two-part type) has ended.
    bool isRunning() const override { return running_; }
    // A result the view can show: the last block's time signal, or band values that a block of
    // this run analysed on the current type and grid.
    bool resultOnHand() const;
    // The curve box of a slot: its caption with the loaded curve's title, or, with no title, the
    // plain caption, unticked and greyed.
    void showCurveBox(int slot, const std::optional<QString>& title);
    // Whether the sensor (0) or reference (1) curve took part in the values shown and saved.
    bool curveApplied(int slot) const;

    // The file dialog's host (frm_sel_main.cpp).
    MeasType measType() const override { return settings_.Type; }
    MeasurementHeader measurementHeader() const override;
    const BandState& measuredBands() const override { return session().Bands(); }
    std::vector<double> savedValues() const override { return valuesAt(kTwelfthOctave); }
    std::vector<MeasurementRow> savedRows(const MeasurementHeader& header) const override;
    void curvePutInto(int slot, int16_t curveType, const QString& title) override;
    void curveLost(int slot) override { showCurveBox(slot, std::nullopt); }
    void curveLoaded(int slot) override;

    // The calibration dialogs' host.
    QWidget* dialogParent() override;
    void beginCalibration() override;
    void endCalibration() override;
    void measureCalibration(const calibration::CalibRequest& request,
                            std::function<void(bool measured)> done) override;
    calibration::CalibSpectrum calibrationSpectrum() override;
    bool testCdPlayback() const override;
    int32_t sampleRate() const override;
    int16_t activeChannel() const override;
    bool measuresOneChannel() const override;
    std::array<double, 2>& calibValues() override;
    std::array<double, 6>& levelCorrections() override;
    void correctionsChanged() override;
    void focusStart() override;

    // The Thiele-Small dialog's host (frm_main_speaker.cpp).
    std::optional<speaker::ShownImpedance> shownImpedance() override;
    QString fileFolder() override;
    void showModel(ModelCurve model) override;
    void showResponse(ModelCurve response) override;
    const ModelCurve* speakerModel() const;
    bool drawSpeakerResponse();

    // The swept-sine measurement (sweep_controller.h); the window's side in frm_main_sweep.cpp.
    SweepController& sweep() { return *sweep_; }
    bool sweepType() const;
    const Settings& settings() const override { return settings_; }
    void keepSweepFields(const SweepFields& fields) override;
    const audio::WaveFormat& newCaptureFormat() override;
    void beginSweepRun() override;
    void showSweepStatus(const QString& text) override;
    void stopSweepRun() override;
    void showClipped(int channel) override;
    void setResultValid(bool valid) override;
    void drawEmptyFrame() override;
    void drawPlot(const PlotScene& scene) override;
    QSize graphSize() const override;
    const CorrectionCurve* appliedSensorCurve() const override;
    const CorrectionCurve* shownComparison() const override;

    RunHooks hooks;

    QLabel* lblRecord = nullptr;
    QComboBox* cmbWavInDev = nullptr;
    QLabel* lblReplay = nullptr;
    QComboBox* cmbWavOutDev = nullptr;
    QLabel* lblMeasType = nullptr;
    QComboBox* cmbMeasType = nullptr;
    QLabel* lblAvgCnt = nullptr;
    QComboBox* cmbAvgCnt = nullptr;
    QCheckBox* chkAvgType = nullptr;
    QLabel* lblFreqRes = nullptr;
    QComboBox* cmbFreqRes = nullptr;
    QLabel* lblDisplay = nullptr;
    QComboBox* cmbDisplay = nullptr;
    std::array<QCheckBox*, 3> chkLoaded{};
    QPushButton* cmdScope = nullptr;
    QPushButton* cmdMixer = nullptr;
    QGroupBox* brdChannel = nullptr;
    std::array<QRadioButton*, 2> optChannel{};
    std::array<platform::PictureBox*, 2> picLevel{};
    QLabel* lblLevel = nullptr;
    std::array<QLabel*, 2> lblOVL{};
    QPushButton* cmdAutoRange = nullptr;
    platform::PictureBox* picGraph = nullptr;
    QLabel* lblCursor = nullptr;
    QLabel* lblCurveValue = nullptr;      // the measured band under the pointer
    QLabel* lblComparisonValue = nullptr; // the comparison curve under the pointer
    QPushButton* cmdStart = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuLoadCorr = nullptr;
    QAction* mnuLoadRef = nullptr;
    QAction* mnuLoadComp = nullptr;
    QAction* mnuEnd = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuGraphSave = nullptr;
    QAction* mnuGraphCopy = nullptr; // Ctrl+Shift+C
    QMenu* mnuSpecial = nullptr;
    QAction* mnu48k = nullptr;
    QAction* mnuXchan = nullptr;
    QAction* mnuRange = nullptr;
    QAction* mnuTimeChk = nullptr;
    QAction* mnuThieleSmall = nullptr;
    QAction* mnuHoldCurve = nullptr;
    QAction* mnuPhase = nullptr;
    QMenu* mnuLevel = nullptr;
    QAction* mnuCalib = nullptr;
    QAction* mnuMicDist = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpShow = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuCurves = nullptr;
    QMenu* mnuGraph = nullptr; // the graph's context menu
    QAction* mnuAxis = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildChannelFrame();
    void buildMenus();
    void buildAccessKeys();
    // The check button's caption: "Check On" while the check is off.
    static QString scopeCaption(bool offNow);
    void stepAxis(int notches, bool span);
    void resizeOuter();
    void connectHandlers();
    void connectMenus();
    void connectFileHooks();
    void showFileDialog(int selMode);
    void writeSettingsFile();
    void apply48k();
    void restoreResolution();
    void startView();
    void showViewControls();
    void showCommands() override;
    bool curveFitsType(int slot) const;
    void redrawAfterDisplayChange();
    void setSampleRate(int32_t rate);
    void fillLists();
    void Form_Resize();

    bool loadCaptureDevices();
    bool loadPlaybackDevices();
    bool screenWideEnough();
    void showLoadedCurves();

    void startMeasurement(const MeasurementConfig& config);
    void prepareRun();
    void afterInstructions();
    void abortStart();
    void beginCapture();
    void endPhase(RunPhase phase);
    bool prepareStimulus();
    void waitForDialog(std::function<void()> then);
    void resumeAfterDialog();
    void showInstructionDialog();
    void showSignalHelp();
    void openHelpDialog();
    void configureBench();
    void afterStop();
    void finishRun() override;

    bool openCapture();
    void fillCaptureFormat();
    int inputDevice() const override;
    void startCapture();
    void firstBlock();
    void nextBlock();
    void awaitBlock(void (frmMain::*then)());
    void closeCapture(std::function<void()> then);
    void emergencyClose();
    void endRunWithoutData();
    void openFailed() override;
    void rateNotWritable();
    int blockMilliseconds() const;

    // Export of the measurement and the graph (frm_main_export.cpp).
    void buildExportCommands();
    void exportMeasurement();
    void saveGraph();
    void copyGraph();
    platform::GraphScene graphScene() const;

    // The Thiele-Small command (frm_main_speaker.cpp).
    void buildSpeakerCommand();
    void buildLanguageCommands();
    void chooseLanguage(text::Language language);
    void updateSpeakerCommand();
    void refitShownModel();
    bool impedanceResultShown() const;
    bool saveOffered() const;

    void initGraph();
    void redrawGraph();
    void fitSurfaces();
    FrameInputs frameInputs() const;
    DisplayInputs displayInputs() const;
    void followChoices();
    MeasurementConfig calibrationConfig(int channel) const;
    void showRange(const DbRangeResult& result);
    void placeAutoRange(int16_t span);
    void showCursor(const CursorUpdate& update) override;
    CursorInputs cursorInputs() const;

    // The graph for daily work (frm_main_daily.cpp).
    void buildDailyGraph();
    void placeCurveValues();
    CurveReadoutInputs curveReadoutInputs() const;
    CurveReadoutText curveReadout() const;
    void showCurveValues();
    void refreshReadouts();
    void followPointer(std::optional<float> x);
    bool curveToHold() const;
    void holdCurve(bool on);
    const HeldCurve* heldCurve() const;
    bool phaseShown() const;
    std::span<const double> measuredPhase() const;
    std::optional<PhaseCurves> phaseCurves() const;
    bool autoRangeOn() const;
    void freezeAxis();
    void buildAxisCommand();
    void buildComparisonCommands();
    void loadComparison();
    void redrawComparisons();
    void addComparisonInputs(SpectrumInputs& in) const;
    void addLegendValues(SpectrumInputs& in) const;
    std::vector<std::string> legendValues(const SpectrumInputs& in) const;
    DbRangeResult widenForComparisons(DbRangeResult chosen);

    bool firstOfTwoParts() const;
    bool calibrationLowSine() const;
    platform::MsgAnswer message(const QString& text, platform::MsgIcon icon,
                                const QString& title = QString());

    MainServices services_;
    Settings settings_;
    RunState run_;
    MeasurementRun measurement_;
    AlignState align_;
    DispOct dispOct_;
    platform::QtPicture windowPic_{QSize(1, 1), kTwipsPerPixel};
    SelState selState_;
    std::vector<int16_t> CaptureBuffer;
    audio::WaveFormat CaptureFormat;
    audio::WaveHeader CaptureHeader;
    std::vector<int> inputDeviceOfEntry_;
    bool running_ = false;
    bool closeRequested_ = false;
    // The step that goes on once the instructions or help the run waits for are closed.
    std::function<void()> dialogWait_;
    // Told at the end of the run, whether it measured (the calibration's run).
    std::function<void()> runEnded_;
    // Parts of this run that captured: each looks for an overload at the end.
    int capturedParts_ = 0;
    bool unloaded_ = false;
    bool scopeOn_ = false; // the quick check ("Check On") is on
    bool scopeAvgType_ = false;
    // A run or the calibration dialog drives the measurement: commands that change it wait.
    bool commandsLocked_ = false;
    bool calibrating_ = false;
    SavedForCalibration calibSaved_;
    int scopeAvgIndex_ = 0;
    GraphOverlays graph_;
    std::unique_ptr<LiveController> live_;
    std::unique_ptr<SweepController> sweep_;
};

} // namespace terzlab::app
