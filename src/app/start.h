#pragma once
// The start procedure: command line, information window, start values, calibration question,
// choice of sound card, and the main window.
#include "app/main_state.h"
#include "platform/message_service.h"

#include <QString>
#include <QStringList>

#include <string>

class QApplication;

namespace terzlab::app {

struct CommandLine {
    bool virtualCard = false;
    QString screenshot; // PNG path; empty: interactive
    bool measure = false;
    bool help = false;
    QString error; // German text of a usage fault
};

CommandLine parseCommandLine(const QStringList& arguments);
QString usageText();

// The folder of the executable, without a trailing separator (except the root itself).
std::string programFolderOf(const QString& executablePath);
std::string settingsPathOf(const std::string& programFolder);

// Reads the settings file into the start values; the data-files module connects it.
void readSettings(Settings& settings, const std::string& settingsPath);

// Asks for each channel with a stored calibration value whether it is to be kept.
void askCalibrationTakeover(Settings& settings, platform::MessageService& messages);

int runProgram(const CommandLine& commandLine);

} // namespace terzlab::app
