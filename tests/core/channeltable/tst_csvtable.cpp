// The CSV reader and writer: quoting, line ends, byte-order mark and delimiters.
#include "CsvTable.h"

#include <QtTest>

class TestCsvTable : public QObject {
    Q_OBJECT

    static QList<QStringList> fieldsOf(const CsvParse &p)
    {
        QList<QStringList> out;
        for (const CsvRecord &r : p.records)
            out << r.fields;
        return out;
    }

private slots:
    void readsQuotedFieldsWithDelimitersQuotesAndLineBreaks()
    {
        const QByteArray text = "a,b,c\r\n"
                                "\"1,5\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n"
                                "x,,\"\"\r\n";
        const CsvParse p = ReadCsv(text);
        QCOMPARE(p.error, CsvParse::Error::None);
        QCOMPARE(p.delimiter, QLatin1Char(','));
        QCOMPARE(fieldsOf(p), (QList<QStringList>{{"a", "b", "c"}, {"1,5", "say \"hi\"", "two\nlines"}, {"x", "", ""}}));
        // The record after a field with a line break starts on its own line of the text.
        QCOMPARE(p.records.at(2).line, 4);
    }

    void lineEndsAndByteOrderMark_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("LF") << QByteArray("h1,h2\n1,2\n3,4");
        QTest::newRow("CRLF") << QByteArray("h1,h2\r\n1,2\r\n3,4\r\n");
        QTest::newRow("CR") << QByteArray("h1,h2\r1,2\r3,4\r");
        QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBFh1,h2\r\n1,2\r\n\r\n3,4\r\n");
        QTest::newRow("semicolon") << QByteArray("h1;h2\n1;2\n3;4\n");
        QTest::newRow("tab") << QByteArray("h1\th2\n1\t2\n3\t4\n");
    }
    void lineEndsAndByteOrderMark()
    {
        QFETCH(QByteArray, text);
        const CsvParse p = ReadCsv(text);
        QCOMPARE(fieldsOf(p), (QList<QStringList>{{"h1", "h2"}, {"1", "2"}, {"3", "4"}}));
    }

    void semicolonFilesKeepDecimalCommas()
    {
        // Spreadsheets that write semicolons use the comma in numbers.
        const CsvParse p = ReadCsv("Location;Frequency;Name\n1;\"28,015\";a,b\n");
        QCOMPARE(p.delimiter, QLatin1Char(';'));
        QCOMPARE(p.records.at(1).fields, (QStringList{"1", "28,015", "a,b"}));
    }

    void faultsNameTheirLine()
    {
        const CsvParse open = ReadCsv("a,b\n1,\"never\nclosed\n");
        QCOMPARE(open.error, CsvParse::Error::UnterminatedQuote);
        QCOMPARE(open.errorLine, 2);
        const CsvParse bytes = ReadCsv("a,b\n1,2\n\xFF\xFE,3\n");
        QCOMPARE(bytes.error, CsvParse::Error::NotUtf8);
        QCOMPARE(bytes.errorLine, 3);
        QCOMPARE(ReadCsv("\xEF\xBB\xBF").records.size(), 0);
    }

    void writesWhatItReads()
    {
        const QList<QStringList> records{{"Location", "Name"}, {"1", "a,b"}, {"2", "quote \" inside"},
                                         {"3", "line\nbreak"}, {"4", ""}, {"5", "tab\there"}};
        for (QChar d : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
            const QByteArray text = WriteCsv(records, d);
            QVERIFY(text.endsWith("\r\n"));
            QCOMPARE(fieldsOf(ReadCsv(text, d)), records);
        }
        QCOMPARE(CsvLine({"plain", "with space"}, QLatin1Char(',')), QStringLiteral("plain,with space"));
        QCOMPARE(CsvLine({"a;b"}, QLatin1Char(';')), QStringLiteral("\"a;b\""));
    }
};

QTEST_GUILESS_MAIN(TestCsvTable)
#include "tst_csvtable.moc"
