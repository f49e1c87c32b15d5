// New, factory initialisation, open, save, save as and exit through the main window:
// the questions, their order, the file dialog, and what happens to the document.
#include "ShellTestKit.h"
#include "StandInWindow.h"

#include "DataFile.h"
#include "ImageCompare.h"
#include "LangText.h"
#include "RadioImage.h"
#include "UiChildWindows.h"
#include "frmMain.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QtTest>

#include <memory>

class TestDocumentLifecycle : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellInstall> install;
    std::unique_ptr<ScriptedPrompts> answers;
    std::unique_ptr<ScriptedFiles> files;
    std::unique_ptr<frmMain> main;
    QString savedDir;

    QString q(int id) const { return QStringLiteral("ask: ") + LangText(id); }
    // A change the user could make: the receive tone of the first channel.
    void modify() { Image().at(0).RDCT = kMarkTone; }
    static bool marked() { return Image().at(0).RDCT == kMarkTone; }
    static constexpr int16_t kMarkTone = 37;
    QString file(const QString &name) const { return install->dir.parentDir() + QLatin1Char('/') + name; }
    void waitForNewDocument()
    {
        QTRY_COMPARE(LoadedWindows(QStringLiteral("frmCommChInfo")).size(), 1);
    }

private slots:
    void initTestCase()
    {
        RegisterStandInWindow(QStringLiteral("frmCommChInfo"));
        savedDir = QDir::currentPath();
    }

    void init()
    {
        install = std::make_unique<ShellInstall>();
        answers = std::make_unique<ScriptedPrompts>();
        files = std::make_unique<ScriptedFiles>();
        main = std::make_unique<frmMain>();
        // "new.dat" in the current directory must never appear.
        QDir::setCurrent(install->dir.parentDir());
    }

    void cleanup()
    {
        QVERIFY(!QFile::exists(install->dir.parentDir() + QStringLiteral("/new.dat")));
        QDir::setCurrent(savedDir);
        main.reset();
        files.reset();
        answers.reset();
        install.reset();
    }

    void newOnCleanDocumentAsksOnlyTheNewQuestion()
    {
        answers->answers = {Answer::Ok};
        main->mnuFileNew_Click();
        QCOMPARE(answers->log, QStringList({q(9026)}));
        waitForNewDocument();
    }

    void newOnModifiedDocumentAsksBothEvenAfterCancel()
    {
        modify();
        answers->answers = {Answer::Cancel, Answer::Cancel};
        main->mnuFileNew_Click();
        QCOMPARE(answers->log, QStringList({q(9006), q(9026)}));
        QVERIFY(marked());   // cancelled: the document stays

        answers->log.clear();
        answers->answers = {Answer::No, Answer::Ok};
        main->mnuFileNew_Click();
        QCOMPARE(answers->log, QStringList({q(9006), q(9026)}));
        waitForNewDocument();
        QVERIFY(!marked());
        QVERIFY(!IsModified());
    }

    void yesForUntitledDocumentOpensSaveAs()
    {
        modify();
        const QString target = file(QStringLiteral("mine.dat"));
        answers->answers = {Answer::Yes, Answer::Ok};
        files->saveAnswers = {target};
        main->mnuFileNew_Click();
        QCOMPARE(files->log.size(), 1);
        QVERIFY(files->log.first().startsWith(QStringLiteral("save: ") + LangText(9001) + QStringLiteral(" (*.dat)")));
        QCOMPARE(QFileInfo(target).size(), 25611);
        QCOMPARE(answers->log, QStringList({q(9006), q(9026)}));
        waitForNewDocument();
    }

    void yesThenCancelledSaveAsKeepsTheDocument()
    {
        modify();
        answers->answers = {Answer::Yes};
        main->mnuFileNew_Click();   // the save dialog is cancelled
        QCOMPARE(answers->log, QStringList({q(9006)}));
        QVERIFY(marked());
        QCOMPARE(main->timer(QStringLiteral("NewDocTimer"))->isActive(), false);
    }

    void saveOnUntitledGoesStraightToTheDialog()
    {
        const QString target = file(QStringLiteral("first.dat"));
        files->saveAnswers = {target};
        main->mnuFileSave_Click();
        QVERIFY(answers->log.isEmpty());
        QCOMPARE(Doc().DocumentPath, target);
        QVERIFY(!Doc().Untitled);
        QVERIFY(main->windowTitle().contains(QStringLiteral(":first.dat]")));

        // Titled now: the confirmation names the file; Cancel writes nothing.
        modify();
        answers->answers = {Answer::Cancel};
        main->mnuFileSave_Click();
        QCOMPARE(answers->log, QStringList({QStringLiteral("ask: \"first.dat\"") + LangText(9007)}));
        QVERIFY(IsModified());
        answers->answers = {Answer::Ok};
        main->mnuFileSave_Click();
        QVERIFY(!IsModified());
        QCOMPARE(files->log.size(), 1);
    }

    void saveAsToUnwritablePlaceKeepsPathAndTitle()
    {
        files->saveAnswers = {file(QStringLiteral("no-such-dir/x.dat"))};
        main->mnuFileSaveAs_Click();
        QCOMPARE(answers->messages.size(), 1);   // 9002 and the reason
        QVERIFY(answers->messages.first().startsWith(LangText(9002)));
        QCOMPARE(Doc().DocumentPath, QStringLiteral("new.dat"));
        QVERIFY(Doc().Untitled);
        QVERIFY(main->windowTitle().contains(QStringLiteral(":new.dat]")));
    }

    void openLoadsFileAndFailedOpenKeepsDocument()
    {
        const QString good = file(QStringLiteral("good.dat"));
        modify();
        QVERIFY(WriteImageFile(good, Image()));
        main->tbToolBar_ButtonClick(QStringLiteral("NewFile"));
        waitForNewDocument();

        files->openAnswers = {good};
        main->mnuFileOpen_Click();
        QVERIFY(answers->log.isEmpty());
        QVERIFY(marked());
        QCOMPARE(Doc().DocumentPath, good);
        QVERIFY(!Doc().Untitled);
        QCOMPARE(LoadedWindows(QStringLiteral("frmCommChInfo")).size(), 1);
        QVERIFY(main->windowTitle().contains(QStringLiteral(":good.dat]")));

        // A broken file: message, and the document still belongs to good.dat.
        const QString bad = file(QStringLiteral("bad.dat"));
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("short");
        f.close();
        files->openAnswers = {bad};
        main->mnuFileOpen_Click();
        QCOMPARE(answers->messages.size(), 1);
        QCOMPARE(Doc().DocumentPath, good);
        QVERIFY(marked());
    }

    void openOnModifiedDocumentCancelStops()
    {
        modify();
        answers->answers = {Answer::Cancel};
        files->openAnswers = {file(QStringLiteral("never.dat"))};
        main->mnuFileOpen_Click();
        QCOMPARE(answers->log, QStringList({q(9006)}));
        QVERIFY(files->log.isEmpty());
    }

    void factoryInitRequestSurvivesCancelAndIsUsedOnce()
    {
        answers->answers = {Answer::Cancel};
        main->MnuInit_Click();
        QVERIFY(Doc().FactoryInitRequest);
        main->tbToolBar_ButtonClick(QStringLiteral("NewFile"));
        waitForNewDocument();
        QVERIFY(!Doc().FactoryInitRequest);
        // The factory image of the CB band holds the country plans; the ordinary one does not.
        RadioImage factory;
        QVERIFY(ReadFullFile(DefaultImagePath(true), factory));
        QCOMPARE(Image().header.channelCount, factory.header.channelCount);
    }

    void exitQuestions()
    {
        main->show();
        modify();
        // Cancel keeps the program.
        answers->answers = {Answer::Cancel};
        QVERIFY(!main->close());
        // Yes, then a cancelled save dialog: still open, nothing lost.
        answers->answers = {Answer::Yes};
        QVERIFY(!main->close());
        QCOMPARE(answers->log, QStringList({q(9006), q(9006)}));
        QCOMPARE(files->log.size(), 1);
        // Yes and a saved file: the program ends.
        const QString target = file(QStringLiteral("exit.dat"));
        answers->answers = {Answer::Yes};
        files->saveAnswers = {target};
        QVERIFY(main->close());
        QCOMPARE(QFileInfo(target).size(), 25611);
    }

    void exitOnTitledDocumentAsksSaveConfirmation()
    {
        const QString target = file(QStringLiteral("titled.dat"));
        files->saveAnswers = {target};
        main->mnuFileSaveAs_Click();
        modify();
        answers->answers = {Answer::Yes, Answer::Cancel};
        QVERIFY(!main->close());
        QCOMPARE(answers->log, QStringList({q(9006), QStringLiteral("ask: \"titled.dat\"") + LangText(9007)}));
        answers->answers = {Answer::No};
        QVERIFY(main->close());
    }

    void pendingEditsAreStoredBeforeSaving()
    {
        QWidget *grid = LoadedWindow(QStringLiteral("frmCommChInfo"));
        files->saveAnswers = {file(QStringLiteral("edits.dat"))};
        main->mnuFileSaveAs_Click();
        QCOMPARE(StandInValidations(grid), 1);
    }
};

QTEST_MAIN(TestDocumentLifecycle)
#include "tst_documentlifecycle.moc"
