// Every key of the main window and of the windows it holds has one owner. Two actions
// answering the same key within reach of each other make Qt drop the key with
// "Ambiguous shortcut overload", so the key silently does nothing.
#include "ShellSession.h"

#include "LinkState.h"
#include "UiChildWindows.h"
#include "UiLinkFront.h"
#include "UiWindowCatalog.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMultiHash>
#include <QShortcut>
#include <QtTest>

namespace {
const char *const kChildWindows[] = {"frmCommChInfo", "FrmCHInfoEdit", "FrmOptFeatures", "FrmDTMF",
                                     "FrmKey",        "FrmToneTips",   "FrmRadioInfo"};

QString describe(const QAction *a)
{
    QString owner = a->parent() ? QString::fromLatin1(a->parent()->metaObject()->className()) : QStringLiteral("-");
    if (a->parent() && !a->parent()->objectName().isEmpty())
        owner += QLatin1Char(' ') + a->parent()->objectName();
    return QStringLiteral("%1 \"%2\" (%3)").arg(a->objectName(), a->text(), owner);
}

// Every key sequence any action or shortcut object in the application answers, with
// the owners of each.
QMultiHash<QKeySequence, QString> keyOwners()
{
    QMultiHash<QKeySequence, QString> owners;
    QSet<const QObject *> seen;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        QList<QAction *> actions = top->findChildren<QAction *>();
        actions += top->actions();
        for (QWidget *w : top->findChildren<QWidget *>())
            actions += w->actions();
        for (const QAction *a : std::as_const(actions)) {
            if (seen.contains(a))
                continue;
            seen.insert(a);
            for (const QKeySequence &key : a->shortcuts())
                owners.insert(key, describe(a));
        }
        for (const QShortcut *s : top->findChildren<QShortcut *>()) {
            if (seen.contains(s))
                continue;
            seen.insert(s);
            for (const QKeySequence &key : s->keys())
                owners.insert(key, QStringLiteral("QShortcut of ") + s->parent()->objectName());
        }
    }
    return owners;
}
}

class TestShortcuts : public QObject {
    Q_OBJECT
    std::unique_ptr<ShellSession> shell;

    void openEveryWindow()
    {
        for (const char *name : kChildWindows)
            ShowChild(QString::fromLatin1(name));
        // A transfer's progress window comes and goes.
        shell->main->linkFront()->openProgress(LinkWrite, [] {});
        QTest::qWait(20);
        shell->main->linkFront()->closeProgress();
        QTest::qWait(20);
    }

private slots:
    void initTestCase() { RegisterAllWindows(); }
    void init()
    {
        shell = std::make_unique<ShellSession>();
        shell->main->show();
        QApplication::setActiveWindow(shell->main.get());
        QVERIFY(QTest::qWaitForWindowActive(shell->main.get()));
    }
    void cleanup() { shell.reset(); }

    void everyKeyHasOneOwner()
    {
        openEveryWindow();
        QCOMPARE(shell->main->mdiArea()->subWindowList().size(), int(std::size(kChildWindows)));
        const QMultiHash<QKeySequence, QString> owners = keyOwners();
        QStringList clashes;
        for (const QKeySequence &key : owners.uniqueKeys()) {
            const QStringList who = owners.values(key);
            if (who.size() > 1)
                clashes << key.toString() + QStringLiteral(": ") + who.join(QStringLiteral(", "));
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
        QVERIFY(owners.contains(QKeySequence(QStringLiteral("Ctrl+W"))));
    }

    // The write command's key still reaches it with every window open and after a
    // transfer's progress window was shown.
    void ctrlWStartsTheWrite()
    {
        QString error;
        QVERIFY2(shell->startRadio(&error), qPrintable(error));
        openEveryWindow();
        QApplication::setActiveWindow(shell->main.get());
        QVERIFY(QTest::qWaitForWindowActive(shell->main.get()));
        for (QMdiSubWindow *sub : shell->main->mdiArea()->subWindowList()) {
            shell->main->mdiArea()->setActiveSubWindow(sub);
            sub->widget()->setFocus();
            shell->answers->log.clear();
            shell->answers->answers = {Answer::Cancel};   // the write's question
            QTest::keyClick(sub->widget(), Qt::Key_W, Qt::ControlModifier);
            QTRY_VERIFY2(!shell->answers->log.isEmpty(), qPrintable(sub->widget()->objectName()));
            QCOMPARE(shell->answers->log.last(), QStringLiteral("ask: ") + LangText(9005));
        }
        // Ctrl+F4 still closes the active child window.
        QMdiSubWindow *active = shell->main->mdiArea()->activeSubWindow();
        QVERIFY(active);
        const int open = int(shell->main->mdiArea()->subWindowList().size());
        QTest::keyClick(active->widget(), Qt::Key_F4, Qt::ControlModifier);
        QTRY_COMPARE(int(shell->main->mdiArea()->subWindowList().size()), open - 1);
    }
};

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
