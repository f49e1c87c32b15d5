#pragma once
// The main window with the real channel and editor windows, in a throw-away
// installation with scripted answers and file dialogs, for the tests of undo, keyboard,
// recent files and status-bar notes.
#include "../shell/ShellTestKit.h"

#include "DocumentHistory.h"
#include "EditState.h"
#include "Models.h"
#include "LinkState.h"
#include "RunSettings.h"
#include "UiChildWindows.h"
#include "UiStatusNote.h"
#include "UiWindowCatalog.h"
#include "frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QTimer>
#include <QtTest>
#include <memory>

struct ComfortSession {
    std::unique_ptr<ShellInstall> install = std::make_unique<ShellInstall>();
    std::unique_ptr<ScriptedPrompts> answers = std::make_unique<ScriptedPrompts>();
    std::unique_ptr<ScriptedFiles> files = std::make_unique<ScriptedFiles>();
    std::unique_ptr<frmMain> main = (RegisterAllWindows(), ResetLinkState(), std::make_unique<frmMain>());

    ComfortSession()
    {
        main->show();
        main->activateWindow();
        active = QTest::qWaitForWindowActive(main.get());
    }
    bool active = false;
    ~ComfortSession() { main.reset(); }

    // A new document of the band, the channel grid open, a fresh history.
    bool newDocument(int band)
    {
        SetCurrentBand(band);
        main->LoadNewDoc();
        return QTest::qWaitFor([this] {
            return !main->timer(QStringLiteral("NewDocTimer"))->isActive()
                && LoadedWindows(QStringLiteral("frmCommChInfo")).size() == 1;
        });
    }

    QAction *entry(const char *name) const { return main->findChild<QAction *>(QString::fromLatin1(name)); }
    QString file(const QString &name) const { return install->dir.parentDir() + QLatin1Char('/') + name; }
    static QString note() { return CurrentStatusNote(); }
};

namespace comfort {
template <typename T = QWidget>
T *control(const char *window, const QString &name)
{
    QWidget *w = LoadedWindow(QString::fromLatin1(window));
    return w ? w->findChild<T *>(name) : nullptr;
}

// Chooses an entry of a list as the user does (the "activated" signal follows).
inline void choose(QComboBox *c, int index)
{
    c->setCurrentIndex(index);
    emit c->activated(index);
}
}
