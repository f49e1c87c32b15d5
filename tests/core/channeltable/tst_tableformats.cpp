// What a table from elsewhere does: CHIRP's format as CHIRP writes it (recognised by the
// whole header, power in watts, defaults for the columns older files lack, comments that
// are the user's), lenient reading with strict storing, placing rows into free
// positions, the limits of a table, safe cells on export and the stock lists.
#include "ChannelCsvFields.h"
#include "ChannelExport.h"
#include "ChannelGroup.h"
#include "ChannelImport.h"
#include "ChirpCsv.h"
#include "CountryPlans.h"
#include "CsvTable.h"
#include "FreqCodec.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "StockLists.h"
#include "TestProgramDir.h"

#include <QtTest>

namespace {
void newDocument(int band)
{
    SetCurrentBand(band);
    BuildNewImage();
}

const QByteArray kChirpHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                                "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";
// The header Debian 12's CHIRP (late 2022) writes: no RxDtcsCode, CrossMode or Power.
const QByteArray kOldChirpHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                                   "Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";
}

class TestTableFormats : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgramDir> env;

private slots:
    void init() { env = std::make_unique<TestProgramDir>(); }
    void cleanup() { env.reset(); }

    void theWholeHeaderDecidesTheFormat()
    {
        newDocument(2);
        // One CHIRP-only column makes a CHIRP file: the offset is MHz, the tone is read.
        ImportOutcome out = ImportChannelTable("Location,Name,Frequency,Duplex,Offset\n1,RPT,29.620000,-,0.100000\n");
        QVERIFY2(out.ok, qPrintable(out.errorReport()));
        QCOMPARE(Image().channel(1)->OffSetFre, int16_t(100));
        QCOMPARE(Image().channel(1)->DUP, int16_t(2));
        out = ImportChannelTable("Location,Frequency,Tone,rToneFreq\n2,29.62,Tone,88.5\n");
        QVERIFY2(out.ok, qPrintable(out.errorReport()));
        QCOMPARE(ToneText(Image().channel(2)->TDCT), QStringLiteral("C_008(88.5Hz)"));

        // Columns of both formats: either reading would drop some, so nothing is read.
        const QByteArray before = Image().toBytes();
        out = ImportChannelTable("Location,Frequency,Public,RxTone,TxTone,Skip,TStep\n3,28.5,Off,88.5,Off,S,5.00\n");
        QVERIFY(!out.ok);
        QCOMPARE(out.errors.size(), 1);
        QVERIFY(out.errors.first().contains(QLatin1String("Skip, TStep")));
        QVERIFY(out.errors.first().contains(QLatin1String("Public, RxTone, TxTone")));
        QCOMPARE(Image().toBytes(), before);

        // The program's own table never starts with "Location", which CHIRP takes for its own.
        QVERIFY(!ExportChannelTable(Image(), 2, ChannelCsvFormat::Tarven).startsWith("Location"));
        QCOMPARE(TableHeaderFormat(ChannelTableHeader()), HeaderFormat::Tarven);
        QCOMPARE(TableHeaderFormat(ChirpHeader()), HeaderFormat::Chirp);
        QCOMPARE(TableHeaderFormat({"Location", "Frequency"}), HeaderFormat::Tarven);
        QCOMPARE(TableHeaderFormat({"Foo", "Bar"}), HeaderFormat::None);
    }

    void aChirpUsersCommentIsNoSetting()
    {
        newDocument(2);
        ImportOutcome out = ImportChannelTable(kChirpHeader +
            "1,,29.600000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,1W,Club net; NB=perhaps,,,,\n"
            "2,,29.610000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,1W,Power=High,,,,\n"
            "3,,29.620000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,1W,TSQ=On,,,,\n");
        QVERIFY2(out.ok, qPrintable(out.errorReport()));
        QCOMPARE(Image().channel(2)->Tx_Power, int16_t(0));
        QCOMPARE(Image().channel(3)->TSQ, int16_t(0));
        // Behind the marker the settings are the program's, and checked like any cell.
        out = ImportChannelTable(kChirpHeader +
            "4,,29.630000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,1W,[tarven2: TSQ=On; NB=perhaps],,,,\n"
            "5,,29.640000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,1W,[tarven2: Colour=red],,,,\n");
        QCOMPARE(out.errors, (QStringList{"line 2: NB \"perhaps\" is not a valid value",
                                          "line 3: setting \"Colour=red\" in Comment is not one of this program's"}));
        QVERIFY(ImportChannelTable(kChirpHeader +
            "4,,29.630000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,1W,[tarven2: TSQ=On] net,,,,\n").ok);
        QCOMPARE(Image().channel(4)->TSQ, int16_t(1));
    }

    void olderChirpFilesReadAsChirpReadsThem()
    {
        newDocument(2);
        // No CrossMode column: a Cross row is CHIRP's default "Tone->Tone"; no Power
        // column: CHIRP's 50 W, the highest level the mode has.
        ImportOutcome out = ImportChannelTable(kOldChirpHeader +
            "1,,28.505000,,0.600000,Cross,67.0,123.0,023,NN,FM,5.00,,,,,,\n"
            "2,,28.510000,,0.600000,,88.5,88.5,023,NN,AM,5.00,,,,,,\n"
            // The copies the program's CHIRP export keeps in Comment stand in for the
            // columns this file lacks.
            "3,,28.515000,,0.600000,Cross,88.5,88.5,411,NN,FM,5.00,,[tarven2: Power=Low; CrossMode=DTCS->DTCS; RxDtcsCode=754],,,,\n");
        QVERIFY2(out.ok, qPrintable(out.errorReport()));
        const ChannelRecord &c1 = *Image().channel(1);
        QCOMPARE(ToneText(c1.TDCT), QStringLiteral("C_001(67.0Hz)"));
        QCOMPARE(ToneText(c1.RDCT), QStringLiteral("C_018(123.0Hz)"));
        QCOMPARE(c1.Tx_Power, int16_t(2));
        QCOMPARE(Image().channel(2)->Tx_Power, int16_t(1));   // AM has no third level
        const ChannelRecord &c3 = *Image().channel(3);
        QCOMPARE(c3.Tx_Power, int16_t(0));
        QCOMPARE(FieldText(ChannelField::TxTone, c3, 2), QStringLiteral("D411N"));
        QCOMPARE(FieldText(ChannelField::RxTone, c3, 2), QStringLiteral("D754N"));
        // A file with the column reads the column, not the copy.
        out = ImportChannelTable(kChirpHeader +
            "3,,28.515000,,0.600000,Cross,88.5,88.5,411,NN,023,DTCS->,FM,5.00,,10W,[tarven2: Power=Low; CrossMode=DTCS->DTCS; RxDtcsCode=754],,,,\n");
        QVERIFY2(out.ok, qPrintable(out.errorReport()));
        QCOMPARE(Image().channel(3)->Tx_Power, int16_t(2));
        QCOMPARE(Image().channel(3)->RDCT, int16_t(0));
    }

    void wattsMapToLevelsAndBack_data()
    {
        QTest::addColumn<QString>("power");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("level");   // -1: the row is refused
        QTest::newRow("0.1W") << "0.1W" << "FM" << 0;
        QTest::newRow("1") << "1" << "FM" << 0;
        QTest::newRow("2.5W") << "2.5W" << "FM" << 1;
        QTest::newRow("5.0W") << "5.0W" << "FM" << 1;
        QTest::newRow("7W") << "7W" << "FM" << 2;
        QTest::newRow("50W FM") << "50W" << "FM" << 2;
        QTest::newRow("50W AM") << "50W" << "AM" << 1;
        QTest::newRow("Low") << "Low" << "FM" << -1;
        QTest::newRow("5 watts") << "5 watts" << "FM" << -1;
        QTest::newRow("-5W") << "-5W" << "FM" << -1;
    }
    void wattsMapToLevelsAndBack()
    {
        QFETCH(QString, power);
        QFETCH(QString, mode);
        QFETCH(int, level);
        newDocument(1);
        const QByteArray csv = kChirpHeader + QStringLiteral("1,,28.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,%1,5.00,,%2,,,,,\n")
                                                  .arg(mode, power).toUtf8();
        const ImportOutcome out = ImportChannelTable(csv);
        QCOMPARE(out.ok, level >= 0);
        if (level < 0) {
            QVERIFY(out.errors.first().contains(QLatin1String("is not a wattage")));
            return;
        }
        QCOMPARE(Image().channel(1)->Tx_Power, int16_t(level));
        // The export writes the level's nominal wattage, which maps to the same level.
        const QString written = ChirpRow(*Image().channel(1), 1).at(15);
        QCOMPARE(written, QString::number(NominalWatts(level)) + QLatin1Char('W'));
        double watts = 0;
        QVERIFY(ParseWatts(written, &watts));
        QCOMPARE(PowerLevelOfWatts(watts, mode == QLatin1String("AM")), level);
    }

    void commentLinesAndEmptyRowsAreSkipped()
    {
        newDocument(2);
        const ImportOutcome out = ImportChannelTable("# saved by a club's tool, version 3\n"
                                                     "# second note, with, commas\n"
                                                     "Group,Frequency,Mode\n"
                                                     ",,\n"
                                                     "A-2,28.5,AM\n"
                                                     "# a note between rows\n"
                                                     " , ,\n"
                                                     "A-3,28.6,FM\n");
        QVERIFY2(out.ok, qPrintable(out.errorReport()));
        QCOMPARE(out.rows, 2);
        QCOMPARE(Image().channel(3)->AM_FM, int16_t(0));
        QCOMPARE(Image().channel(2)->AM_FM, int16_t(1));
    }

    void everyReasonOfARefusedRowIsSaid()
    {
        newDocument(2);
        // A 60 m channel: the mode is not this radio's, nor is the frequency in the band.
        ImportOutcome out = ImportChannelTable(kChirpHeader +
            "1,60m,5.330500,,0.000000,TSQL-R,88.5,88.5,023,NN,023,Tone->Tone,USB,5.00,,50W,,,,,\n");
        QCOMPARE(out.errors.size(), 1);
        const QString line = out.errors.first();
        QVERIFY2(line.contains(QLatin1String("mode USB is not available")), qPrintable(line));
        QVERIFY2(line.contains(QLatin1String("tone mode TSQL-R is not available")), qPrintable(line));
        QVERIFY2(line.contains(QLatin1String("5.330500 lies outside the band")), qPrintable(line));

        // A CB row whose frequency the plan does not hold names that frequency.
        newDocument(0);
        out = ImportChannelTable("Group,Frequency,Mode\nEU 5,27.02500,CW\n");
        QCOMPARE(out.errors.size(), 1);
        QVERIFY2(out.errors.first().contains(QLatin1String("frequency 27.02500 is not the plan frequency of EU 5 (27.01500)")),
                 qPrintable(out.errors.first()));
        QVERIFY(out.errors.first().contains(QLatin1String("Mode \"CW\"")));
        out = ImportChannelTable("Group,Frequency\nIN 30,27.30500\n");
        QVERIFY2(out.errors.first().contains(QLatin1String("27.30500")), qPrintable(out.errors.first()));
    }

    void placingFillsFreePositionsOrStoresNothing()
    {
        newDocument(2);
        const int start = GroupStart(1, 2);   // bank B
        QVERIFY(ImportChannelTable("Group,Frequency\nB-2,28.1\nB-4,28.2\n").ok);
        const QList<int> free = FreePositions(1, 2);
        QVERIFY(!free.contains(2) && !free.contains(4) && free.contains(1) && free.contains(3));
        // Numbers for another radio (CHIRP's memory 0) are ignored; rows go in file order.
        const QByteArray chirpFile = kChirpHeader +
            "0,,29.600000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,\n"
            "7,,29.610000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,50W,,,,,\n"
            "999,,29.620000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,\n";
        QVERIFY(!ImportChannelTable(chirpFile).ok);
        ImportOutcome out = ImportChannelTable(chirpFile, RowPlacement{1});
        QVERIFY2(out.ok, qPrintable(out.errorReport()));
        QCOMPARE(Image().channel(start + 1)->freqText(), QStringLiteral("02960000"));
        QCOMPARE(Image().channel(start + 2)->freqText(), QStringLiteral("02810000"));   // kept
        QCOMPARE(Image().channel(start + 3)->freqText(), QStringLiteral("02961000"));
        QCOMPARE(Image().channel(start + 5)->freqText(), QStringLiteral("02962000"));

        // More rows than free positions: the rows beyond are named, nothing is stored.
        const QByteArray before = Image().toBytes();
        QByteArray many = "Frequency\n";
        const int freeNow = int(FreePositions(1, 2).size());
        for (int i = 0; i < freeNow + 2; ++i)
            many += QByteArray::number(28.0 + 0.005 * i, 'f', 3) + "\n";
        out = ImportChannelTable(many, RowPlacement{1});
        QVERIFY(!out.ok);
        QCOMPARE(out.errors.size(), 2);
        QVERIFY(out.errors.first().contains(QLatin1String("no free position left in group B")));
        QCOMPARE(Image().toBytes(), before);
        // Pasting places the same way.
        const int firstFree = FreePositions(1, 2).first();
        QVERIFY(PasteChannelRowsIntoFreePositions(QStringLiteral("Location\tFrequency\n300\t28.9\n"), 1).ok);
        QCOMPARE(Image().channel(start + firstFree)->freqText(), QStringLiteral("02890000"));
        QVERIFY(FreePositions(0, 0).isEmpty());   // CB country channels come from the plans
    }

    void farTooLargeTablesAndHostileCells()
    {
        newDocument(1);
        const QByteArray before = Image().toBytes();
        QByteArray huge(kCsvMaxBytes + 1, 'x');
        ImportOutcome out = ImportChannelTable(huge);
        QCOMPARE(out.errors, QStringList{"the table is larger than 2 MB, far larger than any channel list; nothing was read"});
        QByteArray rows = "Location,Frequency\n";
        for (int i = 0; i < kCsvMaxRecords + 1; ++i)
            rows += "1,x\n";
        out = ImportChannelTable(rows);
        QCOMPARE(out.errors.size(), 1);
        QVERIFY(out.errors.first().contains(QLatin1String("more than 5000 rows")));
        QCOMPARE(Image().toBytes(), before);

        // A NUL, terminal escapes and a long cell come back escaped and cut.
        const QByteArray hostile = QByteArray("Location,Frequency,Mode\n1,28.5,F\0M\n2,28.5,\x1B]0;title\x07\n3,28.5,", 60)
                                   + QByteArray(100000, 'A') + "\n4,28.5,CW\n";
        out = ImportChannelTable(hostile);
        QCOMPARE(out.errors.size(), 4);
        QVERIFY2(out.errors.at(0).contains(QLatin1String("F\\x00M")), qPrintable(out.errors.at(0)));
        QVERIFY2(out.errors.at(1).contains(QLatin1String("\\x1B]0;title\\x07")), qPrintable(out.errors.at(1)));
        QVERIFY(out.errors.at(2).size() < 200);
        QVERIFY(out.errors.at(3).contains(QLatin1String("CW")));
    }

    void formulaCellsAreWrittenAsText()
    {
        newDocument(2);
        Image().channel(1)->setFreqText(QStringLiteral("=1+1    "));
        Image().channel(1)->DUP = 2;
        for (ChannelCsvFormat format : {ChannelCsvFormat::Tarven, ChannelCsvFormat::Chirp}) {
            const CsvParse csv = ReadCsv(ExportChannelTable(Image(), 2, format));
            const QStringList row = csv.records.at(1).fields;
            QVERIFY2(row.contains(QStringLiteral("'=1+1")), qPrintable(row.join('|')));
            QVERIFY(row.contains(QStringLiteral("-")));   // the duplex direction stays as it is
        }
        QCOMPARE(FormulaSafeCell(QStringLiteral("@SUM(1)")), QStringLiteral("'@SUM(1)"));
        QCOMPARE(FormulaSafeCell(QStringLiteral("\tx")), QStringLiteral("'\tx"));
        QCOMPARE(FormulaSafeCell(QStringLiteral("-21798")), QStringLiteral("-21798"));
        QCOMPARE(FormulaSafeCell(QStringLiteral("+")), QStringLiteral("+"));
        QCOMPARE(UnguardedCell(QStringLiteral("'=1+1")), QStringLiteral("=1+1"));
        QCOMPARE(UnguardedCell(QStringLiteral("'plain")), QStringLiteral("'plain"));
    }

    void stockListsHoldThePlansAndImport()
    {
        const QString dir = QStringLiteral(TARVEN_TEST_SOURCE_DIR "/resources/stock");
        const QList<StockList> lists = StockListsIn(dir);
        QCOMPARE(lists.size(), CountryPlans().size() + 4);
        for (const StockList &list : lists)
            QVERIFY2(!list.source.isEmpty(), qPrintable(list.path));
        // Each CB plan list holds its plan's frequencies and imports into a CB document
        // by its channels without a change of frequency.
        for (const CountryPlan &plan : CountryPlans()) {
            newDocument(0);
            QByteArray table;
            QVERIFY(ReadTableFile(dir + QStringLiteral("/cb-plan-%1.csv").arg(plan.name), &table));
            QCOMPARE(ReadCsv(table).records.size(), plan.frequencies.size() + 1);
            const ImportOutcome out = ImportChannelTable(table);
            QVERIFY2(out.ok, qPrintable(plan.name + ": " + out.errorReport()));
            QCOMPARE(out.rows, int(plan.frequencies.size()));
        }
        // The 10 m lists go into a bank of either bank band.
        for (int band : {1, 2}) {
            for (const StockList &list : lists) {
                if (list.numbered)
                    continue;
                newDocument(band);
                QByteArray table;
                QVERIFY(ReadTableFile(list.path, &table));
                const ImportOutcome out = ImportChannelTable(table, RowPlacement{3});
                QVERIFY2(out.ok, qPrintable(list.path + ": " + out.errorReport()));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestTableFormats)
#include "tst_tableformats.moc"
