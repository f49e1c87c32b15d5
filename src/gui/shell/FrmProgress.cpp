#include "FrmProgress.h"

#include "LangText.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

FrmProgress::FrmProgress(int operation, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmProgress"));
    setWindowTitle(LangText(9026 + operation));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    phase_ = new QLabel(this);
    phase_->setObjectName(QStringLiteral("LabelPhase"));
    phase_->setAlignment(Qt::AlignCenter);
    layout->addWidget(phase_);
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

    cancel_ = new QPushButton(LangText(9018), this);
    cancel_->setObjectName(QStringLiteral("CommandCancel"));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &FrmProgress::askCancel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    setPhase(operation == 2 ? LinkPhase::Writing : LinkPhase::Reading);
    // Room for the longest phase text, so the window keeps its size while they change.
    int widest = 0;
    for (LinkPhase p : {LinkPhase::Reading, LinkPhase::Writing, LinkPhase::Verifying, LinkPhase::Cancelling})
        widest = qMax(widest, phase_->fontMetrics().horizontalAdvance(PhaseText(p)));
    phase_->setMinimumWidth(widest + 8);
    setFixedSize(sizeHint());
}

QString FrmProgress::PhaseText(LinkPhase phase)
{
    switch (phase) {
    case LinkPhase::Reading: return LangText(30107);
    case LinkPhase::Writing: return LangText(30108);
    case LinkPhase::Verifying: return LangText(30109);
    case LinkPhase::Cancelling: return LangText(30110);
    }
    return QString();
}

void FrmProgress::setPhase(LinkPhase phase)
{
    phase_->setText(PhaseText(phase));
    if (phase == LinkPhase::Cancelling)
        cancel_->setEnabled(false);
}

void FrmProgress::askCancel()
{
    if (finished_ || cancelAsked_)
        return;
    cancelAsked_ = true;
    emit cancelRequested();
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
    if (finished_) {
        event->accept();
        return;
    }
    // Only the link engine closes this window; closing it asks for a cancel.
    event->ignore();
    askCancel();
}

void FrmProgress::reject()
{
    // Escape asks for a cancel; the window stays until the engine has ended.
    if (finished_)
        QDialog::reject();
    else
        askCancel();
}
