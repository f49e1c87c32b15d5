#include "RunSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

RunSettings &Run()
{
    static RunSettings settings;
    return settings;
}

DocumentState &Doc()
{
    static DocumentState state;
    return state;
}

void ResetRunSettings()
{
    const QString dir = Run().programDirOverride;
    const QString locale = Run().localeOverride;
    Run() = RunSettings{};
    Run().programDirOverride = dir;
    Run().localeOverride = locale;
    Doc() = DocumentState{};
}

QString ProgramDir()
{
    if (!Run().programDirOverride.isEmpty())
        return Run().programDirOverride;
    const QByteArray env = qgetenv("TARVEN_PROGRAM_DIR");
    if (!env.isEmpty())
        return QDir::cleanPath(QString::fromLocal8Bit(env));
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

// The program directory without its last component; a directory whose only
// separator is the first character (the root) is kept whole.
QString ParentDirOf(const QString &programDir)
{
    QString dir = programDir;
    dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    const int slash = dir.lastIndexOf(QLatin1Char('/'));
    if (slash > 0)
        return dir.left(slash);
    return dir;
}

QString ParentDir()
{
    return ParentDirOf(ProgramDir());
}
