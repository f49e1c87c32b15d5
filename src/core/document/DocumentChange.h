#pragma once
#include <QString>

// Called once before a command changes the document as a whole (an import, or a
// channel-edit command of the grid: paste, cut, delete, insert, moves), with the
// command's name as the user sees it. The one place where such commands meet, so
// that a history of changes can take its snapshot here.
void BeginDocumentChange(const QString &description);
