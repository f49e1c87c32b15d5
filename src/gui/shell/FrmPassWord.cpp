#include "FrmPassWord.h"

#include "LangText.h"
#include "ModFun.h"
#include "UiDialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

FrmPassWord::FrmPassWord(const QString &current, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmPassWord"));
    setWindowTitle(LangText(23100));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    auto *row = new QHBoxLayout;
    label1_ = new QLabel(LangText(23101), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaxLength(kMaxLength);
    text1_->setEchoMode(QLineEdit::Password);
    // The radio keeps the password as ASCII bytes; other characters could never match.
    text1_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\x20-\\x7E]{0,4}")), text1_));
    text1_->setMinimumWidth(text1_->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 8);
    text1_->setText(current.left(kMaxLength));
    label1_->setBuddy(text1_);
    // The label ends a little left of the entry field.
    row->addWidget(label1_);
    row->addSpacing(3);
    row->addWidget(text1_, 1);
    layout->addLayout(row);

    layout->addSpacing(6);
    QPushButton *ok = AddOkCancelRow(this, layout);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    text1_->selectAll();
    text1_->setFocus();
    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
}

QString FrmPassWord::enteredPassword() const
{
    return TrimAtNul(text1_->text());
}

std::optional<QString> FrmPassWord::Ask(QWidget *parent, const QString &current)
{
    FrmPassWord dlg(current, parent);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.enteredPassword();
}
