#include "UiChannelViews.h"

#include "ChannelViews.h"
#include "EditState.h"
#include "UiChildWindows.h"

#include <QWidget>

namespace {
const QString kGrid = QStringLiteral("frmCommChInfo");
const QString kEditDialog = QStringLiteral("FrmCHInfoEdit");
const QString kTable = QStringLiteral("FrmChannelTable");
}

void InstallChannelViewHooks()
{
    ChannelViewHooks &h = ChannelViews();
    h.showGridRow = [](int number) {
        for (QWidget *w : LoadedWindows(kGrid))
            QMetaObject::invokeMethod(w, "reShowGrid", Qt::DirectConnection, Q_ARG(int, number));
        for (QWidget *w : LoadedWindows(kTable))
            QMetaObject::invokeMethod(w, "ShowChannelAgain", Qt::DirectConnection, Q_ARG(int, number));
    };
    h.reshowGroupSettings = [] {
        CallOnLoaded(kGrid, "ReshowByCh");
        CallOnLoaded(kTable, "ShowImageAgain");
    };
    h.refreshEditDialog = [] { EditDialogFollowSelection(); };
}

void EditDialogFollowSelection()
{
    if (!Edit().ChEditOpen)
        return;
    for (QWidget *w : LoadedWindows(kEditDialog))
        QMetaObject::invokeMethod(w, "SetGridEditData", Qt::DirectConnection, Q_ARG(bool, true));
}

void GridFollowSelection()
{
    if (!Edit().ChGridOpen)
        return;
    CallOnLoaded(kGrid, "ShowCurrentChannel");
}
