// The channel edit dialog driven through its real widgets, alone and beside the grid.
#include "ChannelWindowsFixture.h"
#include "FrmCHInfoEdit.h"
#include "Frm_Mem_Freq.h"
#include "frmCommChInfo.h"

#include "ChannelCell.h"
#include "ChannelGroup.h"
#include "LangText.h"
#include "ScriptedPrompts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace channeltest;

class TestChannelEditDialog : public QObject {
    Q_OBJECT

    FrmCHInfoEdit *dialog_ = nullptr;
    std::unique_ptr<Mdi> mdi_;

    // Opens the dialog on a channel of the current image.
    void open(int group, int position)
    {
        Edit().CurrentGroup = group;
        Edit().CurrentChannel = position;
        if (!mdi_)
            mdi_ = std::make_unique<Mdi>();
        dialog_ = show<FrmCHInfoEdit>("FrmCHInfoEdit");
        QVERIFY(dialog_);
    }
    QComboBox *opt(int i) { return dialog_->option(i); }
    QLineEdit *text(const char *name) { return control<QLineEdit>(dialog_, QString::fromLatin1(name)); }
    static void focusOut(QWidget *w)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w, &out);
    }
    // A channel with its own settings (Public Off) at a position of bank A.
    static ChannelRecord &bankChannel(int position, const QString &mhz)
    {
        Image().addChannel(position, mhz);
        ChannelRecord &c = *Image().channel(position);
        c.Public = 0;
        return c;
    }

private slots:
    void cleanup()
    {
        mdi_.reset();
        dialog_ = nullptr;
    }

    void publicOnLeavesOnlyFourOptions()
    {
        freshImage(1);
        open(0, 1);   // channel 1: Public On
        for (int i = 1; i < FrmCHInfoEdit::OptionCount; ++i) {
            const bool always = i == FrmCHInfoEdit::OptTsq || i == FrmCHInfoEdit::OptScan
                || i == FrmCHInfoEdit::OptRdct || i == FrmCHInfoEdit::OptTdct;
            QCOMPARE(opt(i)->isEnabled(), always);
        }
        QVERIFY(opt(FrmCHInfoEdit::OptPublic)->isEnabled());
        QVERIFY(!text("Text2")->isEnabled());
        choose(opt(FrmCHInfoEdit::OptPublic), 0);
        QCOMPARE(Image().channel(1)->Public, int16_t(0));
        for (int i = 0; i < FrmCHInfoEdit::OptionCount; ++i)
            QVERIFY(opt(i)->isEnabled());
        QVERIFY(text("Text2")->isEnabled());
        QVERIFY(!opt(FrmCHInfoEdit::OptAddSub5K)->isVisibleTo(dialog_));
    }

    void optionsStoreWhatTheUserChooses()
    {
        freshImage(1);
        bankChannel(2, QStringLiteral("28.3"));
        SaveToSavedCopy();
        open(0, 2);
        choose(opt(FrmCHInfoEdit::OptTdct), 40);
        QCOMPARE(Image().channel(2)->TDCT, int16_t(40));
        QCOMPARE(opt(FrmCHInfoEdit::OptTdct)->count(), 143);
        QCOMPARE(opt(FrmCHInfoEdit::OptTdct)->itemText(40), QStringLiteral("D_002(025N)"));
        choose(opt(FrmCHInfoEdit::OptDup), 2);
        QCOMPARE(Image().channel(2)->DUP, int16_t(2));
        chooseText(opt(FrmCHInfoEdit::OptRogerBeep), QStringLiteral("4"));
        QCOMPARE(Image().channel(2)->RBTone, int16_t(4));
        choose(opt(FrmCHInfoEdit::OptRogerBeep), 0);
        QCOMPARE(Image().channel(2)->RBTone, int16_t(0));
        QVERIFY(IsModified());
        // A stored tone beyond the list shows "Off".
        Image().channel(2)->RDCT = 200;
        dialog_->SetGridEditData(true);
        QCOMPARE(opt(FrmCHInfoEdit::OptRdct)->currentText(), QStringLiteral("Off"));
    }

    void fmOnlyCountryChannels()
    {
        freshImage(0);
        for (int n : {41, 125, 20, 280, 281})
            Image().addChannel(n, QStringLiteral("27.0"));
        for (int s = 0; s < Image().count(); ++s)
            Image().at(s).AM_FM = 1;
        SaveToSavedCopy();
        struct Case { int group, position; bool fmOnly; };
        const Case cases[] = {{1, 1, true}, {kCbGroupUk, 5, true}, {kCbGroupDe, 41, true},
                              {kCbGroupDe, 40, false}, {0, 20, false}};
        for (const Case &c : cases) {
            open(c.group, c.position);
            const int number = GroupStart(c.group, 0) + c.position;
            QCOMPARE(Image().channel(number)->AM_FM, int16_t(c.fmOnly ? 0 : 1));
            QCOMPARE(opt(FrmCHInfoEdit::OptAmFm)->currentText(), QString(c.fmOnly ? "FM" : "AM"));
            QCOMPARE(opt(FrmCHInfoEdit::OptAmFm)->isEnabled(), false);   // Public On or FM only
            UnloadByName(QStringLiteral("FrmCHInfoEdit"));
        }
        QVERIFY(IsModified());   // the stored AM became FM as soon as it was shown
        QVERIFY(!FrmCHInfoEdit::IsFixFM(41, kCbGroupDe, 1));
    }

    void powerListFollowsModulation()
    {
        freshImage(2);
        ChannelRecord &c = bankChannel(2, QStringLiteral("28.3"));
        c.AM_FM = 1;
        c.Tx_Power = 2;
        open(0, 2);
        QComboBox *power = opt(FrmCHInfoEdit::OptTxPower);
        QCOMPARE(power->count(), 2);
        QCOMPARE(power->currentIndex(), 1);
        QCOMPARE(Image().channel(2)->Tx_Power, int16_t(2));   // shown lowered, stored as is
        choose(opt(FrmCHInfoEdit::OptAmFm), 0);
        QCOMPARE(power->count(), 3);
        QCOMPARE(power->itemText(2), LangText(15046));
        choose(power, 2);
        choose(opt(FrmCHInfoEdit::OptAmFm), 1);
        QCOMPARE(Image().channel(2)->Tx_Power, int16_t(1));
        QCOMPARE(power->currentIndex(), 1);
    }

    void unusableReferencesShowNone()
    {
        freshImage(1);
        ChannelRecord &a = bankChannel(2, QStringLiteral("28.3"));
        a.RBTone = 7;            // tips 6..8 have no steps
        a.DTMF_BOT = 5;          // code 5 is empty
        ChannelRecord &b = bankChannel(3, QStringLiteral("28.4"));
        b.RBTone = 3;
        b.DTMF_BOT = 2;
        Image().header.dtmf.codes[1].length = 3;
        Image().header.dtmf.codes[1].setDigits(QStringLiteral("123"));
        open(0, 2);
        QCOMPARE(opt(FrmCHInfoEdit::OptRogerBeep)->currentText(), LangText(15030));
        QCOMPARE(opt(FrmCHInfoEdit::OptDtmfBot)->currentText(), LangText(14013));
        QCOMPARE(opt(FrmCHInfoEdit::OptDtmfBot)->count(), 2);          // "none" and code 2
        QCOMPARE(opt(FrmCHInfoEdit::OptRogerBeep)->count(), 6);        // "off" and tips 1..5
        QCOMPARE(Image().channel(2)->RBTone, int16_t(7));               // showing stores nothing
        chooseText(combo(dialog_, "Combo1"), QStringLiteral("3"));
        QCOMPARE(opt(FrmCHInfoEdit::OptRogerBeep)->currentText(), QStringLiteral("3"));
        QCOMPARE(opt(FrmCHInfoEdit::OptDtmfBot)->currentText(), QStringLiteral("2"));
        // Channel 1 has Public On: its disabled roger-beep selector shows its own value,
        // not the one of the channel shown before.
        chooseText(combo(dialog_, "Combo1"), QStringLiteral("1"));
        QVERIFY(!opt(FrmCHInfoEdit::OptRogerBeep)->isEnabled());
        QCOMPARE(opt(FrmCHInfoEdit::OptRogerBeep)->currentText(), LangText(15030));
    }

    void emptyChannelAndTextBoxes()
    {
        freshImage(1);
        ScriptedPrompts prompts;
        open(0, 5);
        for (int i = 0; i < FrmCHInfoEdit::OptionCount; ++i) {
            QVERIFY(!opt(i)->isEnabled());
            QCOMPARE(opt(i)->currentIndex(), -1);
        }
        QVERIFY(text("Text1")->isEnabled() && !text("Text2")->isEnabled());

        QTest::keyClicks(text("Text1"), QStringLiteral("28.1x"));
        QCOMPARE(text("Text1")->text(), QStringLiteral("28.1"));
        focusOut(text("Text1"));
        QCOMPARE(Image().channel(5)->freqText(), QStringLiteral("02810000"));
        QCOMPARE(text("Text1")->text(), QStringLiteral("28.10000"));
        QVERIFY(opt(FrmCHInfoEdit::OptPublic)->isEnabled());

        choose(opt(FrmCHInfoEdit::OptPublic), 0);
        text("Text2")->clear();
        QTest::keyClicks(text("Text2"), QStringLiteral("2a4"));
        QCOMPARE(text("Text2")->text(), QStringLiteral("24"));
        QTest::keyClick(text("Text2"), Qt::Key_Return);
        QCOMPARE(Image().channel(5)->OffSetFre, int16_t(20));
        text("Text2")->clear();
        focusOut(text("Text2"));
        QCOMPARE(text("Text2")->text(), QStringLiteral("20"));       // empty: stored one shown again
        QCOMPARE(Image().channel(5)->OffSetFre, int16_t(20));

        // Clearing the frequency deletes the channel only within the delete rules.
        text("Text1")->clear();
        focusOut(text("Text1"));
        QVERIFY(Image().channel(5));                                 // nothing outside bank A
        SetChannelCell(1, 1, ColFreq, QStringLiteral("28.2"));
        text("Text1")->clear();
        focusOut(text("Text1"));
        QVERIFY(!Image().channel(5));
        QVERIFY(prompts.messages.isEmpty());
    }

    void typedTextIsStoredOnValidateAndClose()
    {
        freshImage(1);
        bankChannel(2, QStringLiteral("28.3"));
        open(0, 2);
        text("Text1")->setText(QStringLiteral("28.5"));
        dialog_->ValidateControls();
        QCOMPARE(Image().channel(2)->freqText(), QStringLiteral("02850000"));
        text("Text2")->setText(QStringLiteral("55"));
        UnloadByName(QStringLiteral("FrmCHInfoEdit"));
        dialog_ = nullptr;
        QCOMPARE(Image().channel(2)->OffSetFre, int16_t(55));
        QVERIFY(!Edit().ChEditOpen);
    }

    void vfoAndMemLayout()
    {
        freshImage(1);
        open(kBankVfoGroup, 1);
        QVERIFY(!opt(FrmCHInfoEdit::OptScan)->isVisibleTo(dialog_));
        QVERIFY(!control(dialog_, "Label3(3)")->isVisibleTo(dialog_));
        choose(combo(dialog_, "Combo4"), kBankMemGroup);
        QVERIFY(opt(FrmCHInfoEdit::OptScan)->isVisibleTo(dialog_));
        QVERIFY(text("Text1")->width() < 1815 / 15);
        QVERIFY(!control(dialog_, "Command1")->isVisibleTo(dialog_));   // picker is CB only
        UnloadByName(QStringLiteral("FrmCHInfoEdit"));

        freshImage(0);
        open(0, 1);
        for (const char *hidden : {"Combo2(1)", "Combo2(9)", "Text2", "Label2(1)", "Combo4"})
            QVERIFY2(!control(dialog_, hidden)->isVisibleTo(dialog_), hidden);
        QVERIFY(!text("Text1")->isEnabled());
        // "U" without a sub-choice shows group 2 with "U" chosen below.
        chooseText(combo(dialog_, "Combo3(0)"), QStringLiteral("U"));
        QVERIFY(combo(dialog_, "Combo3(1)")->isVisibleTo(dialog_));
        QCOMPARE(combo(dialog_, "Combo3(1)")->currentText(), QStringLiteral("U"));
        QCOMPARE(Edit().CurrentGroup, 2);
        chooseText(combo(dialog_, "Combo3(1)"), QStringLiteral("UK"));
        QCOMPARE(Edit().CurrentGroup, kCbGroupUk);
        chooseText(combo(dialog_, "Combo3(0)"), QStringLiteral("MEM"));
        QCOMPARE(Edit().CurrentGroup, kCbMemGroup);
        QVERIFY(!combo(dialog_, "Combo3(1)")->isVisibleTo(dialog_));
        QVERIFY(control(dialog_, "Command1")->isVisibleTo(dialog_));
    }

    void memPickerFillsTheFrequency()
    {
        freshImage(0);
        Image().addChannel(5, QStringLiteral("27.005"));
        SetChannelCell(kCbMemGroup, 2, ColFreq, QString());   // MEM slot 2 empty
        open(kCbMemGroup, 2);
        QVERIFY(control(dialog_, "Command1")->isVisibleTo(dialog_));
        // Answer the modal picker: EU channel 5, OK.
        QTimer::singleShot(0, this, [] {
            auto *picker = qobject_cast<Frm_Mem_Freq *>(QApplication::activeModalWidget());
            QVERIFY(picker);
            chooseText(combo(picker, "Combo1(0)"), QStringLiteral("EU"));
            chooseText(combo(picker, "Combo1(1)"), QStringLiteral("5"));
            QCOMPARE(picker->frequencyText(), QStringLiteral("27.00500"));
            picker->accept();
        });
        QTest::mouseClick(control<QPushButton>(dialog_, "Command1"), Qt::LeftButton);
        QVERIFY(Image().channel(403));
        QCOMPARE(Image().channel(403)->freqText(), QStringLiteral("02700500"));
        QCOMPARE(text("Text1")->text(), QStringLiteral("27.00500"));
    }

    void gridAndDialogStayInStep()
    {
        freshImage(1);
        bankChannel(3, QStringLiteral("28.3"));
        SetChannelCell(1, 2, ColFreq, QStringLiteral("28.6"));
        mdi_ = std::make_unique<Mdi>();
        auto *grid = show<frmCommChInfo>("frmCommChInfo");
        open(0, 1);
        QComboBox *group = combo(dialog_, "Combo4");
        QComboBox *channel = combo(dialog_, "Combo1");

        // Grid to dialog: a row entered, a group chosen.
        grid->grid()->setCurrentCell(2, frmCommChInfo::GridTsq);
        grid->EnterGridEdit();
        QCOMPARE(channel->currentText(), QStringLiteral("3"));
        QCOMPARE(text("Text1")->text(), QStringLiteral("28.30000"));
        chooseText(combo(grid, "Combo7"), QStringLiteral("B"));
        QCOMPARE(group->currentText(), QStringLiteral("B"));

        // Dialog to grid: a group and a channel chosen.
        chooseText(group, QStringLiteral("A"));
        QCOMPARE(combo(grid, "Combo7")->currentText(), QStringLiteral("A"));
        QCOMPARE(Image().header.options.currentGroup, int16_t(0));
        QCOMPARE(channel->currentText(), QStringLiteral("1"));
        chooseText(channel, QStringLiteral("3"));
        QCOMPARE(grid->grid()->currentRow(), 2);

        // A change in one shows in the other.
        choose(opt(FrmCHInfoEdit::OptScan), 0);
        QCOMPARE(grid->cellText(3, frmCommChInfo::GridScan), QStringLiteral("Del"));
        grid->grid()->setCurrentCell(2, frmCommChInfo::GridTsq);
        grid->EnterGridEdit();
        choose(combo(grid->grid()->viewport(), "Combo3"), 1);
        QCOMPARE(opt(FrmCHInfoEdit::OptTsq)->currentText(), QStringLiteral("On"));
        QCOMPARE(Image().channel(3)->TSQ, int16_t(1));
        text("Text1")->setText(QStringLiteral("28.35"));
        focusOut(text("Text1"));
        QCOMPARE(grid->cellText(3, frmCommChInfo::GridFreq), QStringLiteral("28.35000"));
        // A channel added in the dialog appears in the grid's current-channel list.
        chooseText(channel, QStringLiteral("7"));
        text("Text1")->setText(QStringLiteral("28.7"));
        focusOut(text("Text1"));
        QVERIFY(combo(grid, "Combo8(0)")->findText(QStringLiteral("7")) >= 0);
        QCOMPARE(grid->cellText(7, frmCommChInfo::GridFreq), QStringLiteral("28.70000"));
    }
};

QTEST_MAIN(TestChannelEditDialog)
#include "tst_FrmCHInfoEdit.moc"
