#include "UiWindowCatalog.h"

#include "FrmCHInfoEdit.h"
#include "FrmChannelCheck.h"
#include "FrmChannelTable.h"
#include "FrmDTMF.h"
#include "FrmKey.h"
#include "FrmOptFeatures.h"
#include "FrmRadioInfo.h"
#include "FrmToneTips.h"
#include "UiChildWindows.h"
#include "frmCommChInfo.h"

// One line per child window: name and how to create it.
void RegisterAllWindows()
{
    RegisterWindowFactory(QStringLiteral("FrmRadioInfo"), [] { return new FrmRadioInfo; });
    RegisterWindowFactory(QStringLiteral("frmCommChInfo"), [] { return new frmCommChInfo; });
    RegisterWindowFactory(QStringLiteral("FrmCHInfoEdit"), [] { return new FrmCHInfoEdit; });
    RegisterWindowFactory(QStringLiteral("FrmOptFeatures"), [] { return new FrmOptFeatures; });
    RegisterWindowFactory(QStringLiteral("FrmDTMF"), [] { return new FrmDTMF; });
    RegisterWindowFactory(QStringLiteral("FrmKey"), [] { return new FrmKey; });
    RegisterWindowFactory(QStringLiteral("FrmToneTips"), [] { return new FrmToneTips; });
    RegisterWindowFactory(QStringLiteral("FrmChannelTable"), [] { return new FrmChannelTable; });
    RegisterWindowFactory(QStringLiteral("FrmChannelCheck"), [] { return new FrmChannelCheck; });
}
