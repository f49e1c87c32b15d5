#include "FrmRadioHistory.h"

#include "DataFile.h"
#include "DocumentHistory.h"
#include "FrmCompare.h"
#include "FrmRestoreParts.h"
#include "HistoryCommands.h"
#include "HistoryWords.h"
#include "ImageDiff.h"
#include "LangText.h"
#include "Models.h"
#include "PartRestore.h"
#include "Prompts.h"
#include "RadioHistory.h"
#include "RadioImage.h"
#include "SafetyCommands.h"
#include "TransferBackups.h"
#include "UiRestoredImage.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
enum Column { ColTime, ColKind, ColBand, ColFirmware, ColResult, kColumns };
constexpr int kPathRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;
} // namespace

FrmRadioHistory::FrmRadioHistory(HistoryCommands *commands, SafetyCommands *safety, QWidget *parent)
    : QDialog(parent), commands_(commands), safety_(safety)
{
    setObjectName(QStringLiteral("FrmRadioHistory"));
    auto *layout = new QVBoxLayout(this);
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setWordWrap(true);
    layout->addWidget(label1_);

    auto *split = new QSplitter(Qt::Vertical, this);
    tree1_ = new QTreeWidget(split);
    tree1_->setObjectName(QStringLiteral("Tree1"));
    tree1_->setColumnCount(kColumns);
    tree1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree1_->setRootIsDecorated(true);
    tree1_->setUniformRowHeights(true);
    text1_ = new QPlainTextEdit(split);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);

    auto button = [this](const char *name, void (FrmRadioHistory::*slot)()) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    compareDocument_ = button("CommandCompareDocument", &FrmRadioHistory::compareWithDocument);
    compareEntries_ = button("CommandCompareEntries", &FrmRadioHistory::compareSelected);
    open_ = button("CommandOpen", &FrmRadioHistory::openAsDocument);
    restore_ = button("CommandRestoreParts", &FrmRadioHistory::restoreIntoDocument);
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    auto *row = new QHBoxLayout;
    for (QPushButton *b : {compareDocument_, compareEntries_, open_, restore_})
        row->addWidget(b);
    row->addStretch(1);
    row->addWidget(close_);
    layout->addLayout(row);

    chooseParts = [this](const QString &title, const RadioImage &document, const RadioImage &entry) {
        FrmRestoreParts dialog(PartRestore::PartsThatDiffer(document, entry), title, this);
        return dialog.exec() == QDialog::Accepted ? dialog.checkedIds() : QStringList();
    };
    connect(tree1_, &QTreeWidget::itemSelectionChanged, this, &FrmRadioHistory::showSelection);
    connect(tree1_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item->parent())
            compareWithDocument();
    });
    showCaptions();
    resize(860, 560);
}

void FrmRadioHistory::showCaptions()
{
    setWindowTitle(LangText(30802));
    tree1_->setHeaderLabels({LangText(30822), LangText(30823), LangText(30824), LangText(30825), LangText(30826)});
    compareDocument_->setText(LangText(30827));
    compareEntries_->setText(LangText(30828));
    open_->setText(LangText(30829));
    restore_->setText(LangText(30830));
    close_->setText(LangText(30831));
}

void FrmRadioHistory::reload()
{
    showCaptions();
    const QString folder = commands_->backups()->folder();
    entries_ = folder.isEmpty() ? QList<HistoryEntry>() : RadioHistory::Entries(folder);
    tree1_->clear();
    // Radios by their newest entry, newest first; each radio's entries newest first.
    QStringList radios;
    for (const HistoryEntry &e : std::as_const(entries_)) {
        radios.removeAll(e.serial);
        radios.prepend(e.serial);
    }
    for (const QString &serial : std::as_const(radios)) {
        auto *radio = new QTreeWidgetItem(tree1_, {HistoryWords::RadioTitle(serial)});
        radio->setFirstColumnSpanned(true);
        radio->setFlags(Qt::ItemIsEnabled);
        for (int i = int(entries_.size()) - 1; i >= 0; --i) {
            const HistoryEntry &e = entries_.at(i);
            if (e.serial != serial)
                continue;
            auto *item = new QTreeWidgetItem(radio, {e.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                                     HistoryWords::Kind(e.kind), BandName(e.band),
                                                     e.firmware.isEmpty() ? LangText(30838) : e.firmware,
                                                     HistoryWords::Result(e)});
            item->setData(ColTime, kPathRole, e.path);
            item->setData(ColTime, kIndexRole, i);
            item->setToolTip(ColTime, e.fileName());
        }
        radio->setExpanded(true);
    }
    for (int c = 0; c < kColumns; ++c)
        tree1_->resizeColumnToContents(c);
    label1_->setText(entries_.isEmpty() ? LangText(30839) : QDir::toNativeSeparators(folder));
    showSelection();
}

QStringList FrmRadioHistory::radioTitles() const
{
    QStringList out;
    for (int i = 0; i < tree1_->topLevelItemCount(); ++i)
        out << tree1_->topLevelItem(i)->text(0);
    return out;
}

bool FrmRadioHistory::selectEntry(const QString &fileName, bool add)
{
    if (!add)
        tree1_->clearSelection();
    for (QTreeWidgetItemIterator it(tree1_); *it; ++it) {
        const QString path = (*it)->data(ColTime, kPathRole).toString();
        if (!path.isEmpty() && QFileInfo(path).fileName() == QFileInfo(fileName).fileName()) {
            (*it)->setSelected(true);
            tree1_->scrollToItem(*it);
            return true;
        }
    }
    return false;
}

QList<HistoryEntry> FrmRadioHistory::selectedEntries() const
{
    QList<HistoryEntry> out;
    for (QTreeWidgetItem *item : tree1_->selectedItems()) {
        const QVariant index = item->data(ColTime, kIndexRole);
        if (index.isValid() && index.toInt() >= 0 && index.toInt() < entries_.size())
            out << entries_.at(index.toInt());
    }
    std::sort(out.begin(), out.end(), [](const HistoryEntry &a, const HistoryEntry &b) { return a.sequence < b.sequence; });
    return out;
}

QString FrmRadioHistory::detailsText() const
{
    return text1_->toPlainText();
}

void FrmRadioHistory::showSelection()
{
    const QList<HistoryEntry> chosen = selectedEntries();
    compareDocument_->setEnabled(chosen.size() == 1);
    open_->setEnabled(chosen.size() == 1);
    restore_->setEnabled(chosen.size() == 1);
    compareEntries_->setEnabled(chosen.size() == 2);
    if (chosen.size() != 1) {
        text1_->clear();
        return;
    }
    const HistoryEntry &e = chosen.first();
    QStringList lines{HistoryWords::EntryTitle(e), LangText(30832).arg(e.fileName()),
                      LangText(30860).arg(e.serial.isEmpty() ? LangText(30838) : e.serial,
                                          e.firmware.isEmpty() ? LangText(30838) : e.firmware, BandName(e.band))};
    if (e.kind != HistoryKind::Read) {
        lines << LangText(30837).arg(HistoryWords::Result(e));
        if (!e.previous.isEmpty())
            lines << LangText(30834).arg(e.previous);
        lines << QString();
        if (!e.changesKnown) {
            lines << LangText(30836);
        } else {
            lines << LangText(30835);
            for (const Difference &d : e.changes)
                lines << QStringLiteral("  ") + d.text();
        }
        if (!e.verifyDifferences.isEmpty()) {
            lines << QString() << LangText(30115);
            for (const QString &d : e.verifyDifferences)
                lines << QStringLiteral("  ") + d;
        }
    }
    text1_->setPlainText(lines.join(QLatin1Char('\n')));
}

bool FrmRadioHistory::loadEntry(const HistoryEntry &e, RadioImage &img)
{
    QString reason;
    if (ReadComparable(e.path, img, &reason))
        return true;
    prompts().message(LangText(30858).arg(e.fileName() + QStringLiteral(": ") + reason), MsgIcon::Critical);
    return false;
}

void FrmRadioHistory::compareWithDocument()
{
    const QList<HistoryEntry> chosen = selectedEntries();
    RadioImage img;
    if (chosen.size() != 1 || !loadEntry(chosen.first(), img))
        return;
    safety_->showComparison(img, HistoryWords::EntryTitle(chosen.first()), chosen.first().kind == HistoryKind::Read);
}

void FrmRadioHistory::compareSelected()
{
    const QList<HistoryEntry> chosen = selectedEntries();
    RadioImage a, b;
    if (chosen.size() != 2 || !loadEntry(chosen.at(0), a) || !loadEntry(chosen.at(1), b))
        return;
    const QString nameA = HistoryWords::EntryTitle(chosen.at(0)), nameB = HistoryWords::EntryTitle(chosen.at(1));
    auto *compare = new FrmCompare(nameA, nameB, DifferenceLines(CompareImages(a, b, nameA, nameB)), this);
    compare->setAttribute(Qt::WA_DeleteOnClose);
    compare->show();
}

void FrmRadioHistory::openAsDocument()
{
    const QList<HistoryEntry> chosen = selectedEntries();
    if (chosen.size() == 1)
        safety_->openBackupFile(chosen.first().path);
}

void FrmRadioHistory::restoreIntoDocument()
{
    const QList<HistoryEntry> chosen = selectedEntries();
    RadioImage entry;
    if (chosen.size() != 1 || !loadEntry(chosen.first(), entry))
        return;
    const QStringList ids = chooseParts(HistoryWords::EntryTitle(chosen.first()), Image(), entry);
    if (ids.isEmpty())
        return;
    // One step of Edit > Undo takes all of it back.
    RecordDocumentChange(LangText(30857));
    PartRestore::TakeParts(Image(), entry, ids);
    ShowRestoredImage();
}
