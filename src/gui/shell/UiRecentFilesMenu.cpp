#include "UiRecentFilesMenu.h"

#include "ComfortTextIds.h"
#include "DocumentPlaces.h"
#include "LangText.h"
#include "Prompts.h"
#include "frmMain.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

UiRecentFilesMenu::UiRecentFilesMenu(frmMain *main) : QObject(main), main_(main)
{
    QMenu *file = main->menu(QStringLiteral("mnuFile"));
    bar_ = new QAction(file);
    bar_->setObjectName(QStringLiteral("mnuFileRecentBar"));
    bar_->setSeparator(true);
    file->insertAction(main->menuEntry(QStringLiteral("mnuFileExit")), bar_);
    connect(file, &QMenu::aboutToShow, this, &UiRecentFilesMenu::fillEntries);
    fillEntries();
}

void UiRecentFilesMenu::fillEntries()
{
    QMenu *file = main_->menu(QStringLiteral("mnuFile"));
    qDeleteAll(entries_);
    entries_.clear();
    const QStringList paths = RecentFiles();
    int n = 0;
    for (const QString &path : paths) {
        ++n;
        auto *a = new QAction(QStringLiteral("&%1 %2").arg(n).arg(QFileInfo(path).fileName()), file);
        a->setObjectName(QStringLiteral("mnuFileRecent%1").arg(n));
        a->setToolTip(QDir::toNativeSeparators(path));
        a->setStatusTip(QDir::toNativeSeparators(path));
        a->setData(path);
        connect(a, &QAction::triggered, this, [this, path] { openRecent(path); });
        file->insertAction(bar_, a);
        entries_ << a;
    }
    // The list sits between its own separator and the one above Exit.
    bar_->setVisible(!paths.isEmpty());
}

void UiRecentFilesMenu::openRecent(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        RemoveRecentFile(path);
        fillEntries();
        prompts().message(LangText(kTextRecentMissing).arg(QDir::toNativeSeparators(path)), MsgIcon::Warning);
        return;
    }
    main_->OpenDocumentFile(path);
}
