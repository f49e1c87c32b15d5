#pragma once
#include "RadioImage.h"

#include <QList>
#include <QString>

// Undo and redo of the document as whole-image snapshots, one step per user action.
//
// A command that changes the image calls RecordDocumentChange(description) before it
// changes anything. The step is kept only if the image really changed by the time the
// next step is recorded, or Undo is asked for; a command that changes nothing leaves no
// step behind. Changes made without a record (values that a window stores while it
// shows them) become part of the snapshot of the next step, so they are never undone
// on their own.
//
// The modified state of the document is the comparison of the image with the saved
// copy, so undoing back to the saved image makes the document unmodified again.
class DocumentHistory {
public:
    static constexpr int kMaxSteps = 300;

    // Forgets every step; the present image is the starting point.
    void reset();
    // Before a user action: the image as it is now, under the action's description.
    void record(const QString &description);
    bool canUndo() const;
    bool canRedo() const;
    QString undoDescription() const;   // empty when there is nothing to undo
    QString redoDescription() const;
    // Restores the image before the last step (after it, for redo); false when none.
    bool undo();
    bool redo();

    int undoSteps() const;

private:
    struct Step {
        RadioImage image;       // the image before the action (for redo: after it)
        QString description;
    };
    void settle();
    bool changedSinceBaseline() const;
    void push(const QString &description);
    bool restore(QList<Step> &from, QList<Step> &to);

    RadioImage baseline_;        // the image when the last step was recorded or restored
    QString pending_;            // description of the recorded action still under way
    bool hasPending_ = false;
    QList<Step> undo_;
    QList<Step> redo_;
};

DocumentHistory &History();

// The entry point for every command that changes the document: call it before the
// change, with the text the Edit menu shows after "Undo" ("channel 12 TX power").
void RecordDocumentChange(const QString &description);
// A fresh history: New, Open, factory initialisation, a band change, a read.
void ResetDocumentHistory();
