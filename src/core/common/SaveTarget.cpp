#include "SaveTarget.h"

#include "LangText.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {
constexpr int kMaxLinkHops = 40;   // as the system's own limit on nested links

// The absolute path of a file with its folder's links resolved (the file itself need
// not exist), so "./a.dat", "dir/../a.dat" and a linked folder compare equal.
QString comparablePath(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + QLatin1Char('/') + info.fileName();
}

bool sameFile(const QString &target, const QString &other)
{
    if (other.isEmpty())
        return false;
    struct stat a {}, b {};
    if (::stat(QFile::encodeName(target).constData(), &a) == 0 && ::stat(QFile::encodeName(other).constData(), &b) == 0)
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    // Not both there: an input that is a link to a file not yet written still names it.
    const SaveTarget resolved = ResolveSaveTarget(other);
    return comparablePath(target) == comparablePath(resolved.path.isEmpty() ? other : resolved.path);
}
}

SaveTarget ResolveSaveTarget(const QString &path)
{
    QString target = path;
    for (int hop = 0;; ++hop) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            break;
        if (hop == kMaxLinkHops)
            return {QString(), LangText(30001)};
        target = info.symLinkTarget();   // one hop, made absolute
    }
    const QFileInfo info(target);
    if (info.exists() && !info.isFile())
        return {QString(), LangText(30000)};
    return {target, QString()};
}

SaveTarget ResolveSaveTarget(const QString &path, const QStringList &others)
{
    SaveTarget target = ResolveSaveTarget(path);
    if (target.path.isEmpty())
        return target;
    for (const QString &other : others) {
        if (sameFile(target.path, other))
            return {QString(), LangText(30650).arg(QDir::toNativeSeparators(other))};
    }
    return target;
}

bool SaveFileBytes(const QString &path, const QByteArray &bytes, const QStringList &others, QString *error)
{
    const SaveTarget target = ResolveSaveTarget(path, others);
    if (target.path.isEmpty()) {
        if (error)
            *error = target.problem;
        return false;
    }
    // Unbuffered, a full disk fails the write itself, with its reason; a failed commit
    // removes the temporary file and forgets why.
    QSaveFile f(target.path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    QString reason;
    errno = 0;
    if (f.write(bytes) != bytes.size()) {
        // A short write (a file size limit, a full disk) may leave no reason in the file.
        reason = f.error() == QFileDevice::NoError && errno ? QString::fromLocal8Bit(std::strerror(errno))
                                                           : f.errorString();
    }
    errno = 0;
    if (reason.isEmpty() && f.commit())
        return true;
    if (reason.isEmpty())
        reason = errno ? QString::fromLocal8Bit(std::strerror(errno)) : f.errorString();
    f.cancelWriting();
    if (error)
        *error = reason;
    return false;
}
