// The safety net in the desktop program against the simulated radio: the menu entries
// and their settings, Cancel and Esc in the progress window, the message of a failed
// check, comparing with the radio and with a file, and opening a backup. With
// TARVEN_SCREENSHOT_DIR set, pictures of the progress window, the check failure and the
// compare window in both languages (scripts/screenshots_safety.sh).
#include "../shell/ShellSession.h"
#include "StandInWindow.h"
#include "WindowPictures.h"

#include "BackupStore.h"
#include "DataFile.h"
#include "FrmCompare.h"
#include "FrmProgress.h"
#include "ImageCompare.h"
#include "ImageDiff.h"
#include "LinkEngine.h"
#include "MemoryMap.h"
#include "RadioImage.h"
#include "SafetyCommands.h"
#include "UiLinkFront.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>

#include <memory>

namespace {
constexpr int kOperationMs = 20000;
} // namespace

class TestSafetyCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellSession> shell;
    ScriptedPrompts *answers = nullptr;
    frmMain *main = nullptr;
    SimulatedRadio *radio = nullptr;
    SafetyCommands *safety = nullptr;

    void startSession(int language = 1)
    {
        shell = std::make_unique<ShellSession>();
        if (language != 1) {
            SetLanguage(language);
            Run().ShownLanguageId = language;
            shell->main->Change_Language();
        }
        answers = shell->answers.get();
        main = shell->main.get();
        QString error;
        QVERIFY2(shell->startRadio(&error), qPrintable(error));
        radio = shell->radio.get();
        safety = main->findChild<SafetyCommands *>();
        QVERIFY(safety);
        safety->setBackupFolder(shell->install->dir.parentDir() + QStringLiteral("/backups"));
    }

    // Runs `act` on the progress window once the radio has taken `after` commands.
    void onProgressAfter(int after, std::function<void(FrmProgress *)> act)
    {
        connect(radio, &SimulatedRadio::commandReceived, main, [this, after, act] {
            if (radio->commandsReceived() == after)
                act(main->linkFront()->progressWindow());
        });
    }

    void picture(QWidget *w, const QString &name)
    {
        windowpictures::checkNothingCut(w);
        windowpictures::save(w, name);
    }

private slots:
    void initTestCase()
    {
        RegisterStandInWindow(QStringLiteral("frmCommChInfo"));
    }
    void cleanup() { shell.reset(); }

    void entriesSitInTheirMenusAndKeepTheirSettings()
    {
        startSession();
        const QList<QPair<QString, QString>> entries = {
            {QStringLiteral("mnuFile"), QStringLiteral("mnuFileOpenBackup")},
            {QStringLiteral("mnuFile"), QStringLiteral("mnuFileCompare")},
            {QStringLiteral("mnuProgram"), QStringLiteral("mnuCompareRadio")},
            {QStringLiteral("mnuSet"), QStringLiteral("mnuBackupFolder")},
            {QStringLiteral("mnuSet"), QStringLiteral("mnuOpenBackupFolder")},
            {QStringLiteral("mnuSet"), QStringLiteral("mnuVerifyAfterWrite")}};
        for (const auto &[menu, name] : entries) {
            QAction *a = main->menu(menu)->findChild<QAction *>(name);
            QVERIFY2(a && main->menu(menu)->actions().contains(a), qPrintable(name));
            QCOMPARE(a->text(), LangText(a->property("captionId").toInt()));
        }
        // Verify after writing: on by default, kept in the user's settings.
        QAction *verify = main->menu(QStringLiteral("mnuSet"))->findChild<QAction *>(QStringLiteral("mnuVerifyAfterWrite"));
        QVERIFY(verify->isChecked());
        QVERIFY(main->linkEngine()->verifyAfterWrite());
        verify->trigger();
        QVERIFY(!main->linkEngine()->verifyAfterWrite());
        const QString folder = shell->install->dir.parentDir() + QStringLiteral("/elsewhere");
        safety->chooseFolder = [folder](const QString &) { return folder; };
        safety->chooseBackupFolder();
        QCOMPARE(safety->backupFolder(), folder);
        QSettings store(QStringLiteral("tarven"), QCoreApplication::applicationName());
        store.beginGroup(QStringLiteral("Settings"));
        QCOMPARE(store.value(QStringLiteral("VerifyAfterWrite")).toBool(), false);
        QCOMPARE(store.value(QStringLiteral("BackupFolder")).toString(), folder);
    }

    void cancelButtonEndsAReadAndLeavesTheDocument()
    {
        startSession();
        const QByteArray document = Image().toBytes();
        bool phaseShown = false;
        onProgressAfter(100, [&phaseShown](FrmProgress *progress) {
            QVERIFY(progress);
            auto *cancel = progress->findChild<QPushButton *>(QStringLiteral("CommandCancel"));
            QVERIFY(cancel && cancel->isEnabled());
            cancel->click();
            phaseShown = progress->findChild<QLabel *>(QStringLiteral("LabelPhase"))->text() == LangText(30110)
                && !cancel->isEnabled();
        });
        answers->answers = {Answer::Ok};
        main->mnuReadFromRadio_Click();
        QTRY_VERIFY_WITH_TIMEOUT(!main->linkEngine()->isBusy(), kOperationMs);
        QVERIFY(phaseShown);
        QVERIFY(!main->linkFront()->progressWindow());
        QCOMPARE(radio->commands().last(), QByteArray("END"));
        QCOMPARE(main->statusBar()->currentMessage(), LangText(30111));
        QTest::qWait(700);   // longer than ReadOKTimer: nothing replaces the document
        QCOMPARE(Image().toBytes(), document);
        QCOMPARE(answers->messages, QStringList());
    }

    void escapeEndsAWriteAndOffersToWriteAgain()
    {
        startSession();
        onProgressAfter(60, [](FrmProgress *progress) { QTest::keyClick(progress, Qt::Key_Escape); });
        answers->answers = {Answer::Ok, Answer::Yes};   // write; then write again
        main->mnuWriteToRadio_Click();
        QTRY_COMPARE_WITH_TIMEOUT(answers->questions.size(), 2, kOperationMs);
        const QString partial = answers->questions.at(1);
        QVERIFY2(partial.startsWith(LangText(30112).section(QStringLiteral("%1"), 0, 0)), qPrintable(partial));
        QVERIFY(partial.endsWith(LangText(30130)));
        // Write again: the whole image goes in and is checked.
        QTRY_VERIFY_WITH_TIMEOUT(answers->messages.contains(LangText(9010) + QLatin1Char('\n') + LangText(30600)), kOperationMs);
        QCOMPARE(radio->memory, ShellSession::packed(Image()));
        QVERIFY(radio->countOf('W') > 464);   // part of the first write, all of the second
    }

    void compareWithRadioShowsDifferencesAndKeepsTheDocument()
    {
        startSession();
        RadioImage inRadio = Image();
        inRadio.header.options.TOT = 9;
        radio->memory = ShellSession::packed(inRadio);
        const QByteArray document = Image().toBytes();
        main->menu(QStringLiteral("mnuProgram"))->findChild<QAction *>(QStringLiteral("mnuCompareRadio"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(safety->compareWindow(), kOperationMs);
        const QString text = safety->compareWindow()->text();
        QVERIFY2(text.startsWith(LangText(16000) + QStringLiteral(": ") + LangText(16004)), qPrintable(text));
        QCOMPARE(text.count(QLatin1Char('\n')), 0);
        QTest::qWait(700);
        QCOMPARE(Image().toBytes(), document);
        QVERIFY(answers->questions.isEmpty());
        QCOMPARE(BackupStore::Backups(safety->backupFolder()).size(), 1);   // a read keeps its backup too
    }

    void compareWithFileListsChangesThatCanBeCopied()
    {
        startSession();
        ScriptedFiles files;
        RadioImage other = Image();
        other.header.keys.KeyFunc[2] = 20;
        other.header.dtmf.codes[3].setDigits(QStringLiteral("123"));
        other.header.dtmf.codes[3].length = 3;
        const QString path = shell->install->dir.parentDir() + QStringLiteral("/other.dat");
        QVERIFY(WriteImageFile(path, other));
        files.openAnswers = {path};
        safety->compareWithFile();
        QVERIFY(safety->compareWindow());
        auto *copy = safety->compareWindow()->findChild<QPushButton *>(QStringLiteral("CommandCopy"));
        copy->click();
        const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(0).startsWith(LangText(25008) + QStringLiteral(" 1: P3")));
        QVERIFY(lines.at(1).startsWith(QStringLiteral("DTMF code 4")));

        // An edit that settles a difference: the window compares again and says so, in
        // the singular for one difference.
        FrmCompare *compare = safety->compareWindow();
        Image().header.keys.KeyFunc[2] = 20;
        QTRY_VERIFY(compare->heading().startsWith(LangText(30610)));
        QVERIFY(compare->heading().endsWith(LangText(30609).arg(LangText(30121), QStringLiteral("other.dat"))));
        QCOMPARE(compare->text().split(QLatin1Char('\n')).size(), 1);
        Image().header.dtmf.codes[3] = other.header.dtmf.codes[3];
        QTRY_VERIFY(compare->heading().endsWith(LangText(30118).arg(LangText(30121), QStringLiteral("other.dat"))));

        // An unreadable file gives the file error and no window.
        files.openAnswers = {shell->install->dir.parentDir() + QStringLiteral("/none.dat")};
        safety->compareWindow()->close();
        safety->compareWithFile();
        QCOMPARE(answers->messages.size(), 1);
        QVERIFY(answers->messages.first().startsWith(LangText(9002)));
    }

    void aBackupOpensAsANewDocument()
    {
        startSession();
        RadioImage inRadio = Image();
        inRadio.header.options.Volume = 7;
        radio->memory = ShellSession::packed(inRadio);
        answers->answers = {Answer::Ok};
        main->mnuReadFromRadio_Click();
        QTRY_VERIFY_WITH_TIMEOUT(answers->messages.contains(LangText(9009)), kOperationMs);
        const QStringList backups = BackupStore::Backups(safety->backupFolder());
        QCOMPARE(backups.size(), 1);
        QTRY_COMPARE(Image().header.options.Volume, int16_t(7));
        Image().header.options.Volume = 2;
        SaveToSavedCopy();   // nothing unsaved

        QString offeredFolder;
        safety->chooseBackupFile = [&](const QString &folder) {
            offeredFolder = folder;
            return backups.first();
        };
        main->menu(QStringLiteral("mnuFile"))->findChild<QAction *>(QStringLiteral("mnuFileOpenBackup"))->trigger();
        QCOMPARE(offeredFolder, safety->backupFolder());
        QCOMPARE(Image().header.options.Volume, int16_t(7));
        QVERIFY(Doc().Untitled);
        QCOMPARE(Doc().DocumentPath, QStringLiteral("new.dat"));
    }

    void pictures_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 1;
        QTest::newRow("Chinese") << 2;
    }
    void pictures()
    {
        QFETCH(int, language);
        startSession(language);
        const QString suffix = language == 1 ? QStringLiteral("en") : QStringLiteral("zh");

        // The progress window while the written data is read back.
        onProgressAfter(468 + 60, [this, suffix](FrmProgress *progress) {
            QCOMPARE(progress->findChild<QLabel *>(QStringLiteral("LabelPhase"))->text(), LangText(30109));
            picture(progress, QStringLiteral("progress_verify_") + suffix);
        });
        radio->flipStoredAddress = 0x00B0;
        answers->answers = {Answer::Ok};
        main->mnuWriteToRadio_Click();
        QTRY_COMPARE_WITH_TIMEOUT(answers->messages.size(), 1, kOperationMs);
        const QString failure = answers->messages.first();
        QVERIFY2(failure.startsWith(LangText(30115)), qPrintable(failure));
        QVERIFY(failure.contains(QStringLiteral("(EU 12)")));
        QMessageBox box(QMessageBox::Critical, LangText(12000), failure, QMessageBox::Ok, main);
        box.show();
        picture(&box, QStringLiteral("verify_failure_") + suffix);

        RadioImage other = Image();
        other.channel(12)->Tx_Power = other.channel(12)->Tx_Power == 2 ? 0 : 2;
        other.header.options.TOT = 9;
        other.header.tips[1].LoopCount = 4;
        other.removeChannel(other.findChannel(41));
        FrmCompare compare(LangText(30121), QStringLiteral("customer-0815.dat"),
                           DifferenceLines(CompareImages(Image(), other, LangText(30121), QStringLiteral("customer-0815.dat"))),
                           main);
        compare.show();
        picture(&compare, QStringLiteral("compare_") + suffix);
    }
};

QTEST_MAIN(TestSafetyCommands)
#include "tst_safetycommands.moc"
