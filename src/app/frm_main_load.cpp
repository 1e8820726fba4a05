// Loading and unloading the main window: device checks, lists, first selections.
#include "app/frm_main.h"

#include "analysis/meas_type.h"
#include "files/cp1252.h"
#include "platform/services.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSignalBlocker>

#include <array>
#include <cstring>

namespace terzlab::app {

namespace {

using platform::MsgIcon;

// The text of a fixed-length Windows-1252 name field up to its first NUL.
QString BldStrg(const std::array<char, 32>& bytes) {
    const size_t length = strnlen(bytes.data(), bytes.size());
    return QString::fromStdString(Cp1252ToUtf8(std::string_view(bytes.data(), length)));
}

struct CurveCaption {
    const char* plain;  // the slot is empty
    const char* prefix; // before the loaded curve's title
};
constexpr std::array<CurveCaption, 3> kCurveCaptions{{
    {QT_TRANSLATE_NOOP("frmMain", "Sens&or:"), QT_TRANSLATE_NOOP("frmMain", "Sens&or:    ")},
    {QT_TRANSLATE_NOOP("frmMain", "R&eferenz:"), QT_TRANSLATE_NOOP("frmMain", "R&eferenz: ")},
    {QT_TRANSLATE_NOOP("frmMain", "&Vergleich:"), QT_TRANSLATE_NOOP("frmMain", "&Vergleich: ")},
}};

} // namespace

void frmMain::showCurveBox(int slot, const std::optional<QString>& title) {
    const CurveCaption& caption = kCurveCaptions[static_cast<size_t>(slot)];
    QCheckBox* box = chkLoaded[static_cast<size_t>(slot)];
    if (title) {
        box->setText(tr(caption.prefix) + title->left(60));
        return;
    }
    platform::setChecked(box, false);
    box->setEnabled(false);
    box->setText(tr(caption.plain));
}

platform::MsgAnswer frmMain::message(const QString& text, MsgIcon icon, const QString& title) {
    return services_.messages->show(text, platform::MsgButtons::Ok, icon, title);
}

bool frmMain::loadCaptureDevices() {
    audio::DeviceList& devices = *services_.card->devices;
    const int count = devices.inputCount();
    if (count <= 0) {
        message(tr("Kein Aufnahmegerät gefunden -> das Programm wird beendet"),
                MsgIcon::Exclamation);
        return false;
    }
    QSignalBlocker blockList(cmbWavInDev);
    cmbWavInDev->clear();
    inputDeviceOfEntry_.clear();
    for (int device = 0; device < count; ++device) {
        const audio::DeviceCaps caps = devices.inputCaps(device);
        if (caps.formats == 0) continue;
        cmbWavInDev->addItem(BldStrg(caps.name));
        inputDeviceOfEntry_.push_back(device);
    }
    blockList.unblock();
    run_.WavInDevCount = static_cast<int16_t>(inputDeviceOfEntry_.size());
    if (inputDeviceOfEntry_.empty()) {
        message(tr("Kein Aufnahmegerät gefunden, dass CD-Qualität (44.1 kHz, 16 bit, Stereo) "
                   "unterstützt -> das Programm wird beendet"),
                MsgIcon::Exclamation);
        return false;
    }
    const bool fits = settings_.WavInDevIndex >= 0 && settings_.WavInDevIndex < run_.WavInDevCount;
    platform::selectListIndex(cmbWavInDev, fits ? settings_.WavInDevIndex : 0);
    return true;
}

bool frmMain::loadPlaybackDevices() {
    audio::DeviceList& devices = *services_.card->devices;
    const int count = devices.outputCount();
    if (count <= 0) {
        message(tr("Kein Wiedergabegerät gefunden -> das Programm wird beendet"),
                MsgIcon::Exclamation);
        return false;
    }
    QSignalBlocker blockList(cmbWavOutDev);
    cmbWavOutDev->clear();
    int usable = 0;
    for (int device = 0; device < count; ++device) {
        const audio::DeviceCaps caps = devices.outputCaps(device);
        if (caps.formats == 0) continue;
        if (++usable == 1) cmbWavOutDev->addItem(BldStrg(caps.name));
        if (usable == 2)
            message(tr("Es wurde mehr als ein Wiedergabegerät gefunden,\r\n"
                       "es kann jedoch nur das Standardgerät verwendet werden!"),
                    MsgIcon::Exclamation);
    }
    if (usable == 0) {
        message(tr("Kein Wiedergabegerät gefunden, das CD-Qualität (44.1 kHz, 16 bit, Stereo) "
                   "unterstützt -> eine spezielle Mess-CD muss verwendet werden"),
                MsgIcon::Exclamation);
        return false;
    }
    cmbWavOutDev->addItem(tr("Test-CD"));
    blockList.unblock();
    run_.TestCdIndex = 1;
    const bool fits = settings_.WavOutDevIndex == 0 || settings_.WavOutDevIndex == 1;
    const int index = fits ? settings_.WavOutDevIndex : 0;
    // The test CD plays at 44100 Hz: a stored 48 kHz gives way at start without a notice, which
    // is meant for the user's own switch to the test CD.
    if (index == run_.TestCdIndex) mnu48k->setChecked(false);
    platform::selectListIndex(cmbWavOutDev, index);
    return true;
}

bool frmMain::screenWideEnough() {
    const int width =
        services_.screenWidth ? services_.screenWidth() : platform::screenWidthPixels();
    if (width * kTwipsPerPixel >= 12000) return true;
    message(tr("Für die Darstellung wird eine Bildschirmauflösung\r\n"
               "von mindestens 800 x 600 Punkten benötigt!\r\n"
               "Das Programm wird angehalten!"),
            MsgIcon::Exclamation, tr("Unzureichende Bildschirmauflösung!"));
    return false;
}

// Filling a list is not a choice: no handler runs until an entry is selected.
void frmMain::fillLists() {
    const QSignalBlocker blockTypes(cmbMeasType);
    const QSignalBlocker blockCounts(cmbAvgCnt);
    const QSignalBlocker blockResolutions(cmbFreqRes);
    cmbMeasType->clear();
    cmbMeasType->addItems({tr("Schalldruck/Spannung (1-kanalig)"),
                           tr("Schalldruck/Spannung (2-kanalig)"),
                           tr("Schalldruck Polung   (1-kanalig)"), tr("Impedanz (1-kanalig)"),
                           tr("Impedanz (2-kanalig)"), tr("Sweep")});
    cmbAvgCnt->clear();
    for (int count = 1; count <= 64; count *= 2)
        cmbAvgCnt->addItem(QString::number(count));
    cmbFreqRes->clear();
    cmbFreqRes->addItems({tr("1/3 Oktave"), tr("1/6 Oktave"), tr("1/12 Oktave")});
}

void frmMain::showLoadedCurves() {
    for (int slot = 0; slot < 3; ++slot) {
        const std::optional<QString> title = hooks.loadedCurveTitle(slot);
        if (!title) continue;
        chkLoaded[slot]->setEnabled(true);
        platform::setChecked(chkLoaded[slot], true);
        showCurveBox(slot, title);
    }
}

bool frmMain::Form_Load() {
    // The playback list's handler takes the rate from this check mark: it must show the stored
    // rate before the list is set, or a stored 48000 Hz would be lost.
    mnu48k->setChecked(settings_.SampleRate != 44100);
    if (!loadCaptureDevices() || !loadPlaybackDevices() || !screenWideEnough()) return false;
    move(0, 0);
    resizeOuter();
    mnuRange->setChecked(true);
    mnuTimeChk->setChecked(false);
    mnuFileSaveAs->setEnabled(false);
    mnu48k->setChecked(settings_.SampleRate != 44100);
    run_.ChannelCount = 2;
    platform::setChecked(optChannel[settings_.ActiveChannel == 0 ? 0 : 1], true);
    run_.BitsPerSample = 16;
    run_.Range = AxisRange{100, -100, 20};
    fillLists();
    const int avgIndex = std::clamp(std::abs(settings_.AvgCountIndex) - 1, 0, 6);
    platform::selectListIndex(cmbAvgCnt, avgIndex);
    platform::setChecked(chkAvgType, settings_.AvgCountIndex < 0);
    platform::selectListIndex(cmbDisplay, settings_.DisplayTypeIndex == 0 ? 0 : 1);
    run_.BlockSize = 16384;
    platform::selectListIndex(cmbFreqRes, std::clamp<int>(settings_.FreqResIndex, 0, 2));
    show();
    resizeOuter(); // the frame is known once the window is shown
    showLoadedCurves();
    platform::selectListIndex(cmbMeasType, IndexOf(settings_.Type));
    mnuHelpShow->setChecked(settings_.ShowHelp);
    mnuXchan->setChecked(settings_.ExchangeChannel);
    DisplayInit(true);
    show();
    return true;
}

void frmMain::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    emergencyClose();
    hooks.writeSettings();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this) window->close();
}

} // namespace terzlab::app
