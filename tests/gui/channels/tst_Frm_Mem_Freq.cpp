// The MEM frequency picker: preselection, group and channel changes, OK and Cancel.
#include "ChannelWindowsFixture.h"
#include "Frm_Mem_Freq.h"

#include "ChannelGroup.h"
#include "FreqCodec.h"

#include <QLineEdit>
#include <QtTest>

using namespace channeltest;

class TestMemFrequencyPicker : public QObject {
    Q_OBJECT

    static QLineEdit *text1(Frm_Mem_Freq &p) { return control<QLineEdit>(&p, QStringLiteral("Text1")); }
    static QComboBox *groups(Frm_Mem_Freq &p) { return combo(&p, QStringLiteral("Combo1(0)")); }
    static QComboBox *channels(Frm_Mem_Freq &p) { return combo(&p, QStringLiteral("Combo1(1)")); }

private slots:
    void nearestChannelIsPreselectedFirstInListOrder()
    {
        freshImage(0);                                   // channel 1 at 27.185
        Image().addChannel(45, QStringLiteral("27.0"));  // CE 5, listed before EU 5
        Image().addChannel(5, QStringLiteral("27.0"));
        Image().addChannel(130, QStringLiteral("27.6")); // UK 10, shown 27.60125
        Frm_Mem_Freq picker(QStringLiteral("27.00300"));
        QCOMPARE(groups(picker)->currentText(), QStringLiteral("CE"));
        QCOMPARE(channels(picker)->currentText(), QStringLiteral("5"));
        QCOMPARE(channels(picker)->count(), 40);
        QCOMPARE(text1(picker)->text(), QStringLiteral("27.00300"));   // the typed text stays

        Frm_Mem_Freq uk(QStringLiteral("27.60125"));
        QCOMPARE(uk.groupPosition(), kCbGroupUk + 1);
        QCOMPARE(uk.channelPosition(), 9);

        Frm_Mem_Freq none(QStringLiteral("abc"));
        QCOMPARE(groups(none)->currentText(), QStringLiteral("Off"));
        QCOMPARE(channels(none)->count(), 0);
        QCOMPARE(Frm_Mem_Freq::NearestCountryChannel(0.0), 0);
    }

    void choosingGroupsAndChannels()
    {
        newDocument(0);                                  // full country plans
        Frm_Mem_Freq picker{QString()};
        chooseText(groups(picker), QStringLiteral("EU"));
        choose(channels(picker), 39);
        QCOMPARE(text1(picker)->text(), QStringLiteral("27.40500"));
        chooseText(groups(picker), QStringLiteral("DE"));  // position 40 kept: channel 280
        QCOMPARE(channels(picker)->count(), 80);
        QCOMPARE(channels(picker)->currentText(), QStringLiteral("40"));
        QCOMPARE(text1(picker)->text(), FreqDisplayText(Image().channel(280)->freqText(), kCbGroupDe, 0));
        choose(channels(picker), 79);
        chooseText(groups(picker), QStringLiteral("EU"));  // no position 80: channel 1
        QCOMPARE(channels(picker)->currentText(), QStringLiteral("1"));
        QCOMPARE(text1(picker)->text(), QStringLiteral("26.96500"));

        // A channel missing from the image leaves the text as it is.
        Image().removeChannel(Image().findChannel(2));
        choose(channels(picker), 1);
        QCOMPARE(text1(picker)->text(), QStringLiteral("26.96500"));

        choose(groups(picker), 0);                         // "Off" empties the field
        QCOMPARE(text1(picker)->text(), QString());
        QCOMPARE(channels(picker)->count(), 0);
        picker.accept();
        QCOMPARE(picker.frequencyText(), QString());
        QCOMPARE(picker.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestMemFrequencyPicker)
#include "tst_Frm_Mem_Freq.moc"
