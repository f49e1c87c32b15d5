#include "DocumentChange.h"

void BeginDocumentChange(const QString &description)
{
    (void)description;
}
