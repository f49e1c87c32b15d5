// Help menu: the connection doctor and the support report.
#include "frmMain.h"

#include "FrmDoctor.h"
#include "UiSupportCommands.h"

#include <QTimer>

void frmMain::mnuHelpDoctor_Click()
{
    FrmDoctor dlg(this);
    // The checks run once the window shows, so it opens at once.
    QTimer::singleShot(0, &dlg, &FrmDoctor::CheckNow);
    dlg.exec();
}

void frmMain::mnuHelpReport_Click()
{
    SaveSupportReport(this);
}
