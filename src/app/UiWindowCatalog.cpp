#include "UiWindowCatalog.h"

#include "FrmRadioInfo.h"
#include "UiChildWindows.h"

// One line per child window: name and how to create it.
void RegisterAllWindows()
{
    RegisterWindowFactory(QStringLiteral("FrmRadioInfo"), [] { return new FrmRadioInfo; });
}
