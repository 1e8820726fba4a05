// Wiring of the controls to their handlers, and the reactions of the run-related controls.
#include "app/frm_main.h"

#include "platform/services.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace terzlab::app {

void frmMain::connectHandlers() {
    connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(cmdScope, &QPushButton::clicked, this, [this] { cmdScope_Click(); });
    connect(chkAvgType, &QCheckBox::toggled, this, [this] { chkAvgType_Click(); });
    for (int i = 0; i < 3; ++i)
        connect(chkLoaded[i], &QCheckBox::toggled, this, [this, i] { chkLoaded_Click(i); });
    for (QRadioButton* option : optChannel)
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) optChannel_Click();
        });
    const auto onIndex = [this](QComboBox* list, void (frmMain::*handler)()) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, list, handler](int index) {
            if (index >= 0 && list->count() > 0) (this->*handler)();
        });
    };
    onIndex(cmbAvgCnt, &frmMain::cmbAvgCnt_Click);
    onIndex(cmbMeasType, &frmMain::cmbMeasType_Click);
    onIndex(cmbDisplay, &frmMain::cmbDisplay_Click);
    onIndex(cmbFreqRes, &frmMain::cmbFreqRes_Click);
    onIndex(cmbWavInDev, &frmMain::cmbWavInDev_Change);
    onIndex(cmbWavOutDev, &frmMain::cmbWavOutDev_Click);
    connect(cmdMixer, &QPushButton::clicked, this, [this] { cmdMixer_Click(); });
    connectMenus();
}

void frmMain::chkAvgType_Click() {
    // The sign follows the box rather than flipping: setting the box from code at start-up
    // must not turn the stored choice around.
    const int16_t magnitude =
        static_cast<int16_t>(std::max<int>(std::abs(settings_.AvgCountIndex), 1));
    settings_.AvgCountIndex =
        chkAvgType->isChecked() ? static_cast<int16_t>(-magnitude) : magnitude;
}

void frmMain::cmbAvgCnt_Click() {
    UpdateStopText();
}

void frmMain::chkLoaded_Click(int) {
    followChoices();
    if (shownView() == View::Frequency &&
        (run_.MeasValid || hooks.lastSelMode() >= sel::kComparison)) {
        hooks.GetDbRange(true);
        hooks.DisplaySpec(false);
    }
    focusStart();
}

// The quick check measures one block at a time without end; a run under way follows at once.
void frmMain::cmdScope_Click() {
    scopeOn_ = !scopeOn_;
    if (scopeOn_) {
        scopeAvgType_ = chkAvgType->isChecked();
        scopeAvgIndex_ = cmbAvgCnt->currentIndex();
        platform::setChecked(chkAvgType, false);
        platform::selectListIndex(cmbAvgCnt, 0);
        measurement_.RestartCount();
    } else {
        platform::setChecked(chkAvgType, scopeAvgType_);
        platform::selectListIndex(cmbAvgCnt, scopeAvgIndex_);
    }
    cmdScope->setText(scopeCaption(!scopeOn_));
    followChoices();
    focusStart();
}

void frmMain::GetBlockSize() {
    session().SelectType(settings_.Type, settings_.SampleRate);
    run_.BlockSize = session().BlockSize();
    CaptureBuffer.assign(static_cast<size_t>(run_.ChannelCount) * run_.BlockSize, 0);
}

} // namespace terzlab::app
