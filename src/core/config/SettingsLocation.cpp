#include "SettingsLocation.h"

#include "RunSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
bool writableDir(const QString &dir)
{
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

QString userCopyOf(const QString &treeFile)
{
    return UserConfigDir() + QLatin1Char('/') + QFileInfo(treeFile).fileName();
}
}

bool SettingsInTree()
{
    if (QFileInfo::exists(ParentDir() + QLatin1Char('/') + QLatin1String(kInstalledMarker)))
        return false;
    // mysetup.ini goes to ParentDir/language (made when missing), Setting.ini to the program directory.
    const QString languageDir = ParentDir() + QStringLiteral("/language");
    return writableDir(ProgramDir()) && (writableDir(languageDir) || (!QFileInfo::exists(languageDir)
                                                                      && writableDir(ParentDir())));
}

QString UserConfigDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/tarven");
}

QString SettingsReadPath(const QString &treeFile)
{
    if (SettingsInTree())
        return treeFile;
    const QString user = userCopyOf(treeFile);
    return QFileInfo::exists(user) ? user : treeFile;
}

QString SettingsWritePath(const QString &treeFile)
{
    if (SettingsInTree())
        return treeFile;
    const QString user = userCopyOf(treeFile);
    if (QFileInfo::exists(user))
        return user;
    if (!QDir().mkpath(UserConfigDir()))
        return QString();
    if (QFileInfo::exists(treeFile) && QFile::copy(treeFile, user))
        QFile::setPermissions(user, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return user;
}
