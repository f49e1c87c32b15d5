#pragma once
#include <QObject>

class frmMain;
class QAction;

// The most recent documents in the File menu, above Exit, numbered 1 to 8; choosing one
// opens it (a file that is gone is removed from the list, with a message).
class UiRecentFilesMenu : public QObject {
    Q_OBJECT
public:
    explicit UiRecentFilesMenu(frmMain *main);

public slots:
    // Rebuilds the entries from the user's settings; runs whenever the File menu opens.
    void fillEntries();
    void openRecent(const QString &path);

private:
    frmMain *main_;
    QAction *bar_ = nullptr;
    QList<QAction *> entries_;
};
