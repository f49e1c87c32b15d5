#pragma once
#include <QString>

// The open and save file dialogs of the document commands. The desktop program shows
// real dialogs; tests script the chosen path. An empty path means the user cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual QString chooseOpenPath(const QString &filter) = 0;
    virtual QString chooseSavePath(const QString &filter, const QString &preset) = 0;
};

// Cancels every dialog; the default until a front end installs its own.
class CancellingFileChooser : public FileChooser {
public:
    QString chooseOpenPath(const QString &) override { return QString(); }
    QString chooseSavePath(const QString &, const QString &) override { return QString(); }
};

FileChooser &fileChooser();
void setFileChooser(FileChooser *chooser);   // nullptr restores the cancelling default
