// The same settings stored into many channels: channel lists, NAME=VALUE settings,
// refusals before anything changes, one undo step, and the same result as one edit at
// a time.
#include "ChannelBulkEdit.h"
#include "ChannelCell.h"
#include "ChannelCsvFields.h"
#include "ChannelGroup.h"
#include "ChannelSelection.h"
#include "DocumentHistory.h"
#include "FreqCodec.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"
#include "TestProgramDir.h"

#include <QtTest>

namespace {
void newDocument(int band)
{
    SetCurrentBand(band);
    BuildNewImage();
}

// A HAM document whose bank A holds 40 channels.
void fullBankA()
{
    newDocument(2);
    for (int p = 1; p <= 40; ++p) {
        if (!Image().channel(p))
            Image().addChannel(p, FormatFreq(28.0 + 0.01 * p));
    }
}

QList<int> selection(const QString &text, QString *error = nullptr)
{
    QList<int> numbers;
    QString why;
    if (!ParseChannelSelection(text, Run().BandMode, &numbers, &why) && error)
        *error = why;
    return numbers;
}

QHash<QString, QString> settings(const QStringList &items)
{
    QHash<QString, QString> cells;
    QString error;
    if (!ParseChannelSettings(items, &cells, &error))
        qWarning("%s", qPrintable(error));
    return cells;
}
}

class TestChannelBulkEdit : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgramDir> env;

private slots:
    void init() { env = std::make_unique<TestProgramDir>(); }
    void cleanup() { env.reset(); }

    void channelListsNameChannelsAsTheGridDoes()
    {
        fullBankA();
        QCOMPARE(selection(QStringLiteral("A-1..A-40")).size(), 40);
        QCOMPARE(selection(QStringLiteral("a-3..5")), (QList<int>{3, 4, 5}));
        QCOMPARE(selection(QStringLiteral("A-2, 1, A-2..A-3")), (QList<int>{2, 1, 3}));
        const int mem1 = GroupStart(kBankMemGroup, 2) + 1;
        QCOMPARE(selection(QStringLiteral("MEM 1")), QList<int>{mem1});
        // "all" is every stored channel of the groups, the VFO excepted.
        const QList<int> all = selection(QStringLiteral("all"));
        QVERIFY(all.size() >= 40);
        QVERIFY(!all.contains(kVfoChannel));

        QString error;
        QVERIFY(selection(QStringLiteral("Z-1"), &error).isEmpty());
        QCOMPARE(error, QStringLiteral("\"Z-1\" names no channel of this band"));
        QVERIFY(selection(QStringLiteral("A-5..A-2"), &error).isEmpty());
        QVERIFY(error.contains(QLatin1String("A-5..A-2")));
        QVERIFY(selection(QStringLiteral("A-1..B-2"), &error).isEmpty());
        QVERIFY(selection(QStringLiteral(" , "), &error).isEmpty());
        QVERIFY(selection(QStringLiteral("J-1..J-5"), &error).isEmpty());   // nothing stored there
        QCOMPARE(error, QStringLiteral("no channel is stored in J-1..J-5"));

        newDocument(0);
        QCOMPARE(selection(QStringLiteral("EU 1..EU 40")).size(), 40);
        QCOMPARE(selection(QStringLiteral("eu1..eu3")), (QList<int>{1, 2, 3}));
    }

    void settingsAreColumnNamesAndWords()
    {
        QHash<QString, QString> cells;
        QString error;
        QVERIFY(ParseChannelSettings({"power=High", " RxTone = 88.5 "}, &cells, &error));
        QCOMPARE(cells, (QHash<QString, QString>{{"Power", "High"}, {"RxTone", "88.5"}}));
        QVERIFY(!ParseChannelSettings({"Power"}, &cells, &error));
        QVERIFY(!ParseChannelSettings({"Colour=red"}, &cells, &error));
        QVERIFY(error.startsWith(QLatin1String("\"Colour\" is not a column name (Frequency, Mode,")));
        QVERIFY(!ParseChannelSettings({"Location=4"}, &cells, &error));
        QVERIFY(!ParseChannelSettings({"Mode=AM", "mode=FM"}, &cells, &error));
        QCOMPARE(error, QStringLiteral("Mode is set twice"));
        QVERIFY(!ParseChannelSettings({}, &cells, &error));
    }

    void bulkEditIsOneStepAndTheSameAsSingleEdits()
    {
        ScriptedPrompts prompts;
        fullBankA();
        const RadioImage start = Image();
        // One cell at a time, as typing into the grid stores them.
        for (int p = 1; p <= 40; ++p) {
            SetChannelCell(0, p, ColRdct, QStringLiteral("8"));
            SetChannelCell(0, p, ColTxPower, QStringLiteral("2"));
            SetChannelCell(0, p, ColOffset, QStringLiteral("600"));
        }
        const QByteArray single = Image().toBytes();

        Image() = start;
        ResetDocumentHistory();
        RecordDocumentChange(QStringLiteral("bulk"));
        const BulkEditOutcome out = ApplyChannelSettings(settings({"RxTone=88.5", "Power=High", "Offset=600"}),
                                                         selection(QStringLiteral("A-1..A-40")), RefusedChannels::CancelAll);
        QVERIFY(out.applied);
        QCOMPARE(out.stored, 40);
        QCOMPARE(Image().toBytes(), single);
        QCOMPARE(History().undoSteps(), 1);
        QVERIFY(History().undo());
        QCOMPARE(Image().toBytes(), start.toBytes());
        QVERIFY(prompts.messages.isEmpty());
    }

    void refusalsAreReportedBeforeAnythingChanges()
    {
        fullBankA();
        Image().channel(7)->AM_FM = 1;   // AM: no high power
        Image().channel(9)->AM_FM = 1;
        const QByteArray before = Image().toBytes();
        const QList<int> numbers = selection(QStringLiteral("A-1..A-10"));
        const QHash<QString, QString> high = settings({"Power=High", "Scan=Del"});

        const BulkEditOutcome cancelled = ApplyChannelSettings(high, numbers, RefusedChannels::CancelAll);
        QVERIFY(!cancelled.applied);
        QCOMPARE(Image().toBytes(), before);
        QCOMPARE(cancelled.refusals.size(), 2);
        QCOMPARE(cancelled.refusalReport(2),
                 QStringLiteral("channel A-7: High power is not available with AM\n"
                                "channel A-9: High power is not available with AM"));

        // Applied to the others: the refused channels keep every value, even the ones
        // stored before the refused one.
        const BulkEditOutcome others = ApplyChannelSettings(high, numbers, RefusedChannels::ApplyToOthers);
        QVERIFY(others.applied);
        QCOMPARE(others.stored, 8);
        QCOMPARE(Image().channel(1)->Tx_Power, int16_t(2));
        QCOMPARE(Image().channel(1)->Scan, int16_t(0));
        const RadioImage was = RadioImage::fromBytes(before);
        QCOMPARE(channelToBytes(*Image().channel(7)), channelToBytes(*was.channel(7)));
        QCOMPARE(channelToBytes(*Image().channel(9)), channelToBytes(*was.channel(9)));
    }

    void cbRulesHoldForEveryChannel()
    {
        newDocument(0);
        const QByteArray before = Image().toBytes();
        // CE is FM only, and the CB band offers no power setting.
        BulkEditOutcome out = ApplyChannelSettings(settings({"Mode=AM"}), selection(QStringLiteral("CE 1..CE 3")),
                                                   RefusedChannels::CancelAll);
        QCOMPARE(out.refusals.size(), 3);
        out = ApplyChannelSettings(settings({"Power=High"}), selection(QStringLiteral("EU 1")), RefusedChannels::CancelAll);
        QCOMPARE(out.refusals.size(), 1);
        QCOMPARE(Image().toBytes(), before);
        out = ApplyChannelSettings(settings({"Mode=AM", "TSQ=On"}), selection(QStringLiteral("EU 1..EU 40")),
                                   RefusedChannels::CancelAll);
        QVERIFY2(out.applied, qPrintable(out.refusalReport(0)));
        QCOMPARE(Image().channel(40)->AM_FM, int16_t(1));
    }
};

QTEST_GUILESS_MAIN(TestChannelBulkEdit)
#include "tst_channelbulkedit.moc"
