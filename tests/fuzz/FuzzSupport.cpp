#include "FuzzSupport.h"

#include "LinkState.h"
#include "Models.h"
#include "NewImage.h"
#include "Prompts.h"
#include "RunSettings.h"
#include "Startup.h"
#include "VersionTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {
namespace {

// Messages and questions are expected; they must not flood the fuzzer's output.
class SilentPrompts : public DecliningPrompts {
public:
    void message(const QString &, MsgIcon) override {}
    Answer ask(const QString &, AskButtons buttons, MsgIcon) override
    {
        return buttons == AskButtons::YesNo ? Answer::No : Answer::Cancel;
    }
};

struct Installation {
    Installation()
    {
        static int argc = 1;
        static char name[] = "tarven-fuzz";
        static char *argv[] = {name, nullptr};
        app = new QCoreApplication(argc, argv);
        const QString source = QStringLiteral(TARVEN_FUZZ_SOURCE_DIR "/resources");
        QDir().mkpath(programDir() + QStringLiteral("/language"));
        QDir().mkpath(programDir() + QStringLiteral("/scratch"));
        for (const char *lang : {"english.ini", "chinese.ini"})
            QFile::copy(source + QStringLiteral("/language/") + QLatin1String(lang),
                        programDir() + QStringLiteral("/language/") + QLatin1String(lang));
        QFile::copy(source + QStringLiteral("/Version.ini"), dir.path() + QStringLiteral("/Version.ini"));
        setPrompts(&prompts);
    }
    QString programDir() const { return dir.path() + QStringLiteral("/V100"); }

    // In memory where the system offers it: every save syncs its file to disk, which on
    // a disk would dominate the run time of the file targets.
    static QString scratchRoot()
    {
        return QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm/tarven-fuzz-XXXXXX")
                                                                  : QDir::tempPath() + QStringLiteral("/tarven-fuzz-XXXXXX");
    }

    QCoreApplication *app = nullptr;
    QTemporaryDir dir{scratchRoot()};
    SilentPrompts prompts;
};

Installation &installation()
{
    static Installation i;   // removed with its folder when the process ends
    return i;
}

} // namespace

void Prepare()
{
    static bool documentBuilt = false;
    Installation &i = installation();
    Run().programDirOverride = i.programDir();
    ResetRunSettings();
    ResetLinkState();
    LoadVersionTable();
    InitDefaults();
    SetCurrentBand(0);
    if (!documentBuilt) {
        BuildNewImage();
        documentBuilt = true;
    }
}

void PrepareNewDocument()
{
    Prepare();
    BuildNewImage();
}

QString ProgramDir()
{
    return installation().programDir();
}

QString ParentDir()
{
    return installation().dir.path();
}

QString ScratchPath(const QString &name)
{
    return ProgramDir() + QStringLiteral("/scratch/") + name;
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    Require(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file opens");
    Require(f.write(bytes) == bytes.size(), "scratch file written");
}

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

void Require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

} // namespace Fuzz
