#pragma once
// A main window on the virtual sound card (virtual time), scripted boxes, a scripted ESC key
// and no real sleeping.
#include "app/frm_main.h"
#include "audio/virtual/virtual_card.h"
#include "platform/key_state.h"
#include "platform/mixer.h"
#include "platform/services.h"

#include "support/temp_folder.h"

#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace terzlab::test {

struct ScriptedKeys final : platform::KeyState {
    std::function<bool()> onAsk = [] { return false; }; // asked once per block
    bool escPressed() override { return onAsk(); }
    bool escHeld() override { return false; }
    void forgetEsc() override {}
};

struct NoSleep final : platform::Sleeper {
    int total = 0;
    void sleepMs(int milliseconds) override { total += milliseconds; }
};

class GuiTest : public ::testing::Test {
  protected:
    // Makes the card and the window; Form_Load is the test's to call.
    void makeWindow(const audio::VirtualCardOptions& options = {},
                    const app::Settings& settings = {});
    bool load(const audio::VirtualCardOptions& options = {}, const app::Settings& settings = {});
    void TearDown() override;

    // Exactly `count` boxes so far, the last one worded as given.
    void expectLastBox(size_t count, const QString& text, const QString& title,
                       platform::MsgIcon icon = platform::MsgIcon::Exclamation);

    audio::VirtualBench& bench() { return *card->bench; }
    int blocks() { return card->bench->blocksCaptured(); }

    // The program folder: stimuli, settings file and the files a test saves.
    QString folderPath() const { return QString::fromStdString(folder.path().string()); }
    QString filePath(const QString& name) const { return folderPath() + u'/' + name; }

    TempFolder folder;
    std::unique_ptr<audio::SoundCard> card;
    platform::ScriptedMessageService boxes;
    platform::RecordingProcessLauncher processes;
    ScriptedKeys keys;
    NoSleep sleeper;
    app::DialogState dialogs;
    std::vector<int> instructionPages;
    std::vector<int> helpPages;
    int screenWidth = 1024;
    std::unique_ptr<app::frmMain> window;
};

} // namespace terzlab::test
