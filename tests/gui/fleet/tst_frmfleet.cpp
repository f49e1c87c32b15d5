// The fleet window against a simulated row of radios: Enter mode with the banner asking
// for the next radio, a radio that fails its check, the summary and the log as PDF.
// With TARVEN_SCREENSHOT_DIR set, pictures of the window in progress, after a failure
// and with the summary, in both languages (scripts/screenshots_fleet.sh).
#include "../shell/ShellSession.h"
#include "WindowPictures.h"

#include "FleetSession.h"
#include "FrmFleet.h"
#include "LinkEngine.h"
#include "RadioHistory.h"
#include "SimulatedFleet.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {
constexpr int kRadioMs = 30000;
}

class TestFrmFleet : public QObject {
    Q_OBJECT

    void startIn(int language, std::unique_ptr<ShellSession> &shell)
    {
        shell = std::make_unique<ShellSession>();
        if (language != 1) {
            SetLanguage(language);
            Run().ShownLanguageId = language;
            shell->main->Change_Language();
        }
        QString error;
        QVERIFY2(shell->startRadio(&error), qPrintable(error));
    }

private slots:
    void session_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 1;
        QTest::newRow("Chinese") << 2;
    }
    void session()
    {
        QFETCH(int, language);
        std::unique_ptr<ShellSession> shell;
        startIn(language, shell);
        const QString suffix = language == 1 ? QStringLiteral("en") : QStringLiteral("zh");
        SimulatedFleet radios(*shell->radio, 3);
        radios.pauseMs = 100;
        radios.gapMs = 100;
        radios.failsVerify = {2};
        radios.begin();

        QTemporaryDir tmp;
        FrmFleet window(shell->main.get());
        window.setLogPath(tmp.filePath(QStringLiteral("fleet-log.csv")));
        window.setCount(3);
        const QString history = tmp.filePath(QStringLiteral("history"));
        window.setHistoryFolder(history);
        window.show();
        auto *banner = window.findChild<QLabel *>(QStringLiteral("LabelBanner"));
        auto *detail = window.findChild<QLabel *>(QStringLiteral("LabelBannerDetail"));
        auto *next = window.findChild<QPushButton *>(QStringLiteral("CommandNext"));
        auto *table = window.findChild<QTableWidget *>(QStringLiteral("GridLog"));
        QCOMPARE(banner->text(), LangText(31102));
        QVERIFY(window.startSession());
        FleetSession *session = window.session();

        // In progress: the first radio half written.
        bool pictured = false;
        connect(session, &FleetSession::progress, &window, [&](int percent) {
            if (!pictured && percent >= 50 && session->stage() == FleetSession::Stage::Writing) {
                pictured = true;
                windowpictures::checkNothingCut(&window);
                windowpictures::save(&window, QStringLiteral("fleet_progress_") + suffix);
            }
        });
        QTRY_COMPARE_WITH_TIMEOUT(session->stage(), FleetSession::Stage::WaitingForUser, kRadioMs);
        QVERIFY(pictured);
        QVERIFY(next->isEnabled());
        QVERIFY(banner->text().contains(LangText(31102)));
        QVERIFY(banner->text().contains(LangText(31103).arg(1)));
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 3)->text(), LangText(31110));

        // The second radio fails its check; the banner says so and names the difference.
        QTRY_COMPARE_WITH_TIMEOUT(radios.current(), 2, kRadioMs);
        next->click();
        QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 2, kRadioMs);
        QCOMPARE(table->item(1, 3)->text(), LangText(31111));
        QVERIFY(detail->text().contains(LangText(31111)));
        QVERIFY(detail->text().contains(QLatin1String("[0102]")));
        QTRY_COMPARE_WITH_TIMEOUT(session->stage(), FleetSession::Stage::WaitingForUser, kRadioMs);
        QVERIFY(banner->text().contains(LangText(31102)));
        QVERIFY(window.findChild<QFrame *>(QStringLiteral("FrameBanner"))->styleSheet().contains(QLatin1String("#c0392b")));
        windowpictures::checkNothingCut(&window);
        windowpictures::save(&window, QStringLiteral("fleet_failure_") + suffix);

        QTRY_COMPARE_WITH_TIMEOUT(radios.current(), 3, kRadioMs);
        next->click();
        QTRY_COMPARE_WITH_TIMEOUT(session->stage(), FleetSession::Stage::Finished, kRadioMs);
        auto *summary = window.findChild<QTextEdit *>(QStringLiteral("TextSummary"));
        QVERIFY(summary->isVisible());
        QVERIFY(summary->toPlainText().contains(LangText(31129)));
        QVERIFY(summary->toPlainText().contains(SimulatedFleet::serialOf(2)));
        QCOMPARE(session->summary().counts[int(FleetResult::Verified)], 2);
        // Each radio written left its receipt in the radio history.
        QStringList receipts;
        for (const HistoryEntry &e : RadioHistory::Entries(history))
            receipts << e.serial + QLatin1Char(' ') + ResultWord(e.result);
        QCOMPARE(receipts, (QStringList{SimulatedFleet::serialOf(1) + QStringLiteral(" verified"),
                                        SimulatedFleet::serialOf(2) + QStringLiteral(" differences"),
                                        SimulatedFleet::serialOf(3) + QStringLiteral(" verified")}));
        QVERIFY(window.findChild<QPushButton *>(QStringLiteral("CommandPdf"))->isEnabled());
        windowpictures::checkNothingCut(&window);
        windowpictures::save(&window, QStringLiteral("fleet_summary_") + suffix);

        const QString pdf = tmp.filePath(QStringLiteral("log.pdf"));
        QVERIFY(window.saveLogPdf(pdf));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        // The document the session started from is the document again.
        QVERIFY(Image().header.model.bandMode == shell->radio->band);
    }

    void cancelWhileWaitingEndsAtOnceAndCloseWaitsForTheRadio()
    {
        std::unique_ptr<ShellSession> shell;
        startIn(1, shell);
        shell->radio->silent = true;   // no radio answers
        QTemporaryDir tmp;
        FrmFleet window(shell->main.get());
        window.setLogPath(tmp.filePath(QStringLiteral("log.csv")));
        window.show();
        QVERIFY(window.startSession());
        QTRY_VERIFY_WITH_TIMEOUT(window.session()->engine().isBusy(), 5000);
        window.reject();   // Esc: cancels, the window stays until the probe has ended
        QVERIFY(window.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(window.session()->stage(), FleetSession::Stage::Finished, 5000);
        QVERIFY(window.findChild<QPushButton *>(QStringLiteral("CommandClose"))->isEnabled());
        QCOMPARE(window.session()->radiosDone(), 0);
    }

    void aLogThatIsNoLogIsRefusedOnTheBanner()
    {
        std::unique_ptr<ShellSession> shell;
        startIn(1, shell);
        QTemporaryDir tmp;
        const QString other = tmp.filePath(QStringLiteral("other.csv"));
        QFile f(other);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("a,b\n");
        f.close();
        FrmFleet window(shell->main.get());
        window.setLogPath(other);
        QVERIFY(!window.startSession());
        QVERIFY(window.findChild<QLabel *>(QStringLiteral("LabelBannerDetail"))->text().contains(QLatin1String("not a fleet log")));
        window.setLogPath(QString());
        QVERIFY(!window.startSession());
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("LabelBanner"))->text(), LangText(31158));
    }
};

QTEST_MAIN(TestFrmFleet)
#include "tst_frmfleet.moc"
