#include "LinkTrace.h"

#include "SaveTarget.h"

bool LinkTrace::open(const QString &path, const QStringList &others, QString *error)
{
    // The log is written as it goes (what a transfer sent before a crash stays), to a
    // target chosen by the rules every written file follows.
    const SaveTarget target = ResolveSaveTarget(path, others);
    if (target.path.isEmpty()) {
        if (error)
            *error = target.problem;
        return false;
    }
    file_.setFileName(target.path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        if (error)
            *error = file_.errorString();
        return false;
    }
    clock_.start();
    return true;
}

void LinkTrace::line(const char *direction, const QByteArray &bytes)
{
    if (!file_.isOpen() || bytes.isEmpty())
        return;
    const double seconds = double(clock_.nsecsElapsed()) / 1e9;
    file_.write(QByteArray::number(seconds, 'f', 6) + ' ' + direction + ' '
                + bytes.toHex(' ').toUpper() + '\n');
    file_.flush();
}

void LinkTrace::note(const QString &text)
{
    if (!file_.isOpen())
        return;
    const double seconds = double(clock_.nsecsElapsed()) / 1e9;
    file_.write(QByteArray::number(seconds, 'f', 6) + " -- " + text.toUtf8() + '\n');
    file_.flush();
}
