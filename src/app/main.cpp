#include "app/start.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const terzlab::app::CommandLine commandLine =
        terzlab::app::parseCommandLine(QApplication::arguments());
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "%s\n\n%s", qUtf8Printable(commandLine.error),
                     qUtf8Printable(terzlab::app::usageText()));
        return 2;
    }
    if (commandLine.help) {
        std::printf("%s", qUtf8Printable(terzlab::app::usageText()));
        return 0;
    }
    return terzlab::app::runProgram(commandLine);
}
