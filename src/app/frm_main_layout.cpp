// Controls, menus and geometry of the main window.
#include "app/frm_main.h"

#include "app/access_keys.h"
#include "app/live_controller.h"
#include "app/sweep_controller.h"

#include "platform/key_state.h"
#include "platform/services.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace terzlab::app {

namespace {

int px(int twips) {
    return twips / kTwipsPerPixel;
}

QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

constexpr int kListHeight = 21;

QFont boldFont(double points) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* listLabel(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* label = named(new QLabel(caption, parent), name);
    label->setFont(boldFont(8.25));
    label->setGeometry(px(left), px(top), px(1200), px(255));
    return label;
}

QComboBox* listBox(QWidget* parent, const char* name, QLabel* label, int top, int width) {
    auto* list = named(new QComboBox(parent), name);
    list->setGeometry(px(1320), px(top), px(width), kListHeight);
    label->setBuddy(list);
    return list;
}

platform::PictureBox* levelBar(QWidget* parent, const char* name, QRect rect) {
    auto* bar = named(new platform::PictureBox(parent), name);
    bar->setGeometry(rect);
    return bar;
}

// A caption whose place the layout fixes (a scale under a bar, a channel beside it) gets a
// smaller font where the language or the system's font makes it wider than its place.
void shrinkToFit(QWidget* control) {
    constexpr double kSmallestPoints = 6.0;
    QFont font = control->font();
    while (control->sizeHint().width() > control->width() && font.pointSizeF() > kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        control->setFont(font);
    }
}

QLabel* overloadLabel(QWidget* parent, const char* name, int top) {
    auto* label = named(new QLabel(QStringLiteral("OVL"), parent), name);
    label->setGeometry(twipsRect(2640, top, 420, 255));
    label->setFont(boldFont(8.25));
    label->setStyleSheet(QStringLiteral("color: red"));
    label->hide();
    return label;
}

} // namespace

frmMain::frmMain(MainServices services, const Settings& settings, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), settings_(settings),
      live_(
          std::make_unique<LiveController>(*this, LiveServices{.messages = services_.messages,
                                                               .keys = services_.keys,
                                                               .scheduler = services_.scheduler})),
      sweep_(std::make_unique<SweepController>(*this,
                                               SweepServices{.card = services_.card,
                                                             .messages = services_.messages,
                                                             .keys = services_.keys,
                                                             .scheduler = services_.scheduler})) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(platform::kAppTitle);
    buildMenus();
    buildControls();
    buildAccessKeys();
    connectHandlers();
    connectFileHooks();
    CaptureBuffer.assign(static_cast<size_t>(run_.ChannelCount) * run_.BlockSize, 0);
    initGraph();
}

frmMain::~frmMain() {
    emergencyClose();
    // The dialogs a run waits for go with the window, after this part of it is gone.
    for (QDialog* dialog : findChildren<QDialog*>())
        disconnect(dialog, nullptr, this, nullptr);
}

void frmMain::buildControls() {
    auto* form = named(new QWidget(this), "frmMainClient");
    setCentralWidget(form);
    // The design's metrics assume the small dialog font; larger defaults clip the captions.
    QFont small(QStringLiteral("MS Sans Serif"));
    small.setPointSizeF(8.25);
    form->setFont(small);
    lblRecord = listLabel(form, "lblRecord", tr("&Aufnahme:"), 120, 180);
    cmbWavInDev = listBox(form, "cmbWavInDev", lblRecord, 120, 3735);
    lblReplay = listLabel(form, "lblReplay", tr("&Wiedergabe:"), 120, 540);
    cmbWavOutDev = listBox(form, "cmbWavOutDev", lblReplay, 480, 3735);
    lblMeasType = listLabel(form, "lblMeasType", tr("&Messung:"), 120, 900);
    cmbMeasType = listBox(form, "cmbMeasType", lblMeasType, 840, 3735);
    lblAvgCnt = listLabel(form, "lblAvgCnt", tr("Mi&ttelung:"), 120, 1260);
    cmbAvgCnt = listBox(form, "cmbAvgCnt", lblAvgCnt, 1200, 615);
    // Captioned from the start: its letter takes part in the choice of the access keys.
    chkAvgType = named(new QCheckBox(stopCaption(), form), "chkAvgType");
    chkAvgType->setGeometry(twipsRect(1875, 1230, 2205, 255)); // up to the check button
    // One font for every count the list offers, fitted to the longest caption.
    constexpr int kLargestCount = 64;
    for (const bool measurements : {false, true}) {
        chkAvgType->setText(stopCaption(kLargestCount, measurements));
        shrinkToFit(chkAvgType);
    }
    chkAvgType->setText(stopCaption());
    lblFreqRes = listLabel(form, "lblFreqRes", tr("Au&flösung:"), 120, 1620);
    cmbFreqRes = listBox(form, "cmbFreqRes", lblFreqRes, 1560, 1335);
    lblDisplay = listLabel(form, "lblDisplay", tr("An&zeige:"), 120, 1980);
    cmbDisplay = listBox(form, "cmbDisplay", lblDisplay, 1920, 1335);
    cmbDisplay->addItems({tr("Zeitsignal"), tr("F-Spektrum")});
    const char* loadedNames[] = {"chkLoaded_0", "chkLoaded_1", "chkLoaded_2"};
    for (int i = 0; i < 3; ++i) {
        chkLoaded[i] = named(new QCheckBox(form), loadedNames[i]);
        chkLoaded[i]->setGeometry(twipsRect(2760, 1560 + 240 * i, 2340, 255));
        showCurveBox(i, std::nullopt);
    }
    cmdScope = named(new QPushButton(scopeCaption(true), form), "cmdScope");
    cmdScope->setGeometry(twipsRect(4140, 1200, 915, 315));
    cmdMixer = named(new QPushButton(tr("Starte Mi&xer"), form), "cmdMixer");
    cmdMixer->setGeometry(twipsRect(5160, 1020, 3135, 495));
    cmdMixer->setFont(boldFont(9.75));
    buildChannelFrame();
    cmdAutoRange = named(new QPushButton(QStringLiteral("A&uto On"), form), "cmdAutoRange");
    cmdAutoRange->setGeometry(twipsRect(60, 2760, 735, 255));
    picGraph = named(new platform::PictureBox(form), "picGraph");
    picGraph->setGeometry(twipsRect(840, 2400, 7455, 4455));
    lblCursor = named(new QLabel(QStringLiteral("0,00 dB / 10,00 Hz"), form), "lblCursor");
    lblCursor->setGeometry(twipsRect(3690, 7080, 1755, 240));
    lblCursor->hide();
    cmdStart = named(new QPushButton(idleCaption(), form), "cmdStart");
    cmdStart->setGeometry(twipsRect(840, 7380, 7455, 495));
    cmdStart->setFont(boldFont(9.75));
}

void frmMain::buildChannelFrame() {
    brdChannel = named(new QGroupBox(tr("Kanal"), centralWidget()), "brdChannel");
    brdChannel->setGeometry(twipsRect(5160, 60, 3135, 915));
    optChannel[0] = named(new QRadioButton(tr("&Li"), brdChannel), "optChannel_0");
    optChannel[0]->setGeometry(twipsRect(60, 240, 780, 255));
    optChannel[1] = named(new QRadioButton(tr("&Re"), brdChannel), "optChannel_1");
    optChannel[1]->setGeometry(twipsRect(60, 600, 780, 255));
    picLevel[0] = levelBar(brdChannel, "picLevel_0", twipsRect(840, 240, 1695, 135));
    // The right bar sits in the frame's second row, under the left one.
    picLevel[1] = levelBar(brdChannel, "picLevel_1", twipsRect(6000 - 5160, 720 - 60, 1695, 135));
    lblLevel =
        named(new QLabel(QStringLiteral("0    25    50    75   100%"), brdChannel), "lblLevel");
    lblLevel->setGeometry(twipsRect(840, 410, 1695, 180));
    for (QWidget* caption : {static_cast<QWidget*>(optChannel[0]),
                             static_cast<QWidget*>(optChannel[1]), static_cast<QWidget*>(lblLevel)})
        shrinkToFit(caption);
    lblOVL[0] = overloadLabel(brdChannel, "lblOVL_0", 240);
    lblOVL[1] = overloadLabel(brdChannel, "lblOVL_1", 600);
}

namespace {

QAction* command(QMenu* menu, const char* name, const QString& caption,
                 const char* keys = nullptr) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (keys) action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
    return action;
}

QAction* checkItem(QMenu* menu, const char* name, const QString& caption, const char* keys) {
    QAction* action = command(menu, name, caption, keys);
    action->setCheckable(true);
    return action;
}

} // namespace

void frmMain::buildMenus() {
    mnuFile = named(menuBar()->addMenu(tr("&Datei")), "mnuFile");
    mnuFileSaveAs =
        command(mnuFile, "mnuFileSaveAs", tr("Aktuelle Messung &speichern als..."), "Ctrl+S");
    mnuFile->addSeparator();
    mnuLoadCorr =
        command(mnuFile, "mnuLoadCorr", tr("Lade Sensor&kompensationsdatei ..."), "Ctrl+K");
    mnuLoadRef = command(mnuFile, "mnuLoadRef", tr("Lade &Referenzmessung ..."), "Ctrl+R");
    mnuLoadComp = command(mnuFile, "mnuLoadComp", tr("Lade &Vergleichskurve ..."), "Ctrl+V");
    mnuFile->addSeparator();
    mnuEnd = command(mnuFile, "mnuEnd", tr("&Ende"), "Ctrl+X");
    mnuSpecial = named(menuBar()->addMenu(tr("Spez&ial")), "mnuSpecial");
    mnu48k = checkItem(mnuSpecial, "mnu48k", tr("&Taktung mit 48 kHz"), "Ctrl+T");
    mnuXchan = checkItem(mnuSpecial, "mnuXchan", tr("Kanäle &wechseln"), "Ctrl+W");
    mnuRange =
        checkItem(mnuSpecial, "mnuRange", tr("Impedanzmessung mit &breitem Bereich"), nullptr);
    mnuRange->setVisible(false);
    mnuTimeChk = checkItem(mnuSpecial, "mnuTimeChk", tr("Real-Time-Check"), nullptr);
    mnuTimeChk->setVisible(false);
    mnuLevel = named(menuBar()->addMenu(tr("&Pegel")), "mnuLevel");
    mnuCalib = command(mnuLevel, "mnuCalib", tr("Kali&brierung"), "Ctrl+B");
    mnuMicDist = command(mnuLevel, "mnuMicDist", tr("Mess&abstand/-pegel"), "Ctrl+P");
    mnuHelp = named(menuBar()->addMenu(tr("&Hilfe")), "mnuHelp");
    mnuHelpShow = checkItem(mnuHelp, "mnuHelpShow", tr("Kurz&hilfe anzeigen"), "Ctrl+H");
    mnuHelp->addSeparator();
    mnuAbout = command(mnuHelp, "mnuAbout", tr("Über Dezi&ziz"));
    live_->buildMenu(*menuBar(), mnuHelp->menuAction());
}

// The captions give every letter one owner in each language (a test holds them to it). Should a
// caption still share its letter, the menus own it and the button keeps the letter on the screen
// but is reached by a stand-in key; the order below decides who keeps a shared letter.
void frmMain::buildAccessKeys() {
    const auto click = [](QAbstractButton* control) {
        return [control] {
            if (control->isEnabled() && control->isVisible()) control->click();
        };
    };
    std::vector<AccessKeys::Entry> keys;
    std::vector<int> reserved;
    for (QMenu* menu : {mnuFile, mnuSpecial, mnuLevel, live_->menu(), mnuHelp}) {
        reserved.push_back(MnemonicKey(menu->title()));
        keys.push_back(
            {reserved.back(), [this, menu] { menuBar()->setActiveAction(menu->menuAction()); }});
    }
    for (QLabel* label : {lblRecord, lblReplay, lblMeasType, lblAvgCnt, lblFreqRes, lblDisplay})
        reserved.push_back(MnemonicKey(label->text()));
    const std::vector<QAbstractButton*> buttons{
        chkAvgType,    chkLoaded[0],  chkLoaded[1], chkLoaded[2], cmdMixer,
        optChannel[0], optChannel[1], cmdAutoRange, cmdScope,     cmdStart};
    std::vector<QString> captions;
    for (QAbstractButton* button : buttons)
        captions.push_back(button->text());
    const std::vector<int> chosen = ResolveAccessKeys(reserved, captions);
    for (size_t i = 0; i < buttons.size(); ++i)
        if (chosen[i] != 0) keys.push_back({chosen[i], click(buttons[i])});
    new AccessKeys(this, std::move(keys));
}

// German marks C: O is the sensor box's there.
QString frmMain::scopeCaption(bool offNow) {
    return offNow ? tr("&Check On") : tr("&Check Off");
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmMain::Form_Resize() {
    if (isMinimized()) return;
    const QSize frameExtra = frameGeometry().size() - size();
    if (!isMaximized() && !isFullScreen()) {
        const int minWidth = px(kMinWidthTwips) - frameExtra.width();
        const int minHeight = px(kMinHeightTwips) - frameExtra.height();
        if (width() < minWidth || height() < minHeight) {
            resize(std::max(width(), minWidth), std::max(height(), minHeight));
            return; // the resize comes back here with the corrected size
        }
    }
    const int outerWidth = frameGeometry().width() * kTwipsPerPixel;
    const int outerHeight = frameGeometry().height() * kTwipsPerPixel;
    const int graphWidth = outerWidth - 1400;
    picGraph->resize(px(graphWidth), px(outerHeight - 4275));
    cmdStart->setGeometry(cmdStart->x(), px(outerHeight - 1350), px(graphWidth),
                          cmdStart->height());
    lblCursor->move(picGraph->x() + (picGraph->width() - lblCursor->width()) / 2,
                    px(outerHeight - 1650));
    placeCurveValues();
    if (settings_.SampleRate == 0) settings_.SampleRate = mnu48k->isChecked() ? 48000 : 44100;
    redrawGraph();
}

// The start size counts the frame the window system adds, as the minimum size does.
void frmMain::resizeOuter() {
    const QSize frameExtra = frameGeometry().size() - size();
    resize(px(kMinWidthTwips) - frameExtra.width(), px(kMinHeightTwips) - frameExtra.height());
}

void frmMain::closeEvent(QCloseEvent* event) {
    live_->stop({});
    if (isRunning()) {
        // The run stops at its next step and closes the window then; a run waiting for its
        // instructions or help stops at once, and the window closes now.
        closeRequested_ = true;
        resumeAfterDialog();
        if (isRunning()) return event->ignore();
        closeRequested_ = false;
    }
    Form_Unload();
    event->accept();
}

} // namespace terzlab::app
