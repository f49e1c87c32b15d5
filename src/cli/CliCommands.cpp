#include "CliCommands.h"

#include "CliCheckChannels.h"
#include "CliDiff.h"
#include "CliDoctor.h"
#include "CliDocument.h"
#include "CliEditChannels.h"
#include "CliExportChannels.h"
#include "CliHistory.h"
#include "CliFleet.h"
#include "CliImportChannels.h"
#include "CliLink.h"
#include "CliOptions.h"
#include "CliPorts.h"
#include "CliReport.h"

#include <QCommandLineParser>

namespace {
QStringList names(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *n : list)
        out << QString::fromLatin1(n);
    return out;
}

QString optionUsage(const QString &name)
{
    const CliOptionEntry *entry = FindCliOption(name);
    QString text = QStringLiteral("--") + name;
    if (entry && *entry->valueName)
        text += QLatin1Char(' ') + QString::fromLatin1(entry->valueName);
    return text;
}
}

const QList<CliCommand> &CliCommands()
{
    static const QList<CliCommand> commands = {
        {"read", "Read the radio's memory into a data file.", names({"port", "out"}),
         names({"password", "trace", "backup-dir", "no-backup"}), {}, runReadCommand},
        {"write", "Write a data file into the radio.", names({"port", "in"}),
         names({"password", "trace", "backup-dir", "no-backup", "verify", "plan", "json"}), {}, runWriteCommand},
        {"info", "Read and show the radio's information area.", names({"port"}), names({"json", "trace"}), {},
         runInfoCommand},
        {"new", "Create the default image of a band as a data file.", names({"band", "out"}), names({"factory"}), {},
         runNewCommand},
        {"dump", "Show what a data file holds.", {}, names({"json"}), names({"FILE.dat"}), runDumpCommand},
        {"diff", "List every difference between two data files (exit 0 same, 1 different).", {}, names({"json"}),
         names({"A.dat", "B.dat"}), runDiffCommand},
        {"export", "Write the channels of a data file as a CSV table.", names({"in", "out"}), names({"format"}), {},
         runExportCommand},
        {"import", "Store the channels of a CSV table into a data file, saved as a new one.",
         names({"in", "csv", "out"}), names({"place"}), {}, runImportCommand},
        {"edit", "Store NAME=VALUE settings into a list of channels of a data file, saved as a new one.",
         names({"in", "out", "channels", "set"}), {}, {}, runEditCommand},
        {"check", "List likely mistakes in the channels of a data file (exit 0 none, 1 findings).", {},
         names({"json", "region"}), names({"FILE.dat"}), runCheckCommand},
        {"ports", "List the serial devices present and what the system knows about them.", {}, names({"json"}), {},
         runPortsCommand},
        {"history", "List the radio history kept in the backup folder, by radio.", {}, names({"dir", "json"}), {},
         runHistoryCommand},
        {"fleet", "Write one data file into many radios, each checked and logged by serial number.",
         names({"in", "port", "log"}), names({"count", "next", "skip-done", "per-radio", "password", "trace", "backup-dir", "no-backup"}), {},
         runFleetCommand},
        {"simulate", "Serve a simulated radio on a pseudo-terminal (its path is the first line printed).", {},
         names({"band", "image", "echo", "password", "firmware", "pace", "flip-stored", "silent-at", "bad-read-at", "fleet",
                "fleet-fault"}),
         {}, runSimulateCommand},
        {"doctor", "Check the serial connection: devices, access, who holds the port, cable, radio.", {},
         names({"port", "json", "find"}), {}, runDoctorCommand},
        {"report", "Write a support report (versions, connection check, settings without passwords) as .tar.gz.",
         names({"out"}), names({"include-trace"}), {}, runReportCommand},
    };
    return commands;
}

const CliCommand *FindCliCommand(const QString &name)
{
    for (const CliCommand &c : CliCommands()) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

QString CommandSynopsis(const CliCommand &command)
{
    QStringList parts{QString::fromLatin1(command.name)};
    for (const QString &p : command.positional)
        parts << p;
    for (const QString &o : command.required)
        parts << optionUsage(o);
    for (const QString &o : command.optional)
        parts << QLatin1Char('[') + optionUsage(o) + QLatin1Char(']');
    return parts.join(QLatin1Char(' '));
}

QString CommandHelp(const CliCommand &command)
{
    QString text = QStringLiteral("Usage: tarven-cli %1\n%2\n\nOptions:\n")
                       .arg(CommandSynopsis(command), QString::fromLatin1(command.summary));
    for (const QString &o : command.required + command.optional) {
        const CliOptionEntry *entry = FindCliOption(o);
        text += QStringLiteral("  %1  %2\n").arg(optionUsage(o), -24).arg(entry ? QString::fromLatin1(entry->help) : QString());
    }
    text += QStringLiteral("  %1  %2\n").arg(QStringLiteral("-h, --help"), -24).arg(QStringLiteral("show this help"));
    return text;
}

bool ParseCommandArgs(const CliCommand &command, const QStringList &arguments, CliArgs *parsed, bool *helpAsked,
                      QString *error)
{
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QStringList accepted = command.required + command.optional;
    for (const QString &name : accepted) {
        const CliOptionEntry *entry = FindCliOption(name);
        const QString valueName = entry ? QString::fromLatin1(entry->valueName) : QString();
        parser.addOption(QCommandLineOption(name, QString(), valueName));
    }
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));

    // The parser takes the program name first.
    *helpAsked = false;
    if (!parser.parse(QStringList{QStringLiteral("tarven-cli")} + arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        *helpAsked = true;
        return true;
    }
    for (const QString &name : command.required) {
        if (!parser.isSet(name)) {
            *error = QStringLiteral("%1 is needed").arg(optionUsage(name));
            return false;
        }
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > command.positional.size()) {
        *error = QStringLiteral("unexpected argument '%1'").arg(positional.at(command.positional.size()));
        return false;
    }
    if (positional.size() < command.positional.size()) {
        *error = QStringLiteral("needs %1").arg(command.positional.join(QLatin1Char(' ')));
        return false;
    }
    QMap<QString, QString> options;
    QMap<QString, QStringList> repeated;
    for (const QString &name : accepted) {
        if (parser.isSet(name)) {
            options.insert(QStringLiteral("--") + name, parser.value(name));
            repeated.insert(QStringLiteral("--") + name, parser.values(name));
        }
    }
    *parsed = CliArgs(options, positional, repeated);
    return true;
}
