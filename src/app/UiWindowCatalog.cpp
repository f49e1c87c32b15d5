#include "UiWindowCatalog.h"

#include "FrmCHInfoEdit.h"
#include "UiChildWindows.h"
#include "frmCommChInfo.h"

// One line per child window: name and how to create it.
void RegisterAllWindows()
{
    RegisterWindowFactory(QStringLiteral("frmCommChInfo"), [] { return new frmCommChInfo; });
    RegisterWindowFactory(QStringLiteral("FrmCHInfoEdit"), [] { return new FrmCHInfoEdit; });
}
