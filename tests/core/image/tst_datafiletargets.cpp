// Saving and opening data files against what the file system can put in the way: a
// failed save, targets that are no regular files, symbolic links, pipes, and files
// that are not data files at all. Nothing the user has may be lost on the way.
#include "DataFile.h"
#include "ImageCompare.h"
#include "LangText.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "SaveTarget.h"
#include "ScriptedPrompts.h"
#include "TestProgramDir.h"
#include "VersionTable.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <thread>

namespace {
void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Files may grow to `bytes` only while this lives, as on a nearly full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = old_;
        lim.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};
}

class TestDataFileTargets : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestProgramDir>();
        LoadVersionTable();
        SetCurrentBand(2);
        BuildNewImage();
        Image().at(0).TSQ = 1;   // an unsaved change
        QVERIFY(IsModified());
    }
    void cleanup() { env.reset(); }

    // A save that fails keeps the document modified, so Exit, New and Open still ask;
    // the message gives the reason, not "Unknown error".
    void failedSaveKeepsTheDocumentModified_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("missing folder") << QStringLiteral("gone/doc.dat");
        QTest::newRow("disk full") << QStringLiteral("doc.dat");
    }
    void failedSaveKeepsTheDocumentModified()
    {
        QFETCH(QString, where);
        const QString path = env->path(where);
        const QByteArray savedBefore = Saved().toBytes();
        ScriptedPrompts prompts;
        FileResult result;
        if (QTest::currentDataTag() == QByteArray("disk full")) {
            FileSizeLimit limit(4096);
            result = SaveDataFile(path);
        } else {
            result = SaveDataFile(path);
        }
        QCOMPARE(result, FileResult::FileError);
        QVERIFY(IsModified());
        QCOMPARE(Saved().toBytes(), savedBefore);
        QVERIFY(Doc().Untitled);
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY(prompts.messages.first().startsWith(LangText(9002)));
        QVERIFY2(!prompts.messages.first().contains(QStringLiteral("Unknown error")), qPrintable(prompts.messages.first()));
        QVERIFY(!QFileInfo::exists(path));
    }

    // A pipe or a device is refused with a clear reason and stays what it was.
    void nonRegularTargetIsRefused()
    {
        const QString fifo = env->path(QStringLiteral("pipe.dat"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        ScriptedPrompts prompts;
        QCOMPARE(SaveDataFile(fifo), FileResult::FileError);
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY(prompts.messages.first().contains(LangText(30000)));
        QVERIFY(IsModified());

        QString error;
        QVERIFY(!WriteImageFile(QStringLiteral("/dev/null"), Image(), &error));
        QCOMPARE(error, LangText(30000));
        QVERIFY(!WriteImageFile(env->programDir(), Image(), &error));
    }

    // A document that is a symbolic link is saved into the link's target; the link stays.
    void saveGoesThroughSymbolicLinks()
    {
        const QString target = env->path(QStringLiteral("real.dat"));
        const QString link = env->path(QStringLiteral("link.dat"));
        const QString link2 = env->path(QStringLiteral("link2.dat"));
        writeBytes(target, "old");
        QVERIFY(QFile::link(target, link));
        QVERIFY(QFile::link(QStringLiteral("link.dat"), link2));   // relative, two hops
        ScriptedPrompts prompts;
        QCOMPARE(SaveDataFile(link2), FileResult::Ok);
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(QFileInfo(link2).isSymLink());
        QCOMPARE(readBytes(target), Saved().toBytes());
        QVERIFY(!IsModified());

        // A dangling link creates its target.
        const QString dangling = env->path(QStringLiteral("dangling.dat"));
        QVERIFY(QFile::link(env->path(QStringLiteral("new-target.dat")), dangling));
        QCOMPARE(SaveDataFile(dangling), FileResult::Ok);
        QVERIFY(QFileInfo(dangling).isSymLink());
        QCOMPARE(readBytes(env->path(QStringLiteral("new-target.dat"))).size(), kDataFileBytes);
    }

    // A command never writes over a file it reads or writes besides, whichever name
    // reaches that file: the same path written another way, a symbolic link, a hard link.
    void aSaveNeverReplacesTheCommandsOtherFiles()
    {
        const QString input = env->path(QStringLiteral("in.csv"));
        writeBytes(input, "Location,Frequency\n");
        QVERIFY(QFile::link(input, env->path(QStringLiteral("soft.csv"))));
        QCOMPARE(::link(QFile::encodeName(input).constData(), QFile::encodeName(env->path(QStringLiteral("hard.csv"))).constData()), 0);
        const QString sameByPath = env->path(QStringLiteral(".")) + QStringLiteral("/./in.csv");
        for (const QString &name : {input, sameByPath, env->path(QStringLiteral("soft.csv")), env->path(QStringLiteral("hard.csv"))}) {
            ScriptedPrompts prompts;
            QCOMPARE(SaveDataFile(name, {input}), FileResult::FileError);
            QVERIFY2(prompts.messages.value(0).contains(LangText(30650).arg(input)), qPrintable(name));
            QCOMPARE(readBytes(input), QByteArray("Location,Frequency\n"));
        }
        // Two new files of one name (a log and a data file) are refused before either exists.
        const SaveTarget refused = ResolveSaveTarget(env->path(QStringLiteral("new.dat")), {env->path(QStringLiteral("new.dat"))});
        QVERIFY(refused.path.isEmpty());
        QVERIFY(!refused.problem.isEmpty());
        // Another file, and no other files at all, are fine.
        QString error;
        QVERIFY2(SaveFileBytes(env->path(QStringLiteral("out.csv")), "x", {input, QString()}, &error), qPrintable(error));
        QCOMPARE(readBytes(env->path(QStringLiteral("out.csv"))), QByteArray("x"));
    }

    // A pipe can be read once: a good data file arriving through one opens.
    void opensFromAPipe()
    {
        RadioImage img = Image();
        img.at(0).TSQ = 0;
        img.addChannel(42, QStringLiteral("28.6"));
        const QByteArray bytes = img.toBytes() + QByteArray(100, 'x');   // trailing bytes are ignored
        const QString fifo = env->path(QStringLiteral("in.fifo"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        std::thread writer([&] {
            QFile f(fifo);
            if (f.open(QIODevice::WriteOnly))
                f.write(bytes);
        });
        ScriptedPrompts prompts;
        const FileResult result = OpenDataFile(fifo);
        writer.join();
        QVERIFY2(prompts.messages.isEmpty(), qPrintable(prompts.messages.join(QLatin1Char('\n'))));
        QCOMPARE(result, FileResult::Ok);
        QVERIFY(Image().findChannel(42) >= 0);
    }

    // Bytes that are no model record at all are not a data file; another radio's file
    // (a printable name and a version) is a model mismatch.
    void foreignBytesAreNoDataFile_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("messageId");
        QTest::newRow("zeros") << QByteArray(13, '\0') << 9070;
        QTest::newRow("random") << QByteArray::fromHex("8f13c2d47e0a99b1ff0312a7c4") << 9070;
        QTest::newRow("text") << QByteArray("Hello, this is a text file") << 9070;
        QTest::newRow("other model") << (QByteArray("OTHER01") + QByteArray(2, '\0') + "V100") << 9012;
    }
    void foreignBytesAreNoDataFile()
    {
        QFETCH(QByteArray, head);
        QFETCH(int, messageId);
        QByteArray bytes = Image().toBytes();
        bytes.replace(0, head.size(), head);
        const QString path = env->path(QStringLiteral("foreign.dat"));
        writeBytes(path, bytes.left(kDataFileBytes));
        const QByteArray before = Image().toBytes();
        ScriptedPrompts prompts;
        QVERIFY(OpenDataFile(path) != FileResult::Ok);
        QCOMPARE(prompts.messages, QStringList{LangText(messageId)});
        QCOMPARE(Image().toBytes(), before);
    }

    // A damaged settings area or frequencies that are no digits open with one warning in
    // the words of the windows: ten lines at most and how many more.
    void damagedValuesOpenWithOneWarning()
    {
        RadioImage img = Image();
        img.header.options.MaxSWR = -29384;
        for (int n = 41; n < 61; ++n)
            img.addChannel(n, QStringLiteral("28.5"));
        for (int s = 0; s < img.count(); ++s)
            img.at(s).setFreqText(QStringLiteral("12AB5678"));
        const QString path = env->path(QStringLiteral("damaged.dat"));
        writeBytes(path, img.toBytes());
        ScriptedPrompts prompts;
        QCOMPARE(OpenDataFile(path), FileResult::Ok);
        QCOMPARE(prompts.messages.size(), 1);
        const QStringList lines = prompts.messages.first().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.first(), LangText(30016));
        QCOMPARE(lines.size(), 1 + 10 + 1);
        QCOMPARE(lines.at(1), LangText(30015).arg(QStringLiteral("Channel 1 (A-1)")));   // as the grid names it
        QVERIFY2(lines.last().contains(QString::number(img.count() + 1 - 10)), qPrintable(lines.last()));
        QCOMPARE(Image().header.options.MaxSWR, int16_t(-29384));   // shown as it is, nothing lost
        QVERIFY(!IsModified());

        // The settings line uses the caption of the window.
        img.header.channelCount = 0;
        writeBytes(path, img.toBytes());
        prompts.messages.clear();
        QCOMPARE(OpenDataFile(path), FileResult::Ok);
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY2(prompts.messages.first().contains(LangText(15600) + QStringLiteral(" is -29384")),
                 qPrintable(prompts.messages.first()));
    }

    // Yes to starting a release that does not exist keeps the program and the document.
    void versionSwitchWithoutReleaseKeepsTheDocument()
    {
        QByteArray bytes = Image().toBytes();
        bytes.replace(9, 4, "V109");
        const QString path = env->path(QStringLiteral("v109.dat"));
        writeBytes(path, bytes);
        const QByteArray before = Image().toBytes();
        ScriptedPrompts prompts;
        prompts.answers << Answer::Yes;
        QCOMPARE(OpenDataFile(path), FileResult::VersionDeclined);
        QCOMPARE(prompts.messages, QStringList{LangText(9063)});
        QVERIFY(!prompts.endRequested);
        QCOMPARE(Image().toBytes(), before);
    }

private:
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestDataFileTargets)
#include "tst_datafiletargets.moc"
