// Recent documents in the File menu, the file named on the command line, a dropped data
// file, and the folder the file dialogs start in.
#include "ComfortSession.h"

#include "DocumentPlaces.h"
#include "ImageCompare.h"
#include "LangText.h"
#include "RadioImage.h"
#include "UiFileDialogs.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QUrl>

class TestRecentFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<ComfortSession> s;

    QString saveAs(const QString &name)
    {
        const QString path = s->file(name);
        s->files->saveAnswers = {path};
        s->main->mnuFileSaveAs_Click();
        return path;
    }
    QStringList recentEntries()
    {
        emit s->main->menu(QStringLiteral("mnuFile"))->aboutToShow();
        QStringList texts;
        for (int n = 1; QAction *a = s->entry(qPrintable(QStringLiteral("mnuFileRecent%1").arg(n))); ++n)
            texts << a->text();
        return texts;
    }
    // Drags and drops the file on the main window; true when the drag was accepted.
    bool drop(const QString &path)
    {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(s->main.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(s->main.get(), &dropped);
        return true;
    }

private slots:
    void init()
    {
        s = std::make_unique<ComfortSession>();
        QVERIFY(s->newDocument(1));
    }
    void cleanup() { s.reset(); }

    void savedAndOpenedFilesAreListedNewestFirstEightAtMost()
    {
        QVERIFY(recentEntries().isEmpty());
        QVERIFY(!s->entry("mnuFileRecentBar")->isVisible());
        for (int i = 1; i <= 9; ++i)
            saveAs(QStringLiteral("doc%1.dat").arg(i));
        const QString first = saveAs(QStringLiteral("doc3.dat"));   // again: moves up
        const QStringList entries = recentEntries();
        QCOMPARE(entries.size(), kRecentFileCount);
        QCOMPARE(entries.value(0), QStringLiteral("&1 doc3.dat"));
        QCOMPARE(entries.value(1), QStringLiteral("&2 doc9.dat"));
        QVERIFY(!entries.join(QLatin1Char(' ')).contains(QStringLiteral("doc1.dat")));
        QCOMPARE(RecentFiles().value(0), first);
        QVERIFY(s->entry("mnuFileRecentBar")->isVisible());
    }

    void choosingAnEntryOpensItAndAMissingOneIsRemoved()
    {
        const QString kept = saveAs(QStringLiteral("kept.dat"));
        const QString gone = saveAs(QStringLiteral("gone.dat"));
        Image().channel(1)->RDCT = 9;   // a change: the question comes first
        recentEntries();
        s->answers->answers = {Answer::No};
        s->entry("mnuFileRecent2")->trigger();   // kept.dat
        QCOMPARE(s->answers->questions, QStringList({LangText(9006)}));
        QCOMPARE(Doc().DocumentPath, kept);
        QVERIFY(!IsModified());

        QVERIFY(QFile::remove(gone));
        recentEntries();
        s->entry("mnuFileRecent2")->trigger();   // gone.dat, now second
        QCOMPARE(s->answers->messages.value(0), LangText(30340).arg(QDir::toNativeSeparators(gone)));
        QCOMPARE(RecentFiles(), QStringList({kept}));
        QCOMPARE(Doc().DocumentPath, kept);
    }

    void aDroppedDataFileOpensAfterTheQuestion()
    {
        const QString path = saveAs(QStringLiteral("dropped.dat"));
        s->main->LoadNewDoc();
        QVERIFY(s->newDocument(1));
        Image().channel(1)->RDCT = 9;
        s->answers->answers = {Answer::Cancel};
        QVERIFY(drop(path));
        QCOMPARE(s->answers->questions, QStringList({LangText(9006)}));
        QVERIFY(Doc().Untitled);   // cancelled: the document stays

        s->answers->answers = {Answer::No};
        QVERIFY(drop(path));
        QCOMPARE(Doc().DocumentPath, path);
        QVERIFY(!Doc().Untitled);

        QFile other(s->file(QStringLiteral("notes.txt")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        QVERIFY(!drop(other.fileName()));   // only data files are taken
    }

    void fileDialogsStartInTheLastFolderAndHomeTheFirstTime()
    {
        QCOMPARE(UiFileDialogs::startFolder(), QDir::homePath());
        const QString program = QCoreApplication::applicationDirPath();
        QVERIFY(UiFileDialogs::startFolder() != program);
        QCOMPARE(UiFileDialogs::startFolder(QStringLiteral("new.dat")), QDir::homePath());

        QDir(s->install->dir.parentDir()).mkdir(QStringLiteral("plans"));
        const QString plans = s->install->dir.parentDir() + QStringLiteral("/plans");
        RememberFolderOf(plans + QStringLiteral("/eu.dat"));
        QCOMPARE(UiFileDialogs::startFolder(), plans);
        QCOMPARE(UiFileDialogs::startFolder(QStringLiteral("new.dat")), plans);
        // Save As of a document with a folder starts next to it.
        QCOMPARE(UiFileDialogs::startFolder(s->file(QStringLiteral("x.dat"))), s->install->dir.parentDir());
        // A folder that is gone falls back to the home folder.
        QVERIFY(QDir(plans).removeRecursively());
        QCOMPARE(UiFileDialogs::startFolder(), QDir::homePath());
    }

    void theFileOnTheCommandLineOpensAtStart()
    {
        QProcess help;
        help.start(QStringLiteral(TARVEN_TEST_PROGRAM_DIR "/tarven"), {QStringLiteral("--help")});
        QVERIFY(help.waitForFinished(30000));
        QCOMPARE(help.exitCode(), 0);
        QVERIFY(help.readAllStandardOutput().contains("FILE.dat"));

        // What the program does with it once the main window shows.
        const QString path = saveAs(QStringLiteral("start.dat"));
        QVERIFY(s->newDocument(1));
        s->main->OpenDocumentFile(path);
        QCOMPARE(Doc().DocumentPath, path);
        QVERIFY(s->main->windowTitle().contains(QStringLiteral("start.dat")));
        QCOMPARE(RecentFiles().value(0), path);
    }
};

QTEST_MAIN(TestRecentFiles)
#include "tst_RecentFiles.moc"
