// The fleet session in one process against a simulated row of radios: receipts only for
// radios written, the per-radio values seam, Enter mode when the same radio still
// answers, and a session that leaves the working image and the question handler as
// they were.
#include "../link/LinkRig.h"

#include "FleetSession.h"
#include "SimulatedFleet.h"

#include <QTemporaryDir>

namespace {
constexpr int kSessionMs = 60000;

struct FleetRig {
    LinkRig link;
    SimulatedFleet radios{link.radio, 3};
    QTemporaryDir tmp;
    FleetLog log;
    explicit FleetRig()
    {
        radios.pauseMs = 50;
        radios.gapMs = 50;
        radios.unwrittenMs = 300;
        QString problem;
        log.open(tmp.filePath(QStringLiteral("log.csv")), &problem);
    }
};
} // namespace

class TestFleetSession : public QObject {
    Q_OBJECT
private slots:
    void receiptsAndValuesGoThroughTheirSeams()
    {
        FleetRig rig;
        rig.radios.otherBand = {2};
        rig.radios.begin();
        const RadioImage before = Image();
        Prompts *handler = &prompts();

        FleetOptions options;
        options.next = FleetOptions::Next::Auto;
        options.count = 3;
        FleetSession session(rig.log, options);
        FleetValuesTable values;
        QString problem;
        QVERIFY(values.readText("serial,channels,RxTone\nTV2-0001236,EU 3,67.0\n", &problem));
        session.setValuesTable(&values);
        QStringList applied;
        session.setValuesApplier([&applied](const FleetRadioValues &v) {
            applied << v.described();
            return ApplyFleetChannelValues(v);
        });
        QList<FleetReceipt> receipts;
        session.setReceiptRecorder([&receipts](const FleetReceipt &r) {
            receipts << r;
            return r.radio.serial == SimulatedFleet::serialOf(3) ? QStringLiteral("history folder is full") : QString();
        });
        QList<FleetLogRow> logged;
        connect(&session, &FleetSession::radioLogged, this, [&logged](const FleetLogRow &row) { logged << row; });
        session.start();
        QVERIFY(&prompts() != handler);   // nobody is asked while the session runs
        QTRY_COMPARE_WITH_TIMEOUT(session.stage(), FleetSession::Stage::Finished, kSessionMs);

        QCOMPARE(logged.size(), 3);
        QCOMPARE(session.summary().counts[int(FleetResult::Verified)], 2);
        QCOMPARE(session.summary().counts[int(FleetResult::Refused)], 1);
        // Radio 2 (another band) was refused before anything was sent: no receipt.
        QCOMPARE(receipts.size(), 2);
        QCOMPARE(receipts.at(0).radio.serial, SimulatedFleet::serialOf(1));
        QVERIFY(receipts.at(0).outcome.verified);
        QCOMPARE(receipts.at(1).radio.serial, SimulatedFleet::serialOf(3));
        QCOMPARE(applied, QStringList{QStringLiteral("EU 3: RxTone=67.0")});
        // The image radio 3 got carries its value; the session's image does not.
        QVERIFY(receipts.at(1).sent != LinkRig::packed(before));
        QCOMPARE(receipts.at(0).sent, LinkRig::packed(before));
        QCOMPARE(LinkRig::packed(receipts.at(0).written), LinkRig::packed(before));
        QCOMPARE(LinkRig::packed(Image()), LinkRig::packed(before));
        // A receipt that could not be recorded is said in the row; the result stays.
        const FleetLogRow last = logged.last();
        QCOMPARE(last.result, FleetResult::Verified);
        QVERIFY(last.details.contains(QLatin1String("history folder is full")));
        QCOMPARE(&prompts(), handler);
    }

    void enterModeWaitsWhileTheSameRadioAnswers()
    {
        FleetRig rig;
        rig.radios.pauseMs = 60000;   // the first radio stays connected
        rig.radios.begin();
        FleetOptions options;
        options.count = 2;
        FleetSession session(rig.log, options);
        QSignalSpy notices(&session, &FleetSession::notice);
        session.start();
        QTRY_COMPARE_WITH_TIMEOUT(session.stage(), FleetSession::Stage::WaitingForUser, kSessionMs);
        session.nextRadioConnected();
        QTRY_COMPARE_WITH_TIMEOUT(notices.size(), 1, kSessionMs);
        QVERIFY(notices.first().at(0).toString().contains(SimulatedFleet::serialOf(1)));
        QCOMPARE(session.stage(), FleetSession::Stage::WaitingForUser);
        QCOMPARE(session.radiosDone(), 1);
        session.cancel();
        QCOMPARE(session.stage(), FleetSession::Stage::Finished);
        QVERIFY(session.summary().cancelled);
        QCOMPARE(session.summary().counts[int(FleetResult::Cancelled)], 0);   // no radio was in flight
    }
};

QTEST_GUILESS_MAIN(TestFleetSession)
#include "tst_fleetsession.moc"
