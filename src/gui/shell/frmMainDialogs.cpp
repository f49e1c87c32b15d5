// The modal dialogs opened from the main window's menus.
#include "frmMain.h"

#include "FrmModelInfo.h"
#include "FrmSetComm.h"
#include "FrmSetLanguage.h"
#include "frmAbout.h"

void frmMain::mnuModelInfo_Click()
{
    FrmModelInfo dlg(this);
    dlg.exec();
}

void frmMain::mnuComm_Click()
{
    FrmSetComm dlg(this);
    dlg.exec();
    showStatusTexts();   // the port panel names the chosen port
}

void frmMain::mnuLanguage_Click()
{
    FrmSetLanguage dlg(this);
    dlg.exec();
    // The window is activated again as the dialog closes; the check does not depend on
    // the window manager delivering that activation.
    Form_Activate();
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout dlg(this);
    dlg.exec();
}
