#include "DisplayCheck.h"

#include <QtGlobal>

bool DisplayAvailable()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")) && !platform.startsWith(QLatin1String("wayland")))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString NoDisplayLine()
{
    return QStringLiteral("tarven: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                          "tarven-cli works without one.");
}
