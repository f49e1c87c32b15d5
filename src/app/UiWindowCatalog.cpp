#include "UiWindowCatalog.h"

#include "UiChildWindows.h"

// One line per child window: name and how to create it.
void RegisterAllWindows()
{
}
