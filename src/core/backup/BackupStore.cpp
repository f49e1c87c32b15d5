#include "BackupStore.h"

#include "DataFile.h"
#include "Models.h"
#include "RadioImage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <algorithm>

namespace BackupStore {

namespace {
constexpr int kSerialChars = 32;
constexpr int kSequenceDigits = 6;

// Numbered names: "000042-20261208-093015-read-cb[-SERIAL].dat".
const QRegularExpression &numberedPattern()
{
    static const QRegularExpression re(QStringLiteral(
        "^(\\d{1,15})-(\\d{8}-\\d{6})-(read|write|restore)-(cb|hf|ham)(?:-([A-Za-z0-9_][A-Za-z0-9_-]*))?\\.dat$"));
    return re;
}

// Names of earlier releases: "20261208-093015-read-cb[-SERIAL][-N].dat", where "-N"
// marks a second copy in the same second.
const QRegularExpression &earlierPattern()
{
    static const QRegularExpression re(QStringLiteral(
        "^(\\d{8}-\\d{6})-(read|write)-(cb|hf|ham)(?:-([A-Za-z0-9_][A-Za-z0-9_-]*))?\\.dat$"));
    return re;
}

Kind kindOf(const QString &word)
{
    return word == QLatin1String("write") ? Kind::Write : word == QLatin1String("restore") ? Kind::Restore : Kind::Read;
}

QString kindWord(Kind kind)
{
    switch (kind) {
    case Kind::Read: return QStringLiteral("read");
    case Kind::Write: return QStringLiteral("write");
    case Kind::Restore: return QStringLiteral("restore");
    }
    return QStringLiteral("read");
}

int bandOf(const QString &word)
{
    return word == QLatin1String("hf") ? 1 : word == QLatin1String("ham") ? 2 : 0;
}

QString safeSerial(const QString &serial)
{
    QString out;
    for (QChar ch : serial.trimmed().left(kSerialChars)) {
        const bool plain = (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'))
            || (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) || ch == QLatin1Char('-');
        out += plain ? ch : QLatin1Char('_');
    }
    // A leading "-" would read as an empty part of the name.
    while (out.startsWith(QLatin1Char('-')))
        out[0] = QLatin1Char('_');
    return out;
}

// The entries of `folder` as the directory lists them, links included: a name that is
// taken by anything (even a dangling link) is not ours to use or to count.
QFileInfoList ourFiles(const QString &folder)
{
    QFileInfoList ours;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::NoSymLinks | QDir::Hidden);
    for (const QFileInfo &fi : entries) {
        if (IsBackupName(fi.fileName()) && fi.size() == kDataFileBytes)
            ours << fi;
    }
    return ours;
}
} // namespace

QString DefaultFolder()
{
    QString base = QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_DATA_HOME"));
    // The XDG base directory rules ignore a relative path.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/tarven/backups");
}

QString FileName(qint64 sequence, const QDateTime &when, Kind kind, int band, const QString &serial)
{
    QString name = QStringLiteral("%1-").arg(std::max<qint64>(sequence, 1), kSequenceDigits, 10, QLatin1Char('0'))
        + when.toString(QStringLiteral("yyyyMMdd-HHmmss")) + QLatin1Char('-') + kindWord(kind) + QLatin1Char('-')
        + BandName(band).toLower();
    const QString tail = safeSerial(serial);
    if (!tail.isEmpty())
        name += QLatin1Char('-') + tail;
    return name + QStringLiteral(".dat");
}

NameParts ParseName(const QString &fileName)
{
    NameParts p;
    const QString timeFormat = QStringLiteral("yyyyMMdd-HHmmss");
    QRegularExpressionMatch m = numberedPattern().match(fileName);
    if (m.hasMatch()) {
        p.sequence = m.captured(1).toLongLong();
        if (p.sequence < 1)
            return p;
        p.when = QDateTime::fromString(m.captured(2), timeFormat);
        p.kind = kindOf(m.captured(3));
        p.band = bandOf(m.captured(4));
        p.serial = m.captured(5);
        p.ok = true;
        return p;
    }
    m = earlierPattern().match(fileName);
    if (!m.hasMatch())
        return p;
    p.when = QDateTime::fromString(m.captured(1), timeFormat);
    p.kind = kindOf(m.captured(2));
    p.band = bandOf(m.captured(3));
    p.serial = m.captured(4);
    p.ok = true;
    return p;
}

bool IsBackupName(const QString &fileName)
{
    return ParseName(fileName).ok;
}

QStringList Backups(const QString &folder)
{
    struct Item {
        NameParts parts;
        QString path;
    };
    QList<Item> items;
    for (const QFileInfo &fi : ourFiles(folder))
        items.append({ParseName(fi.fileName()), fi.filePath()});
    std::sort(items.begin(), items.end(), [](const Item &a, const Item &b) {
        if (a.parts.sequence != b.parts.sequence)
            return a.parts.sequence < b.parts.sequence;
        if (a.parts.when != b.parts.when)
            return a.parts.when < b.parts.when;
        // Within one second of an earlier release, a copy's "-2", "-3"... came after the
        // plain name and "-10" after "-9": the shorter name is the older.
        if (a.path.size() != b.path.size())
            return a.path.size() < b.path.size();
        return a.path < b.path;
    });
    QStringList paths;
    for (const Item &i : items)
        paths << i.path;
    return paths;
}

qint64 NextSequence(const QString &folder)
{
    qint64 highest = 0;
    // Every numbered name counts here, whatever its size or file type, so a new copy
    // never takes a number something in the folder already carries.
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const NameParts p = ParseName(name);
        if (p.ok)
            highest = std::max(highest, p.sequence);
    }
    return highest + 1;
}

bool WriteNew(const QString &folder, const QString &fileName, const RadioImage &img, QString *error)
{
    const QString path = QDir(folder).filePath(fileName);
    QFile f(path);
    // NewOnly creates the file or fails: it never opens an existing file, and never
    // follows a symbolic link, dangling or not.
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = path + QStringLiteral(": ") + f.errorString();
        return false;
    }
    const QByteArray bytes = img.toBytes();
    const bool written = f.write(bytes) == bytes.size() && f.flush();
    if (!written) {
        if (error)
            *error = path + QStringLiteral(": ") + f.errorString();
        f.close();
        f.remove();
        return false;
    }
    f.close();
    return true;
}

} // namespace BackupStore
