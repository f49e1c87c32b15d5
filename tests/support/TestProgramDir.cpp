#include "TestProgramDir.h"

#include "RunSettings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}
}

TestProgramDir::TestProgramDir(bool withInit)
{
    const QString built = QStringLiteral(TARVEN_TEST_PROGRAM_DIR);
    copyTree(built + QStringLiteral("/language"), programDir() + QStringLiteral("/language"));
    if (withInit)
        copyTree(built + QStringLiteral("/Init"), programDir() + QStringLiteral("/Init"));
    QFile::copy(built + QStringLiteral("/../Version.ini"), parentDir() + QStringLiteral("/Version.ini"));
    for (const char *pic : {"StartE.jpg", "StartC.jpg", "PIC/BK_1.jpg", "PIC/BK_2.jpg"}) {
        const QString rel = QString::fromLatin1(pic);
        QDir().mkpath(QFileInfo(path(rel)).absolutePath());
        QFile::copy(built + QLatin1Char('/') + rel, path(rel));
    }
    Run().programDirOverride = programDir();
    ResetRunSettings();
    // Backups of the transfers a test runs land here, not in the user's folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.path() + QStringLiteral("/data")));
}

TestProgramDir::~TestProgramDir()
{
    Run().programDirOverride.clear();
    ResetRunSettings();
}

QString TestProgramDir::programDir() const
{
    return dir_.path() + QStringLiteral("/V100");
}

QString TestProgramDir::parentDir() const
{
    return dir_.path();
}

QString TestProgramDir::path(const QString &relative) const
{
    return programDir() + QLatin1Char('/') + relative;
}
