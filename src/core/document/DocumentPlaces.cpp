#include "DocumentPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString kGroup = QStringLiteral("Settings");
const QString kRecentKey = QStringLiteral("RecentFiles");
const QString kFolderKey = QStringLiteral("LastFolder");

// The per-user store the window placement uses too.
QSettings userStore()
{
    return QSettings(QStringLiteral("tarven"), QCoreApplication::applicationName());
}

QVariant stored(const QString &key)
{
    QSettings s = userStore();
    s.beginGroup(kGroup);
    return s.value(key);
}

void store(const QString &key, const QVariant &value)
{
    QSettings s = userStore();
    s.beginGroup(kGroup);
    s.setValue(key, value);
}

QString canonical(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

void storeRecent(QStringList list)
{
    while (list.size() > kRecentFileCount)
        list.removeLast();
    store(kRecentKey, list);
}
}

QStringList RecentFiles()
{
    QStringList list;
    for (const QString &path : stored(kRecentKey).toStringList()) {
        if (!path.isEmpty() && !list.contains(path))
            list << path;
    }
    return list.mid(0, kRecentFileCount);
}

void AddRecentFile(const QString &path)
{
    const QString p = canonical(path);
    QStringList list = RecentFiles();
    list.removeAll(p);
    list.prepend(p);
    storeRecent(list);
}

void RemoveRecentFile(const QString &path)
{
    QStringList list = RecentFiles();
    list.removeAll(path);
    list.removeAll(canonical(path));
    storeRecent(list);
}

QString LastFolder()
{
    const QString folder = stored(kFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QDir::homePath();
}

void RememberFolderOf(const QString &filePath)
{
    if (!filePath.isEmpty())
        store(kFolderKey, QFileInfo(filePath).absolutePath());
}
