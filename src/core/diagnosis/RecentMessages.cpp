#include "RecentMessages.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
QString messagesPath()
{
    return SupportCacheDir() + QStringLiteral("/last-messages.txt");
}
}

QString SupportCacheDir()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/tarven");
}

QString LastTransferTracePath()
{
    return SupportCacheDir() + QStringLiteral("/last-transfer.trace");
}

QStringList RecentShownMessages()
{
    QFile f(messagesPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.read(256 * 1024)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.mid(qMax(0, int(lines.size()) - kKeptMessages));
}

void RememberShownMessage(const QString &text)
{
    // One line per message, so a message with lines stays one entry.
    QString line = QDateTime::currentDateTime().toString(Qt::ISODate) + QLatin1Char(' ') + text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" / ")).replace(QLatin1Char('\n'), QStringLiteral(" / "));
    QStringList lines = RecentShownMessages();
    lines << line;
    lines = lines.mid(qMax(0, int(lines.size()) - kKeptMessages));
    if (!QDir().mkpath(SupportCacheDir()))
        return;
    QSaveFile f(messagesPath());
    if (f.open(QIODevice::WriteOnly)) {
        f.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        f.commit();
    }
}
