#include "FrmBulkEdit.h"

#include "ChannelBulkEdit.h"
#include "ChannelCsvFields.h"
#include "ChannelTableColumns.h"
#include "DocumentHistory.h"
#include "LangText.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiDialogButtons.h"
#include "UiStatusNote.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace Col = ChannelTableColumns;

namespace {
// The table's header word of each column the dialog sets.
ChannelField fieldOf(int column)
{
    switch (column) {
    case Col::Offset: return ChannelField::Offset;
    case Col::Public: return ChannelField::Public;
    case Col::Duplex: return ChannelField::Duplex;
    case Col::Tsq: return ChannelField::Tsq;
    case Col::Scan: return ChannelField::Scan;
    case Col::HiCut: return ChannelField::HiCut;
    case Col::Busy: return ChannelField::BusyLock;
    case Col::Nb: return ChannelField::Nb;
    case Col::Mode: return ChannelField::Mode;
    case Col::Power: return ChannelField::Power;
    case Col::RogerBeep: return ChannelField::RogerBeep;
    case Col::DtmfBot: return ChannelField::DtmfBot;
    case Col::DtmfEot: return ChannelField::DtmfEot;
    case Col::DtmfCall: return ChannelField::DtmfCall;
    case Col::RxTone: return ChannelField::RxTone;
    default: return ChannelField::TxTone;
    }
}

// The table's word for a list entry: the value the dialog would store, written as the
// channel table writes it.
QString wordOf(int column, const QStringList &entries, int entry)
{
    ChannelRecord probe;
    const QString value = Col::ValueOfEntry(column, entries, entry);
    bool isNumber = false;
    const int n = value.toInt(&isNumber);
    *probe.fieldByColumn(Col::CellColumn(column)) = int16_t(isNumber ? n : 0);
    return FieldText(fieldOf(column), probe, Run().BandMode);
}
}

FrmBulkEdit::FrmBulkEdit(const QList<int> &numbers, QWidget *parent) : QDialog(parent), numbers_(numbers)
{
    setObjectName(QStringLiteral("FrmBulkEdit"));
    setWindowTitle(LangText(31072));
    const int band = Run().BandMode;
    summary_ = new QLabel(numbers.size() == 1 ? LangText(31089) : LangText(31073).arg(numbers.size()), this);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    ChannelRecord fm;   // the lists as an FM channel shows them: every power entry
    int at = 0;
    for (int c = Col::Offset; c < Col::Count; ++c) {
        if (Col::HiddenInBand(c, band))
            continue;
        auto *label = new QLabel(Col::Caption(c), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QWidget *input = nullptr;
        if (c == Col::Offset) {
            offset_ = new QLineEdit(this);
            offset_->setObjectName(QStringLiteral("OffsetBox"));
            offset_->setPlaceholderText(LangText(31040));
            offset_->setMaxLength(4);
            input = offset_;
        } else {
            auto *combo = new QComboBox(this);
            combo->setObjectName(QStringLiteral("Setting_%1").arg(Col::Key(c)));
            combo->setMaxVisibleItems(20);
            combo->addItem(LangText(31040));
            combo->addItems(Col::Entries(c, fm));
            combos_.insert(c, combo);
            input = combo;
        }
        const int row = at % 8, column = at < 8 ? 0 : 2;
        grid->addWidget(label, row, column);
        grid->addWidget(input, row, column + 1);
        ++at;
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addLayout(grid);
    QPushButton *ok = AddOkCancelRow(this, layout);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (apply())
            accept();
    });
}

QHash<QString, QString> FrmBulkEdit::chosenSettings() const
{
    QHash<QString, QString> cells;
    ChannelRecord fm;
    for (auto it = combos_.cbegin(); it != combos_.cend(); ++it) {
        const int entry = it.value()->currentIndex() - 1;   // entry 0 is "(leave as is)"
        if (entry >= 0)
            cells.insert(FieldName(fieldOf(it.key())), wordOf(it.key(), Col::Entries(it.key(), fm), entry));
    }
    if (offset_ && !offset_->text().trimmed().isEmpty())
        cells.insert(FieldName(ChannelField::Offset), offset_->text().trimmed());
    return cells;
}

bool FrmBulkEdit::apply()
{
    const QHash<QString, QString> cells = chosenSettings();
    if (cells.isEmpty())
        return true;   // nothing to store: OK just closes
    const int band = Run().BandMode;
    RecordDocumentChange(LangText(31057).arg(numbers_.size()));
    BulkEditOutcome outcome = ApplyChannelSettings(cells, numbers_, RefusedChannels::CancelAll);
    if (!outcome.refusals.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        LangText(31074) + QStringLiteral("\n\n") + outcome.refusalReport(band), QMessageBox::NoButton, this);
        QPushButton *others = nullptr;
        if (outcome.refusals.size() < numbers_.size())
            others = box.addButton(LangText(31075), QMessageBox::AcceptRole);
        QPushButton *cancel = box.addButton(LangText(31085), QMessageBox::RejectRole);
        box.setDefaultButton(cancel);
        box.exec();
        if (!others || box.clickedButton() != others)
            return false;
        outcome = ApplyChannelSettings(cells, numbers_, RefusedChannels::ApplyToOthers);
    }
    ShowStatusNote(outcome.stored == 1 ? LangText(31088) : LangText(31059).arg(outcome.stored));
    return outcome.applied;
}
