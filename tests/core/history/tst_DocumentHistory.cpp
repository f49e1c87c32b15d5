// The undo history of image snapshots, without any window.
#include "ChannelCell.h"
#include "ChannelViews.h"
#include "DocumentHistory.h"
#include "EditState.h"
#include "ImageCompare.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"

#include <QtTest>

class TestDocumentHistory : public QObject {
    Q_OBJECT

    ScriptedPrompts prompts;   // a frequency warning must not open a window

    // A change the user could make: the receive tone of channel 1.
    static void setTone(int tone)
    {
        RecordDocumentChange(QStringLiteral("tone %1").arg(tone));
        Image().channel(1)->RDCT = int16_t(tone);
    }
    static int tone() { return Image().channel(1)->RDCT; }

private slots:
    void init()
    {
        ResetRunSettings();
        SetCurrentBand(1);
        Edit() = EditState{};
        ChannelViews() = ChannelViewHooks{};
        BuildBuiltInDefaults();
        SaveToSavedCopy();
        ResetDocumentHistory();
    }

    void undoAndRedoRestoreTheImageByteForByte()
    {
        const QByteArray before = Image().toBytes();
        RecordDocumentChange(QStringLiteral("channel 2 frequency"));
        QCOMPARE(SetChannelCell(0, 2, ColFreq, QStringLiteral("28.50000")), CellChange::Added);
        const QByteArray after = Image().toBytes();

        QVERIFY(History().canUndo());
        QCOMPARE(History().undoDescription(), QStringLiteral("channel 2 frequency"));
        QVERIFY(History().undo());
        QCOMPARE(Image().toBytes(), before);
        QVERIFY(!History().canUndo());
        QCOMPARE(History().redoDescription(), QStringLiteral("channel 2 frequency"));
        QVERIFY(History().redo());
        QCOMPARE(Image().toBytes(), after);
        QVERIFY(!History().canRedo());
        QVERIFY(!History().redo());   // nothing left: the image stays
        QCOMPARE(Image().toBytes(), after);
    }

    void stepsUndoInReverseOrderAndANewChangeDropsRedo()
    {
        setTone(3);
        setTone(5);
        setTone(7);
        QCOMPARE(History().undoSteps(), 3);
        QVERIFY(History().undo());
        QCOMPARE(tone(), 5);
        QVERIFY(History().undo());
        QCOMPARE(tone(), 3);
        QCOMPARE(History().redoDescription(), QStringLiteral("tone 5"));
        setTone(9);
        QVERIFY(!History().canRedo());
        QVERIFY(History().undo());
        QCOMPARE(tone(), 3);
    }

    void anActionThatChangesNothingLeavesNoStep()
    {
        setTone(4);
        RecordDocumentChange(QStringLiteral("nothing"));   // chosen again, same value
        Image().channel(1)->RDCT = 4;
        QCOMPARE(History().undoDescription(), QStringLiteral("tone 4"));
        QCOMPARE(History().undoSteps(), 1);
        QVERIFY(History().undo());
        QCOMPARE(tone(), 0);
    }

    void changesWithoutARecordAreNotUndoneOnTheirOwn()
    {
        // A window stores what it shows (no record); the next user step keeps it.
        Image().header.dtmf.DtmfRate = 1;
        QVERIFY(!History().canUndo());
        setTone(6);
        QVERIFY(History().undo());
        QCOMPARE(tone(), 0);
        QCOMPARE(Image().header.dtmf.DtmfRate, int16_t(1));
    }

    void undoingBackToTheSavedImageMakesItUnmodified()
    {
        setTone(8);
        SaveToSavedCopy();                      // saved with tone 8
        QVERIFY(!IsModified());
        setTone(9);
        QVERIFY(IsModified());
        QVERIFY(History().undo());
        QVERIFY(!IsModified());
        QVERIFY(History().undo());              // before the save: modified again
        QVERIFY(IsModified());
        QVERIFY(History().redo());
        QVERIFY(!IsModified());
    }

    void keepsTheNewestStepsBeyondTheLimit()
    {
        const int steps = DocumentHistory::kMaxSteps + 20;
        for (int i = 1; i <= steps; ++i)
            setTone(i % 100 + 1);
        int undone = 0;
        while (History().undo())
            ++undone;
        QVERIFY(undone >= 200);
        QCOMPARE(undone, DocumentHistory::kMaxSteps);
        // The oldest steps were dropped: the image is the one before step 21.
        QCOMPARE(tone(), 20 % 100 + 1);
    }

    void resetForgetsEverything()
    {
        setTone(2);
        QVERIFY(History().undo());
        QVERIFY(History().canRedo());
        setTone(3);
        ResetDocumentHistory();
        QVERIFY(!History().canUndo());
        QVERIFY(!History().canRedo());
        QVERIFY(History().undoDescription().isEmpty());
        QCOMPARE(tone(), 3);
    }
};

QTEST_GUILESS_MAIN(TestDocumentHistory)
#include "tst_DocumentHistory.moc"
