// What the desktop program says while and after it works, in both languages: the status
// bar during a transfer and the message of a verified write, opening a file whose
// settings area is damaged (and a failed open that keeps the windows), a paste of text
// that is no channel rows, the export confirmation, the compare window after an edit and
// Radio Information. With TARVEN_SCREENSHOT_DIR set, each is drawn there as
// feedback_<what>_<en|zh>.png.
#include "ShellSession.h"
#include "ShowWatch.h"
#include "WindowPictures.h"

#include "ChannelEditCommands.h"
#include "DataFile.h"
#include "FrmCompare.h"
#include "FrmProgress.h"
#include "RadioImage.h"
#include "RadioInfo.h"
#include "SafetyCommands.h"
#include "UiChildWindows.h"
#include "UiLinkFront.h"
#include "UiWindowCatalog.h"
#include "frmCommChInfo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
constexpr int kOperationMs = 30000;
}

class TestDesktopFeedback : public QObject {
    Q_OBJECT
    std::unique_ptr<ShellSession> shell;
    QTemporaryDir tmp;
    QString suffix;

    frmMain *main() const { return shell->main.get(); }
    QLabel *statusPanel() const { return main()->findChild<QLabel *>(QStringLiteral("Panel1")); }

    void start()
    {
        QFETCH_GLOBAL(int, language);
        suffix = language == 1 ? QStringLiteral("en") : QStringLiteral("zh");
        shell = std::make_unique<ShellSession>();
        SetLanguage(language);
        main()->Form_Activate();   // as on activation: texts again, the grid reopened
        main()->resize(820, 560);
        main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(main()));
    }

    // A message as the program's message box shows it.
    void messagePicture(const QString &text, QMessageBox::Icon icon, const QString &name)
    {
        QMessageBox box(icon, LangText(12000), text, QMessageBox::Ok, main());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        windowpictures::save(&box, QStringLiteral("feedback_%1_%2").arg(name, suffix));
    }

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 1;
        QTest::newRow("Chinese") << 2;
    }
    void initTestCase() { RegisterAllWindows(); }
    void init() { start(); }
    void cleanup() { shell.reset(); }

    void transferStatusAndVerifiedWrite()
    {
        QString error;
        QVERIFY2(shell->startRadio(&error), qPrintable(error));
        QCOMPARE(statusPanel()->text(), LangText(12011));
        shell->answers->answers = {Answer::Ok};
        // While the transfer runs the status bar says what it does, as its window does:
        // looked at as the write moves its progress bar, since a fast radio's whole write
        // may come and go between two polls of the test.
        QStringList shownPhases;
        ShowWatch<FrmProgress> watch([&](FrmProgress *progress) {
            auto *bar = progress->findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
            auto *phase = progress->findChild<QLabel *>(QStringLiteral("LabelPhase"));
            connect(bar, &QProgressBar::valueChanged, progress, [&, bar, phase](int percent) {
                if (percent < 50 || !shownPhases.isEmpty())
                    return;
                shownPhases << statusPanel()->text() << phase->text();
                windowpictures::save(main(), QStringLiteral("feedback_transfer_status_") + suffix);
            });
        });
        main()->mnuWriteToRadio_Click();
        QTRY_VERIFY_WITH_TIMEOUT(!shell->answers->messages.isEmpty(), kOperationMs);
        QCOMPARE(shownPhases, (QStringList{LangText(30108), LangText(30108)}));   // writing, in both places
        QCOMPARE(statusPanel()->text(), LangText(12011));
        QCOMPARE(shell->answers->messages.first(), LangText(9010) + QLatin1Char('\n') + LangText(30600));
        messagePicture(shell->answers->messages.first(), QMessageBox::Information, QStringLiteral("verified_write"));
    }

    // A settings area of random bytes opens with the open-time warning only; a file that
    // cannot be opened leaves the document and its windows as they were.
    void damagedSettingsAreaAndFailedOpen()
    {
        QByteArray bytes = Image().toBytes();
        QRandomGenerator random(18);
        for (int i = 0x10; i < 0x420; ++i)
            bytes[i] = char(random.bounded(256));
        const QString damaged = tmp.filePath(QStringLiteral("damaged.dat"));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        // Any dialog that opens during the open is noted and closed.
        QStringList dialogs;
        QTimer watch;
        watch.setInterval(10);
        connect(&watch, &QTimer::timeout, this, [&dialogs] {
            if (auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                dialogs << dlg->objectName() + QLatin1Char(':') + dlg->windowTitle();
                dlg->reject();
            }
        });
        watch.start();
        main()->OpenDocumentFile(damaged);
        QTest::qWait(50);
        watch.stop();
        QVERIFY2(dialogs.isEmpty(), qPrintable(dialogs.join(QLatin1Char(' '))));
        QCOMPARE(Doc().DocumentPath, damaged);
        QCOMPARE(shell->answers->messages.size(), 1);
        QVERIFY(shell->answers->messages.first().startsWith(LangText(30016)));
        QVERIFY(LoadedWindow(QStringLiteral("frmCommChInfo")));
        messagePicture(shell->answers->messages.first(), QMessageBox::Warning, QStringLiteral("damaged_open"));
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w != main())
                QVERIFY2(false, qPrintable(QStringLiteral("unexpected window ") + w->objectName()));
        }

        // A truncated file: the message, and every window stays open.
        ShowChild(QStringLiteral("FrmOptFeatures"));
        const int open = int(main()->mdiArea()->subWindowList().size());
        const QString cut = tmp.filePath(QStringLiteral("cut.dat"));
        QFile cutFile(cut);
        QVERIFY(cutFile.open(QIODevice::WriteOnly));
        cutFile.write(bytes.left(5000));
        cutFile.close();
        const RadioImage before = Image();
        shell->answers->messages.clear();
        shell->answers->answers = {Answer::No};   // the options window's corrections are not saved
        main()->OpenDocumentFile(cut);
        QCOMPARE(shell->answers->messages.size(), 1);
        QVERIFY2(shell->answers->messages.first().startsWith(LangText(9002)), qPrintable(shell->answers->messages.first()));
        QCOMPARE(int(main()->mdiArea()->subWindowList().size()), open);
        QVERIFY(LoadedWindow(QStringLiteral("FrmOptFeatures")));
        QVERIFY(Image() == before);
        QCOMPARE(Doc().DocumentPath, damaged);
    }

    void pasteOfTextAndExportConfirmation()
    {
        auto *grid = qobject_cast<frmCommChInfo *>(LoadedWindow(QStringLiteral("frmCommChInfo")));
        QVERIFY(grid);
        QGuiApplication::clipboard()->setText(QStringLiteral("Please call the workshop on Monday."));
        grid->grid()->setCurrentCell(4, 1);
        main()->menuEntry(QStringLiteral("MnuCHPaste"))->trigger();
        QCOMPARE(shell->answers->messages.size(), 1);
        QVERIFY(shell->answers->messages.first().startsWith(LangText(30604)));
        messagePicture(shell->answers->messages.first(), QMessageBox::Warning, QStringLiteral("paste_text"));

        ScriptedFiles files;
        const QString csv = tmp.filePath(QStringLiteral("channels-%1.csv").arg(suffix));
        files.saveAnswers << csv;
        main()->menuEntry(QStringLiteral("mnuFileExportChannels"))->trigger();
        QCOMPARE(shell->answers->messages.last(), LangText(30607).arg(csv));
        messagePicture(shell->answers->messages.last(), QMessageBox::Information, QStringLiteral("export"));
    }

    void compareWindowFollowsEdits()
    {
        RadioImage other = Image();
        other.header.options.TOT = 9;
        other.header.keys.KeyFunc[2] = 20;
        const QString path = tmp.filePath(QStringLiteral("customer.dat"));
        QVERIFY(WriteImageFile(path, other));
        ScriptedFiles files;
        files.openAnswers << path;
        auto *safety = main()->findChild<SafetyCommands *>();
        safety->compareWithFile();
        FrmCompare *compare = safety->compareWindow();
        QVERIFY(compare);
        QVERIFY(compare->heading().startsWith(LangText(30120).arg(2).arg(LangText(30121), QStringLiteral("customer.dat"))));
        Image().header.options.TOT = 9;
        QTRY_VERIFY(compare->heading().startsWith(LangText(30610)));
        windowpictures::checkNothingCut(compare);
        windowpictures::save(compare, QStringLiteral("feedback_compare_updated_") + suffix);
    }

    void radioInformationIsReadOnly()
    {
        QByteArray area(256, char(0xFF));
        area.replace(0x30, 8, QByteArray("TV240117"));
        area.replace(0x40, 10, QByteArray("2024-01-17"));
        area.replace(0x60, 20, QByteArray("Replaced the PTT key"));
        area.replace(0xC0, 6, QByteArray("DL-042"));
        area[0] = 0;
        DecodeRadioInfo(area);
        QWidget *info = ShowChild(QStringLiteral("FrmRadioInfo"));
        QVERIFY(info);
        info->parentWidget()->resize(info->parentWidget()->sizeHint());
        windowpictures::checkNothingCut(info);
        windowpictures::save(info, QStringLiteral("feedback_radioinfo_") + suffix);
    }
};

QTEST_MAIN(TestDesktopFeedback)
#include "tst_desktopfeedback.moc"
