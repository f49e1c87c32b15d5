// The radio history in the desktop program against the simulated radio: what a write
// will change (after a read, then from the history once the radio was seen), the
// receipt in the history window, the offer to restore after a cancelled write and the
// restore itself, and taking parts of an entry back into the document as one undo step.
// With TARVEN_SCREENSHOT_DIR set, pictures of the history window, the confirmation and a
// receipt in both languages (scripts/screenshots_history.sh).
#include "../shell/ShellSession.h"
#include "StandInWindow.h"
#include "WindowPictures.h"

#include "DocumentHistory.h"
#include "FrmProgress.h"
#include "FrmRadioHistory.h"
#include "FrmWriteChanges.h"
#include "HistoryWords.h"
#include "ImageDiff.h"
#include "PartRestore.h"
#include "HistoryCommands.h"
#include "LinkEngine.h"
#include "MemoryMap.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioHistory.h"
#include "RadioImage.h"
#include "SafetyCommands.h"
#include "TransferBackups.h"
#include "UiLinkFront.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {
constexpr int kOperationMs = 30000;
} // namespace

class TestHistoryCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellSession> shell;
    ScriptedPrompts *answers = nullptr;
    frmMain *main = nullptr;
    SimulatedRadio *radio = nullptr;
    HistoryCommands *history = nullptr;
    QStringList shownChanges;
    QString shownAgainst;

    void startSession(int language = 1, int band = 0)
    {
        shell = std::make_unique<ShellSession>();
        if (band != Run().BandMode) {
            // A band whose every channel a read brings back, so a restore can be checked
            // byte for byte.
            SetCurrentBand(band);
            BuildNewImage();
        }
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
        main->findChild<SafetyCommands *>()->setBackupFolder(folder());
        history = main->findChild<HistoryCommands *>();
        QVERIFY(history);
        history->setReadFirst(true);
        shownChanges.clear();
        history->confirmChanges = [this](const QStringList &changes, const QString &against) {
            shownChanges = changes;
            shownAgainst = against;
            return true;
        };
    }

    QString folder() const { return shell->install->dir.parentDir() + QStringLiteral("/backups"); }

    // The success messages of writes so far (a verified one says so after the usual text).
    int writesDone() const
    {
        return int(std::count_if(answers->messages.begin(), answers->messages.end(),
                                 [](const QString &m) { return m.startsWith(LangText(9010)); }));
    }

    void write()
    {
        const int before = writesDone();
        main->mnuWriteToRadio_Click();
        QTRY_VERIFY_WITH_TIMEOUT(writesDone() > before, kOperationMs);
        QTRY_VERIFY(!main->linkEngine()->isBusy());
    }

    int memoryReads() const
    {
        int n = 0;
        for (const QByteArray &c : radio->commands())
            n += c.startsWith('R') && uint8_t(c.at(1)) < 0x3E;
        return n;
    }

private slots:
    void initTestCase() { RegisterStandInWindow(QStringLiteral("frmCommChInfo")); }
    void cleanup() { shell.reset(); }

    void aWriteShowsWhatItChangesAndLeavesAReceipt()
    {
        startSession();
        QAction *readFirst = main->menu(QStringLiteral("mnuSet"))->findChild<QAction *>(QStringLiteral("mnuReadBeforeWrite"));
        QVERIFY(readFirst && readFirst->isChecked());
        QCOMPARE(readFirst->text(), LangText(30847));
        const RadioImage onRadio = Image();
        Image().header.options.TOT = 9;

        // The radio is unknown: it is read first, and the changes are against that read.
        write();
        QCOMPARE(shownAgainst, LangText(30845));
        QCOMPARE(shownChanges.size(), 1);
        QVERIFY2(shownChanges.first().startsWith(LangText(17000)), qPrintable(shownChanges.first()));
        QCOMPARE(radio->memory, ShellSession::packed(Image()));
        QVERIFY(!answers->questions.contains(LangText(9005)));
        // The read is a step of the write: the write's result is the only message.
        QCOMPARE(answers->messages.size(), 1);
        const QList<HistoryEntry> entries = RadioHistory::Entries(folder());
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0).kind, HistoryKind::Read);
        QCOMPARE(entries.at(1).kind, HistoryKind::VerifiedWrite);
        QCOMPARE(entries.at(1).serial, QStringLiteral("TV2-0001234"));
        QCOMPARE(entries.at(1).previous, entries.at(0).fileName());
        QCOMPARE(DifferenceLines(entries.at(1).changes), shownChanges);

        // Seen in this run: the next write compares with its verified write, without a read.
        const int reads = memoryReads();
        Image().header.options.Volume = 3;
        write();
        QCOMPARE(shownAgainst, LangText(30846).arg(HistoryWords::EntryTitle(entries.at(1))));
        QCOMPARE(shownChanges.size(), 1);
        QCOMPARE(memoryReads() - reads, 464);   // only the check after writing read the memory

        // Cancelled at the confirmation: nothing is sent.
        history->confirmChanges = [](const QStringList &, const QString &) { return false; };
        const int writes = radio->countOf('W');
        main->mnuWriteToRadio_Click();
        QTRY_VERIFY_WITH_TIMEOUT(!main->linkEngine()->isBusy() && radio->countOf('E') > 0, kOperationMs);
        QTest::qWait(300);
        QCOMPARE(radio->countOf('W'), writes);

        // The history window lists the radio and shows the receipt.
        history->showHistory();
        FrmRadioHistory *window = history->historyWindow();
        QVERIFY(window);
        QCOMPARE(window->radioTitles(), QStringList{HistoryWords::RadioTitle(QStringLiteral("TV2-0001234"))});
        QVERIFY(window->selectEntry(entries.at(1).fileName()));
        const QString receipt = window->detailsText();
        QVERIFY2(receipt.contains(LangText(30835)) && receipt.contains(shownChanges.isEmpty() ? QString() : entries.at(1).changes.first().text()),
                 qPrintable(receipt));
        Q_UNUSED(onRadio);
    }

    void aCancelledWriteOffersTheRestoreThatPutsTheRadioBack()
    {
        startSession(1, 1);
        const QByteArray original = radio->memory;
        const QByteArray document = Image().toBytes();
        Image().header.options.TOT = 9;
        for (int ch = 1; ch <= 20; ++ch) {
            if (ChannelRecord *c = Image().channel(ch))
                c->Tx_Power = c->Tx_Power ? 0 : 1;
        }
        const QByteArray edited = Image().toBytes();
        // Esc once the data frames of the write are going out.
        connect(radio, &SimulatedRadio::commandReceived, main, [this](const QByteArray &c) {
            if (c.startsWith('W') && radio->countOf('W') == 100)
                QTest::keyClick(main->linkFront()->progressWindow(), Qt::Key_Escape);
        });
        QString offered;
        bool canRestore = false;
        history->askAfterWrite = [&](const QString &text, bool restore) {
            offered = text;
            canRestore = restore;
            return HistoryCommands::AfterWrite::Restore;
        };
        main->mnuWriteToRadio_Click();
        QTRY_VERIFY_WITH_TIMEOUT(!offered.isEmpty(), kOperationMs);
        QVERIFY(canRestore);
        QVERIFY2(offered.startsWith(LangText(30112).section(QStringLiteral("%1"), 0, 0)), qPrintable(offered));
        QVERIFY(offered.contains(LangText(30851).section(QStringLiteral("%1"), 0, 0)));
        QTRY_VERIFY_WITH_TIMEOUT(writesDone() > 0, kOperationMs);
        QTRY_VERIFY(!main->linkEngine()->isBusy());
        QCOMPARE(radio->memory, original);            // byte for byte what it held
        QCOMPARE(Image().toBytes(), edited);          // the document is untouched
        QCOMPARE(RadioHistory::Entries(folder()).last().kind, HistoryKind::Restore);
        Q_UNUSED(document);
    }

    void partsOfAnEntryComeBackAsOneUndoStep()
    {
        startSession();
        answers->answers = {Answer::Ok};
        main->mnuReadFromRadio_Click();
        QTRY_VERIFY_WITH_TIMEOUT(answers->messages.contains(LangText(9009)), kOperationMs);
        QTRY_VERIFY(!main->linkEngine()->isBusy());
        QTest::qWait(700);   // ReadOKTimer
        const RadioImage read = Image();
        Image().header.options.TOT = 9;
        const int slot = Image().findChannel(2);
        QVERIFY(slot >= 0);
        Image().removeChannel(slot);
        Image().header.tips[0].LoopCount = 5;
        const RadioImage edited = Image();

        history->showHistory();
        FrmRadioHistory *window = history->historyWindow();
        QVERIFY(window->selectEntry(RadioHistory::Entries(folder()).first().fileName()));
        QStringList offered;
        window->chooseParts = [&](const QString &, const RadioImage &document, const RadioImage &entry) {
            for (const PartRestore::Part &p : PartRestore::PartsThatDiffer(document, entry))
                offered << p.id;
            return QStringList{QStringLiteral("options"), QStringLiteral("channel/2")};
        };
        window->restoreIntoDocument();
        QCOMPARE(offered, (QStringList{QStringLiteral("channel/2"), QStringLiteral("options"), QStringLiteral("tip/1")}));
        QCOMPARE(Image().header.options.TOT, read.header.options.TOT);
        QVERIFY(Image().channel(2));
        QCOMPARE(*Image().channel(2), *read.channel(2));
        QCOMPARE(Image().header.tips[0].LoopCount, int16_t(5));   // not chosen: stays
        QCOMPARE(History().undoDescription(), LangText(30857));
        QVERIFY(History().undo());
        QCOMPARE(Image().toBytes(), edited.toBytes());
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
        Image().header.options.TOT = 9;
        if (ChannelRecord *c = Image().channel(12))
            c->Tx_Power = c->Tx_Power ? 0 : 1;
        Image().header.tips[1].LoopCount = 4;
        write();

        FrmWriteChanges confirm(shownChanges, shownAgainst, main);
        confirm.show();
        windowpictures::checkNothingCut(&confirm);
        windowpictures::save(&confirm, QStringLiteral("write_changes_") + suffix);

        history->showHistory();
        FrmRadioHistory *window = history->historyWindow();
        QVERIFY(window->selectEntry(RadioHistory::Entries(folder()).last().fileName()));
        windowpictures::checkNothingCut(window);
        windowpictures::save(window, QStringLiteral("history_receipt_") + suffix);
        QVERIFY(window->selectEntry(RadioHistory::Entries(folder()).first().fileName()));
        windowpictures::save(window, QStringLiteral("history_read_") + suffix);
    }
};

QTEST_MAIN(TestHistoryCommands)
#include "tst_historycommands.moc"
