// Read, write and radio information through the main window against the simulated
// radio on a pseudo-terminal: questions, progress window, messages, image and title.
#include "ShellSession.h"
#include "ShowWatch.h"
#include "StandInWindow.h"

#include "DemoRadio.h"
#include "FrmProgress.h"
#include "DocumentHistory.h"
#include "ImageCompare.h"
#include "LangText.h"
#include "LinkState.h"
#include "MemoryMap.h"
#include "NewImage.h"
#include "PortList.h"
#include "RadioImage.h"
#include "SimulatedRadio.h"
#include "UiChildWindows.h"
#include "UiLinkFront.h"
#include "FrmRadioInfo.h"
#include "frmMain.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {
constexpr int kOperationMs = 20000;
}

class TestRadioCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellSession> shell;
    ScriptedPrompts *answers = nullptr;
    frmMain *main = nullptr;
    SimulatedRadio *radio = nullptr;

    static QString msg(int id) { return ShellSession::msg(id); }

private slots:
    void initTestCase()
    {
        RegisterStandInWindow(QStringLiteral("frmCommChInfo"));
        RegisterStandInWindow(QStringLiteral("FrmOptFeatures"));
        RegisterWindowFactory(QStringLiteral("FrmRadioInfo"), [] { return new FrmRadioInfo; });
    }

    void init()
    {
        shell = std::make_unique<ShellSession>();
        answers = shell->answers.get();
        main = shell->main.get();
        // The demonstration radio holds this program's new image.
        QString error;
        QVERIFY2(shell->startRadio(&error), qPrintable(error));
        radio = shell->radio.get();
    }

    void cleanup() { shell.reset(); }

    void readBecomesUntitledNewDocument()
    {
        // The radio holds a setting the program's document lacks.
        RadioImage inRadio = Image();
        inRadio.channel(1)->RDCT = 37;
        QByteArray memory(kTransferBytes, '\0');
        PackImageInto(inRadio, memory);
        radio->memory = memory;
        Doc().DocumentPath = QStringLiteral("/somewhere/old.dat");
        Doc().Untitled = false;
        ShowChild(QStringLiteral("FrmOptFeatures"));
        QWidget *grid = LoadedWindow(QStringLiteral("frmCommChInfo"));

        answers->answers = {Answer::Ok};
        main->mnuReadFromRadio_Click();
        QCOMPARE(StandInValidations(grid), 1);
        QCOMPARE(answers->log.value(0), QStringLiteral("ask: ") + LangText(9004));
        FrmProgress *progress = main->linkFront()->progressWindow();
        QVERIFY(progress);
        QCOMPARE(progress->windowTitle(), LangText(9027));
        QVERIFY(progress->isModal() || progress->windowModality() != Qt::NonModal);

        QTRY_VERIFY_WITH_TIMEOUT(answers->log.contains(msg(9009)), kOperationMs);
        QVERIFY(!main->linkFront()->progressWindow());
        QCOMPARE(main->mdiArea()->subWindowList().size(), 0);   // all closed until the timer
        QTRY_COMPARE(LoadedWindows(QStringLiteral("frmCommChInfo")).size(), 1);
        QCOMPARE(main->mdiArea()->subWindowList().size(), 1);

        QCOMPARE(Image().channel(1)->RDCT, int16_t(37));
        const auto memoryChannels = [](const RadioImage &img) {
            QList<int> numbers;
            for (int slot = 0; slot < img.count(); ++slot) {
                if (img.at(slot).number <= 400)
                    numbers << img.at(slot).number;
            }
            std::sort(numbers.begin(), numbers.end());
            return numbers;
        };
        QCOMPARE(memoryChannels(Image()), memoryChannels(inRadio));
        QCOMPARE(Doc().DocumentPath, QStringLiteral("new.dat"));
        QVERIFY(Doc().Untitled);
        QVERIFY(main->windowTitle().endsWith(QStringLiteral(":new.dat]")));
        QCOMPARE(answers->messages, QStringList({LangText(9009)}));
    }

    void readCancelledSendsNothing()
    {
        answers->answers = {Answer::Cancel};
        main->mnuReadFromRadio_Click();
        QVERIFY(!main->linkFront()->progressWindow());
        QTest::qWait(50);
        QCOMPARE(radio->commandsReceived(), 0);
        QCOMPARE(Link().LinkOperation, int(LinkIdle));
    }

    // A read replaces the document: unsaved edits are settled first, as Open does.
    void readOnModifiedDocumentAsksToSaveFirst()
    {
        Image().channel(1)->RDCT = 37;
        QVERIFY(IsModified());
        const RadioImage edited = Image();

        // Cancel: nothing is sent, the edits stay.
        answers->answers = {Answer::Cancel};
        main->mnuReadFromRadio_Click();
        QCOMPARE(answers->log, QStringList({QStringLiteral("ask: ") + LangText(9006)}));
        QTest::qWait(50);
        QCOMPARE(radio->commandsReceived(), 0);
        QVERIFY(!main->linkFront()->progressWindow());
        QVERIFY(Image() == edited);

        // Yes on a titled document saves it, then the read asks its own question.
        QTemporaryDir dir;
        Doc().DocumentPath = dir.filePath(QStringLiteral("mine.dat"));
        Doc().Untitled = false;
        answers->log.clear();
        answers->answers = {Answer::Yes, Answer::Cancel};
        main->mnuReadFromRadio_Click();
        QCOMPARE(answers->log, QStringList({QStringLiteral("ask: ") + LangText(9006), QStringLiteral("ask: ") + LangText(9004)}));
        QVERIFY(QFileInfo(Doc().DocumentPath).size() == 25611);
        QVERIFY(!IsModified());

        // No: the read goes ahead without saving.
        Image().channel(1)->RDCT = 38;
        answers->log.clear();
        answers->answers = {Answer::No, Answer::Ok};
        main->mnuReadFromRadio_Click();
        QCOMPARE(answers->log.value(0), QStringLiteral("ask: ") + LangText(9006));
        QCOMPARE(answers->log.value(1), QStringLiteral("ask: ") + LangText(9004));
        QTRY_VERIFY_WITH_TIMEOUT(answers->log.contains(msg(9009)), kOperationMs);
    }

    void writeStoresEditsAndSendsTheImage()
    {
        Image().channel(1)->RDCT = 37;
        ShowChild(QStringLiteral("FrmOptFeatures"));
        QWidget *grid = LoadedWindow(QStringLiteral("frmCommChInfo"));
        QWidget *options = LoadedWindow(QStringLiteral("FrmOptFeatures"));
        answers->answers = {Answer::Ok};
        // The radio is asked who it is before the write starts, in a later event: a fast
        // radio's whole write may come and go between two polls of the test.
        QStringList progressTitles;
        ShowWatch<FrmProgress> watch([&](FrmProgress *p) { progressTitles << p->windowTitle(); });
        main->mnuWriteToRadio_Click();
        QCOMPARE(StandInValidations(grid), 1);
        QCOMPARE(StandInValidations(options), 1);
        QVERIFY(answers->log.isEmpty());   // the question waits for WaitSaveDataTimer
        QTRY_VERIFY_WITH_TIMEOUT(answers->log.contains(ShellSession::verifiedWriteMsg()), kOperationMs);
        QCOMPARE(progressTitles, QStringList{LangText(9028)});
        QCOMPARE(answers->log.first(), QStringLiteral("ask: ") + LangText(9005));

        QByteArray expected(kTransferBytes, '\0');
        RadioImage img = Image();
        PackImageInto(img, expected);
        QCOMPARE(radio->memory, expected);
        QCOMPARE(main->mdiArea()->subWindowList().size(), 2);   // a write closes nothing
    }

    void radioInformationOpensItsWindow()
    {
        main->TreeView1_NodeClick(QStringLiteral("N7"));
        QTRY_COMPARE_WITH_TIMEOUT(LoadedWindows(QStringLiteral("FrmRadioInfo")).size(), 1, kOperationMs);
        QWidget *info = LoadedWindow(QStringLiteral("FrmRadioInfo"));
        QVERIFY(!info->findChild<QLineEdit *>(QStringLiteral("Text1(1)"))->text().isEmpty());
        QVERIFY(answers->log.isEmpty());

        // What the radio told is shown, not offered for typing or choosing: the fields
        // have the window's background, typing changes nothing, the lists do not open.
        for (QLineEdit *field : info->findChildren<QLineEdit *>()) {
            if (qobject_cast<QComboBox *>(field->parentWidget()))
                continue;
            const QString shown = field->text();
            QTest::keyClicks(field, QStringLiteral("X1"));
            QCOMPARE(field->text(), shown);
            QCOMPARE(field->palette().color(QPalette::Base), field->palette().color(QPalette::Window));
        }
        const QList<QComboBox *> lists = info->findChildren<QComboBox *>();
        QVERIFY(!lists.isEmpty());
        for (QComboBox *list : lists) {
            QCOMPARE(list->focusPolicy(), Qt::NoFocus);
            QVERIFY(list->testAttribute(Qt::WA_TransparentForMouseEvents));
        }

        // Asking again replaces the window rather than adding a second one.
        main->MnuLocalInfo_Click();
        QCOMPARE(LoadedWindows(QStringLiteral("FrmRadioInfo")).size(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(LoadedWindows(QStringLiteral("FrmRadioInfo")).size(), 1, kOperationMs);

        // Its Close button closes the frame with it, as the frame's close box does.
        const int frames = main->mdiArea()->subWindowList().size();
        info = LoadedWindow(QStringLiteral("FrmRadioInfo"));
        QTest::mouseClick(info->findChild<QPushButton *>(QStringLiteral("CommandClose")), Qt::LeftButton);
        QTRY_COMPARE(main->mdiArea()->subWindowList().size(), frames - 1);
        QCOMPARE(LoadedWindows(QStringLiteral("FrmRadioInfo")).size(), 0);
    }

    // A radio command while another runs says what is running instead of doing nothing.
    void commandWhileAnotherRunsSaysWhatRuns()
    {
        main->MnuLocalInfo_Click();
        main->mnuReadFromRadio_Click();
        QTRY_COMPARE_WITH_TIMEOUT(LoadedWindows(QStringLiteral("FrmRadioInfo")).size(), 1, kOperationMs);
        QVERIFY2(answers->messages.size() == 1 && answers->messages.first().startsWith(LangText(30005)),
                 qPrintable(answers->log.join(QLatin1Char('\n'))));
    }

    void passwordProtectedRadioAsksThroughTheDialog()
    {
        radio->setPassword(QStringLiteral("K9"));
        answers->answers = {Answer::Ok};
        OnNextModal([](QDialog *dlg) {
            QCOMPARE(dlg->objectName(), QStringLiteral("FrmPassWord"));
            dlg->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("K9"));
            dlg->accept();
        }, QStringLiteral("FrmPassWord"));
        main->mnuReadFromRadio_Click();
        QTRY_VERIFY_WITH_TIMEOUT(answers->log.contains(msg(9009)), kOperationMs);
        QCOMPARE(Link().ProgPassword, QStringLiteral("K9"));
    }

    void missingDeviceReportsAndStaysIdle()
    {
        PinRunDevice(shell->install->dir.parentDir() + QStringLiteral("/no-such-tty"));
        main->mnuReadFromRadio_Click();
        QCOMPARE(answers->messages.size(), 1);
        QVERIFY(answers->messages.first().startsWith(LangText(9003)));
        QCOMPARE(Link().LinkOperation, int(LinkIdle));
        QVERIFY(!main->linkFront()->progressWindow());
    }
};

QTEST_MAIN(TestRadioCommands)
#include "tst_radiocommands.moc"
