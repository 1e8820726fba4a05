// Runs the program from the information window to the end of the main window.
#include "analysis/constants.h"
#include "app/frm_main.h"
#include "app/frm_sweep.h"
#include "app/start.h"
#include "app/sweep_controller.h"
#include "audio/virtual/virtual_card.h"
#include "calibration/frm_calib.h"
#include "calibration/frm_level.h"
#include "files/atomic_write.h"
#include "guidance/frm_help.h"
#include "platform/key_state.h"
#include "platform/services.h"
#include "speaker/frm_thiele_small.h"

#include <QApplication>
#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace terzlab::app {

namespace {

// A line for the terminal: stdout and stderr carry the translated text in UTF-8.
void say(std::FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n", qUtf8Printable(line));
}

bool hasUsableInput(audio::SoundCard& card) {
    for (int device = 0; device < card.devices->inputCount(); ++device)
        if (card.devices->inputCaps(device).formats != 0) return true;
    return false;
}

std::unique_ptr<audio::SoundCard> chooseCard(const CommandLine& commandLine) {
    std::unique_ptr<audio::SoundCard> card;
    const double addedMassGrams = commandLine.addedMassGrams;
    if (!commandLine.virtualCard) {
        card = audio::openPortAudioCard();
        if (card && hasUsableInput(*card)) return card;
        card.reset();
        say(stderr, QCoreApplication::translate(
                        "Program", "Kein nutzbares Aufnahmegerät gefunden: Terzlab verwendet die "
                                   "virtuelle Soundkarte."));
    }
    audio::VirtualCardOptions options;
    options.timing = audio::Timing::RealTime;
    card = audio::openVirtualCard(options);
    audio::BenchSettings bench = card->bench->settings();
    bench.addedMassGrams = addedMassGrams;
    bench.acousticDelayMs = commandLine.distanceM / kSpeedOfSound * 1000.0;
    card->bench->setSettings(bench);
    say(stderr, QCoreApplication::translate("Program", "Soundkarte: %1")
                    .arg(QString::fromStdString(card->description)));
    if (addedMassGrams > 0.0) {
        // As printf writes the number, in the C library's locale.
        char grams[32];
        std::snprintf(grams, sizeof grams, "%g", addedMassGrams);
        say(stderr, QCoreApplication::translate(
                        "Program", "Virtueller Lautsprecher mit %1 g Zusatzmasse auf der Membran")
                        .arg(QString::fromLocal8Bit(grams)));
    }
    return card;
}

void showInformationWindow(DialogState& dialogs, bool confirmAtOnce) {
    dialogs.AboutOpen = true;
    dialogs.DialogPage = 0;
    auto* about = new guidance::frmHelp(dialogs);
    about->show();
    if (confirmAtOnce) QTimer::singleShot(0, about, [about] { about->cmdOK->click(); });
    while (dialogs.AboutOpen)
        platform::waitForEvents();
}

// The dialog, when there is one, stands to the right of the window.
bool saveScreenshot(frmMain& window, QWidget* dialog, const QString& path) {
    platform::letEventsRun();
    QPixmap shot = window.grab();
    if (dialog != nullptr) {
        const QPixmap side = dialog->grab();
        QPixmap both(shot.width() + side.width(), std::max(shot.height(), side.height()));
        both.fill(Qt::white);
        QPainter painter(&both);
        painter.drawPixmap(0, 0, shot);
        painter.drawPixmap(shot.width(), 0, side);
        painter.end();
        shot = both;
    }
    QByteArray png;
    QBuffer buffer(&png);
    const bool encoded = buffer.open(QIODevice::WriteOnly) && shot.save(&buffer, "PNG");
    const WriteResult written =
        encoded ? ReplaceFile(path.toStdString(), std::string_view(png.constData(), png.size()))
                : WriteResult{SystemReason(EIO)};
    if (!written) {
        say(stderr, QString::fromStdString(NotWrittenText(path.toStdString(), written.Reason)));
        return false;
    }
    say(stdout, QCoreApplication::translate("Program", "Bild des Hauptfensters: %1").arg(path));
    return true;
}

} // namespace

int runProgram(const CommandLine& commandLine) {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    const bool unattended = !commandLine.screenshot.isEmpty();
    DialogState dialogs;
    showInformationWindow(dialogs, unattended);
    const Locations places = FindLocations(programFolderOf(QCoreApplication::applicationFilePath()),
                                           UserFoldersFromEnvironment());
    platform::QtMessageService boxes;
    platform::TerminalMessageService terminal;
    platform::MessageService& messages =
        unattended ? static_cast<platform::MessageService&>(terminal) : boxes;
    const Settings settings = startSettings(places.settingsFile, messages);

    std::unique_ptr<audio::SoundCard> card = chooseCard(commandLine);
    platform::EscKeyTracker keys;
    platform::TimerScheduler scheduler;
    MainServices services;
    services.card = card.get();
    services.messages = &messages;
    services.keys = &keys;
    services.scheduler = &scheduler;
    services.dialogs = &dialogs;
    services.places = places;
    if (unattended) {
        services.openInstructions = [&dialogs] { dialogs.DialogPage = -1; };
        services.openHelp = [&dialogs] { dialogs.DialogPage = -1; };
    }
    card->player->setProgramFolder(places.stimulusFolder);
    frmMain window(services, settings);
    window.hooks.openCalibration = [&window, &messages] {
        calibration::frmCalib::open(window, messages);
    };
    window.hooks.openLevelDialog = [&window, &messages] {
        calibration::frmLevel::open(window, messages);
    };
    loadStoredCurves(window, settings, messages);
    if (!window.Form_Load()) return 1;
    if (!unattended) return QApplication::exec();
    // The dialog needs an impedance result: the two-channel method measures it in one run.
    if (commandLine.thieleSmall)
        platform::selectListIndex(window.cmbMeasType, IndexOf(MeasType::ImpedanceTwoChannel));
    if (commandLine.measure) {
        window.cmdStart_Click();
        platform::waitUntil([&window] { return !window.isRunning(); });
    }
    // The sweep's fields are part of its measurement: its dialog goes into the picture too.
    QWidget* dialog = commandLine.thieleSmall ? speaker::frmThieleSmall::open(window, messages)
                                              : static_cast<QWidget*>(window.sweep().dialog());
    if (dialog != nullptr && !commandLine.thieleSmall && !dialog->isVisible()) dialog = nullptr;
    const bool saved = saveScreenshot(window, dialog, commandLine.screenshot);
    window.close();
    return saved ? 0 : 1;
}

} // namespace terzlab::app
