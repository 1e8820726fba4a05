#include "app/start.h"
#include "terzlab_version.h"

#include <QApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    // The command line is read before the window system starts, so that "--help" and every
    // option fault work on a terminal without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    terzlab::app::CommandLine commandLine = terzlab::app::parseCommandLine(arguments);
    // Linux names the running program here; Qt's own answer needs the application object.
    const terzlab::text::Language language = terzlab::app::startLanguage(
        commandLine, QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    terzlab::text::InstallLanguage(language);
    // Read again, so that a usage fault speaks the chosen language.
    if (!commandLine.error.isEmpty()) commandLine = terzlab::app::parseCommandLine(arguments);
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "%s\n\n%s", qUtf8Printable(commandLine.error),
                     qUtf8Printable(terzlab::app::usageText()));
        return 2;
    }
    if (commandLine.version) {
        std::printf("terzlab %.*s\n", static_cast<int>(terzlab::kVersion.size()),
                    terzlab::kVersion.data());
        return 0;
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
    terzlab::text::InstallLanguage(language); // now for Qt's tr() as well
    return terzlab::app::runProgram(commandLine);
}
