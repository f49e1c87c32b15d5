#include "UiWindowCatalog.h"

#include "FrmDTMF.h"
#include "FrmKey.h"
#include "FrmOptFeatures.h"
#include "FrmToneTips.h"
#include "UiChildWindows.h"

// One line per child window: name and how to create it.
void RegisterAllWindows()
{
    RegisterWindowFactory(QStringLiteral("FrmOptFeatures"), [] { return new FrmOptFeatures; });
    RegisterWindowFactory(QStringLiteral("FrmDTMF"), [] { return new FrmDTMF; });
    RegisterWindowFactory(QStringLiteral("FrmKey"), [] { return new FrmKey; });
    RegisterWindowFactory(QStringLiteral("FrmToneTips"), [] { return new FrmToneTips; });
}
