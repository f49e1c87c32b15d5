#include "DesktopCommandLine.h"

#include "Release.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace {
const char kHelp[] =
    "Usage: tarven [--demo] [--port DEVICE|auto] [FILE.dat]\n"
    "The desktop programmer of the TARVEN II radio; FILE.dat is opened at start.\n\n"
    "Options:\n"
    "  --demo          use a simulated radio instead of a serial port\n"
    "  --port DEVICE   use DEVICE for every radio command of this run;\n"
    "                  \"auto\" picks the only USB serial device present\n"
    "  -h, --help      show this help\n"
    "  --version       show the release\n";
}

DesktopCommandLine ParseDesktopCommandLine(const QStringList &arguments)
{
    DesktopCommandLine result;
    QCommandLineParser parser;
    const QCommandLineOption demo(QStringLiteral("demo"));
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("DEVICE"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({demo, port, help, version});
    result.finished = true;
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "tarven: %s (see tarven --help)\n", qPrintable(parser.errorText()));
        result.status = 2;
    } else if (parser.isSet(help)) {
        std::fputs(kHelp, stdout);
    } else if (parser.isSet(version)) {
        std::printf("tarven %s\n", qPrintable(ReleaseVersion()));
    } else if (parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "tarven: unexpected argument '%s' (see tarven --help)\n",
                     qPrintable(parser.positionalArguments().at(1)));
        result.status = 2;
    } else {
        result.finished = false;
        result.demo = parser.isSet(demo);
        result.port = parser.value(port);
        // Relative to where the program was started, before anything changes the directory.
        if (!parser.positionalArguments().isEmpty())
            result.startFile = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    }
    return result;
}
