#include "ChannelTableCommands.h"

#include "UiChildWindows.h"
#include "frmMain.h"

#include <QAction>

void InstallChannelTableCommands(frmMain *main)
{
    QObject::connect(main->menuEntry(QStringLiteral("mnuChannelTable")), &QAction::triggered, main,
                     [] { ShowChild(QStringLiteral("FrmChannelTable")); });
    QObject::connect(main->menuEntry(QStringLiteral("mnuCheckChannels")), &QAction::triggered, main,
                     [] { ShowChild(QStringLiteral("FrmChannelCheck")); });
}
