#pragma once
#include "FileChooser.h"

#include <QPointer>
#include <QWidget>

// The open and save dialogs of the main window (dlgCommonDialog). A chosen save name
// without an extension gets ".dat".
class UiFileDialogs : public FileChooser {
public:
    QString chooseOpenPath(const QString &filter) override;
    QString chooseSavePath(const QString &filter, const QString &preset) override;
    void setParentWindow(QWidget *w) { parent_ = w; }

private:
    QPointer<QWidget> parent_;
};
