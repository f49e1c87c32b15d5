#include "frmSplash.h"

#include "LangText.h"
#include "RunSettings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

QString SplashPicturePath(int languageId)
{
    if (languageId == 1)
        return ProgramDir() + QStringLiteral("/StartE.jpg");
    if (languageId == 2)
        return ProgramDir() + QStringLiteral("/StartC.jpg");
    return QString();
}

frmSplash::frmSplash(std::function<void()> onEnd, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , onEnd_(std::move(onEnd))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(LangText(12000));
    picLogo_ = new QLabel(this);
    picLogo_->setObjectName(QStringLiteral("picLogo"));
    picLogo_->setAlignment(Qt::AlignCenter);
    picLogo_->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picLogo_);

    // A missing picture leaves a plain window with the program's name, not a failed start.
    const QPixmap picture(SplashPicturePath(Run().CurrentLanguageId));
    hasPicture_ = !picture.isNull();
    if (hasPicture_) {
        picLogo_->setPixmap(picture);
        setFixedSize(picture.size());
    } else {
        QFont f = picLogo_->font();
        f.setPointSizeF(f.pointSizeF() * 2);
        f.setBold(true);
        picLogo_->setFont(f);
        picLogo_->setText(LangText(12000).isEmpty() ? QStringLiteral("TARVEN II") : LangText(12000));
        picLogo_->setFrameShape(QFrame::Box);
        setFixedSize(480, 300);
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setSingleShot(true);
    timer1_->setInterval(kDelayMs);
    connect(timer1_, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    timer1_->start();
}

void frmSplash::Timer1_Timer()
{
    end();
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picLogo_ && event->type() == QEvent::MouseButtonRelease) {
        end();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::end()
{
    if (ended_)
        return;
    ended_ = true;
    timer1_->stop();
    if (onEnd_)
        onEnd_();
    close();
    deleteLater();
}
