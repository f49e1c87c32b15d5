#include "ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace {
QStringList readLines(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (QString &l : lines) {
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    }
    return lines;
}

QString sectionName(const QString &line)
{
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.contains(QLatin1Char(']')))
        return t.mid(1, t.indexOf(QLatin1Char(']')) - 1).trimmed();
    return QString();
}
}

QString ReadProfileString(const QString &file, const QString &section, const QString &key,
                          const QString &fallback, int bufferSize)
{
    bool inSection = false;
    for (const QString &line : readLines(file)) {
        const QString sec = sectionName(line);
        if (!sec.isNull()) {
            inSection = sec.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || line.trimmed().startsWith(QLatin1Char(';')))
            continue;
        if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1).trimmed().left(qMax(0, bufferSize - 1));
    }
    return fallback;
}

bool WriteProfileString(const QString &file, const QString &section, const QString &key, const QString &value)
{
    QStringList lines = readLines(file);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    int sectionLine = -1, lastInSection = -1;
    bool inSection = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString sec = sectionName(lines.at(i));
        if (!sec.isNull()) {
            if (inSection)
                break;
            inSection = sec.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection) {
                sectionLine = i;
                lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!lines.at(i).trimmed().isEmpty())
            lastInSection = i;
        const int eq = lines.at(i).indexOf(QLatin1Char('='));
        if (eq >= 0 && lines.at(i).left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = key + QLatin1Char('=') + value;
            goto write;
        }
    }
    if (sectionLine < 0) {
        lines << QLatin1Char('[') + section + QLatin1Char(']') << key + QLatin1Char('=') + value;
    } else {
        lines.insert(lastInSection + 1, key + QLatin1Char('=') + value);
    }
write:
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return f.commit();
}
