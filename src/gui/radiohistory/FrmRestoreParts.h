#pragma once
#include "PartRestore.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QListWidget;

// "Restore into document": the channels and settings in which an entry of the radio
// history differs from the document, each with a check box (List1); OK takes the checked
// ones into the document.
class FrmRestoreParts : public QDialog {
    Q_OBJECT
public:
    FrmRestoreParts(const QList<PartRestore::Part> &parts, const QString &entryTitle, QWidget *parent = nullptr);

    QStringList checkedIds() const;
    void setAllChecked(bool on);

private:
    QListWidget *list1_ = nullptr;
};
