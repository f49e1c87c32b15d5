#pragma once
#include <QDialog>
#include <QHash>
#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;

// "Edit selected channels": every setting of the channel edit dialog, each starting at
// "(leave as is)". OK stores what was set into every selected channel by the rules of
// one edit, as one undo step. Channels that cannot take a value are listed before
// anything changes, and the user applies to the others or cancels.
class FrmBulkEdit : public QDialog {
    Q_OBJECT
public:
    FrmBulkEdit(const QList<int> &numbers, QWidget *parent = nullptr);

    // The settings chosen so far, keyed by the channel table's header words.
    QHash<QString, QString> chosenSettings() const;
    QComboBox *selector(int column) const { return combos_.value(column); }
    QLineEdit *offsetBox() const { return offset_; }

    // Stores the chosen settings; false when nothing was stored (nothing chosen, or
    // cancelled after the refusals were shown).
    bool apply();

private:
    QList<int> numbers_;
    QHash<int, QComboBox *> combos_;   // by channel table column
    QLineEdit *offset_ = nullptr;
    QLabel *summary_ = nullptr;
};
