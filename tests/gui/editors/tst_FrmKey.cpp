#include "EditorTestSupport.h"
#include "FrmKey.h"
#include "KeyFunctionList.h"
#include "LangText.h"

#include <QGroupBox>
#include <QLabel>
#include <QtEndian>

class TestFrmKey : public QObject {
    Q_OBJECT

    static int16_t keyBlockWord(int offset)
    {
        const QByteArray header = Image().header.toBytes();
        return qFromLittleEndian<int16_t>(header.constData() + 233 + offset);
    }

private slots:
    void init() { UseNewImage(0); }

    void newImageShowsModesOneToThree()
    {
        FrmKey form;
        QCOMPARE(Control(&form, "Combo2")->currentText(), QStringLiteral("1&2&3"));
        // The functions and their order as the radio numbers them (stored value 1..20),
        // written here rather than taken from the program's own list.
        const QStringList functions{"MOD", "RFG", "EMG", "VOL", "SQL", "POW", "DSP", "SCA", "MEM", "BND",
                                    "DW",  "CAL", "NB",  "RB",  "HIC", "TSQ", "SPL", "5K",  "DIM", "NULL"};
        QCOMPARE(KeyFunctionEntries(), functions);
        for (int k = 0; k < 18; ++k) {
            QComboBox *key = Control(&form, QStringLiteral("Combo1(%1)").arg(k));
            QCOMPARE(Entries(key), functions);
            QCOMPARE(key->currentText(), functions[k]);
        }
        QCOMPARE(Control<QLabel>(&form, "Label2(11)")->text(), QStringLiteral("P6"));
        QCOMPARE(Control<QGroupBox>(&form, "Frame1(2)")->title(), LangText(25008) + QStringLiteral(" 3"));
        QVERIFY(!IsModified());
    }

    void outOfRangeValuesShowFirstEntryUntilChosen()
    {
        KeyBlock &keys = Image().header.keys;
        keys.KeyFunc[0] = 0;
        keys.KeyFunc[5] = 21;
        keys.KeyModeSet = 9;
        MarkSaved();
        FrmKey form;
        QCOMPARE(Control(&form, "Combo1(0)")->currentText(), QStringLiteral("MOD"));
        QCOMPARE(Control(&form, "Combo1(5)")->currentText(), QStringLiteral("MOD"));
        QCOMPARE(Control(&form, "Combo2")->currentText(), QStringLiteral("1&2"));
        QVERIFY(!IsModified());
        PickText(Control(&form, "Combo1(5)"), QStringLiteral("MOD"));
        QCOMPARE(keys.KeyFunc[5], int16_t(1));
        PickText(Control(&form, "Combo2"), QStringLiteral("1&2"));
        QCOMPARE(keys.KeyModeSet, int16_t(0));
    }

    void choicesAreStoredAtTheirOffsets()
    {
        FrmKey form;
        PickText(Control(&form, "Combo1(17)"), QStringLiteral("NULL"));   // P6 of key mode 3
        QCOMPARE(keyBlockWord(36), int16_t(20));
        PickText(Control(&form, "Combo2"), QStringLiteral("2&3"));
        QCOMPARE(keyBlockWord(0), int16_t(2));
        // The same function may sit on several keys.
        PickText(Control(&form, "Combo1(0)"), QStringLiteral("DIM"));
        PickText(Control(&form, "Combo1(6)"), QStringLiteral("DIM"));
        QCOMPARE(keyBlockWord(2), int16_t(19));
        QCOMPARE(keyBlockWord(14), int16_t(19));
        QVERIFY(IsModified());
    }
};

QTEST_MAIN(TestFrmKey)
#include "tst_FrmKey.moc"
