#include "BackupStore.h"

#include "DataFile.h"
#include "Models.h"
#include "RadioImage.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <algorithm>

namespace BackupStore {

namespace {
constexpr int kSerialChars = 32;

const QRegularExpression &namePattern()
{
    static const QRegularExpression re(
        QStringLiteral("^(\\d{8}-\\d{6})-(read|write)-(cb|hf|ham)(-[A-Za-z0-9_][A-Za-z0-9_-]*)?\\.dat$"));
    return re;
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

// A name not used yet in `folder`: the plain name, else "-2", "-3"... before ".dat".
QString freshPath(const QDir &folder, const QString &name)
{
    QString candidate = name;
    const QString stem = name.chopped(4);
    for (int n = 2; folder.exists(candidate); ++n)
        candidate = stem + QStringLiteral("-%1.dat").arg(n);
    return folder.filePath(candidate);
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

QString FileName(const QDateTime &when, Kind kind, int band, const QString &serial)
{
    QString name = when.toString(QStringLiteral("yyyyMMdd-HHmmss"))
        + (kind == Kind::Read ? QStringLiteral("-read-") : QStringLiteral("-write-")) + BandName(band).toLower();
    const QString tail = safeSerial(serial);
    if (!tail.isEmpty())
        name += QLatin1Char('-') + tail;
    return name + QStringLiteral(".dat");
}

bool IsBackupName(const QString &fileName)
{
    return namePattern().match(fileName).hasMatch();
}

QStringList Backups(const QString &folder)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::NoSymLinks | QDir::Hidden);
    QFileInfoList ours;
    for (const QFileInfo &fi : entries) {
        if (IsBackupName(fi.fileName()) && fi.size() == kDataFileBytes)
            ours << fi;
    }
    // The name starts with the time to the second; within one second the file's own
    // time decides.
    std::sort(ours.begin(), ours.end(), [](const QFileInfo &a, const QFileInfo &b) {
        const QString ta = a.fileName().left(15), tb = b.fileName().left(15);
        if (ta != tb)
            return ta < tb;
        if (a.lastModified() != b.lastModified())
            return a.lastModified() < b.lastModified();
        // "name.dat" was made before "name-2.dat", and "-2" before "-10".
        const QString na = a.completeBaseName(), nb = b.completeBaseName();
        if (na.size() != nb.size())
            return na.size() < nb.size();
        return na < nb;
    });
    QStringList paths;
    for (const QFileInfo &fi : ours)
        paths << fi.filePath();
    return paths;
}

int Prune(const QString &folder, int keep)
{
    const QStringList ours = Backups(folder);
    int removed = 0;
    for (int i = 0; i < ours.size() - std::max(keep, 0); ++i)
        removed += QFile::remove(ours.at(i)) ? 1 : 0;
    return removed;
}

SaveResult Save(const QString &folder, const RadioImage &img, Kind kind, const QString &serial, const QDateTime &when,
           int keep)
{
    SaveResult result;
    QDir dir(folder);
    if (folder.isEmpty() || !dir.mkpath(QStringLiteral("."))) {
        result.error = QStringLiteral("%1: the folder cannot be created").arg(folder);
        return result;
    }
    result.path = freshPath(dir, FileName(when, kind, img.header.model.bandMode, serial));
    if (!WriteImageFile(result.path, img, &result.error)) {
        result.error = result.path + QStringLiteral(": ") + result.error;
        return result;
    }
    result.ok = true;
    result.removed = Prune(folder, keep);
    return result;
}

} // namespace BackupStore
