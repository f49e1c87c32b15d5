#pragma once
#include <QDialog>
#include <QStringList>
#include <functional>

#include "RadioImage.h"

class QLabel;
class QPlainTextEdit;

// The differences between two images, one per line, in a text the user can select and
// copy (CommandCopy copies all of it). Non-modal; closes with CommandClose or Esc.
class FrmCompare : public QDialog {
    Q_OBJECT
public:
    FrmCompare(const QString &nameA, const QString &nameB, const QStringList &lines, QWidget *parent = nullptr);

    QString text() const;   // the lines as shown
    QString heading() const;

    // From now on the window compares again whenever the document changes (checked a
    // few times a second), and says that it did.
    void followDocument(std::function<QStringList()> differences);

private:
    void showLines(const QStringList &lines, bool updated);
    void compareAgainIfChanged();

    QString nameA_, nameB_;
    QLabel *label1_ = nullptr;
    QPlainTextEdit *text1_ = nullptr;
    class QPushButton *copy_ = nullptr;
    std::function<QStringList()> differences_;
    RadioImage compared_;   // the document as last compared
};
