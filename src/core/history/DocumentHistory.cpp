#include "DocumentHistory.h"


void DocumentHistory::reset()
{
    undo_.clear();
    redo_.clear();
    baseline_ = Image();
    pending_.clear();
    hasPending_ = false;
}

bool DocumentHistory::changedSinceBaseline() const
{
    return Image() != baseline_;
}

void DocumentHistory::push(const QString &description)
{
    undo_.append(Step{baseline_, description});
    if (undo_.size() > kMaxSteps)
        undo_.removeFirst();
    redo_.clear();
    baseline_ = Image();
}

// Turns the recorded action into a step when it changed the image; a change made
// without any record joins the baseline silently.
void DocumentHistory::settle()
{
    if (changedSinceBaseline()) {
        if (hasPending_)
            push(pending_);
        else
            baseline_ = Image();
    }
    pending_.clear();
    hasPending_ = false;
}

void DocumentHistory::record(const QString &description)
{
    settle();
    pending_ = description;
    hasPending_ = true;
}

bool DocumentHistory::canUndo() const
{
    return !undo_.isEmpty() || (hasPending_ && changedSinceBaseline());
}

bool DocumentHistory::canRedo() const
{
    return !redo_.isEmpty() && !(hasPending_ && changedSinceBaseline());
}

QString DocumentHistory::undoDescription() const
{
    if (hasPending_ && changedSinceBaseline())
        return pending_;
    return undo_.isEmpty() ? QString() : undo_.last().description;
}

QString DocumentHistory::redoDescription() const
{
    return canRedo() ? redo_.last().description : QString();
}

int DocumentHistory::undoSteps() const
{
    return int(undo_.size()) + (hasPending_ && changedSinceBaseline() ? 1 : 0);
}

// Moves the newest step of one list to the other, swapping the image with the present one.
bool DocumentHistory::restore(QList<Step> &from, QList<Step> &to)
{
    settle();
    if (from.isEmpty())
        return false;
    const Step step = from.takeLast();
    to.append(Step{Image(), step.description});
    Image() = step.image;
    baseline_ = step.image;
    return true;
}

bool DocumentHistory::undo()
{
    return restore(undo_, redo_);
}

bool DocumentHistory::redo()
{
    return restore(redo_, undo_);
}

DocumentHistory &History()
{
    static DocumentHistory history;
    return history;
}

void RecordDocumentChange(const QString &description)
{
    History().record(description);
}

void ResetDocumentHistory()
{
    History().reset();
}
