// The support report: password values never go in, the trace only when allowed, and a
// report that cannot be written leaves nothing behind.
#include "RecentMessages.h"
#include "SupportReport.h"
#include "Startup.h"
#include "TestProgramDir.h"

#include <QProcess>
#include <QtTest>

namespace {
QString archiveList(const QString &path)
{
    QProcess tar;
    tar.start(QStringLiteral("tar"), {QStringLiteral("-tzf"), path});
    tar.waitForFinished();
    return QString::fromUtf8(tar.readAllStandardOutput());
}

QString archiveFile(const QString &path, const QString &member)
{
    QProcess tar;
    tar.start(QStringLiteral("tar"), {QStringLiteral("-xzOf"), path, member});
    tar.waitForFinished();
    return QString::fromUtf8(tar.readAllStandardOutput());
}
}

class TestSupportReport : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestProgramDir>();
        InitDefaults();
        qputenv("XDG_CACHE_HOME", tmp.filePath(QStringLiteral("cache")).toUtf8());
    }
    void cleanup()
    {
        qunsetenv("XDG_CACHE_HOME");
        env.reset();
    }

    void passwordValuesAreRemoved()
    {
        const QString ini = QStringLiteral("[language]\ncomPort=3\nProgPassword=1234\n password = secret\n"
                                           "[x]\nPASSWORD=abc\nlastPass=9\n; a password=comment stays\n");
        const QString clean = WithoutPasswords(ini);
        for (const char *secret : {"1234", "secret", "abc", "=9"})
            QVERIFY2(!clean.contains(QLatin1String(secret)), qPrintable(clean));
        QVERIFY(clean.contains(QStringLiteral("comPort=3")));
        QVERIFY(clean.contains(QStringLiteral("ProgPassword=(removed)")));
    }

    void reportHoldsTheTraceOnlyWhenAllowed()
    {
        RememberShownMessage(QStringLiteral("first\r\nsecond line"));
        for (int i = 0; i < kKeptMessages + 5; ++i)
            RememberShownMessage(QStringLiteral("message %1").arg(i));
        QCOMPARE(RecentShownMessages().size(), kKeptMessages);
        QVERIFY(RecentShownMessages().last().endsWith(QStringLiteral("message %1").arg(kKeptMessages + 4)));

        QFile trace(LastTransferTracePath());
        QVERIFY(trace.open(QIODevice::WriteOnly));
        trace.write("0.000100 TX 50 52 4F 47 52 41 4D\n");
        trace.close();

        const QString plain = tmp.filePath(QStringLiteral("plain.tar.gz"));
        QString error;
        QVERIFY2(WriteSupportReport(plain, {}, &error), qPrintable(error));
        QVERIFY(!archiveList(plain).contains(QStringLiteral("trace.txt")));
        QVERIFY(archiveFile(plain, QStringLiteral("tarven-report/about.txt")).contains(QString::fromLatin1(qVersion())));
        QVERIFY(archiveFile(plain, QStringLiteral("tarven-report/messages.txt")).contains(QStringLiteral("message 3")));
        QVERIFY(archiveList(plain).contains(QStringLiteral("tarven-report/doctor.json")));

        const QString withTrace = tmp.filePath(QStringLiteral("trace.tar.gz"));
        SupportReportOptions allowed;
        allowed.includeTrace = true;
        QVERIFY(WriteSupportReport(withTrace, allowed, &error));
        QVERIFY(archiveFile(withTrace, QStringLiteral("tarven-report/trace.txt")).contains(QStringLiteral("TX 50 52")));
    }

    void unwritableTargetLeavesNothing()
    {
        const QString out = tmp.filePath(QStringLiteral("missing-folder/report.tar.gz"));
        QString error;
        QVERIFY(!WriteSupportReport(out, {}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(out) && !QFile::exists(out + QStringLiteral(".part")));
    }

private:
    QTemporaryDir tmp;
    std::unique_ptr<TestProgramDir> env;
};

QTEST_GUILESS_MAIN(TestSupportReport)
#include "tst_supportreport.moc"
