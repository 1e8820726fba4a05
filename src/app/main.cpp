#include "app/start.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    // The command line is read before the window system starts, so that "--help" and every
    // option fault work on a terminal without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const terzlab::app::CommandLine commandLine = terzlab::app::parseCommandLine(arguments);
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "%s\n\n%s", qUtf8Printable(commandLine.error),
                     qUtf8Printable(terzlab::app::usageText()));
        return 2;
    }
    if (commandLine.help) {
        std::printf("%s", qUtf8Printable(terzlab::app::usageText()));
        return 0;
    }
    const QString displayFault = terzlab::app::prepareDisplay(commandLine);
    if (!displayFault.isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(displayFault));
        return 1;
    }
    QApplication app(argc, argv);
    return terzlab::app::runProgram(commandLine);
}
