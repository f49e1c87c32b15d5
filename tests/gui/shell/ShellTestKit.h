#pragma once
// Shared pieces of the desktop shell tests: a scripted file dialog, a throw-away
// installation with a private settings store, and a helper that acts on the next modal
// dialog (menu commands that open one block until it closes).
#include "FileChooser.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"
#include "Startup.h"
#include "TestProgramDir.h"
#include "VersionTable.h"

#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <functional>

class ScriptedFiles : public FileChooser {
public:
    ScriptedFiles() { setFileChooser(this); }
    ~ScriptedFiles() override { setFileChooser(nullptr); }
    QString chooseOpenPath(const QString &filter) override
    {
        log << QStringLiteral("open: ") + filter;
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString chooseSavePath(const QString &filter, const QString &preset) override
    {
        log << QStringLiteral("save: ") + filter + QStringLiteral(" preset ") + preset;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    QStringList openAnswers;   // empty entries or an empty list: the dialog is cancelled
    QStringList saveAnswers;
    QStringList log;
};

// Start-up as the program runs it, in a throw-away installation whose window placement
// store is private too.
struct ShellInstall {
    TestProgramDir dir;
    explicit ShellInstall(int language = 1)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.parentDir() + QStringLiteral("/config"));
        // A write asks its plain question here; reading the radio first to show what
        // will change has tests of its own (tests/gui/radiohistory).
        QSettings(QStringLiteral("tarven"), QCoreApplication::applicationName())
            .setValue(QStringLiteral("Settings/ReadBeforeWrite"), false);
        RunStartupSteps();
        SetLanguage(language);
        Run().ShownLanguageId = language;
    }
};

// Runs `act` on the next modal dialog (of that name, when given) as soon as it shows.
inline void OnNextModal(std::function<void(QDialog *)> act, const QString &name = QString())
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act, name] {
        auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dlg && dlg->isVisible() && (name.isEmpty() || dlg->objectName() == name)) {
            poll->stop();
            poll->deleteLater();
            act(dlg);
        }
    });
    poll->start();
}
