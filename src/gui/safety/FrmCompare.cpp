#include "FrmCompare.h"

#include "LangText.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmCompare::FrmCompare(const QString &nameA, const QString &nameB, const QStringList &lines, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmCompare"));
    setWindowTitle(LangText(30117));
    auto *layout = new QVBoxLayout(this);

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setWordWrap(true);
    label1_->setText(lines.isEmpty() ? LangText(30118).arg(nameA, nameB)
                                     : LangText(30120).arg(lines.size()).arg(nameA, nameB));
    layout->addWidget(label1_);

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setPlainText(lines.join(QLatin1Char('\n')));
    text1_->setVisible(!lines.isEmpty());
    layout->addWidget(text1_, 1);

    auto *copy = new QPushButton(LangText(30119), this);
    copy->setObjectName(QStringLiteral("CommandCopy"));
    copy->setEnabled(!lines.isEmpty());
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(text()); });
    auto *close = new QPushButton(LangText(9023), this);
    close->setObjectName(QStringLiteral("CommandClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(copy);
    row->addWidget(close);
    layout->addLayout(row);

    resize(lines.isEmpty() ? QSize(460, 120) : QSize(680, 440));
}

QString FrmCompare::text() const
{
    return text1_->toPlainText();
}
