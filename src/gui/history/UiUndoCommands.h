#pragma once
#include <QObject>

class QAction;
class QMenu;

// Undo and Redo at the top of the Edit menu (Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z), each
// saying what it undoes or redoes ("Undo EU channel 12 TX power").
class UiUndoCommands : public QObject {
    Q_OBJECT
public:
    // Adds the entries to the menu; owned by the menu.
    explicit UiUndoCommands(QMenu *editMenu);

    QAction *undoAction() const { return undo_; }
    QAction *redoAction() const { return redo_; }

public slots:
    void undo();
    void redo();
    // Texts and enabled state from the history; run whenever the menu opens.
    void updateEntries();

private:
    void allowKeys();
    void step(bool forward);   // redo when forward, else undo

    QAction *undo_ = nullptr;
    QAction *redo_ = nullptr;
};
