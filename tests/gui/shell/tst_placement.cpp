// Window placement on a small screen: a placement stored on a 1280x1024 screen opens
// fitted on an 800x600 one (moved, then shrunk), and dialogs open inside the main
// window's screen. The test brings its own offscreen screen of 800x600 with frames.
#include "ShellTestKit.h"
#include "StandInWindow.h"

#include "UiScreenFit.h"
#include "frmMain.h"

#include <QDialog>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
void storePlacementTwips(int left, int top, int width, int height)
{
    QSettings s(QStringLiteral("tarven"), QCoreApplication::applicationName());
    s.setValue(QStringLiteral("Settings/MainLeft"), QString::number(left * 15));
    s.setValue(QStringLiteral("Settings/MainTop"), QString::number(top * 15));
    s.setValue(QStringLiteral("Settings/MainWidth"), QString::number(width * 15));
    s.setValue(QStringLiteral("Settings/MainHeight"), QString::number(height * 15));
}

QString describe(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
}

class TestPlacement : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellInstall> install;
    std::unique_ptr<ScriptedPrompts> answers;

private slots:
    void initTestCase()
    {
        RegisterStandInWindow(QStringLiteral("frmCommChInfo"));
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 800, 600));
    }
    void init()
    {
        install = std::make_unique<ShellInstall>();
        answers = std::make_unique<ScriptedPrompts>();
    }
    void cleanup()
    {
        answers.reset();
        install.reset();
    }

    void placementFromALargerScreenIsFitted_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QSize>("size");   // what the window keeps of the stored size
        QTest::newRow("right half, full height") << QRect(560, 90, 700, 900) << QSize(700, -1);
        QTest::newRow("bottom right corner") << QRect(1000, 800, 500, 400) << QSize(500, 400);
        QTest::newRow("whole large screen") << QRect(0, 0, 1280, 1024) << QSize(-1, -1);
        QTest::newRow("left of the screen") << QRect(-900, 100, 600, 400) << QSize(600, 400);
    }
    void placementFromALargerScreenIsFitted()
    {
        QFETCH(QRect, stored);
        QFETCH(QSize, size);
        storePlacementTwips(stored.x(), stored.y(), stored.width(), stored.height());
        frmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QRect avail = main.screen()->availableGeometry();
        QTRY_VERIFY2(avail.contains(main.frameGeometry()), qPrintable(describe(main.frameGeometry())));
        if (size.width() > 0)
            QCOMPARE(main.width(), size.width());      // moved, not shrunk
        if (size.height() > 0)
            QCOMPARE(main.height(), size.height());
        // The status bar, the bottom of the window, is on the screen.
        auto *status = main.findChild<QStatusBar *>(QStringLiteral("sbStatusBar"));
        QVERIFY(avail.contains(QRect(status->mapToGlobal(QPoint(0, 0)), status->size())));
        main.close();
    }

    // A window manager frames and places the window only after it has shown: the frame
    // it then puts partly below the screen is fitted too, status bar included.
    void frameFittedAfterTheWindowManagerPlacesIt()
    {
        storePlacementTwips(0, 0, 790, 590);
        frmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QRect avail = main.screen()->availableGeometry();
        QTRY_VERIFY(avail.contains(main.frameGeometry()));
        main.move(40, 60);   // as a window manager placing the frame below its panel
        QTRY_VERIFY2(avail.contains(main.frameGeometry()), qPrintable(describe(main.frameGeometry())));
        auto *status = main.findChild<QStatusBar *>(QStringLiteral("sbStatusBar"));
        QVERIFY(avail.contains(QRect(status->mapToGlobal(QPoint(0, 0)), status->size())));
        main.close();
    }

    void dialogsOpenInsideTheMainWindowsScreen()
    {
        KeepDialogsOnScreen(qApp);
        storePlacementTwips(100, 50, 600, 450);
        frmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QRect avail = main.screen()->availableGeometry();
        for (const QRect &asked : {QRect(700, 500, 300, 200), QRect(-250, -100, 300, 200), QRect(0, 0, 900, 300)}) {
            QDialog dialog(&main);
            dialog.setGeometry(asked);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTRY_VERIFY2(avail.contains(dialog.frameGeometry()), qPrintable(describe(dialog.frameGeometry())));
            if (asked.width() <= avail.width())
                QCOMPARE(dialog.size(), asked.size());
        }
        main.close();
    }

    void screenFitMovesThenShrinks()
    {
        const QRect small(0, 0, 800, 600);
        QCOMPARE(FitRectInto(QRect(560, 90, 700, 900), small), QRect(100, 0, 700, 600));
        QCOMPARE(FitRectInto(QRect(-300, -40, 400, 300), small), QRect(0, 0, 400, 300));
        QCOMPARE(FitRectInto(QRect(100, 100, 1280, 300), small), QRect(0, 100, 800, 300));
        QCOMPARE(FitRectInto(QRect(10, 20, 300, 200), small), QRect(10, 20, 300, 200));   // already inside
        // A screen to the right of another: the window stays on it.
        const QRect right(800, 0, 1024, 768);
        QCOMPARE(FitRectInto(QRect(1700, 100, 400, 300), right), QRect(1424, 100, 400, 300));
    }
};

// An offscreen screen of 800x600 whose windows have frames, chosen before the
// application starts.
int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly))
        return 1;
    f.write(R"({"windowFrameMargins": true,
                "screens": [{"name": "small", "x": 0, "y": 0, "width": 800, "height": 600,
                             "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    TestPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_placement.moc"
