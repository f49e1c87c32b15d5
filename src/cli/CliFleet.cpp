#include "CliFleet.h"

#include "CliOutputPath.h"
#include "CliSignals.h"
#include "CliTransferSafety.h"
#include "CliUsage.h"
#include "ControlChars.h"
#include "DataFile.h"
#include "FleetLog.h"
#include "FleetRadioValues.h"
#include "FleetReceipts.h"
#include "FleetSession.h"
#include "LangText.h"
#include "LinkState.h"
#include "LinkTrace.h"
#include "MSComm1.h"
#include "ModFun.h"
#include "Models.h"
#include "PortList.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

void say(const QString &text)
{
    std::printf("%s\n", qPrintable(EscapeControls(text)));
    std::fflush(stdout);
}

// Enter mode: a line on standard input says the next radio is connected; the end of
// the input ends the session as Ctrl-C does while no radio is in flight.
class EnterKey {
public:
    explicit EnterKey(FleetSession &session)
        : notifier_(STDIN_FILENO, QSocketNotifier::Read)
    {
        QObject::connect(&notifier_, &QSocketNotifier::activated, &notifier_, [this, &session] {
            char buf[256];
            const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
            if (n <= 0) {
                notifier_.setEnabled(false);
                session.cancel();
                return;
            }
            if (std::memchr(buf, '\n', size_t(n)))
                session.nextRadioConnected();
        });
    }

private:
    QSocketNotifier notifier_;
};

} // namespace

int runFleetCommand(const CliArgs &args)
{
    const QString in = optionValue(args, QStringLiteral("--in"));
    const QString device = optionValue(args, QStringLiteral("--port"));
    const QString logPath = optionValue(args, QStringLiteral("--log"));
    const QString perRadio = optionValue(args, QStringLiteral("--per-radio"));
    if (in.isEmpty() || device.isEmpty() || logPath.isEmpty())
        return usageError(QStringLiteral("fleet needs --in FILE.dat, --port DEVICE and --log LOG.csv"));
    FleetOptions options;
    if (args.contains(QStringLiteral("--count"))) {
        bool ok = false;
        options.count = optionValue(args, QStringLiteral("--count")).toInt(&ok);
        if (!ok || options.count < 1)
            return usageError(QStringLiteral("--count is a number of radios, 1 or more"));
    }
    const QString next = optionValue(args, QStringLiteral("--next"));
    if (next == QLatin1String("auto"))
        options.next = FleetOptions::Next::Auto;
    else if (!next.isEmpty() && next != QLatin1String("enter"))
        return usageError(QStringLiteral("--next is enter or auto"));
    options.skipDone = args.contains(QStringLiteral("--skip-done"));
    // Each radio written leaves a receipt in the radio history, as a write does.
    CliSafetyOptions safety;
    QString usage;
    if (!parseSafetyOptions(args, false, &safety, &usage))
        return usageError(usage);
    // The log is appended to: never a device, a folder or one of the command's own files.
    QStringList others{in};
    if (!perRadio.isEmpty())
        others << perRadio;
    if (!optionValue(args, QStringLiteral("--trace")).isEmpty())
        others << optionValue(args, QStringLiteral("--trace"));
    if (!CheckOutputPath(logPath, others))
        return 1;

    if (OpenDataFile(in) != FileResult::Ok)
        return 1;
    FleetValuesTable values;
    if (!perRadio.isEmpty()) {
        QString problem;
        if (!values.read(perRadio, &problem)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(perRadio), qPrintable(EscapeControls(problem)));
            return 1;
        }
    }
    FleetLog log;
    QString problem;
    if (!log.open(logPath, &problem)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(logPath), qPrintable(EscapeControls(problem)));
        return 1;
    }
    PinRunDevice(device);
    if (args.contains(QStringLiteral("--password")))
        Link().ProgPassword = TrimAtNul(optionValue(args, QStringLiteral("--password")));

    FleetSession session(log, options);
    LinkTrace trace;
    const QString tracePath = optionValue(args, QStringLiteral("--trace"));
    if (!tracePath.isEmpty()) {
        if (!trace.open(tracePath, {in, logPath}, &problem)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(tracePath), qPrintable(problem));
            return 1;
        }
        session.port().setTrace(&trace);
    }
    if (!perRadio.isEmpty())
        session.setValuesTable(&values);
    if (!safety.backupDir.isEmpty())
        session.setReceiptRecorder(HistoryReceiptRecorder(safety.backupDir));

    QEventLoop loop;
    QObject::connect(&session, &FleetSession::stageChanged, &loop, [&](FleetSession::Stage stage) {
        const QString serial = session.currentRadio().serial;
        switch (stage) {
        case FleetSession::Stage::WaitingForRadio: say(LangText(31104)); break;
        case FleetSession::Stage::Writing: say(LangText(31105).arg(serial)); break;
        case FleetSession::Stage::Verifying: say(LangText(31106).arg(serial)); break;
        case FleetSession::Stage::WaitingForUser:
            say(LangText(31102) + QStringLiteral(" (") + LangText(31103).arg(session.radiosDone())
                + QStringLiteral("), then press Enter; Ctrl-C ends."));
            break;
        case FleetSession::Stage::WaitingForChange: say(LangText(31107)); break;
        case FleetSession::Stage::Cancelling: say(LangText(31108)); break;
        default: break;
        }
    });
    QObject::connect(&session, &FleetSession::radioLogged, &loop, [](const FleetLogRow &row) {
        QString line = LangText(31161).arg(row.serial.isEmpty() ? QStringLiteral("?") : row.serial,
                                           LangText(31110 + int(row.result)));
        if (!row.details.isEmpty())
            line += QStringLiteral(" (") + row.details + QLatin1Char(')');
        if (!row.valuesSet.isEmpty())
            line += QStringLiteral("; ") + LangText(31162) + QStringLiteral(": ") + row.valuesSet;
        say(line);
    });
    QObject::connect(&session, &FleetSession::notice, &loop, [](const QString &text) { say(text); });
    QObject::connect(&session, &FleetSession::finished, &loop, &QEventLoop::quit);
    OnTerminationSignals([&session] { session.cancel(); });
    std::unique_ptr<EnterKey> enter;
    if (options.next == FleetOptions::Next::Enter)
        enter = std::make_unique<EnterKey>(session);

    session.start();
    if (session.isRunning())
        loop.exec();
    PinRunDevice(QString());

    const FleetSummary &summary = session.summary();
    say(QString());
    for (const QString &line : FleetSummaryLines(summary))
        say(line);
    if (summary.counts[int(FleetResult::Cancelled)] > 0)
        return 130;
    return summary.failed.isEmpty() ? 0 : 1;
}
