#include "frmAbout.h"

#include "LangText.h"
#include "RunSettings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

namespace {
QLabel *aboutLabel(const char *name, int textId, QWidget *parent)
{
    auto *l = new QLabel(LangText(textId), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    return l;
}
}

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(LangText(24000));

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel *title = aboutLabel("lblTitle", 24001, this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);
    QLabel *version = aboutLabel("lblVersion", 24002, this);
    QLabel *description = aboutLabel("lblDescription", 24003, this);
    QLabel *disclaimer = aboutLabel("lblDisclaimer", 24004, this);
    disclaimer->setFrameShape(QFrame::StyledPanel);
    disclaimer->setMargin(6);

    auto *ok = new QPushButton(LangText(24005), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(16);
    grid->addWidget(image1, 0, 0, 3, 1);
    grid->addWidget(title, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(description, 2, 1);
    grid->addWidget(disclaimer, 3, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setFixedWidth(460);
}
