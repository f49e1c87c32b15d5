#include "EditorTestSupport.h"
#include "FrmOptFeatures.h"
#include "LangText.h"
#include "OptFeatureTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>

class TestFrmOptFeatures : public QObject {
    Q_OBJECT

    static void focusOut(QWidget *w)
    {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(w, &out);
    }

private slots:
    void init() { UseNewImage(0); }

    void newImageShowsItsDefaultsAndStaysUnmodified()
    {
        FrmOptFeatures form;
        QCOMPARE(Control(&form, "Combo1(3)")->currentText(), QStringLiteral("4") + LangText(16061));
        QCOMPARE(Control(&form, "Combo1(4)")->currentText(), QStringLiteral("1"));
        QCOMPARE(Control(&form, "Combo1(6)")->currentIndex(), 3);
        QCOMPARE(Control(&form, "Combo1(8)")->currentText(), QStringLiteral("3"));
        QCOMPARE(Control(&form, "Combo1(12)")->currentText(), QStringLiteral("10") + LangText(16060));
        QCOMPARE(Control(&form, "Combo1(9)")->count(), 12);
        QCOMPARE(Control(&form, "Combo1(5)")->count(), 56);
        QCOMPARE(Control<QLineEdit>(&form, "Text1")->text(), QStringLiteral("16.0"));
        QVERIFY(Control<QCheckBox>(&form, "Check1")->isChecked());
        QCOMPARE(Control<QLineEdit>(&form, "Text2")->text(), QStringLiteral("5"));
        QCOMPARE(Control(&form, "Combo2(2)")->count(), kToneListSize);
        QVERIFY(!IsModified());
    }

    void bandDecidesWhichControlsShow()
    {
        {
            FrmOptFeatures cb;
            for (const char *hidden : {"Combo1(1)", "Combo3(1)", "Combo2(1)", "Combo2(7)", "Combo2(9)"})
                QVERIFY2(Control(&cb, hidden)->isHidden(), hidden);
            QVERIFY(Control<QLineEdit>(&cb, "Text2")->isHidden());
            QVERIFY(!Control(&cb, "Combo3(0)")->isHidden());
            QCOMPARE(Entries(Control(&cb, "Combo3(0)")),
                     QStringList({"EU", "CE", "U", "PL", "I2", "DE", "IN"}));
            QCOMPARE(Entries(Control(&cb, "Combo3(1)")), QStringList({"U", "UK"}));
        }
        UseNewImage(1);
        FrmOptFeatures hf;
        for (const char *shown : {"Combo1(1)", "Combo2(1)", "Combo2(9)"})
            QVERIFY2(!Control(&hf, shown)->isHidden(), shown);
        QVERIFY(Control(&hf, "Combo3(0)")->isHidden());
        QVERIFY(Control(&hf, "Combo2(7)")->isHidden());
        QCOMPARE(Control(&hf, "Combo1(1)")->count(), 11);   // A..J and VFO, never MEM
        QCOMPARE(Control(&hf, "Combo1(1)")->itemText(10), QStringLiteral("VFO"));
    }

    void outOfRangeValuesShowFirstEntryAndStayUntilChosen()
    {
        OptionBlock &o = Image().header.options;
        o.Volume = 57;
        o.Backlight = 0;
        o.TOT = 99;
        o.RadioGroup = 20;
        MarkSaved();
        FrmOptFeatures form;
        QCOMPARE(Control(&form, "Combo1(5)")->currentText(), QStringLiteral("1"));
        QCOMPARE(Control(&form, "Combo1(4)")->currentText(), QStringLiteral("1"));
        QCOMPARE(Control(&form, "Combo1(3)")->currentIndex(), 0);
        QCOMPARE(Control(&form, "Combo3(0)")->currentText(), QStringLiteral("EU"));
        QVERIFY(!IsModified());

        PickText(Control(&form, "Combo1(5)"), QStringLiteral("1"));   // the entry already shown
        QCOMPARE(o.Volume, int16_t(1));
        PickText(Control(&form, "Combo3(0)"), QStringLiteral("EU"));
        QCOMPARE(o.RadioGroup, int16_t(0));
    }

    void everyRadioOptionIsStoredAtOnce()
    {
        UseNewImage(1);
        FrmOptFeatures form;
        for (int i = 0; i < kOptionSelectors; ++i) {
            QComboBox *list = Control(&form, QStringLiteral("Combo1(%1)").arg(i));
            const OptionSelector sel = OptionSelectorAt(i, 1);
            const int last = list->count() - 1;
            Pick(list, last);
            const int expected = sel.storesNumber ? list->itemText(last).toInt() : last;
            QCOMPARE(int(OptionField(Image().header.options, i)), expected);
        }
        QVERIFY(IsModified());
        QCOMPARE(Image().header.options.Volume, int16_t(56));
        QCOMPARE(Image().header.options.RfGain, int16_t(11));
    }

    void commonChannelSelectorsStoreTheirFields()
    {
        UseNewImage(1);
        Image().header.dtmf.codes[4].length = 3;   // code 5 defined
        FrmOptFeatures form;
        ChannelRecord &cc = Image().header.common;
        PickText(Control(&form, "Combo2(1)"), QStringLiteral("-"));
        QCOMPARE(cc.DUP, int16_t(2));
        Pick(Control(&form, "Combo2(2)"), 40);
        QCOMPARE(cc.RDCT, int16_t(40));
        for (int i : {4, 5, 6})
            Pick(Control(&form, QStringLiteral("Combo2(%1)").arg(i)), 1);
        QCOMPARE(cc.HI_CUT, int16_t(1));
        QCOMPARE(cc.BUSY, int16_t(1));
        QCOMPARE(cc.NB, int16_t(1));
        PickText(Control(&form, "Combo2(10)"), QStringLiteral("3"));
        QCOMPARE(cc.RBTone, int16_t(3));
        Pick(Control(&form, "Combo2(10)"), 0);
        QCOMPARE(cc.RBTone, int16_t(0));
        PickText(Control(&form, "Combo2(12)"), QStringLiteral("5"));
        QCOMPARE(cc.DTMF_EOT, int16_t(5));
        QCOMPARE(Entries(Control(&form, "Combo2(11)")), QStringList({LangText(14013), "5"}));
        Pick(Control(&form, "Combo2(12)"), 0);
        QCOMPARE(cc.DTMF_EOT, int16_t(0));
        QVERIFY(IsModified());
    }

    void amOffersTwoPowersAndLowersThePower()
    {
        UseNewImage(1);
        Image().header.common.Tx_Power = 2;
        FrmOptFeatures form;
        QComboBox *power = Control(&form, "Combo2(9)");
        QCOMPARE(power->count(), 3);
        PickText(Control(&form, "Combo2(8)"), QStringLiteral("AM"));
        QCOMPARE(Image().header.common.AM_FM, int16_t(1));
        QCOMPARE(power->count(), 2);
        QCOMPARE(power->currentIndex(), 1);
        QCOMPARE(Image().header.common.Tx_Power, int16_t(1));
        PickText(Control(&form, "Combo2(8)"), QStringLiteral("FM"));
        QCOMPARE(power->count(), 3);
        QCOMPARE(Image().header.common.Tx_Power, int16_t(1));
    }

    void openingWithAmLowersAStoredHighPower()
    {
        Image().header.common.AM_FM = 1;
        Image().header.common.Tx_Power = 2;
        FrmOptFeatures form;
        QCOMPARE(Control(&form, "Combo2(9)")->count(), 2);
        QCOMPARE(Image().header.common.Tx_Power, int16_t(1));
    }

    void offsetFollowsTheTypingWithinItsLimits()
    {
        UseNewImage(1);
        FrmOptFeatures form;
        auto *box = Control<QLineEdit>(&form, "Text2");
        box->clear();
        QCOMPARE(Image().header.common.OffSetFre, int16_t(5));   // empty stores 5
        QList<int> stored;
        for (QChar c : QStringLiteral("1x003")) {
            QTest::keyClick(box, c.toLatin1());
            stored << Image().header.common.OffSetFre;
        }
        QCOMPARE(box->text(), QStringLiteral("1003"));
        QCOMPARE(stored, QList<int>({5, 5, 10, 100, 1000}));   // the letter is refused
        focusOut(box);
        QCOMPARE(box->text(), QStringLiteral("1000"));
        box->setText(QStringLiteral("17"));
        QCOMPARE(Image().header.common.OffSetFre, int16_t(15));
    }

    void maxSwrIsClampedAndStoredInTenths()
    {
        FrmOptFeatures form;
        auto *box = Control<QLineEdit>(&form, "Text1");
        const struct { const char *typed, *shown; int tenths; } cases[] = {
            {"25", "20.0", 200}, {"6.94", "7.0", 70}, {"", "20.0", 200}, {"12.34", "12.3", 123}, {"9", "9.0", 90}};
        for (const auto &c : cases) {
            box->setText(QString::fromLatin1(c.typed));
            focusOut(box);
            QCOMPARE(box->text(), QString::fromLatin1(c.shown));
            QCOMPARE(Image().header.options.MaxSWR, int16_t(c.tenths));
        }
    }

    void validateCommitsOnlyTypedText()
    {
        Image().header.options.MaxSWR = 300;   // outside 7.0..20.0, shown as stored
        MarkSaved();
        FrmOptFeatures form;
        auto *box = Control<QLineEdit>(&form, "Text1");
        QCOMPARE(box->text(), QStringLiteral("30.0"));
        form.ValidateControls();
        QCOMPARE(Image().header.options.MaxSWR, int16_t(300));
        box->selectAll();
        QTest::keyClicks(box, "8.5");
        form.ValidateControls();
        QCOMPARE(Image().header.options.MaxSWR, int16_t(85));
    }

    void checkBoxStoresWhatItShows()
    {
        Image().header.options.MaxSWROn = 5;
        FrmOptFeatures form;
        auto *check = Control<QCheckBox>(&form, "Check1");
        QVERIFY(!check->isChecked());
        QCOMPARE(Image().header.options.MaxSWROn, int16_t(0));
        check->click();
        QCOMPARE(Image().header.options.MaxSWROn, int16_t(1));
    }

    void everyCbGroupIsShownAndCanBeChosen()
    {
        const QStringList names{"EU", "CE", "U", "UK", "PL", "I2", "DE", "IN"};
        for (int g = 0; g < names.size(); ++g) {
            Image().header.options.RadioGroup = int16_t(g);
            FrmOptFeatures form;
            QComboBox *top = Control(&form, "Combo3(0)");
            QComboBox *sub = Control(&form, "Combo3(1)");
            const bool inSub = g == 2 || g == 3;
            QCOMPARE(top->currentText(), inSub ? QStringLiteral("U") : names[g]);
            QCOMPARE(sub->isHidden(), !inSub);
            if (inSub)
                QCOMPARE(sub->currentText(), names[g]);
        }

        Image().header.options.RadioGroup = 0;
        FrmOptFeatures form;
        QComboBox *top = Control(&form, "Combo3(0)");
        QComboBox *sub = Control(&form, "Combo3(1)");
        PickText(top, QStringLiteral("U"));            // the sub-list opens on its first entry
        QVERIFY(!sub->isHidden());
        QCOMPARE(sub->currentText(), QStringLiteral("U"));
        QCOMPARE(Image().header.options.RadioGroup, int16_t(2));
        PickText(sub, QStringLiteral("UK"));
        QCOMPARE(Image().header.options.RadioGroup, int16_t(3));
        PickText(top, QStringLiteral("DE"));
        QVERIFY(sub->isHidden());
        QCOMPARE(Image().header.options.RadioGroup, int16_t(6));
        PickText(top, QStringLiteral("U"));            // the sub-list keeps its choice
        QCOMPARE(Image().header.options.RadioGroup, int16_t(3));
    }

    void rogerBeepListOffersOnlyUsableTips()
    {
        Image().header.common.RBTone = 3;
        Image().header.tips[2].LoopCount = 0;   // tip 3 no longer usable
        MarkSaved();
        FrmOptFeatures form;
        QComboBox *rb = Control(&form, "Combo2(10)");
        QCOMPARE(Entries(rb), QStringList({LangText(15030), "1", "2", "4", "5"}));
        QCOMPARE(rb->currentIndex(), 0);
        QCOMPARE(Image().header.common.RBTone, int16_t(3));   // showing stores nothing

        Image().header.tips[2].LoopCount = 1;
        form.ShowRBOpt();
        QCOMPARE(rb->currentText(), QStringLiteral("3"));
        QCOMPARE(Image().header.common.RBTone, int16_t(3));
    }
};

QTEST_MAIN(TestFrmOptFeatures)
#include "tst_FrmOptFeatures.moc"
