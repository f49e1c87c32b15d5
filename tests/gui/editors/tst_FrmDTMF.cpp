#include "EditorTestSupport.h"
#include "FrmDTMF.h"
#include "FrmOptFeatures.h"
#include "LangText.h"
#include "StandInChannelEdit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

class TestFrmDTMF : public QObject {
    Q_OBJECT

    static QLineEdit *code(QWidget *form, int memory)
    {
        return Control<QLineEdit>(form, QStringLiteral("Text2(%1)").arg(memory - 1));
    }
    // The code memories are switched off in the window; typing tests open their tab.
    static void openCodeTab(QWidget *form)
    {
        Control<QTabWidget>(form, "SSTab1")->setTabEnabled(FrmDTMF::kCodeMemoryTab, true);
    }
    static void define(int memory, const QString &digits)
    {
        DtmfCode &c = Image().header.dtmf.codes[memory - 1];
        c.length = int16_t(digits.size());
        c.setDigits(digits);
    }

private slots:
    void init() { UseNewImage(0); }

    void newImageShowsItsDefaultsAndStaysUnmodified()
    {
        define(3, QStringLiteral("123"));
        MarkSaved();
        FrmDTMF form;
        QCOMPARE(Control(&form, "Combo1(0)")->currentText(), QStringLiteral("100"));
        QCOMPARE(Control(&form, "Combo1(1)")->currentText(), QStringLiteral("0"));
        QCOMPARE(Control(&form, "Combo1(2)")->currentText(), QStringLiteral("200"));
        QCOMPARE(Control(&form, "Combo1(3)")->currentText(), QStringLiteral("0"));
        QCOMPARE(Control(&form, "Combo1(4)")->currentIndex(), 0);
        QCOMPARE(Control(&form, "Combo1(4)")->itemText(16), QStringLiteral("16s"));
        QVERIFY(Control<QCheckBox>(&form, "Check1")->isChecked());
        QCOMPARE(code(&form, 3)->text(), QStringLiteral("123"));
        QVERIFY(!IsModified());
    }

    void codeMemoryTabIsShownButSwitchedOff()
    {
        FrmDTMF form;
        auto *tabs = Control<QTabWidget>(&form, "SSTab1");
        QCOMPARE(tabs->count(), 3);
        QVERIFY(tabs->isTabEnabled(FrmDTMF::kGeneralTab));
        QVERIFY(!tabs->isTabEnabled(FrmDTMF::kCodeMemoryTab));
        QVERIFY(tabs->isTabVisible(FrmDTMF::kCodeMemoryTab));
        QCOMPARE(tabs->currentIndex(), FrmDTMF::kGeneralTab);
    }

    void valuesWithoutAnEntryAreStoredAsShown()
    {
        DtmfBlock &d = Image().header.dtmf;
        d.DtmfRate = 0;
        d.FirstDigitTime = 99;
        d.FirstDigitDelay = 0;
        d.StarHashTime = 3;
        d.DKey = 40;
        d.DtmfDisplay = 5;
        FrmDTMF form;
        QCOMPARE(Control(&form, "Combo1(0)")->currentText(), QStringLiteral("10"));
        QCOMPARE(d.DtmfRate, int16_t(1));
        QCOMPARE(d.FirstDigitTime, int16_t(0));
        QCOMPARE(Control(&form, "Combo1(2)")->currentText(), QStringLiteral("100"));
        QCOMPARE(d.FirstDigitDelay, int16_t(1));
        QCOMPARE(d.StarHashTime, int16_t(0));
        QCOMPARE(d.DKey, int16_t(0));
        QVERIFY(!Control<QCheckBox>(&form, "Check1")->isChecked());
        QCOMPARE(d.DtmfDisplay, int16_t(0));
    }

    void choicesAreStoredInTheirUnits()
    {
        FrmDTMF form;
        DtmfBlock &d = Image().header.dtmf;
        PickText(Control(&form, "Combo1(0)"), QStringLiteral("250"));
        QCOMPARE(d.DtmfRate, int16_t(25));
        PickText(Control(&form, "Combo1(1)"), QStringLiteral("700"));
        QCOMPARE(d.FirstDigitTime, int16_t(7));
        PickText(Control(&form, "Combo1(2)"), QStringLiteral("2500"));
        QCOMPARE(d.FirstDigitDelay, int16_t(25));
        PickText(Control(&form, "Combo1(3)"), QStringLiteral("1000"));
        QCOMPARE(d.StarHashTime, int16_t(10));
        PickText(Control(&form, "Combo1(4)"), QStringLiteral("16s"));
        QCOMPARE(d.DKey, int16_t(16));
        Control<QCheckBox>(&form, "Check1")->click();
        QCOMPARE(d.DtmfDisplay, int16_t(0));
        QVERIFY(IsModified());
    }

    void typedCodesKeepOnlyDtmfKeys()
    {
        FrmDTMF form;
        openCodeTab(&form);
        QLineEdit *box = code(&form, 2);
        QTest::keyClicks(box, "12ab*#xe9Dcd");
        QCOMPARE(box->text(), QStringLiteral("12AB*#9DCD"));
        const DtmfCode &c = Image().header.dtmf.codes[1];
        QCOMPARE(c.length, int16_t(10));
        QCOMPARE(c.digitsText(), QStringLiteral("12AB*#9DCD      "));
        QTest::keyClicks(box, "0123456789");   // at most 16 digits
        QCOMPARE(c.length, int16_t(16));
        QCOMPARE(c.digitsText(), QStringLiteral("12AB*#9DCD012345"));
    }

    void oversizedLengthShowsAnEmptyMemory()
    {
        define(4, QStringLiteral("999"));
        Image().header.dtmf.codes[3].length = 20;
        FrmDTMF form;
        QVERIFY(code(&form, 4)->text().isEmpty());
    }

    void clearingACodeRemovesExactlyItsReferences()
    {
        UseNewImage(1);
        define(5, QStringLiteral("555"));
        define(6, QStringLiteral("66"));
        RadioImage &img = Image();
        ChannelRecord &a = img.at(0), &b = img.at(1);
        a.DTMF_BOT = 5; a.DTMF_EOT = 6; a.DTMF_Call = 5;
        b.DTMF_BOT = 6; b.DTMF_EOT = 5; b.DTMF_Call = 0;
        ChannelRecord &cc = img.header.common;
        cc.DTMF_BOT = 5; cc.DTMF_EOT = 6; cc.DTMF_Call = 5;

        StandInChannelEdit edit;
        SelectComboText(edit.dtmf(11), QStringLiteral("5"));
        SelectComboText(edit.dtmf(12), QStringLiteral("6"));
        FrmOptFeatures options;
        QCOMPARE(Control(&options, "Combo2(11)")->currentText(), QStringLiteral("5"));
        FrmDTMF form;

        code(&form, 5)->clear();
        QCOMPARE(img.header.dtmf.codes[4].length, int16_t(0));
        QCOMPARE(QList<int>({a.DTMF_BOT, a.DTMF_EOT, a.DTMF_Call}), QList<int>({0, 6, 0}));
        QCOMPARE(QList<int>({b.DTMF_BOT, b.DTMF_EOT, b.DTMF_Call}), QList<int>({6, 0, 0}));
        QCOMPARE(QList<int>({cc.DTMF_BOT, cc.DTMF_EOT, cc.DTMF_Call}), QList<int>({0, 6, 0}));

        const QStringList remaining{LangText(14013), "6"};
        for (QWidget *w : {static_cast<QWidget *>(&edit), static_cast<QWidget *>(&options)}) {
            for (int i = 11; i <= 13; ++i)
                QCOMPARE(Entries(Control(w, QStringLiteral("Combo2(%1)").arg(i))), remaining);
            QCOMPARE(Control(w, "Combo2(11)")->currentIndex(), 0);
            QCOMPARE(Control(w, "Combo2(12)")->currentText(), QStringLiteral("6"));
        }

        // A newly defined memory is offered at once, and the refresh stores nothing.
        openCodeTab(&form);
        QTest::keyClicks(code(&form, 9), "7#");
        QCOMPARE(Entries(edit.dtmf(13)), QStringList({LangText(14013), "6", "9"}));
        QCOMPARE(Control(&options, "Combo2(12)")->currentText(), QStringLiteral("6"));
        QCOMPARE(cc.DTMF_EOT, int16_t(6));
    }
};

QTEST_MAIN(TestFrmDTMF)
#include "tst_FrmDTMF.moc"
#include "moc_StandInChannelEdit.cpp"
