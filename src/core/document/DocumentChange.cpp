#include "DocumentChange.h"

#include "DocumentHistory.h"

// Whole-document commands are one undo step each, named as the user chose them.
void BeginDocumentChange(const QString &description)
{
    RecordDocumentChange(description);
}
