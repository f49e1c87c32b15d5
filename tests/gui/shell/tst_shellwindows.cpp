// Every window of the shell, in English and in Chinese: no caption, label or button is
// cut off and no text is missing. With TARVEN_SCREENSHOT_DIR set, each window is also
// saved there as a picture (scripts/screenshots_shell.sh).
#include "ShellTestKit.h"
#include "StandInWindow.h"

#include "FrmModelInfo.h"
#include "FrmPassWord.h"
#include "FrmProgress.h"
#include "FrmRadioInfo.h"
#include "FrmSetComm.h"
#include "FrmSetLanguage.h"
#include "RadioInfo.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmSplash.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
// Texts that do not fit their control, and controls whose text is empty.
QStringList problemsOf(QWidget *window)
{
    QStringList problems;
    for (QLabel *l : window->findChildren<QLabel *>()) {
        if (!l->isVisibleTo(window) || !l->pixmap().isNull())
            continue;
        if (l->text().isEmpty())
            problems << l->objectName() + QStringLiteral(" is empty");
        else if (!l->wordWrap() && l->sizePolicy().horizontalPolicy() != QSizePolicy::Ignored
                 && l->width() < l->minimumSizeHint().width())
            problems << l->objectName() + QStringLiteral(" is cut off");
    }
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (!b->isVisibleTo(window) || b->objectName().isEmpty() || b->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        if (b->text().isEmpty() && b->icon().isNull())
            problems << b->objectName() + QStringLiteral(" has no caption");
        else if (b->width() < b->sizeHint().width())
            problems << b->objectName() + QStringLiteral(" is cut off");
    }
    for (QGroupBox *g : window->findChildren<QGroupBox *>()) {
        if (g->title().isEmpty())
            problems << g->objectName() + QStringLiteral(" has no caption");
    }
    if (window->windowTitle().isEmpty() && window->objectName() != QLatin1String("frmSplash"))
        problems << QStringLiteral("the window has no caption");
    return problems;
}
}

class TestShellWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellInstall> install;
    std::unique_ptr<ScriptedPrompts> answers;

    void check(QWidget *w, const QString &name)
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QApplication::processEvents();
        const QStringList problems = problemsOf(w);
        const QString dir = qEnvironmentVariable("TARVEN_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            const QString lang = Run().CurrentLanguageId == 2 ? QStringLiteral("zh") : QStringLiteral("en");
            w->grab().save(dir + QLatin1Char('/') + name + QLatin1Char('_') + lang + QStringLiteral(".png"));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(name + QStringLiteral(": ") + problems.join(QStringLiteral("; "))));
    }

private slots:
    void initTestCase()
    {
        RegisterStandInWindow(QStringLiteral("frmCommChInfo"));
    }

    void init()
    {
        QFETCH(int, language);
        install = std::make_unique<ShellInstall>(language);
        answers = std::make_unique<ScriptedPrompts>();
    }

    void cleanup()
    {
        answers.reset();
        install.reset();
    }

    void windows_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("english") << 1;
        QTest::newRow("chinese") << 2;
    }

    void windows()
    {
        {
            frmMain main;
            main.resize(900, 620);
            check(&main, QStringLiteral("frmMain"));
        }
        const std::pair<const char *, std::function<QWidget *()>> windows[] = {
            {"FrmSetComm", [] { return new FrmSetComm; }},
            {"FrmSetLanguage", [] { return new FrmSetLanguage; }},
            {"FrmModelInfo", [] { return new FrmModelInfo; }},
            {"FrmProgress", [] {
                 auto *p = new FrmProgress(1);
                 p->SetProgressValue(42);
                 return p;
             }},
            {"FrmPassWord", [] { return new FrmPassWord(QStringLiteral("AB")); }},
            {"FrmRadioInfo", [] {
                 QByteArray area(256, char(0xFF));
                 area.replace(0x30, 8, QByteArray("TV240117"));
                 area.replace(0x40, 10, QByteArray("2024-01-17"));
                 area.replace(0x60, 20, QByteArray("Replaced the PTT key"));
                 area.replace(0xC0, 6, QByteArray("DL-042"));
                 area[0] = 0;
                 DecodeRadioInfo(area);
                 return new FrmRadioInfo;
             }},
            {"frmAbout", [] { return new frmAbout; }},
            {"frmSplash", [] { return new frmSplash({}); }},
        };
        for (const auto &[name, make] : windows) {
            std::unique_ptr<QWidget> w(make());
            check(w.get(), QString::fromLatin1(name));
        }
    }
};

QTEST_MAIN(TestShellWindows)
#include "tst_shellwindows.moc"
