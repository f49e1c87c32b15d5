// What the status bar says when a typed value is stored as something else, the range
// tooltips of the numeric fields and the tooltips of the key functions. The program's own
// warning still comes first where it did.
#include "ComfortSession.h"

#include "ChannelGroup.h"
#include "EditState.h"
#include "FrmCHInfoEdit.h"
#include "LangText.h"
#include "RadioImage.h"
#include "frmCommChInfo.h"

#include <QLineEdit>
#include <QStatusBar>
#include <QTableWidget>

using comfort::choose;
using comfort::control;

class TestStoredValueNotes : public QObject {
    Q_OBJECT

    std::unique_ptr<ComfortSession> s;

    // Types into the grid's frequency cell of that row and presses Enter; the note shown.
    QString typeFrequency(int row, const QString &text)
    {
        auto *g = qobject_cast<frmCommChInfo *>(LoadedWindow(QStringLiteral("frmCommChInfo")));
        g->grid()->setCurrentCell(row - 1, frmCommChInfo::GridFreq);
        g->EnterGridEdit();
        auto *box = control<QLineEdit>("frmCommChInfo", QStringLiteral("Text1"));
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
        return ComfortSession::note();
    }
    // Types into a text box of a window and leaves it with Enter; the note shown.
    static QString typeInto(const char *window, const char *box, const QString &text)
    {
        auto *edit = control<QLineEdit>(window, QString::fromLatin1(box));
        edit->setFocus();
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
        return ComfortSession::note();
    }

private slots:
    void init() { s = std::make_unique<ComfortSession>(); }
    void cleanup() { s.reset(); }

    void frequencyBeyondTheBandOrOffTheRaster()
    {
        QVERIFY(s->newDocument(2));   // HAM 28.000 - 29.700
        QCOMPARE(typeFrequency(2, QStringLiteral("35.5")),
                 QStringLiteral("35.5 MHz stored as 29.70000 MHz: the HAM band ends at 29.700 MHz."));
        QCOMPARE(s->answers->messages.value(0), LangText(9021));   // the warning stays
        QCOMPARE(typeFrequency(3, QStringLiteral("20")),
                 QStringLiteral("20 MHz stored as 28.00000 MHz: the HAM band starts at 28.000 MHz."));
        QCOMPARE(typeFrequency(4, QStringLiteral("28.123456")),
                 QStringLiteral("28.123456 MHz stored as 28.12000 MHz: channels step in 5 kHz."));
        QCOMPARE(typeFrequency(5, QStringLiteral("2.8.1")),
                 QStringLiteral("\"2.8.1\" is not a frequency; 28.00000 MHz, the start of the band, was stored."));

        // A value stored as typed says nothing new.
        s->main->statusBar()->clearMessage();
        QCOMPARE(typeFrequency(6, QStringLiteral("28.5")), QString());
        QCOMPARE(control<QLineEdit>("frmCommChInfo", QStringLiteral("Text1"))->toolTip(),
                 QStringLiteral("Frequency in MHz from 28.000 to 29.700, in steps of 5 kHz."));
    }

    void cbMemChannelTakesTheNearestCbChannel()
    {
        QVERIFY(s->newDocument(0));
        Edit().CurrentGroup = kCbMemGroup;
        Edit().CurrentChannel = 1;
        ShowChild(QStringLiteral("FrmCHInfoEdit"));
        const QString note = typeInto("FrmCHInfoEdit", "Text1", QStringLiteral("27.0001"));
        QVERIFY2(note.startsWith(QStringLiteral("27.0001 MHz stored as 27.0")), qPrintable(note));
        QVERIFY2(note.endsWith(QStringLiteral(": a CB MEM channel takes the frequency of the nearest CB channel.")), qPrintable(note));
    }

    void offsetClampedOrStepped()
    {
        QVERIFY(s->newDocument(1));
        ShowChild(QStringLiteral("FrmCHInfoEdit"));
        auto *dialog = qobject_cast<FrmCHInfoEdit *>(LoadedWindow(QStringLiteral("FrmCHInfoEdit")));
        choose(dialog->option(FrmCHInfoEdit::OptPublic), 0);   // the offset is the channel's own
        QCOMPARE(typeInto("FrmCHInfoEdit", "Text2", QStringLiteral("9999")),
                 QStringLiteral("Offset 9999 kHz stored as 1000 kHz: the offset lies between 5 and 1000 kHz."));
        QCOMPARE(typeInto("FrmCHInfoEdit", "Text2", QStringLiteral("12")),
                 QStringLiteral("Offset 12 kHz stored as 10 kHz: the offset steps in 5 kHz."));
        QCOMPARE(Image().channel(1)->OffSetFre, int16_t(10));
        QCOMPARE(control<QLineEdit>("FrmCHInfoEdit", QStringLiteral("Text2"))->toolTip(), LangText(30372));
    }

    void commonOffsetAndMaximumSwr()
    {
        QVERIFY(s->newDocument(1));
        ShowChild(QStringLiteral("FrmOptFeatures"));
        QCOMPARE(typeInto("FrmOptFeatures", "Text1", QStringLiteral("99")),
                 QStringLiteral("Maximum SWR 99 stored as 20.0: the limit lies between 7.0 and 20.0."));
        QCOMPARE(typeInto("FrmOptFeatures", "Text1", QStringLiteral("7.25")),
                 QStringLiteral("Maximum SWR 7.25 stored as 7.3: one decimal is kept."));
        QCOMPARE(Image().header.options.MaxSWR, int16_t(73));
        QCOMPARE(typeInto("FrmOptFeatures", "Text1", QString()), QStringLiteral("No maximum SWR typed; 20.0 was stored."));
        QCOMPARE(typeInto("FrmOptFeatures", "Text2", QStringLiteral("1003")),
                 QStringLiteral("Offset 1003 kHz stored as 1000 kHz: the offset lies between 5 and 1000 kHz."));
        QCOMPARE(typeInto("FrmOptFeatures", "Text2", QString()), QStringLiteral("No offset typed; 5 kHz was stored."));
        QCOMPARE(control<QLineEdit>("FrmOptFeatures", QStringLiteral("Text1"))->toolTip(), LangText(30373));
    }

    void refusedDeletesSayWhy()
    {
        QVERIFY(s->newDocument(1));
        QCOMPARE(typeFrequency(1, QString()),
                 QStringLiteral("A channel 1 was kept: at least one memory channel must remain outside group A."));
        auto *g = qobject_cast<frmCommChInfo *>(LoadedWindow(QStringLiteral("frmCommChInfo")));
        Edit().CurrentGroup = GroupIndexByName(QStringLiteral("VFO"), 1);
        g->ChangeGroup();
        QCOMPARE(typeFrequency(1, QString()), LangText(30330));
        QVERIFY(Image().channel(kVfoChannel));
    }

    void keyFunctionsExplainThemselves()
    {
        QVERIFY(s->newDocument(1));
        ShowChild(QStringLiteral("FrmKey"));
        auto *key = control<QComboBox>("FrmKey", QStringLiteral("Combo1(0)"));
        QCOMPARE(key->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("MOD: switches the modulation between AM and FM."));
        QCOMPARE(key->itemData(19, Qt::ToolTipRole).toString(), LangText(30419));
        choose(key, 2);
        QCOMPARE(key->toolTip(), LangText(30402));
        for (int j = 0; j < key->count(); ++j)
            QVERIFY(!key->itemData(j, Qt::ToolTipRole).toString().isEmpty());
    }
};

QTEST_MAIN(TestStoredValueNotes)
#include "tst_StoredValueNotes.moc"
