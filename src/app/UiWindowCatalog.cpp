#include "UiWindowCatalog.h"

#include "FrmCHInfoEdit.h"
#include "FrmRadioInfo.h"
#include "UiChildWindows.h"
#include "frmCommChInfo.h"

// One line per child window: name and how to create it.
void RegisterAllWindows()
{
    RegisterWindowFactory(QStringLiteral("FrmRadioInfo"), [] { return new FrmRadioInfo; });
    RegisterWindowFactory(QStringLiteral("frmCommChInfo"), [] { return new frmCommChInfo; });
    RegisterWindowFactory(QStringLiteral("FrmCHInfoEdit"), [] { return new FrmCHInfoEdit; });
}
