// tarven-cli ports and --port auto, with the device list given through TARVEN_PORT_LIST
// and a simulated radio on a pseudo-terminal as the one USB device.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Result {
    int code;
    QByteArray out;
    QByteArray err;
};

QJsonObject device(const QString &path, const QString &byId, int vendor)
{
    QJsonObject o{{"device", path}, {"byId", byId}, {"description", "FT232R USB UART"}, {"manufacturer", "FTDI"}};
    if (vendor >= 0)
        o["vendorId"] = QString::number(vendor, 16);
    return o;
}
}

class TestCliPorts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(tmp.isValid()); }

    void portsListsTheSystemsDevicesAsJson()
    {
        // Whatever this machine has, the list parses and names a device in every entry.
        const Result r = cli({"ports", "--json"}, QString());
        QCOMPARE(r.code, 0);
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QVERIFY(doc.isArray());
        for (const QJsonValue &v : doc.array())
            QVERIFY(v.toObject().value("device").toString().startsWith("/dev/"));
        QVERIFY(!r.out.contains('\0'));
    }

    void portsShowsComNumbersAndDetails()
    {
        const QString list = writeList({device("/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI-A1", 0x0403),
                                        device("/dev/ttyUSB9", {}, 0x1a86)});
        Result r = cli({"ports", "--json"}, list);
        QCOMPARE(r.code, 0);
        const QJsonArray a = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(a.size(), 2);
        QCOMPARE(a.at(0).toObject().value("com").toInt(), 5);
        QVERIFY(a.at(1).toObject().value("com").isNull());
        QCOMPARE(a.at(0).toObject().value("vendorId").toString(), QStringLiteral("0403"));
        QCOMPARE(a.at(0).toObject().value("usb").toBool(), true);

        r = cli({"ports"}, list);
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("COM5   /dev/ttyUSB0  /dev/serial/by-id/usb-FTDI-A1  (FT232R USB UART, FTDI, USB 0403:0000)"),
                 r.out.constData());
        QVERIFY(r.out.contains("-      /dev/ttyUSB9"));
    }

    void deviceThatCannotBeOpenedIsMarked()
    {
        const QString list = writeList({device("/dev/null", {}, -1), device("/dev/tarven-gone", {}, 0x0403)});
        Result r = cli({"ports", "--json"}, list);
        const QJsonArray a = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(a.size(), 2);
        QCOMPARE(a.at(0).toObject().value("canOpen").toBool(), true);
        QCOMPARE(a.at(1).toObject().value("canOpen").toBool(), false);
        r = cli({"ports"}, list);
        const QList<QByteArray> lines = r.out.split('\n');
        QVERIFY(!lines.at(0).contains("[cannot open]"));
        QVERIFY2(lines.at(1).endsWith("[cannot open]"), r.out.constData());
    }

    // The doctor against the simulated radio: every check passes and the radio is named;
    // the JSON form says the same.
    void doctorChecksAPortAndIdentifiesTheRadio()
    {
        QProcess radio;
        radio.start(QStringLiteral(TARVEN_TEST_PROGRAM_DIR "/tarven-cli"), {"simulate", "--band", "hf", "--echo"});
        QVERIFY(radio.waitForReadyRead(10000));
        const QString pty = QString::fromUtf8(radio.readLine()).trimmed();
        Result r = cli({"doctor", "--port", pty}, QString());
        QVERIFY2(r.code == 0, r.out.constData());
        QVERIFY(r.out.contains("[OK] TARVEN II, band HF, firmware V100"));
        QVERIFY(r.out.contains("echoes"));
        QVERIFY(!r.out.contains('\r'));
        r = cli({"doctor", "--port", pty, "--json"}, QString());
        QCOMPARE(r.code, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o.value("healthy").toBool(), true);
        QCOMPARE(o.value("echo").toBool(), true);
        QCOMPARE(o.value("radio").toObject().value("band").toInt(), 1);
        radio.terminate();
        QVERIFY(radio.waitForFinished(10000));

        // A port that is not there: a problem, exit 1, and no group advice.
        r = cli({"doctor", "--port", "/dev/tarven-gone"}, QString());
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.contains("[PROBLEM]"));
        QVERIFY(!r.out.contains("usermod"));
    }

    void autoPortWithNoneOneAndTwoCandidates()
    {
        // None: only a built-in serial port.
        Result r = cli({"info", "--port", "auto"}, writeList({device("/dev/ttyS0", {}, -1)}));
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains("USB"));

        // One: the simulated radio, listed as a USB adapter, answers.
        QProcess radio;
        radio.start(QStringLiteral(TARVEN_TEST_PROGRAM_DIR "/tarven-cli"), {"simulate"});
        QVERIFY(radio.waitForReadyRead(10000));
        const QString pty = QString::fromUtf8(radio.readLine()).trimmed();
        QVERIFY(pty.startsWith("/dev/"));
        r = cli({"info", "--port", "auto", "--json"}, writeList({device("/dev/ttyS0", {}, -1), device(pty, {}, 0x0403)}));
        QVERIFY2(r.code == 0, r.err.constData());
        QVERIFY(QJsonDocument::fromJson(r.out).object().contains("serialNumber"));

        // Two: nothing is opened, both candidates are named.
        r = cli({"info", "--port", "auto"},
                writeList({device(pty, {}, 0x0403), device("/dev/ttyACM0", "/dev/serial/by-id/usb-cable-2", 0x2341)}));
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains(pty.toUtf8()) && r.err.contains("/dev/serial/by-id/usb-cable-2"));
        radio.terminate();
        QVERIFY(radio.waitForFinished(10000));
    }

private:
    Result cli(const QStringList &args, const QString &listFile)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!listFile.isEmpty())
            env.insert(QStringLiteral("TARVEN_PORT_LIST"), listFile);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TARVEN_TEST_PROGRAM_DIR "/tarven-cli"), args);
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                p.readAllStandardError()};
    }

    QString writeList(const QList<QJsonObject> &devices)
    {
        QJsonArray a;
        for (const QJsonObject &d : devices)
            a.append(d);
        const QString path = tmp.filePath(QStringLiteral("ports-%1.json").arg(++lists));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(QJsonDocument(a).toJson());
        return path;
    }

    QTemporaryDir tmp;
    int lists = 0;
};

QTEST_GUILESS_MAIN(TestCliPorts)
#include "tst_cliports.moc"
