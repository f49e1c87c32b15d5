#pragma once
#include "HistoryEntry.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

class HistoryCommands;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class SafetyCommands;
struct RadioImage;

// "Radio history": every entry of the backup folder, grouped by radio (serial number),
// newest first (Tree1). The selected entry's receipt shows below (Text1): what it is,
// the radio, and for a write what it changed and what the check found. With one entry
// selected it can be compared with the document, opened as an untitled document, or
// chosen channels and settings of it taken back into the document (one undo step); two
// selected entries can be compared with each other. Non-modal.
class FrmRadioHistory : public QDialog {
    Q_OBJECT
public:
    FrmRadioHistory(HistoryCommands *commands, SafetyCommands *safety, QWidget *parent = nullptr);

    void reload();                          // reads the folder again
    bool selectEntry(const QString &fileName, bool add = false);
    QString detailsText() const;
    QStringList radioTitles() const;        // the tree's top level, as shown

    void compareWithDocument();
    void compareSelected();
    void openAsDocument();
    void restoreIntoDocument();

private:
    QList<HistoryEntry> selectedEntries() const;
    bool loadEntry(const HistoryEntry &e, RadioImage &img);
    void showSelection();
    void showCaptions();

    HistoryCommands *commands_;
    SafetyCommands *safety_;
    QList<HistoryEntry> entries_;
    QLabel *label1_ = nullptr;
    QTreeWidget *tree1_ = nullptr;
    QPlainTextEdit *text1_ = nullptr;
    QPushButton *compareDocument_ = nullptr;
    QPushButton *compareEntries_ = nullptr;
    QPushButton *open_ = nullptr;
    QPushButton *restore_ = nullptr;
    QPushButton *close_ = nullptr;

public:
    // Replaceable by tests: which parts of the entry to take (the dialog by default).
    std::function<QStringList(const QString &entryTitle, const RadioImage &document, const RadioImage &entry)> chooseParts;
};
