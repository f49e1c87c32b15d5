#include "LinkTrace.h"

bool LinkTrace::open(const QString &path, QString *error)
{
    file_.setFileName(path);
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
