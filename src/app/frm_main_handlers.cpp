// Reactions of the settings controls as far as the run needs them.
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
    connect(mnu48k, &QAction::triggered, this, [this] { apply48k(); });
    connect(mnuHelpShow, &QAction::triggered, this, [this] { mnuHelpShow_Click(); });
    connect(mnuEnd, &QAction::triggered, this, [this] { mnuEnd_Click(); });
    connect(mnuXchan, &QAction::triggered, this,
            [this] { settings_.ExchangeChannel = mnuXchan->isChecked(); });
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
    if (cmbDisplay->currentIndex() == 1 && (run_.MeasValid || hooks.lastSelMode() >= 3)) {
        hooks.GetDbRange(true);
        hooks.DisplaySpec(false);
    }
    focusStart();
}

void frmMain::cmdScope_Click() {
    if (cmdScope->text() == QStringLiteral("Check &On")) {
        scopeAvgType_ = chkAvgType->isChecked();
        scopeAvgIndex_ = cmbAvgCnt->currentIndex();
        platform::setChecked(chkAvgType, false);
        platform::selectListIndex(cmbAvgCnt, 0);
        run_.AvgCount = 0;
        cmdScope->setText(QStringLiteral("Check &Off"));
    } else {
        platform::setChecked(chkAvgType, scopeAvgType_);
        platform::selectListIndex(cmbAvgCnt, scopeAvgIndex_);
        cmdScope->setText(QStringLiteral("Check &On"));
    }
    focusStart();
}

void frmMain::GetBlockSize() {
    if (!terzlab::GetBlockSize(fft_, settings_.MeasTypeIndex)) return;
    run_.BlockSize = fft_.BlockSize;
    CaptureBuffer.assign(static_cast<size_t>(run_.ChannelCount) * run_.BlockSize, 0);
}

void frmMain::cmbMeasType_Click() {
    const int type = cmbMeasType->currentIndex();
    settings_.MeasTypeIndex = static_cast<int16_t>(type);
    run_.MeasValid = false;
    mnuFileSaveAs->setEnabled(false);
    cmbFreqRes->setEnabled(type < 3 && cmbDisplay->currentIndex() != 0);
    mnuLevel->setEnabled(type < 2);
    GetBlockSize();
    hooks.BuildBandTable(0);
    if (type > 2) platform::selectListIndex(cmbFreqRes, 2);
    if (type == meas::kImpedanceTwoChannel) run_.Range = AxisRange{20, 0, 4};
    UpdateStopText();
    cmbDisplay->setEnabled(true);
    if (type == meas::kPulse) {
        settings_.DisplayTypeIndex = static_cast<int16_t>(cmbDisplay->currentIndex());
        settings_.FreqResIndex = static_cast<int16_t>(cmbFreqRes->currentIndex());
        platform::selectListIndex(cmbDisplay, 0);
        cmbDisplay->setEnabled(false);
    } else if (cmbDisplay->currentIndex() != settings_.DisplayTypeIndex) {
        platform::selectListIndex(cmbDisplay, settings_.DisplayTypeIndex);
    }
}

void frmMain::cmbDisplay_Click() {
    const bool frequency = cmbDisplay->currentIndex() == 1;
    if (settings_.MeasTypeIndex != meas::kPulse)
        settings_.DisplayTypeIndex = static_cast<int16_t>(cmbDisplay->currentIndex());
    run_.Range = frequency ? AxisRange{0, -100, 20} : AxisRange{100, -100, 20};
    if (!frequency) mnuFileSaveAs->setEnabled(false);
    cmbFreqRes->setEnabled(frequency && settings_.MeasTypeIndex < 2);
    hooks.DisplayInit(true);
}

void frmMain::cmbFreqRes_Click() {
    if (settings_.MeasTypeIndex < 2)
        settings_.FreqResIndex = static_cast<int16_t>(cmbFreqRes->currentIndex());
}

void frmMain::cmbWavInDev_Change() {
    settings_.WavInDevIndex = static_cast<int16_t>(cmbWavInDev->currentIndex());
}

void frmMain::cmbWavOutDev_Click() {
    if (cmbWavOutDev->currentIndex() == run_.TestCdIndex) {
        settings_.WavOutDevIndex = 1;
        if (mnu48k->isChecked())
            message(QStringLiteral("Bei Anregung mit Test-CD ist eine Abtastung mit 48kHz nicht "
                                   "möglich"),
                    platform::MsgIcon::Exclamation, QStringLiteral("Hinweis"));
        mnu48k->setEnabled(false);
        settings_.SampleRate = 44100;
        return;
    }
    settings_.WavOutDevIndex = 0;
    mnu48k->setEnabled(true);
    settings_.SampleRate = mnu48k->isChecked() ? 48000 : 44100;
}

void frmMain::optChannel_Click() {
    settings_.ActiveChannel = optChannel[0]->isChecked() ? 0 : 1;
}

void frmMain::mnu48k_Click() {
    mnu48k->setChecked(!mnu48k->isChecked());
    apply48k();
}

// A menu click has flipped the check mark already when this runs.
void frmMain::apply48k() {
    run_.MeasValid = false;
    settings_.SampleRate = mnu48k->isChecked() ? 48000 : 44100;
    hooks.BuildBandTable(0);
}

void frmMain::mnuHelpShow_Click() {
    settings_.ShowHelp = mnuHelpShow->isChecked();
}

void frmMain::mnuEnd_Click() {
    close();
}

} // namespace terzlab::app
