#pragma once
// The start procedure: command line, information window, start values, calibration question,
// choice of sound card, and the main window.
#include "app/main_state.h"
#include "platform/message_service.h"
#include "text/language.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QApplication;

namespace terzlab::app {

class frmMain;

struct CommandLine {
    bool virtualCard = false;
    QString screenshot; // PNG path; empty: interactive
    bool measure = false;
    bool thieleSmall = false;    // the picture shows the Thiele-Small dialog over the window
    double addedMassGrams = 0.0; // on the virtual loudspeaker's cone
    double distanceM = 0.0;      // of the virtual microphone from the loudspeaker
    bool help = false;
    bool version = false;
    std::optional<text::Language> language; // --lang
    QString error;                          // German text of a usage fault
};

CommandLine parseCommandLine(const QStringList& arguments);
QString usageText();

// Without a display the window system would abort: a screenshot run goes offscreen, any other
// start gets the one line (returned) that says what is missing and how to run offscreen.
QString prepareDisplay(const CommandLine& commandLine);

// The command line's language, else the one the user chose in the settings file, else the
// locale's.
text::Language startLanguage(const CommandLine& commandLine, const QString& executablePath);

// The folder of the executable, without a trailing separator (except the root itself).
std::string programFolderOf(const QString& executablePath);

// The start values with the settings file read over them, each stored calibration value
// confirmed or dropped, and the corrections at their start values.
Settings startSettings(const std::string& settingsFile, platform::MessageService& messages);

// The stored curve files go into the window's store before its load, which ticks their boxes.
void loadStoredCurves(frmMain& window, const Settings& settings,
                      platform::MessageService& messages);

int runProgram(const CommandLine& commandLine);

} // namespace terzlab::app
