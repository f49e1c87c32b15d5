#include "CliUsage.h"

#include "CliCommands.h"
#include "ControlChars.h"
#include "Release.h"

namespace {
QString &usageCommand()
{
    static QString command;
    return command;
}
}

void SetUsageCommand(const QString &command)
{
    usageCommand() = command;
}

void printUsage(std::FILE *to)
{
    QString text = QStringLiteral("Usage: tarven-cli COMMAND [OPTIONS]\n"
                                  "Reads, writes and inspects the memory of the TARVEN II radio.\n\nCommands:\n");
    for (const CliCommand &c : CliCommands())
        text += QStringLiteral("  %1  %2\n").arg(QString::fromLatin1(c.name), -9).arg(QString::fromLatin1(c.summary));
    text += QStringLiteral("\nOptions:\n"
                           "  -h, --help   show this help; \"tarven-cli COMMAND --help\" shows a command's options\n"
                           "  --version    show the release\n\n"
                           "Exit status: 0 success, 1 failure (the reason on stderr), 2 bad usage.\n");
    std::fputs(text.toUtf8().constData(), to);
}

void printVersion()
{
    std::printf("tarven-cli %s\n", qPrintable(ReleaseVersion()));
}

int usageError(const QString &what)
{
    const QString where = usageCommand().isEmpty() ? QString() : usageCommand() + QStringLiteral(": ");
    const QString help = usageCommand().isEmpty() ? QStringLiteral("--help")
                                                  : usageCommand() + QStringLiteral(" --help");
    std::fprintf(stderr, "tarven-cli: %s%s (see tarven-cli %s)\n", qPrintable(where), qPrintable(EscapeControls(what)),
                 qPrintable(help));
    return 2;
}
