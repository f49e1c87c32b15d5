#include "FrmCompare.h"

#include "LangText.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kWatchMs = 300;   // soon enough to look immediate
}

FrmCompare::FrmCompare(const QString &nameA, const QString &nameB, const QStringList &lines, QWidget *parent)
    : QDialog(parent), nameA_(nameA), nameB_(nameB)
{
    setObjectName(QStringLiteral("FrmCompare"));
    setWindowTitle(LangText(30117));
    auto *layout = new QVBoxLayout(this);

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setWordWrap(true);
    layout->addWidget(label1_);

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(text1_, 1);

    copy_ = new QPushButton(LangText(30119), this);
    copy_->setObjectName(QStringLiteral("CommandCopy"));
    connect(copy_, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(text()); });
    auto *close = new QPushButton(LangText(9023), this);
    close->setObjectName(QStringLiteral("CommandClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(copy_);
    row->addWidget(close);
    layout->addLayout(row);

    showLines(lines, false);
    resize(lines.isEmpty() ? QSize(460, 120) : QSize(680, 440));
}

void FrmCompare::showLines(const QStringList &lines, bool updated)
{
    QString heading;
    if (lines.isEmpty())
        heading = LangText(30118).arg(nameA_, nameB_);
    else if (lines.size() == 1)
        heading = LangText(30609).arg(nameA_, nameB_);
    else
        heading = LangText(30120).arg(lines.size()).arg(nameA_, nameB_);
    if (updated)
        heading = LangText(30610) + QLatin1Char(' ') + heading;
    label1_->setText(heading);
    text1_->setPlainText(lines.join(QLatin1Char('\n')));
    text1_->setVisible(!lines.isEmpty());
    copy_->setEnabled(!lines.isEmpty());
}

void FrmCompare::followDocument(std::function<QStringList()> differences)
{
    differences_ = std::move(differences);
    compared_ = Image();
    auto *watch = new QTimer(this);
    watch->setObjectName(QStringLiteral("DocumentWatch"));
    watch->setInterval(kWatchMs);
    connect(watch, &QTimer::timeout, this, &FrmCompare::compareAgainIfChanged);
    watch->start();
}

void FrmCompare::compareAgainIfChanged()
{
    if (!differences_ || Image() == compared_)
        return;
    compared_ = Image();
    showLines(differences_(), true);
}

QString FrmCompare::text() const
{
    return text1_->toPlainText();
}

QString FrmCompare::heading() const
{
    return label1_->text();
}
