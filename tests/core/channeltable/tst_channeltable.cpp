// Channel tables out of and into the working image: the tarven and CHIRP formats, the
// round trip, the rules every row goes through and the all-or-nothing outcome.
#include "ChannelCsvFields.h"
#include "ChannelExport.h"
#include "ChannelImport.h"
#include "ChirpCsv.h"
#include "CsvTable.h"
#include "FreqCodec.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"
#include "TestProgramDir.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
void newDocument(int band)
{
    SetCurrentBand(band);
    BuildNewImage();
}

// A HF or HAM image with random channels and every value inside its choices; all DTMF
// codes defined and all tone tips usable, so any reference is a valid one.
void randomBankImage(int band, quint32 seed)
{
    newDocument(band);
    QRandomGenerator rng(seed);
    RadioImage &img = Image();
    for (DtmfCode &code : img.header.dtmf.codes) {
        code.length = 3;
        code.setDigits(QStringLiteral("123"));
    }
    for (ToneTip &tip : img.header.tips) {
        tip.LoopCount = 1;
        tip.steps[0].ToneLen = 10;
    }
    const qint64 low = qRound64(Run().bandLow * 100000), high = qRound64(Run().bandHigh * 100000);
    for (int n = 1; n <= kChannelSlots; ++n) {
        if (img.findChannel(n) < 0 && rng.bounded(3) == 0)
            img.addChannel(n, FormatFreq(double(low + 500 * rng.bounded(int((high - low) / 500) + 1)) / 100000));
    }
    for (int s = 0; s < img.count(); ++s) {
        ChannelRecord &c = img.at(s);
        c.Scan = int16_t(rng.bounded(2));
        c.OffSetFre = int16_t(5 * (1 + rng.bounded(200)));
        c.RDCT = int16_t(rng.bounded(kToneListSize));
        c.TDCT = int16_t(rng.bounded(kToneListSize));
        for (int16_t *flag : {&c.DUP, &c.HI_CUT, &c.BUSY, &c.NB, &c.Add_Sub_5K, &c.AM_FM, &c.Public, &c.TSQ})
            *flag = int16_t(rng.bounded(2));
        c.DUP = int16_t(rng.bounded(3));
        c.Tx_Power = int16_t(rng.bounded(c.AM_FM == 1 ? 2 : 3));
        c.RBTone = int16_t(rng.bounded(9));
        c.DTMF_BOT = int16_t(rng.bounded(17));
        c.DTMF_EOT = int16_t(rng.bounded(17));
        c.DTMF_Call = int16_t(rng.bounded(17));
    }
}

// Changes every value the windows let the user change, keeping the frequencies.
void scramble(quint32 seed)
{
    QRandomGenerator rng(seed);
    RadioImage &img = Image();
    for (int s = 0; s < img.count(); ++s) {
        ChannelRecord &c = img.at(s);
        if (c.number != kVfoChannel)   // the VFO channel has no scan setting to change
            c.Scan = int16_t(1 - c.Scan);
        c.OffSetFre = int16_t(c.OffSetFre == 5 ? 1000 : 5);
        c.RDCT = int16_t((c.RDCT + 1 + rng.bounded(100)) % kToneListSize);
        c.TDCT = int16_t((c.TDCT + 1) % kToneListSize);
        c.DUP = int16_t((c.DUP + 1) % 3);
        for (int16_t *flag : {&c.HI_CUT, &c.BUSY, &c.NB, &c.AM_FM, &c.Public, &c.TSQ})
            *flag = int16_t(1 - *flag);
        c.Tx_Power = 0;
        c.RBTone = int16_t((c.RBTone + 1) % 9);
        c.DTMF_BOT = int16_t((c.DTMF_BOT + 1) % 17);
    }
}

QStringList table(const QByteArray &csv)
{
    QStringList lines;
    for (const CsvRecord &r : ReadCsv(csv).records)
        lines << r.fields.join(QLatin1Char('|'));
    return lines;
}
}

class TestChannelTable : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgramDir> env;

private slots:
    void init() { env = std::make_unique<TestProgramDir>(); }
    void cleanup() { env.reset(); }

    void exportsEveryFieldInChannelOrder()
    {
        newDocument(0);
        const QStringList rows = table(ExportChannelTable(Image(), 0, ChannelCsvFormat::Tarven));
        QCOMPARE(rows.first(), ChannelTableHeader().join(QLatin1Char('|')));
        QCOMPARE(rows.size(), Image().count() + 1);
        QVERIFY(rows.at(1).startsWith(QLatin1String("EU 1|1|26.96500|")));
        // The UK plan shows as the grid shows it; the MEM channels and the VFO by name.
        QCOMPARE(rows.filter(QStringLiteral("UK 1|121|27.60125|")).size(), 1);
        QCOMPARE(rows.filter(QRegularExpression(QStringLiteral("^VFO\\|401\\|"))).size(), 1);
        QCOMPARE(rows.filter(QRegularExpression(QStringLiteral("^MEM 1\\|402\\|"))).size(), 1);

        newDocument(2);
        Image().channel(1)->RDCT = 8;     // 88.5 Hz
        Image().channel(1)->TDCT = 142;   // DCS 754
        const QStringList ham = table(ExportChannelTable(Image(), 2, ChannelCsvFormat::Tarven));
        QVERIFY(ham.at(1).startsWith(QLatin1String("A-1|1|28.85000|FM|Low|Off|100|88.5|D754N|")));
        const QStringList chirp = table(ExportChannelTable(Image(), 2, ChannelCsvFormat::Chirp));
        QCOMPARE(chirp.first(), ChirpHeader().join(QLatin1Char('|')));
        QCOMPARE(chirp.first().count(QLatin1Char('|')), 20);
        // Power in watts; the program's own settings behind the marker in Comment.
        QVERIFY2(chirp.at(1).startsWith(QLatin1String("1|A-1|28.850000||0.100000|Cross|88.5|88.5|754|NN|023|DTCS->Tone|FM|5.00||1W|"
                                                      "[tarven2: Public=On; ")), qPrintable(chirp.at(1)));
        QVERIFY(chirp.at(1).contains(QLatin1String("; Power=Low; CrossMode=DTCS->Tone; RxDtcsCode=023]")));
    }

    void roundTripIsByteIdentical_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("seed");
        QTest::addColumn<int>("format");
        for (int f : {0, 1}) {
            const char *name = f ? "chirp" : "tarven";
            QTest::addRow("new CB %s", name) << 0 << 0 << f;
            QTest::addRow("new HF %s", name) << 1 << 0 << f;
            QTest::addRow("new HAM %s", name) << 2 << 0 << f;
            for (int seed = 1; seed <= 3; ++seed) {
                QTest::addRow("random HF %d %s", seed, name) << 1 << seed << f;
                QTest::addRow("random HAM %d %s", seed, name) << 2 << seed << f;
            }
        }
    }
    void roundTripIsByteIdentical()
    {
        QFETCH(int, band);
        QFETCH(int, seed);
        QFETCH(int, format);
        if (seed == 0)
            newDocument(band);
        else
            randomBankImage(band, quint32(seed));
        const auto fmt = format ? ChannelCsvFormat::Chirp : ChannelCsvFormat::Tarven;
        const QByteArray original = Image().toBytes();
        const QByteArray csv = ExportChannelTable(Image(), band, fmt);

        ImportOutcome same = ImportChannelTable(csv);
        QVERIFY2(same.ok, qPrintable(same.errorReport()));
        QCOMPARE(Image().toBytes(), original);

        // After every editable value changed, the table brings each one back.
        if (band != 0) {
            scramble(quint32(seed));
            QVERIFY(Image().toBytes() != original);
            ImportOutcome back = ImportChannelTable(csv);
            QVERIFY2(back.ok, qPrintable(back.errorReport()));
            QCOMPARE(Image().toBytes(), original);
        }
    }

    void chirpFileForTheHamBandLandsInItsFields()
    {
        newDocument(2);
        // Semicolons (with decimal commas on line 3), a byte-order mark, CRLF, and a quoted
        // Comment with a comma and a line break.
        const QByteArray csv =
            "\xEF\xBB\xBFLocation;Name;Frequency;Duplex;Offset;Tone;rToneFreq;cToneFreq;DtcsCode;DtcsPolarity;RxDtcsCode;"
            "CrossMode;Mode;TStep;Skip;Power;Comment;URCALL;RPT1CALL;RPT2CALL;DVCODE\r\n"
            "1;RPT;29.620000;-;0.100000;Tone;88.5;88.5;023;NN;023;Tone->Tone;FM;5.00;;10W;\"club, north\r\nrepeater\";;;;\r\n"
            "2;TSQL;29,600000;;0,000000;TSQL;88,5;100,0;023;NN;023;Tone->Tone;FM;5,00;;1,0W;;;;;\r\n"
            "3;DCS;28.500000;+;0.100000;DTCS;88.5;88.5;754;NN;754;Tone->Tone;FM;5.00;S;5.0W;;;;;\r\n"
            "4;X;28.505000;;0.000000;Cross;67.0;88.5;023;NN;125;Tone->DTCS;AM;5.00;;0.1W;;;;;\r\n"
            "5;SPLIT;29.500000;split;29.600000 MHz;;88.5;88.5;023;NN;023;Tone->Tone;FM;5.00;;1;\"[tarven2: Public=Off; TSQ=On] club\";;;;\r\n"
            "403;M2;29.300000;;0.000000;;88.5;88.5;023;NN;023;Tone->Tone;NFM;5.00;;;[tarven2: RogerBeep=1];;;;\r\n";
        ImportOutcome out = ImportChannelTable(csv);
        QVERIFY2(out.ok, qPrintable(out.errorReport()));
        QCOMPARE(out.rows, 6);
        const RadioImage &img = Image();
        const ChannelRecord &c1 = *img.channel(1);
        QCOMPARE(c1.freqText(), QStringLiteral("02962000"));
        QCOMPARE(c1.DUP, int16_t(2));
        QCOMPARE(c1.OffSetFre, int16_t(100));
        QCOMPARE(ToneText(c1.TDCT), QStringLiteral("C_008(88.5Hz)"));
        QCOMPARE(c1.RDCT, int16_t(0));
        QCOMPARE(c1.Tx_Power, int16_t(2));
        const ChannelRecord &c2 = *img.channel(2);
        QCOMPARE(ToneText(c2.RDCT), QStringLiteral("C_012(100.0Hz)"));
        QCOMPARE(c2.TDCT, c2.RDCT);
        QCOMPARE(c2.DUP, int16_t(0));
        QCOMPARE(c2.OffSetFre, int16_t(100));   // no direction: the new channel's offset stays
        const ChannelRecord &c3 = *img.channel(3);
        QCOMPARE(ToneText(c3.RDCT), QStringLiteral("D_104(754N)"));
        QCOMPARE(c3.TDCT, c3.RDCT);
        QCOMPARE(c3.DUP, int16_t(1));
        QCOMPARE(c3.Scan, int16_t(0));
        QCOMPARE(c3.Tx_Power, int16_t(1));
        const ChannelRecord &c4 = *img.channel(4);
        QCOMPARE(ToneText(c4.TDCT), QStringLiteral("C_001(67.0Hz)"));
        QCOMPARE(ToneText(c4.RDCT), QStringLiteral("D_021(125N)"));
        QCOMPARE(c4.AM_FM, int16_t(1));
        const ChannelRecord &c5 = *img.channel(5);
        QCOMPARE(c5.DUP, int16_t(1));
        QCOMPARE(c5.OffSetFre, int16_t(100));
        QCOMPARE(c5.Public, int16_t(0));
        QCOMPARE(c5.TSQ, int16_t(1));
        QCOMPARE(img.channel(403)->freqText(), QStringLiteral("02930000"));
        QCOMPARE(img.channel(403)->RBTone, int16_t(1));
    }

    void everyBadRowIsReportedAndNothingChanges()
    {
        newDocument(2);
        ScriptedPrompts prompts;
        Image().header.tips[4].LoopCount = 0;
        const QByteArray before = Image().toBytes();
        const QByteArray csv =
            "Frequency,Location,Group,Mode,Power,Offset,RxTone,DtmfBot,RogerBeep,Shift5k,Unknown\n"
            "29.0,1,,,,,,,,,ignored\n"        // 2: fine
            "30.5,2,,,,,,,,,\n"               // 3: outside the band
            "28.0012,3,,,,,,,,,\n"            // 4: off the raster
            "28.1,4,,USB,,,,,,,\n"            // 5: no such mode
            "28.1,5,,,,7,,,,,\n"              // 6: offset not a multiple of 5
            "28.1,6,,,,,69.9,,,,\n"           // 7: no such tone
            "28.1,7,,,,,,3,,,\n"              // 8: DTMF code 3 not defined
            "28.1,8,,AM,High,,,,,,\n"         // 9: high power with AM
            "28.1,1,,,,,,,,,\n"               // 10: channel 1 again
            "28.1,900,,,,,,,,,\n"             // 11: no channel number
            "28.1,10,A-11,,,,,,,,\n"          // 12: Location and Group disagree
            "28.1,11,,,,,,,,On,\n"            // 13: the 5 kHz shift is not offered by any window
            ",401,,,,,,,,,\n"                 // 14: the VFO channel is never deleted
            ",,,,,,,,,,\n"                    // 15: a row of commas, skipped
            "28.1,12,,,,,,,5,,\n";            // 16: tone tip 5 is not usable
        const ImportOutcome out = ImportChannelTable(csv);
        QVERIFY(!out.ok);
        QCOMPARE(Image().toBytes(), before);
        QStringList lines;
        for (const QString &e : out.errors)
            lines << e.section(QLatin1Char(':'), 0, 0);
        QCOMPARE(lines, (QStringList{"line 3", "line 4", "line 5", "line 6", "line 7", "line 8", "line 9", "line 10",
                                     "line 11", "line 12", "line 13", "line 14", "line 16"}));
        QVERIFY(out.errors.at(0).contains(QLatin1String("30.5")));
        QVERIFY(out.errors.at(1).contains(QLatin1String("raster")));
        QVERIFY(out.errors.at(7).endsWith(QLatin1String("line 2")));
        QVERIFY(prompts.messages.isEmpty());
    }

    void cbRowsKeepThePlans()
    {
        newDocument(0);
        const QByteArray before = Image().toBytes();
        // Settings of a country channel are taken; its frequency and the CB-hidden fields are not.
        ImportOutcome ok = ImportChannelTable("Group,Frequency,Scan,TSQ\nEU 5,27.01500,Del,On\nMEM 1,27.60125,,\n");
        QVERIFY2(ok.ok, qPrintable(ok.errorReport()));
        QCOMPARE(Image().channel(5)->Scan, int16_t(0));
        QCOMPARE(Image().channel(402)->freqText(), QStringLiteral("02760000"));   // the UK channel's stored form
        const QByteArray after = Image().toBytes();

        const ImportOutcome bad = ImportChannelTable("Group,Frequency,Duplex,Mode\n"
                                                     "EU 5,27.02500,,\n"      // another frequency for a plan channel
                                                     "I2 38,26.95500,,\n"     // a position the plan leaves empty
                                                     "MEM 2,27.00300,,\n"     // not a channel of the plans
                                                     "EU 6,,,\n"              // clearing a CB frequency
                                                     "EU 7,27.03500,+,\n"     // duplex is not offered in CB
                                                     "CE 1,26.96500,,AM\n");  // CE is FM only
        QCOMPARE(bad.errors.size(), 6);
        QCOMPARE(Image().toBytes(), after);
        QVERIFY(before != after);
    }

    void longErrorListsAreCut()
    {
        newDocument(1);
        QByteArray csv = "Location,Frequency\n";
        for (int n = 1; n <= 25; ++n)
            csv += QByteArray::number(n) + ",99\n";
        const ImportOutcome out = ImportChannelTable(csv);
        QCOMPARE(out.errors.size(), 25);
        const QStringList report = out.errorReport().split(QLatin1Char('\n'));
        QCOMPARE(report.size(), 21);
        QCOMPARE(report.last(), QStringLiteral("... and 5 more"));
    }

    void unreadableTablesAreRefused()
    {
        newDocument(1);
        const QByteArray before = Image().toBytes();
        QCOMPARE(ImportChannelTable("").errors, QStringList{"line 1: no header row with known column names"});
        QCOMPARE(ImportChannelTable("Foo,Bar\n1,2\n").errors, QStringList{"line 1: no header row with known column names"});
        QCOMPARE(ImportChannelTable("Location,Frequency\n1,\"28.1\n").errors, QStringList{"line 2: unterminated quoted field"});
        QCOMPARE(Image().toBytes(), before);
    }

    void emptyFrequencyDeletesWithinTheRules()
    {
        newDocument(2);
        QVERIFY(ImportChannelTable("Location,Frequency\n2,28.5\n41,28.6\n").ok);
        QVERIFY(ImportChannelTable("Location,Frequency\n2,\n41,\n").ok);
        QVERIFY(!Image().channel(2));
        QVERIFY(!Image().channel(41));
        // Channel 1 is then the only memory channel outside the MEM and VFO groups.
        const ImportOutcome kept = ImportChannelTable("Location,Frequency\n1,\n");
        QCOMPARE(kept.errors, QStringList{"line 2: A-1 cannot be deleted"});
        QVERIFY(Image().channel(1));
    }
};

QTEST_GUILESS_MAIN(TestChannelTable)
#include "tst_channeltable.moc"
