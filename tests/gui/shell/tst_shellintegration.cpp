// The main window with the real editing windows (no stand-ins): what opens from the menu
// and the tree, a read and a write through the menu against the simulated radio, a
// language switch, and the editors keeping each other in step inside the frame.
#include "ShellSession.h"

#include "DemoRadio.h"
#include "EditState.h"
#include "FrmCHInfoEdit.h"
#include "FrmDTMF.h"
#include "FrmKey.h"
#include "FrmOptFeatures.h"
#include "FrmToneTips.h"
#include "LangText.h"
#include "LinkState.h"
#include "MemoryMap.h"
#include "Models.h"
#include "PortList.h"
#include "RadioImage.h"
#include "SimulatedRadio.h"
#include "UiChildWindows.h"
#include "UiWindowCatalog.h"
#include "frmCommChInfo.h"
#include "frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {
constexpr int kOperationMs = 20000;

QStringList entriesOf(const QComboBox *c)
{
    QStringList texts;
    for (int i = 0; i < c->count(); ++i)
        texts << c->itemText(i);
    return texts;
}
}

class TestShellIntegration : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellSession> shell;
    ScriptedPrompts *answers = nullptr;
    frmMain *main = nullptr;
    SimulatedRadio *radio = nullptr;

    static QString msg(int id) { return ShellSession::msg(id); }
    frmCommChInfo *grid() const { return qobject_cast<frmCommChInfo *>(LoadedWindow(QStringLiteral("frmCommChInfo"))); }

    // A new document of the band in the main window, and a radio of the same band.
    void startBand(int band)
    {
        QVERIFY(SetCurrentBand(band));
        main->LoadNewDoc2();
        QString error;
        QVERIFY2(shell->startRadio(&error), qPrintable(error));
        radio = shell->radio.get();
    }

private slots:
    void initTestCase() { RegisterAllWindows(); }

    void init()
    {
        shell = std::make_unique<ShellSession>();
        answers = shell->answers.get();
        main = shell->main.get();
        main->resize(1100, 800);
        main->show();
    }

    void cleanup() { shell.reset(); }

    void everyEntryOpensItsRealWindow()
    {
        QVERIFY(grid());
        QVERIFY(Edit().ChGridOpen);
        QVERIFY(grid()->grid()->rowCount() > 1);
        QCOMPARE(grid()->cellText(1, frmCommChInfo::GridFreq), QStringLiteral("26.96500"));

        main->CloseCurAllWindows();
        main->TreeView1_NodeClick(QStringLiteral("N1"));
        main->TreeView1_NodeClick(QStringLiteral("N2"));
        main->TreeView1_NodeClick(QStringLiteral("N4"));
        main->TreeView1_NodeClick(QStringLiteral("N12"));
        main->TreeView1_NodeClick(QStringLiteral("N8"));
        QVERIFY(grid());
        QVERIFY(qobject_cast<FrmOptFeatures *>(LoadedWindow(QStringLiteral("FrmOptFeatures"))));
        QVERIFY(qobject_cast<FrmDTMF *>(LoadedWindow(QStringLiteral("FrmDTMF"))));
        QVERIFY(qobject_cast<FrmToneTips *>(LoadedWindow(QStringLiteral("FrmToneTips"))));
        QVERIFY(qobject_cast<FrmKey *>(LoadedWindow(QStringLiteral("FrmKey"))));
        QCOMPARE(main->mdiArea()->subWindowList().size(), 5);

        // The menu entries bring the same windows forward rather than opening copies.
        for (const char *entry : {"mnuChannelInfo", "mnuOptFeature", "mnuToneTips", "MnuDTMF", "MnuKey"})
            main->menuEntry(QString::fromLatin1(entry))->trigger();
        QCOMPARE(main->mdiArea()->subWindowList().size(), 5);

        // The grid's button opens the channel edit dialog on the grid's channel.
        grid()->findChild<QPushButton *>(QStringLiteral("CommandCHInfoEdit"))->click();
        auto *edit = qobject_cast<FrmCHInfoEdit *>(LoadedWindow(QStringLiteral("FrmCHInfoEdit")));
        QVERIFY(edit);
        QVERIFY(Edit().ChEditOpen);
    }

    void readThroughTheMenuShowsTheRadiosChannels()
    {
        startBand(0);
        RadioImage inRadio = Image();
        inRadio.channel(1)->setFreqText(QStringLiteral("02697500"));
        inRadio.channel(2)->Scan = 1 - inRadio.channel(2)->Scan;
        QByteArray memory(kTransferBytes, '\0');
        PackImageInto(inRadio, memory);
        radio->memory = memory;
        const QString scanBefore = grid()->cellText(2, frmCommChInfo::GridScan);

        answers->answers = {Answer::Ok};
        main->menuEntry(QStringLiteral("mnuReadFromRadio"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(answers->log.contains(msg(9009)), kOperationMs);
        QTRY_VERIFY(grid());
        QCOMPARE(grid()->cellText(1, frmCommChInfo::GridFreq), QStringLiteral("26.97500"));
        QVERIFY(grid()->cellText(2, frmCommChInfo::GridScan) != scanBefore);
        QVERIFY(main->windowTitle().endsWith(QStringLiteral(":new.dat]")));
        QCOMPARE(answers->messages, QStringList({LangText(9009)}));
    }

    void writeSendsTextStillBeingTyped()
    {
        startBand(1);
        // A frequency typed into an empty HF row and a maximum SWR typed into the options,
        // neither confirmed when the write starts.
        main->mnuOptFeature_Click();
        main->mnuChannelInfo_Click();
        frmCommChInfo *g = grid();
        QVERIFY(g);
        QVERIFY(!Image().channel(5));
        g->grid()->setCurrentCell(4, frmCommChInfo::GridFreq);
        g->EnterGridEdit();
        auto *typed = g->findChild<QLineEdit *>(QStringLiteral("Text1"));
        QVERIFY(typed && typed->isVisible());
        QTest::keyClicks(typed, QStringLiteral("28.5"));
        QVERIFY(!Image().channel(5));

        answers->answers = {Answer::Ok};
        main->toolButton(QStringLiteral("WriteRadio"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(answers->log.contains(ShellSession::verifiedWriteMsg()), kOperationMs);
        QVERIFY(Image().channel(5));
        QCOMPARE(Image().channel(5)->freqText(), QStringLiteral("02850000"));
        QByteArray expected(kTransferBytes, '\0');
        RadioImage img = Image();
        PackImageInto(img, expected);
        QCOMPARE(radio->memory, expected);

        // Leaving without saving now asks about the unsaved change.
        answers->answers = {Answer::Cancel};
        QVERIFY(!main->close());
        QCOMPARE(answers->log.last(), QStringLiteral("ask: ") + LangText(9006));
    }

    void languageSwitchReopensTheGridInTheNewLanguage()
    {
        main->mnuToneTips_Click();
        main->MnuKey_Click();
        QCOMPARE(main->mdiArea()->subWindowList().size(), 3);
        const QString englishCaption = grid()->windowTitle();

        SetLanguage(2);
        main->Form_Activate();
        QCOMPARE(main->mdiArea()->subWindowList().size(), 1);
        QVERIFY(grid());
        QVERIFY(grid()->windowTitle() != englishCaption);
        QVERIFY(grid()->windowTitle().startsWith(LangText(14050)));
        QCOMPARE(grid()->grid()->horizontalHeaderItem(frmCommChInfo::GridFreq)->text(), LangText(14002));
    }

    void clearedDtmfCodeLeavesTheOpenChannelDialog()
    {
        RadioImage &img = Image();
        ChannelRecord *first = img.channel(1);
        QVERIFY(first);
        first->DTMF_BOT = 3;
        img.header.dtmf.codes[2].length = 2;
        img.header.dtmf.codes[2].setDigits(QStringLiteral("12"));

        grid()->findChild<QPushButton *>(QStringLiteral("CommandCHInfoEdit"))->click();
        auto *edit = qobject_cast<FrmCHInfoEdit *>(LoadedWindow(QStringLiteral("FrmCHInfoEdit")));
        QVERIFY(edit);
        QComboBox *bot = edit->option(FrmCHInfoEdit::OptDtmfBot);
        QCOMPARE(bot->currentText(), QStringLiteral("3"));

        main->MnuDTMF_Click();
        auto *dtmf = LoadedWindow(QStringLiteral("FrmDTMF"));
        auto *code = dtmf->findChild<QLineEdit *>(QStringLiteral("Text2(2)"));   // code memory 3
        QVERIFY(code);
        code->clear();
        QCOMPARE(first->DTMF_BOT, int16_t(0));
        QCOMPARE(bot->currentIndex(), 0);
        QVERIFY(!entriesOf(bot).contains(QStringLiteral("3")));
    }
};

QTEST_MAIN(TestShellIntegration)
#include "tst_shellintegration.moc"
