#include "FrmRestoreParts.h"

#include "HistoryWords.h"
#include "LangText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FrmRestoreParts::FrmRestoreParts(const QList<PartRestore::Part> &parts, const QString &entryTitle, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmRestoreParts"));
    setWindowTitle(LangText(30852));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(LangText(30853).arg(entryTitle), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    layout->addWidget(label);

    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    for (const PartRestore::Part &p : parts) {
        QStringList lines;
        for (const Difference &d : p.changes)
            lines << d.text();
        auto *item = new QListWidgetItem(p.place + QStringLiteral("  (") + HistoryWords::ChangeCount(int(p.changes.size()))
                                             + QLatin1Char(')'),
                                         list1_);
        item->setData(Qt::UserRole, p.id);
        item->setToolTip(lines.join(QLatin1Char('\n')));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    layout->addWidget(list1_, 1);

    auto *all = new QPushButton(LangText(30854), this);
    all->setObjectName(QStringLiteral("CommandAll"));
    connect(all, &QPushButton::clicked, this, [this] { setAllChecked(true); });
    auto *none = new QPushButton(LangText(30855), this);
    none->setObjectName(QStringLiteral("CommandNone"));
    connect(none, &QPushButton::clicked, this, [this] { setAllChecked(false); });
    auto *ok = new QPushButton(LangText(30856), this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton(LangText(30844), this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    cancel->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addWidget(all);
    row->addWidget(none);
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    resize(560, 420);
}

QStringList FrmRestoreParts::checkedIds() const
{
    QStringList ids;
    for (int i = 0; i < list1_->count(); ++i) {
        if (list1_->item(i)->checkState() == Qt::Checked)
            ids << list1_->item(i)->data(Qt::UserRole).toString();
    }
    return ids;
}

void FrmRestoreParts::setAllChecked(bool on)
{
    for (int i = 0; i < list1_->count(); ++i)
        list1_->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}
