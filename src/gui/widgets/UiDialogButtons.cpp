#include "UiDialogButtons.h"

#include "UiCaptions.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

QPushButton *AddOkCancelRow(QDialog *dialog, QBoxLayout *layout)
{
    auto *ok = new QPushButton(dialog);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(dialog);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    ShowOkCancelCaptions(dialog);

    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    return ok;
}
