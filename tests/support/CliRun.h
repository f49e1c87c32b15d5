#pragma once
// Runs the built tarven-cli as a user would, and collects what it printed.
#include <QProcess>
#include <QStringList>

namespace clirun {

inline QString CliPath()
{
    return QStringLiteral(TARVEN_TEST_PROGRAM_DIR "/tarven-cli");
}

struct Result {
    int code;
    QByteArray out;
    QByteArray err;
};

inline Result cli(const QStringList &args)
{
    QProcess p;
    p.start(CliPath(), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

} // namespace clirun
