#pragma once
#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;

// The differences between two images, one per line, in a text the user can select and
// copy (CommandCopy copies all of it). Non-modal; closes with CommandClose or Esc.
class FrmCompare : public QDialog {
    Q_OBJECT
public:
    FrmCompare(const QString &nameA, const QString &nameB, const QStringList &lines, QWidget *parent = nullptr);

    QString text() const;   // the lines as shown

private:
    QLabel *label1_ = nullptr;
    QPlainTextEdit *text1_ = nullptr;
};
