#include "PortHolders.h"

PortHolders FindPortHolders(const SystemView &system, const QString &device, int ownPid)
{
    PortHolders h;
    const QString resolved = device.isEmpty() ? QString() : system.resolve(device);
    for (const ProcessEntry &p : system.processes()) {
        if (p.name == QLatin1String("ModemManager"))
            h.modemManagerPid = p.pid;
        else if (p.name == QLatin1String("brltty"))
            h.brlttyPid = p.pid;
        if (device.isEmpty() || p.pid == ownPid)
            continue;
        // A pseudo-terminal is kept open by the program serving it (its master side):
        // that program is the "radio", not a rival.
        const bool ptyServer = resolved.startsWith(QLatin1String("/dev/pts/"))
            && p.openFiles.contains(QStringLiteral("/dev/ptmx"));
        if (!ptyServer && (p.openFiles.contains(device) || (!resolved.isEmpty() && p.openFiles.contains(resolved))))
            h.holding << p;
    }
    return h;
}
