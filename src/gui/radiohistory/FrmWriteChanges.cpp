#include "FrmWriteChanges.h"

#include "LangText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmWriteChanges::FrmWriteChanges(const QStringList &changes, const QString &against, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmWriteChanges"));
    setWindowTitle(LangText(30840));
    auto *layout = new QVBoxLayout(this);

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setWordWrap(true);
    label1_->setText(changes.isEmpty() ? LangText(30842).arg(against) : LangText(30841).arg(changes.size()).arg(against));
    layout->addWidget(label1_);

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setPlainText(changes.join(QLatin1Char('\n')));
    text1_->setVisible(!changes.isEmpty());
    layout->addWidget(text1_, 1);

    auto *write = new QPushButton(LangText(30843), this);
    write->setObjectName(QStringLiteral("CommandWrite"));
    connect(write, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton(LangText(30844), this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    cancel->setDefault(true);   // Enter does not write by accident
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(write);
    row->addWidget(cancel);
    layout->addLayout(row);

    resize(changes.isEmpty() ? QSize(500, 130) : QSize(680, 420));
}

QString FrmWriteChanges::text() const
{
    return label1_->text() + QLatin1Char('\n') + text1_->toPlainText();
}
