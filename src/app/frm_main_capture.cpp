// The capture steps of a run: open, first block, next block, close and emergency close.
#include "app/frm_main.h"

#include "app/stimulus_source.h"
#include "platform/key_state.h"
#include "platform/services.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace terzlab::app {

double frmMain::blockTimeoutSeconds() const {
    return 2.0 + 4.0 * run_.BlockSize / static_cast<double>(settings_.SampleRate);
}

void frmMain::fillCaptureFormat() {
    CaptureFormat.formatTag = 1;
    CaptureFormat.channels = static_cast<uint16_t>(run_.ChannelCount);
    CaptureFormat.samplesPerSec = static_cast<uint32_t>(settings_.SampleRate);
    CaptureFormat.bitsPerSample = static_cast<uint16_t>(run_.BitsPerSample);
    CaptureFormat.blockAlign = static_cast<uint16_t>(run_.BitsPerSample * run_.ChannelCount / 8);
    CaptureFormat.avgBytesPerSec = CaptureFormat.samplesPerSec * CaptureFormat.blockAlign;
    CaptureFormat.extraSize = 0;
}

int frmMain::inputDevice() const {
    const int entry = cmbWavInDev->currentIndex();
    return entry >= 0 && entry < static_cast<int>(inputDeviceOfEntry_.size())
               ? inputDeviceOfEntry_[entry]
               : 0;
}

bool frmMain::openCapture() {
    fillCaptureFormat();
    if (services_.card->capture->open(inputDevice(), CaptureFormat) != 0) {
        openFailed();
        return false;
    }
    run_.CaptureHandle = 1;
    return true;
}

void frmMain::openFailed() {
    message(tr("Das Aufnahmegerät konnte nicht gestartet werden!"), platform::MsgIcon::Exclamation);
    // The count-down caption is already up: without this the button would be dead for good.
    measurement_.ForgetPart();
    endPhase(RunPhase::Idle);
    LabelShow(false);
    focusStart();
}

void frmMain::startCapture() {
    for (QLabel* label : lblOVL)
        label->hide();
    for (platform::PictureBox* bar : picLevel) {
        bar->Surface().Cls();
        bar->update();
    }
    repaint();
    CaptureHeader.data = CaptureBuffer.data();
    CaptureHeader.bufferLength =
        static_cast<uint32_t>(run_.ChannelCount * run_.BlockSize * run_.BitsPerSample / 8);
    services_.card->capture->start();
}

// A block is fetched once it is due: the window waits for it in the event loop, not in a call.
int frmMain::blockMilliseconds() const {
    return static_cast<int>(1000LL * run_.BlockSize / std::max(settings_.SampleRate, 1));
}

void frmMain::awaitBlock(void (frmMain::*then)()) {
    services_.scheduler->after(blockMilliseconds(), this, [this, then] {
        if (run_.CaptureHandle == 0) return finishRun();
        if (services_.card->capture->waitDone(CaptureHeader, blockTimeoutSeconds()) !=
            audio::WaitResult::Done)
            return endRunWithoutData();
        (this->*then)();
    });
}

void frmMain::endRunWithoutData() {
    measurement_.ForgetPart(); // a silent device cannot carry a second part either
    DoStop();
    message(tr("Das Aufnahmegerät liefert keine Daten. Die Messung wurde abgebrochen!"),
            platform::MsgIcon::Exclamation, tr("Fehler"));
}

// The first block lets the device and the device under test settle; it is not analysed.
void frmMain::firstBlock() {
    services_.card->capture->prepare(CaptureHeader);
    services_.card->capture->addBuffer(CaptureHeader);
    awaitBlock(&frmMain::nextBlock);
}

void frmMain::nextBlock() {
    services_.scheduler->after(100, this, [this] {
        if (run_.CaptureHandle == 0) return finishRun();
        services_.card->capture->addBuffer(CaptureHeader);
        awaitBlock(&frmMain::DisplayLoop);
    });
}

// ESC still held would reach whatever gets the focus next: the capture closes once it is up.
void frmMain::closeCapture(std::function<void()> then) {
    if (services_.keys->escHeld()) {
        services_.scheduler->after(10, this,
                                   [this, then = std::move(then)] { closeCapture(then); });
        return;
    }
    audio::CaptureDevice& capture = *services_.card->capture;
    capture.reset();
    capture.stop();
    if (run_.CaptureHandle != 0) capture.unprepare(CaptureHeader);
    if (run_.StimulusPath != kTestCdPath) services_.card->player->playOnce(audio::kStopFileName);
    capture.close();
    run_.CaptureHandle = 0;
    then();
}

void frmMain::emergencyClose() {
    if (!services_.card || !services_.card->capture) return;
    services_.card->capture->reset();
    services_.card->capture->close();
    run_.CaptureHandle = 0;
}

} // namespace terzlab::app
