#pragma once
#include <QString>

// The questions and file steps of the document commands (new, open, save, save as,
// exit), without any window: the main window adds the closing and reopening of its
// child windows and the title refresh.

// File dialog filter: the data file description followed by " (*.dat)".
QString DataFileFilter();

// Writes the image to DocumentPath; clears Untitled on success. A failure has been
// reported (9002) when it returns false.
bool SaveDocument();
// Asks for a path (preset with DocumentPath) and saves there. DocumentPath changes only
// when the save succeeds; false when cancelled or failed.
bool SaveDocumentAs();
// The Save command: Save As for an untitled document, otherwise the 9007 confirmation
// with the quoted file name, then SaveDocument. True only when the file was written.
bool SaveCommand();

// What the user decided about unsaved changes before the document is replaced or the
// program ends.
enum class UnsavedDecision { Proceed, Stop };

// Before a document is replaced (new, open, band change): when modified, asks 9006.
// Yes saves (Save As for an untitled document, never a silent "new.dat" in the current
// directory); a save that is cancelled or fails stops, so nothing is lost. No proceeds.
// Cancel proceeds for New (its own confirmation follows) and stops otherwise.
enum class CancelMeans { Proceed, Stop };
UnsavedDecision SettleBeforeReplacing(CancelMeans cancel);
// Before the program ends: when modified, asks 9006. Yes runs the Save command (which
// may ask 9007 or open Save As) and proceeds only when the file was written; No
// proceeds; Cancel stops.
UnsavedDecision SettleBeforeExit();

// The file to open, from the open dialog; empty when cancelled.
QString ChooseFileToOpen();
