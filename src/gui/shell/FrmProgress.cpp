#include "FrmProgress.h"

#include "LangText.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

FrmProgress::FrmProgress(int operation, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmProgress"));
    setWindowTitle(LangText(9026 + operation));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    auto *row = new QHBoxLayout;
    label1_ = new QLabel(LangText(9029), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label2_ = new QLabel(QStringLiteral("0%"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setMinimumWidth(label2_->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
    // Label1 ends just before the percentage.
    row->addStretch(1);
    row->addWidget(label1_);
    row->addSpacing(2);
    row->addWidget(label2_);
    row->addStretch(1);
    layout->addLayout(row);

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(340);
    layout->addWidget(bar_);
    setFixedSize(sizeHint());
}

void FrmProgress::SetProgressValue(int value)
{
    value = qBound(0, value, 100);
    bar_->setValue(value);
    label2_->setText(QString::number(value) + QLatin1Char('%'));
}

void FrmProgress::finish()
{
    finished_ = true;
    done(QDialog::Accepted);
    close();
}

void FrmProgress::closeEvent(QCloseEvent *event)
{
    if (finished_)
        event->accept();
    else
        event->ignore();
}

void FrmProgress::reject()
{
    // Escape does not end a transfer; only the link engine closes this window.
    if (finished_)
        QDialog::reject();
}
