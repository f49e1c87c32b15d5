#include "UiUndoCommands.h"

#include "ComfortTextIds.h"
#include "DocumentHistory.h"
#include "LangText.h"
#include "UiChildWindows.h"
#include "UiRestoredImage.h"
#include "UiStatusNote.h"

#include <QAction>
#include <QMenu>

namespace {
// Windows that may hold typed text not yet stored in the image.
const char *const kTypingWindows[] = {"frmCommChInfo", "FrmCHInfoEdit", "FrmOptFeatures"};

void storePendingEdits()
{
    for (const char *name : kTypingWindows)
        CallOnLoaded(QString::fromLatin1(name), "ValidateControls");
}

QString entryText(int plainId, int withWhatId, const QString &what)
{
    return what.isEmpty() ? LangText(plainId) : LangText(withWhatId).arg(what);
}
}

UiUndoCommands::UiUndoCommands(QMenu *editMenu) : QObject(editMenu)
{
    QAction *first = editMenu->actions().value(0);
    undo_ = new QAction(editMenu);
    undo_->setObjectName(QStringLiteral("mnuEditUndo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = new QAction(editMenu);
    redo_->setObjectName(QStringLiteral("mnuEditRedo"));
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    auto *bar = new QAction(editMenu);
    bar->setObjectName(QStringLiteral("mnuEditUndoBar"));
    bar->setSeparator(true);
    editMenu->insertActions(first, {undo_, redo_, bar});

    connect(undo_, &QAction::triggered, this, &UiUndoCommands::undo);
    connect(redo_, &QAction::triggered, this, &UiUndoCommands::redo);
    connect(editMenu, &QMenu::aboutToShow, this, &UiUndoCommands::updateEntries);
    // The menu shows whether a step is there; the keys always ask the history, since a
    // change may have been made after the menu was last shown.
    connect(editMenu, &QMenu::aboutToHide, this, &UiUndoCommands::allowKeys);
    updateEntries();
    allowKeys();
}

void UiUndoCommands::allowKeys()
{
    undo_->setEnabled(true);
    redo_->setEnabled(true);
}

void UiUndoCommands::updateEntries()
{
    const DocumentHistory &h = History();
    undo_->setText(entryText(kTextUndo, kTextUndoWhat, h.undoDescription()));
    redo_->setText(entryText(kTextRedo, kTextRedoWhat, h.redoDescription()));
    undo_->setEnabled(h.canUndo());
    redo_->setEnabled(h.canRedo());
}

void UiUndoCommands::undo()
{
    step(false);
}

void UiUndoCommands::redo()
{
    step(true);
}

void UiUndoCommands::step(bool forward)
{
    storePendingEdits();
    DocumentHistory &h = History();
    const QString what = forward ? h.redoDescription() : h.undoDescription();
    if (!(forward ? h.redo() : h.undo())) {
        ShowStatusNote(LangText(forward ? kTextNothingToRedo : kTextNothingToUndo));
        return;
    }
    ShowRestoredImage();
    ShowStatusNote(LangText(forward ? kTextRedone : kTextUndone).arg(what));
    updateEntries();
    allowKeys();
}
