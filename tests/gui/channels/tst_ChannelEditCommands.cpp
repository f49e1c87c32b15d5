// The channel-edit commands of the main window on the real channel grid: the menu and
// toolbar group follow the grid's activation, copy and paste go through the clipboard,
// insert, delete and moves act within a HAM bank, and the CB band offers copy and
// paste only.
#include "../shell/ShellSession.h"

#include "ChannelCell.h"
#include "ChannelEditCommands.h"
#include "ChannelCsvFields.h"
#include "ChannelGroup.h"
#include "CsvTable.h"
#include "DocumentHistory.h"
#include "EditState.h"
#include "FreqCodec.h"
#include "GroupSettings.h"
#include "Models.h"
#include "Startup.h"
#include "RadioImage.h"
#include "UiChildWindows.h"
#include "UiStatusNote.h"
#include "UiWindowCatalog.h"
#include "frmCommChInfo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTableWidget>
#include <QToolBar>
#include <QtTest>

namespace {
const char *const kMovingCommands[] = {"MnuCHCut", "MnuCHInsert", "MnuCHDelete", "MnuCHMoveUp", "MnuCHMoveDown"};
}

class TestChannelEditCommands : public QObject {
    Q_OBJECT
    std::unique_ptr<ShellSession> shell;

    frmMain *main() const { return shell->main.get(); }
    frmCommChInfo *grid() const { return qobject_cast<frmCommChInfo *>(LoadedWindow(QStringLiteral("frmCommChInfo"))); }

    void startBand(int band)
    {
        // As a band change does it: the windows close and the new document reopens the grid.
        QVERIFY(SetCurrentBand(band));
        main()->LoadNewDoc();
        QVERIFY(!grid());
        QTRY_VERIFY(grid());
        QTRY_VERIFY(ChannelEditCommands::IsChannelGrid(MdiArea()->activeSubWindow()));
    }
    void trigger(const char *entry) { main()->menuEntry(QString::fromLatin1(entry))->trigger(); }
    // Selects grid rows (1-based positions) as Shift/Ctrl+click would.
    void select(const QList<int> &positions)
    {
        QTableWidget *t = grid()->grid();
        t->clearSelection();
        t->setCurrentCell(positions.first() - 1, 1, QItemSelectionModel::NoUpdate);
        for (int p : positions)
            t->setRangeSelected(QTableWidgetSelectionRange(p - 1, 0, p - 1, frmCommChInfo::GridEdit), true);
    }
    // Bank A of a new HAM document with channels at positions 1, 2 and 3.
    void hamBankWithThreeChannels()
    {
        startBand(2);
        QVERIFY(SetChannelCell(0, 2, ColFreq, QStringLiteral("28.5")) == CellChange::Added);
        QVERIFY(SetChannelCell(0, 3, ColFreq, QStringLiteral("29.0")) == CellChange::Added);
        SetChannelCell(0, 2, ColRdct, QStringLiteral("8"));
        SetChannelCell(0, 3, ColAmFm, QStringLiteral("1"));
    }
    QString freqAt(int number) const
    {
        const ChannelRecord *c = Image().channel(number);
        return c ? DigitsToFreqText(c->freqText()) : QString();
    }

private slots:
    void initTestCase() { RegisterAllWindows(); }
    void init()
    {
        shell = std::make_unique<ShellSession>();
        main()->show();
        QApplication::setActiveWindow(main());
        QVERIFY(QTest::qWaitForWindowActive(main()));
    }
    void cleanup() { shell.reset(); }

    void groupShowsOnlyWhileTheGridIsActive()
    {
        startBand(2);
        auto *bar = main()->findChild<QToolBar *>(QStringLiteral("tbToolBar"));
        QVERIFY(main()->menuEntry(QStringLiteral("MnuCHEdit"))->isVisible());
        QVERIFY(main()->menuEntry(QStringLiteral("MnuCHCopy"))->isVisible());
        for (int i = 10; i < 19; ++i)
            QVERIFY(bar->actions().at(i)->isVisible());
        QCOMPARE(grid()->grid()->contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY(grid()->grid()->actions().contains(main()->menuEntry(QStringLiteral("MnuCHPaste"))));

        ShowChild(QStringLiteral("FrmOptFeatures"));
        QTRY_VERIFY(!main()->menuEntry(QStringLiteral("MnuCHEdit"))->isVisible());
        QVERIFY(!main()->menuEntry(QStringLiteral("MnuCHDelete"))->isVisible());   // Del stays with the editor
        for (int i = 10; i < 19; ++i)
            QVERIFY(!bar->actions().at(i)->isVisible());
        ShowChild(QStringLiteral("frmCommChInfo"));
        QTRY_VERIFY(main()->menuEntry(QStringLiteral("MnuCHEdit"))->isVisible());
    }

    // The new File entries and the channel-edit menu have their texts in both languages;
    // with TARVEN_SCREENSHOT_DIR set, the main window and the two menus are drawn there.
    void menusInBothLanguages()
    {
        const QString dir = qEnvironmentVariable("TARVEN_SCREENSHOT_DIR");
        for (int language : {1, 2}) {
            SetLanguage(language);
            main()->Change_Language();
            startBand(2);
            for (const char *name : {"mnuFileExportChannels", "mnuFileImportChannels", "mnuFilePrint",
                                     "mnuFilePrintPreview", "mnuFileExportPdf", "MnuCHCut", "MnuCHMoveDown"}) {
                const QString text = main()->menuEntry(QString::fromLatin1(name))->text();
                QVERIFY2(!text.isEmpty() && text.contains(QLatin1Char('&')), name);
            }
            if (dir.isEmpty())
                continue;
            const QString suffix = language == 1 ? QStringLiteral("en") : QStringLiteral("zh");
            main()->resize(1100, 700);
            select({1});
            QVERIFY(main()->grab().save(dir + QStringLiteral("/channeledit_main_%1.png").arg(suffix)));
            for (const char *menu : {"mnuFile", "MnuCHEdit"}) {
                QMenu *m = main()->menu(QString::fromLatin1(menu));
                m->popup(main()->mapToGlobal(QPoint(20, 20)));
                QTRY_VERIFY(m->isVisible());
                QVERIFY(m->grab().save(dir + QStringLiteral("/channeledit_%1_%2.png").arg(QString::fromLatin1(menu), suffix)));
                m->hide();
            }
        }
        SetLanguage(1);
    }

    void cbBandOffersCopyAndPasteOnly()
    {
        startBand(0);
        for (const char *name : kMovingCommands)
            QVERIFY2(!main()->menuEntry(QString::fromLatin1(name))->isEnabled(), name);
        QVERIFY(!main()->toolButton(QStringLiteral("BtnCHInsert"))->isEnabled());
        QVERIFY(main()->menuEntry(QStringLiteral("MnuCHCopy"))->isEnabled());
        QVERIFY(main()->menuEntry(QStringLiteral("MnuCHPaste"))->isEnabled());

        // EU 1..3 copied onto PL 1..3 take the settings; the PL frequencies stay.
        Image().channel(2)->TSQ = 1;
        select({1, 2, 3});
        trigger("MnuCHCopy");
        Edit().CurrentGroup = 4;
        grid()->ChangeGroup();
        select({1});
        trigger("MnuCHPaste");
        QVERIFY2(shell->answers->messages.isEmpty(), qPrintable(shell->answers->messages.join('\n')));
        QCOMPARE(Image().channel(162)->TSQ, int16_t(1));
        QCOMPARE(freqAt(162), QStringLiteral("26.97000"));
        QVERIFY(Image().channel(1));   // Delete is not offered: nothing happens
        trigger("MnuCHDelete");
        QVERIFY(Image().channel(1));

        startBand(2);
        for (const char *name : kMovingCommands)
            QVERIFY2(main()->menuEntry(QString::fromLatin1(name))->isEnabled(), name);
    }

    void copiedRowsParseBackAndPasteIntoEmptyPositions()
    {
        hamBankWithThreeChannels();
        select({1, 2, 3});
        trigger("MnuCHCopy");
        const QString text = QGuiApplication::clipboard()->text();
        const CsvParse parsed = ReadCsvText(text);
        QCOMPARE(parsed.delimiter, QLatin1Char('\t'));
        QCOMPARE(parsed.records.size(), 4);
        QCOMPARE(parsed.records.at(0).fields, ChannelTableHeader());
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(parsed.records.at(n).fields, ChannelTableRow(*Image().channel(n), 2));

        // Into empty positions 10..12: the channels are created with every setting, by the
        // keys of the grid.
        QGuiApplication::clipboard()->clear();
        grid()->grid()->setFocus();
        QTest::keyClick(grid()->grid(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        select({10});
        QTest::keyClick(grid()->grid(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY2(shell->answers->messages.isEmpty(), qPrintable(shell->answers->messages.join('\n')));
        for (int n = 1; n <= 3; ++n) {
            ChannelRecord copy = *Image().channel(n + 9);
            copy.number = int16_t(n);
            QCOMPARE(copy, *Image().channel(n));
        }
        QCOMPARE(grid()->cellText(11, frmCommChInfo::GridFreq), QStringLiteral("28.50000"));
    }

    void oneInvalidRowRefusesThePaste()
    {
        hamBankWithThreeChannels();
        const QByteArray before = Image().toBytes();
        QGuiApplication::clipboard()->setText(QStringLiteral("28.1\tFM\n99.9\tAM\n28.2\tFM\n").prepend(QStringLiteral("Frequency\tMode\n")));
        select({20});
        trigger("MnuCHPaste");
        QCOMPARE(Image().toBytes(), before);
        QCOMPARE(shell->answers->messages.size(), 1);
        QVERIFY(shell->answers->messages.first().startsWith(LangText(30210)));
        QVERIFY(shell->answers->messages.first().contains(QStringLiteral("line 3: ")));
        // Rows without a header take the table's column order.
        shell->answers->messages.clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("7,A-7,28.3,AM\n"));
        select({20});
        trigger("MnuCHPaste");
        QVERIFY(shell->answers->messages.isEmpty());
        QCOMPARE(freqAt(20), QStringLiteral("28.30000"));
        QCOMPARE(Image().channel(20)->AM_FM, int16_t(1));
    }

    // Text that is no channel rows is not silently ignored; a paste that stores rows
    // says how many in the status bar.
    void pasteSaysWhatItDid()
    {
        hamBankWithThreeChannels();
        const QByteArray before = Image().toBytes();
        QGuiApplication::clipboard()->setText(QStringLiteral("Dear customer, your radio is ready.\nRegards"));
        select({5});
        trigger("MnuCHPaste");
        QCOMPARE(Image().toBytes(), before);
        QCOMPARE(shell->answers->messages.size(), 1);
        QVERIFY(shell->answers->messages.first().startsWith(LangText(30604)));
        QVERIFY(shell->answers->messages.first().contains(QStringLiteral("\"Dear customer, your radio is ready.\"")));

        shell->answers->messages.clear();
        select({1, 2});
        trigger("MnuCHCopy");
        select({5});
        trigger("MnuCHPaste");
        QVERIFY(shell->answers->messages.isEmpty());
        QCOMPARE(freqAt(6), QStringLiteral("28.50000"));
        QCOMPARE(CurrentStatusNote(), LangText(30606).arg(2));
    }

    void pasteIntoFreePositionsIgnoresTheRowsNumbers()
    {
        hamBankWithThreeChannels();
        // Rows numbered for another radio fill positions 4 and 5, the first free ones.
        QGuiApplication::clipboard()->setText(QStringLiteral("Location\tFrequency\tMode\n0\t28.6\tAM\n1\t28.7\tFM\n"));
        select({1});
        trigger("MnuCHPasteFree");
        QVERIFY2(shell->answers->messages.isEmpty(), qPrintable(shell->answers->messages.join('\n')));
        QCOMPARE(freqAt(1), QStringLiteral("28.85000"));
        QCOMPARE(freqAt(4), QStringLiteral("28.60000"));
        QCOMPARE(Image().channel(4)->AM_FM, int16_t(1));
        QCOMPARE(freqAt(5), QStringLiteral("28.70000"));
    }

    // Each channel-edit command is one undo step named after the command; undo brings the
    // image back byte for byte and the grid shows it, redo repeats the command.
    void channelCommandsAreUndoSteps()
    {
        hamBankWithThreeChannels();
        const QByteArray before = Image().toBytes();
        select({2});
        trigger("MnuCHInsert");
        const QByteArray after = Image().toBytes();
        QVERIFY(after != before);
        QVERIFY(History().undoDescription().contains(LangText(10804).remove(QLatin1Char('&'))));
        main()->findChild<QAction *>(QStringLiteral("mnuEditUndo"))->trigger();
        QCOMPARE(Image().toBytes(), before);
        QTRY_COMPARE(grid()->cellText(2, frmCommChInfo::GridFreq), QStringLiteral("28.50000"));
        main()->findChild<QAction *>(QStringLiteral("mnuEditRedo"))->trigger();
        QCOMPARE(Image().toBytes(), after);
    }

    // The current channel is the channel the radio shows on entering the bank: it moves
    // with its channel. Settings A and B are numbered settings and stay. Each change is
    // named in the status bar.
    void currentChannelFollowsItsChannelAndSettingsStay()
    {
        hamBankWithThreeChannels();
        OptionBlock &o = Image().header.options;
        StoreCurrentChannel(Image(), 0, 2, 1);
        o.groupValueA[0] = 0;
        o.groupValueB[0] = 5;
        const QString current = LangText(14050) + QStringLiteral(" A: ") + LangText(14052);

        select({1});
        trigger("MnuCHInsert");
        QCOMPARE(ShownCurrentPosition(Image(), 0, 2), 2);
        QCOMPARE(o.groupValueA[0], int16_t(0));
        QCOMPARE(o.groupValueB[0], int16_t(5));
        QCOMPARE(CurrentStatusNote(), LangText(30601).arg(LangText(14050) + QStringLiteral(" A"), LangText(14052)).arg(1).arg(2));

        select({2});
        trigger("MnuCHMoveDown");           // swaps with the channel at position 3
        QCOMPARE(ShownCurrentPosition(Image(), 0, 2), 3);
        QCOMPARE(freqAt(3), QStringLiteral("28.85000"));
        QVERIFY(CurrentStatusNote().startsWith(current + QStringLiteral(" 2 → 3")));
        select({2});
        trigger("MnuCHMoveUp");             // another channel moves: the current one stays
        QCOMPARE(ShownCurrentPosition(Image(), 0, 2), 3);
        QCOMPARE(o.groupValueA[0], int16_t(0));
        QCOMPARE(o.groupValueB[0], int16_t(5));

        // Deleting the current channel moves it to the bank's last channel, and says so.
        QVERIFY(SetChannelCell(1, 1, ColFreq, QStringLiteral("28.2")) == CellChange::Added);
        select({3});
        trigger("MnuCHDelete");
        QCOMPARE(ShownCurrentPosition(Image(), 0, 2), 4);
        QVERIFY(CurrentStatusNote().startsWith(current + QStringLiteral(" 3 → 4")));
        QCOMPARE(o.groupValueB[0], int16_t(5));
    }

    void insertDeleteAndMovesInAHamBank()
    {
        hamBankWithThreeChannels();
        const ChannelRecord second = *Image().channel(2);
        select({2});
        trigger("MnuCHInsert");
        QVERIFY(!Image().channel(2));
        QCOMPARE(freqAt(3), QStringLiteral("28.50000"));
        QCOMPARE(freqAt(4), QStringLiteral("29.00000"));
        QCOMPARE(Image().channel(3)->RDCT, second.RDCT);
        QCOMPARE(grid()->cellText(2, frmCommChInfo::GridFreq), QString());

        select({3});
        trigger("MnuCHMoveUp");          // into the empty position 2
        QCOMPARE(freqAt(2), QStringLiteral("28.50000"));
        QVERIFY(!Image().channel(3));
        select({2});
        trigger("MnuCHMoveUp");          // swaps with position 1
        QCOMPARE(freqAt(1), QStringLiteral("28.50000"));
        QCOMPARE(freqAt(2), QStringLiteral("28.85000"));
        QCOMPARE(grid()->grid()->currentRow(), 0);   // the selection follows the channel
        trigger("MnuCHMoveDown");
        QCOMPARE(freqAt(2), QStringLiteral("28.50000"));
        QCOMPARE(freqAt(1), QStringLiteral("28.85000"));

        // Delete within the rules: the bank's channels stay while no memory channel lies outside it.
        select({1, 2, 4});
        trigger("MnuCHDelete");
        QCOMPARE(shell->answers->messages, QStringList{LangText(30213)});
        QCOMPARE(ChannelsInGroup(Image(), 0, 2), 3);
        shell->answers->messages.clear();
        QVERIFY(SetChannelCell(1, 1, ColFreq, QStringLiteral("28.2")) == CellChange::Added);
        select({2, 4});
        trigger("MnuCHDelete");
        QVERIFY(shell->answers->messages.isEmpty());
        QCOMPARE(ChannelsInGroup(Image(), 0, 2), 1);
        QCOMPARE(grid()->cellText(4, frmCommChInfo::GridFreq), QString());

        // Insert is refused while the bank's last position holds a channel.
        shell->answers->messages.clear();
        QVERIFY(SetChannelCell(0, 40, ColFreq, QStringLiteral("28.1")) == CellChange::Added);
        const QByteArray before = Image().toBytes();
        select({1});
        trigger("MnuCHInsert");
        QCOMPARE(shell->answers->messages, QStringList{LangText(30211)});
        QCOMPARE(Image().toBytes(), before);

        // Cut copies, then deletes.
        select({40});
        trigger("MnuCHCut");
        QVERIFY(!Image().channel(40));
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("A-40\t40\t28.10000\t")));
    }
};

QTEST_MAIN(TestChannelEditCommands)
#include "tst_ChannelEditCommands.moc"
