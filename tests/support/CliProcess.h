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

// `tarven-cli simulate ARGS` in the background for as long as it lives; `device` is the
// pseudo-terminal it serves (the first line it prints).
class Simulator {
public:
    explicit Simulator(const QStringList &args)
    {
        process.start(CliPath(), QStringList{QStringLiteral("simulate")} + args);
        process.waitForReadyRead(10000);
        device = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    ~Simulator()
    {
        process.terminate();
        process.waitForFinished(5000);
    }
    QProcess process;
    QString device;
};
