#pragma once
#include "CliArgs.h"
#include "CliOutputPath.h"
#include "CliUsage.h"
#include "HeadlessLinkUi.h"
#include "LinkEngine.h"
#include "LinkState.h"
#include "LinkTrace.h"
#include "MSComm1.h"
#include "ModFun.h"
#include "PortList.h"

#include <QEventLoop>

#include <cstdio>

// The programming password, trimmed as the password dialog trims what is typed.
inline void UseCliPassword(const QString &text)
{
    Link().ProgPassword = TrimAtNul(text);
}

// One link operation on the engine, run to its end on a local event loop.
class LinkRun {
public:
    explicit LinkRun(const CliArgs &args)
    {
        const QString device = optionValue(args, QStringLiteral("--port"));
        PinRunDevice(device);
        if (args.contains(QStringLiteral("--password")))
            UseCliPassword(optionValue(args, QStringLiteral("--password")));
        port.setTrace(&trace);
    }

    // `others`: the files the command reads or writes besides, which the log must not replace.
    bool openTrace(const CliArgs &args, const QStringList &others = {})
    {
        const QString path = optionValue(args, QStringLiteral("--trace"));
        if (path.isEmpty())
            return true;
        QString error;
        if (trace.open(path, others, &error))
            return true;
        ReportUnwritable(path, error);
        return false;
    }

    // Starts with `start` and waits for the end; true on success.
    template <typename Start>
    bool run(Start start)
    {
        bool success = false;
        QEventLoop loop;
        QObject::connect(&engine, &LinkEngine::operationFinished, &loop, [&](int, bool ok) {
            success = ok;
            loop.quit();
        });
        if (!start(engine))
            return false;
        if (engine.isBusy())
            loop.exec();
        return success;
    }

    LinkTrace trace;
    MSComm1 port;
    HeadlessLinkUi ui;
    LinkEngine engine{port, ui};
};

