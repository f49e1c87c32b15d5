// The channel grid's keyboard: arrows, typing and F2, Enter and Escape on a list cell,
// Tab and Shift+Tab round the editable cells, Delete within the delete rules.
#include "ComfortSession.h"

#include "ChannelCell.h"
#include "ChannelGroup.h"
#include "EditState.h"
#include "LangText.h"
#include "RadioImage.h"
#include "frmCommChInfo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>

using comfort::control;

class TestGridKeyboard : public QObject {
    Q_OBJECT

    std::unique_ptr<ComfortSession> s;
    frmCommChInfo *g = nullptr;
    QTableWidget *table = nullptr;

    void open(int band)
    {
        QVERIFY(s->newDocument(band));
        g = qobject_cast<frmCommChInfo *>(LoadedWindow(QStringLiteral("frmCommChInfo")));
        QVERIFY(g);
        table = g->grid();
        table->setFocus();
    }
    QPoint cell() const { return QPoint(table->currentColumn(), table->currentRow() + 1); }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m); }
    // Types as the keyboard does: each key goes to the widget that has the focus then.
    static void type(const QString &text)
    {
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }

private slots:
    void init()
    {
        s = std::make_unique<ComfortSession>();
        open(1);   // HF: group A holds channel 1, the other rows are empty
    }
    void cleanup() { s.reset(); }

    void arrowsMoveBetweenCells()
    {
        table->setCurrentCell(0, frmCommChInfo::GridFreq);
        key(Qt::Key_Down);
        QCOMPARE(cell(), QPoint(frmCommChInfo::GridFreq, 2));
        key(Qt::Key_Up);
        key(Qt::Key_Right);
        QCOMPARE(cell(), QPoint(frmCommChInfo::GridPublic, 1));
    }

    void typingOrF2StartsEditing()
    {
        table->setCurrentCell(1, frmCommChInfo::GridFreq);
        type(QStringLiteral("2"));
        auto *text1 = control<QLineEdit>("frmCommChInfo", QStringLiteral("Text1"));
        QVERIFY(text1->isVisible());
        QCOMPARE(text1->text(), QStringLiteral("2"));   // typing starts the cell over
        QTest::keyClicks(text1, QStringLiteral("8.7"));
        QTest::keyClick(text1, Qt::Key_Return);
        QVERIFY(!text1->isVisible());
        QCOMPARE(g->cellText(2, frmCommChInfo::GridFreq), QStringLiteral("28.70000"));
        QCOMPARE(QApplication::focusWidget(), table);

        QTest::keyClick(table, Qt::Key_F2);
        QVERIFY(text1->isVisible());
        QCOMPARE(text1->text(), QStringLiteral("28.70000"));
        QTest::keyClick(text1, Qt::Key_Escape);   // nothing typed is kept
        QVERIFY(!text1->isVisible());
    }

    void escapeInATextCellRestoresTheOldValue()
    {
        table->setCurrentCell(0, frmCommChInfo::GridFreq);
        const QString before = g->cellText(1, frmCommChInfo::GridFreq);
        type(QStringLiteral("29.1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(g->cellText(1, frmCommChInfo::GridFreq), before);
        QCOMPARE(QApplication::focusWidget(), table);
        QVERIFY(!History().canUndo());
    }

    void enterOpensAListCellEnterKeepsEscapeRestores()
    {
        auto *combo = control<QComboBox>("frmCommChInfo", QStringLiteral("Combo3"));   // TSQ
        table->setCurrentCell(0, frmCommChInfo::GridTsq);
        QTest::keyClick(table, Qt::Key_Return);
        QVERIFY(combo->isVisible());
        QTRY_VERIFY(combo->view()->isVisible());   // the list is open
        QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), Qt::Key_Escape);
        QVERIFY(!combo->view()->isVisible());
        QVERIFY(!combo->isVisible());
        QCOMPARE(Image().channel(1)->TSQ, int16_t(0));
        QCOMPARE(g->cellText(1, frmCommChInfo::GridTsq), QStringLiteral("Off"));

        QTest::keyClick(table, Qt::Key_Return);
        QTRY_VERIFY(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QTRY_VERIFY(!combo->view()->isVisible());
        QVERIFY(!combo->isVisible());
        QCOMPARE(Image().channel(1)->TSQ, int16_t(1));
        QCOMPARE(g->cellText(1, frmCommChInfo::GridTsq), QStringLiteral("On"));
    }

    void tabGoesRoundTheEditableCellsAndStaysInTheGrid()
    {
        // Row 1 holds a channel: frequency, Public, TSQ and Scan; empty rows only the frequency.
        table->setCurrentCell(0, frmCommChInfo::GridFreq);
        const QList<QPoint> forward = {{frmCommChInfo::GridPublic, 1}, {frmCommChInfo::GridTsq, 1},
                                       {frmCommChInfo::GridScan, 1}, {frmCommChInfo::GridFreq, 2},
                                       {frmCommChInfo::GridFreq, 3}};
        for (const QPoint &expected : forward) {
            key(Qt::Key_Tab);
            QCOMPARE(cell(), expected);
            QCOMPARE(QApplication::focusWidget(), table);
        }
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(cell(), QPoint(frmCommChInfo::GridFreq, 2));

        // The last row wraps to the first, and back.
        const int last = g->rowCount() - 1;
        table->setCurrentCell(last - 1, frmCommChInfo::GridFreq);
        key(Qt::Key_Tab);
        QCOMPARE(cell(), QPoint(frmCommChInfo::GridFreq, 1));
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(cell(), QPoint(frmCommChInfo::GridFreq, last));

        // Tab in an open editor stores it and moves on.
        table->setCurrentCell(1, frmCommChInfo::GridFreq);
        type(QStringLiteral("28.9"));
        key(Qt::Key_Tab);
        QCOMPARE(g->cellText(2, frmCommChInfo::GridFreq), QStringLiteral("28.90000"));
        QCOMPARE(cell(), QPoint(frmCommChInfo::GridPublic, 2));
        QCOMPARE(QApplication::focusWidget(), table);
    }

    void deleteRemovesTheRowsChannelWithinTheRules()
    {
        QCOMPARE(SetChannelCell(0, 2, ColFreq, QStringLiteral("28.5")), CellChange::Added);
        // Channels 1 and 2 are the only memory channels and both in group A: kept, and why.
        table->setCurrentCell(1, frmCommChInfo::GridTsq);
        key(Qt::Key_Delete);
        QVERIFY(Image().channel(2));
        QCOMPARE(ComfortSession::note(), LangText(30331).arg(QStringLiteral("A channel 2"), QStringLiteral("A")));

        QCOMPARE(SetChannelCell(1, 1, ColFreq, QStringLiteral("28.6")), CellChange::Added);   // group B
        key(Qt::Key_Delete);
        QVERIFY(!Image().channel(2));
        QVERIFY(g->cellText(2, frmCommChInfo::GridFreq).isEmpty());
        QVERIFY(History().canUndo());

        open(0);   // CB channels come from the plan
        table->setCurrentCell(0, frmCommChInfo::GridTsq);
        const QByteArray before = Image().toBytes();
        key(Qt::Key_Delete);
        QCOMPARE(Image().toBytes(), before);
        QCOMPARE(ComfortSession::note(), LangText(30333));
    }
};

QTEST_MAIN(TestGridKeyboard)
#include "tst_GridKeyboard.moc"
