#pragma once
// A main window on the virtual sound card (virtual time), scripted boxes, a scripted ESC key
// and no real sleeping.
#include "app/frm_main.h"
#include "app/frm_sel.h"
#include "audio/virtual/virtual_card.h"
#include "platform/key_state.h"
#include "platform/mixer.h"
#include "platform/services.h"

#include "support/temp_folder.h"

// The widgets of the windows the tests drive.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace terzlab::test {

constexpr int kTimeView = IndexOf(View::Time); // the entries of the display list
constexpr int kFrequencyView = IndexOf(View::Frequency);

// The object names of the enabled controls (widgets, menu commands, a menu by its own name) in
// the order given, separated by spaces.
std::string enabledNames(std::initializer_list<QObject*> controls);
// Pixels of the image for which `counts` holds.
int countPixels(const QImage& image, const std::function<bool(QColor)>& counts);
// Pixels of the main graph in the colour of the curve shown (or the one given).
int curvePixels(app::frmMain& window, std::optional<Colour> colour = std::nullopt);
// The mouse pointer moved to a point of the widget.
void moveMouse(QWidget* widget, QPointF at);
// The text against the file in tests/data; TERZLAB_WRITE_GOLDEN=1 rewrites the file, and a
// change to it is a change the user sees.
void expectGoldenFile(const char* name, const std::string& text);
// Each CR LF as "<CRLF>" and a line end, as the golden files show them: a bare CR or LF differs.
std::string showLineEnds(std::string text);

struct ScriptedKeys final : platform::KeyState {
    std::function<bool()> onAsk = [] { return false; }; // asked once per block
    bool escPressed() override { return onAsk(); }
    bool escHeld() override { return false; }
    void forgetEsc() override {}
};

// Virtual time: a pause of the run is over at once, so a run started by a click has ended when
// the click returns (unless it waits for a dialog). The steps run one after the other, not one
// inside the other, as the event loop would run them. Queued, each step comes from the event
// loop as the program's timers bring it, only without the wait.
struct NoWait final : platform::Scheduler {
    bool queued = false;
    void after(int, QObject* owner, std::function<void()> step) override {
        if (queued) return QTimer::singleShot(0, owner, std::move(step));
        pending.push_back(std::move(step));
        if (std::exchange(stepping, true)) return;
        while (!pending.empty()) {
            const std::function<void()> next = std::move(pending.front());
            pending.pop_front();
            next();
        }
        stepping = false;
    }
    std::deque<std::function<void()>> pending;
    bool stepping = false;
};

class GuiTest : public ::testing::Test {
  protected:
    // Makes the card and the window; Form_Load is the test's to call.
    void makeWindow(const audio::VirtualCardOptions& options = {},
                    const app::Settings& settings = {});
    bool load(const audio::VirtualCardOptions& options = {}, const app::Settings& settings = {});
    // The build's generated stimuli in place of the fixture's noise, for whole measurements
    // checked against the bench (or the named ones of the build's stimuli, writable). A 48-kHz
    // run would rewrite their rate field, so the build's own copies are never used in place.
    void useProgramStimuli(std::initializer_list<const char*> names = {});
    // The window made and loaded with the build's stimuli, ready for whole measurements.
    void loadWithProgramStimuli(const app::Settings& settings = {});
    void TearDown() override;

    // Every box of the test so far, worded as the test's section of tests/data/gui_boxes.txt
    // (TERZLAB_WRITE_GOLDEN=1 writes the section); the test's folder reads <folder> there.
    void expectBoxesAsGolden();

    // The file dialog in the given mode, loaded and shown over the program folder; it stays
    // until the next one or the end of the test.
    app::frmSel& openFileDialog(int16_t mode);
    static void choose(QComboBox* list, int index) { platform::selectListIndex(list, index); }
    // The average-count entry and stop mode chosen, then the start button pressed.
    void startRun(int avgIndex, bool stopMode = true);
    // Records the start button's caption at each block of a run; ESC at block escAt (0: never).
    void recordCaptions(int escAt = 0);
    static QString noch(int n) {
        return QStringLiteral("Noch %1 Messungen. Abbruch mit ESC!").arg(n);
    }
    // Ready for the next start: the device closed and nothing greyed by the run.
    void expectIdle();

    audio::VirtualBench& bench() { return *card->bench; }
    int blocks() { return card->bench->blocksCaptured(); }
    // The bench's amplification; its other settings stay.
    void setGain(double gain) {
        audio::BenchSettings changed = bench().settings();
        changed.gain = gain;
        bench().setSettings(changed);
    }

    // The program folder: stimuli, settings file and the files a test saves.
    QString folderPath() const { return QString::fromStdString(folder.path().string()); }
    QString filePath(const QString& name) const { return folderPath() + u'/' + name; }
    void put(const QString& name, const std::string& bytes) const {
        writeFile(folder / name.toStdString(), bytes);
    }
    std::string contents(const QString& name) const {
        return readFile(folder / name.toStdString());
    }

    TempFolder folder;
    std::unique_ptr<audio::SoundCard> card;
    platform::ScriptedMessageService boxes;
    platform::RecordingProcessLauncher processes;
    ScriptedKeys keys;
    NoWait scheduler;
    app::DialogState dialogs;
    std::vector<int> instructionPages;
    std::vector<int> helpPages;
    int screenWidth = 1024;
    bool realDialogs = false; // the window opens its own instruction and help dialogs
    std::vector<QString> captions;
    std::unique_ptr<app::frmMain> window;
    std::unique_ptr<app::frmSel> fileDialog;
};

} // namespace terzlab::test
