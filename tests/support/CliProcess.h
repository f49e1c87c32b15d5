#pragma once
// Runs the built tarven-cli as a user would and collects what it says.
#include <QProcess>
#include <QStringList>

struct CliResult {
    int code;          // exit status; -1 when it crashed or did not end
    QByteArray out;
    QByteArray err;
};

inline QString CliPath()
{
    return QStringLiteral(TARVEN_TEST_PROGRAM_DIR "/tarven-cli");
}

inline CliResult cli(const QStringList &args)
{
    QProcess p;
    p.start(CliPath(), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
}
