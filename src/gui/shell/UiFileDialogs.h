#pragma once
#include "FileChooser.h"

#include <QPointer>
#include <QWidget>

// The open and save dialogs of the main window (dlgCommonDialog). A chosen save name
// without an extension gets ".dat". Both start in the folder last used (the user's home
// the first time); Save As of a document that has a folder starts in that folder.
class UiFileDialogs : public FileChooser {
public:
    QString chooseOpenPath(const QString &filter) override;
    QString chooseSavePath(const QString &filter, const QString &preset) override;
    void setParentWindow(QWidget *w) { parent_ = w; }
    // The folder a dialog starts in, for the preset path of a save (empty for open).
    static QString startFolder(const QString &preset = QString());

private:
    QPointer<QWidget> parent_;
};
