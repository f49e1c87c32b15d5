#include "EditorTestSupport.h"
#include "FrmOptFeatures.h"
#include "FrmToneTips.h"
#include "LangText.h"
#include "StandInChannelEdit.h"
#include "ToneTipLists.h"
#include "UiTipGraph.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>

class TestFrmToneTips : public QObject {
    Q_OBJECT

    static QComboBox *freq(QWidget *f, int step) { return Control(f, QStringLiteral("Combo3(%1)").arg(step - 1)); }
    static QComboBox *len(QWidget *f, int step) { return Control(f, QStringLiteral("Combo4(%1)").arg(step - 1)); }

private slots:
    void init()
    {
        UseNewImage(0);
        SetBeepFunction([](int, int) {});   // never the sound device in tests
    }

    void newImageShowsToneTipOneUnmodified()
    {
        FrmToneTips form;
        QCOMPARE(Beeper().CurrentTip, 1);
        QCOMPARE(Control<QTabBar>(&form, "TabStrip1")->count(), 8);
        QCOMPARE(Control(&form, "Combo1(0)")->currentText(), QStringLiteral("1"));
        QCOMPARE(Control(&form, "Combo2(0)")->currentText(), QStringLiteral("0"));
        QCOMPARE(freq(&form, 1)->currentText(), QStringLiteral("2100"));
        QCOMPARE(len(&form, 1)->currentText(), QStringLiteral("100"));
        QCOMPARE(freq(&form, 2)->currentIndex(), 0);
        QCOMPARE(freq(&form, 1)->count(), 217);
        QCOMPARE(len(&form, 1)->count(), 256);
        QVERIFY(Control(&form, "Combo5")->isHidden());
        QVERIFY(!IsModified());
        Control<QTabBar>(&form, "TabStrip1")->setCurrentIndex(3);
        QCOMPARE(Beeper().CurrentTip, 4);
        QCOMPARE(freq(&form, 5)->currentText(), QStringLiteral("1920"));
        QVERIFY(!IsModified());
    }

    void showingStoresWhatIsShown()
    {
        ToneTip &tip = Image().header.tips[1];
        tip.steps[0].ToneFreq = 30;     // 300 Hz has no entry: shown and stored as a pause
        tip.steps[1].ToneFreq = 300;
        tip.steps[2].ToneLen = 300;     // no entry: shown and stored as 0
        tip.LoopInterval = -1;
        Image().at(0).RBTone = 2;
        FrmToneTips form;
        QCOMPARE(tip.steps[0].ToneFreq, int16_t(30));   // tip 2 is not shown yet
        Control<QTabBar>(&form, "TabStrip1")->setCurrentIndex(1);
        QCOMPARE(freq(&form, 1)->currentText(), LangText(29201));
        QCOMPARE(tip.steps[0].ToneFreq, int16_t(0));
        QCOMPARE(tip.steps[1].ToneFreq, int16_t(0));
        QCOMPARE(tip.steps[2].ToneLen, int16_t(0));
        QCOMPARE(tip.LoopInterval, int16_t(0));
        QCOMPARE(Image().at(0).RBTone, int16_t(2));

        Image().header.tips[2].LoopCount = 11;   // no entry: shown as off, so no longer usable
        Image().at(0).RBTone = 3;
        Control<QTabBar>(&form, "TabStrip1")->setCurrentIndex(2);
        QCOMPARE(Image().header.tips[2].LoopCount, int16_t(0));
        QCOMPARE(Image().at(0).RBTone, int16_t(0));
    }

    void stepChoicesAreStoredAndDrawn()
    {
        FrmToneTips form;
        ToneTip &tip = Image().header.tips[0];
        PickText(freq(&form, 2), QStringLiteral("400"));
        QCOMPARE(tip.steps[1].ToneFreq, int16_t(40));
        PickText(freq(&form, 9), QStringLiteral("2550"));
        QCOMPARE(tip.steps[8].ToneFreq, int16_t(255));
        PickText(len(&form, 9), QStringLiteral("50"));
        QCOMPARE(tip.steps[8].ToneLen, int16_t(5));
        Pick(freq(&form, 1), 0);
        QCOMPARE(tip.steps[0].ToneFreq, int16_t(0));
        PickText(Control(&form, "Combo2(0)"), QStringLiteral("2550"));
        QCOMPARE(tip.LoopInterval, int16_t(255));
        PickText(Control(&form, "Combo1(0)"), QStringLiteral("10"));
        QCOMPARE(tip.LoopCount, int16_t(10));
        QVERIFY(IsModified());

        // The graph: step 1 is now a pause (no bar), step 2 a low blue bar (400 Hz) and
        // step 3 a tall red one (2100 Hz).
        QImage picture(300, 100, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        DrawTip(1, painter, picture.size());
        painter.end();
        QCOMPARE(picture.pixelColor(20, 90), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(60, 90), QColor(0, 0, 255));
        QCOMPARE(picture.pixelColor(60, 70), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(100, 30), QColor(255, 0, 0));
    }

    void loopCountZeroRemovesTheTipFromRogerBeepLists()
    {
        Image().at(0).RBTone = 2;
        Image().at(1).RBTone = 3;
        Image().at(2).RBTone = 2;
        Image().header.common.RBTone = 2;
        StandInChannelEdit edit;
        FrmOptFeatures options;
        QCOMPARE(Control(&options, "Combo2(10)")->currentText(), QStringLiteral("2"));
        FrmToneTips form;
        const int callsBefore = edit.showRbCalls;
        Control<QTabBar>(&form, "TabStrip1")->setCurrentIndex(1);
        Pick(Control(&form, "Combo1(0)"), 0);
        QCOMPARE(Image().header.tips[1].LoopCount, int16_t(0));
        QCOMPARE(IsTipUsable(Image(), 2), 0);
        QCOMPARE(Image().at(0).RBTone, int16_t(0));
        QCOMPARE(Image().at(2).RBTone, int16_t(0));
        QCOMPARE(Image().header.common.RBTone, int16_t(0));
        QCOMPARE(Image().at(1).RBTone, int16_t(3));
        QVERIFY(edit.showRbCalls > callsBefore);
        QCOMPARE(Entries(Control(&options, "Combo2(10)")), QStringList({LangText(15030), "1", "3", "4", "5"}));
        QCOMPARE(Control(&options, "Combo2(10)")->currentIndex(), 0);

        // All step lengths 0 also make the tip unusable.
        Image().at(1).RBTone = 3;
        Control<QTabBar>(&form, "TabStrip1")->setCurrentIndex(2);
        for (int s = 1; s <= 14; ++s)
            Pick(len(&form, s), 0);
        QCOMPARE(Image().at(1).RBTone, int16_t(0));
    }

    void playDisablesItselfAndStopEndsPlayback()
    {
        FrmToneTips form;
        auto *play = Control<QPushButton>(&form, "Command1(0)");
        auto *stop = Control<QPushButton>(&form, "Command2(0)");
        QList<int> tones;
        bool playEnabledWhilePlaying = true;
        SetBeepFunction([&](int hz, int) {
            tones << hz;
            playEnabledWhilePlaying = play->isEnabled();
            stop->click();   // the stop is seen before the next tone
        });
        play->click();
        QVERIFY(!play->isEnabled());
        QTRY_VERIFY(play->isEnabled());
        QCOMPARE(tones, QList<int>({2100}));
        QVERIFY(!playEnabledWhilePlaying);

        // A tip that lasts no time does not play.
        Control<QTabBar>(&form, "TabStrip1")->setCurrentIndex(6);
        play->click();
        QVERIFY(play->isEnabled());
    }

    void closingWhilePlayingStopsPlayback()
    {
        auto *form = new FrmToneTips;
        form->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<FrmToneTips> alive(form);
        int tones = 0;
        SetBeepFunction([&](int, int) {
            ++tones;
            if (alive)
                alive->close();
            WaitSeconds(0.01);   // the window goes while the tone "plays"
        });
        Control<QPushButton>(form, "Command1(0)")->click();
        QTRY_VERIFY(alive.isNull());
        QTRY_VERIFY(Beeper().StopTone);
        QCOMPARE(tones, 1);
    }
};

QTEST_MAIN(TestFrmToneTips)
#include "tst_FrmToneTips.moc"
#include "moc_StandInChannelEdit.cpp"
