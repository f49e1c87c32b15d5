#pragma once
#include "LinkUi.h"

#include <QList>
#include <QObject>

// A front end without windows: the password comes from a preset answer, the progress
// window is a flag and the transfer begins from the event loop. Used by the command-line
// tool and the tests, which also read what the engine asked for.
class HeadlessLinkUi : public LinkUi {
public:
    std::optional<QString> passwordAnswer;   // what the password dialog returns; none = Cancel
    int passwordRequests = 0;
    QList<int> percents;                     // every value given to setProgress
    int progressOperation = 0;
    int progressOpened = 0;
    bool progressOpen = false;
    QList<LinkPhase> phases;                 // every phase the engine announced

    std::optional<QString> askPassword(const QString &current) override;
    void openProgress(int operation, std::function<void()> beginTransfer) override;
    void setProgress(int percent) override;
    void closeProgress() override;
    bool progressVisible() const override { return progressOpen; }
    void setPhase(LinkPhase phase) override { phases << phase; }

private:
    QObject context_;
};
