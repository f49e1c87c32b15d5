#include "CliDoctor.h"

#include "ConnectionDoctor.h"
#include "ControlChars.h"
#include "LangText.h"
#include "PortFinder.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QThread>

#include <cstdio>

namespace {
constexpr int kFindSeconds = 60;
constexpr int kFindLookMs = 250;

// Waits for the cable to appear; its path, or empty after kFindSeconds.
QString findCable()
{
    std::fprintf(stderr, "%s\n", qPrintable(LangText(30942)));
    PortFinder finder(PresentSerialPaths());
    for (int waited = 0; waited < kFindSeconds * 1000; waited += kFindLookMs) {
        QThread::msleep(kFindLookMs);
        const QString found = finder.look(PresentSerialPaths());
        if (!found.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(LangText(30943).arg(found)));
            return found;
        }
    }
    std::fprintf(stderr, "%s\n", qPrintable(LangText(30944).arg(kFindSeconds)));
    return QString();
}
} // namespace

int runDoctorCommand(const CliArgs &args)
{
    DoctorOptions options;
    options.port = optionValue(args, QStringLiteral("--port"));
    options.ownPid = int(QCoreApplication::applicationPid());
    if (args.contains(QStringLiteral("--find"))) {
        options.port = findCable();
        if (options.port.isEmpty())
            return 1;
    }
    const DoctorReport report = RunConnectionDoctor(CurrentSystem(), options);
    if (args.contains(QStringLiteral("--json"))) {
        const QByteArray json = QJsonDocument(DoctorReportJson(report)).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    } else {
        // Adapter names come from the device: shown, never obeyed by the terminal.
        std::fputs(EscapeControls(DoctorReportText(report), LineBreaks::Keep).toLocal8Bit().constData(), stdout);
    }
    return report.healthy() ? 0 : 1;
}
